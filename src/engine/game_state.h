#pragma once
// Game state that stages and screens share, kept for the whole run.

// Set while a stage is paused; the loading screen clears it so the first stage starts unpaused.
extern bool paused;
