#pragma once
// Game state that stages and screens share, kept for the whole run.

// Set while a stage is paused; the loading screen clears it so the first stage starts unpaused.
extern bool paused;
// Set when the player quits a stage for the main menu; the main menu clears it.
extern bool return_to_menu;
// 1 once the KV2 ending has been seen, for the rest of the run.
extern int game_completed;
// Whether the options screen offers the stage choice; set once by the main menu.
extern bool stage_choice_unlocked;
