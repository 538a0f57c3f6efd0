#pragma once
// Game state that stages and screens share, kept for the whole run.

// Set while a stage is paused; the loading screen clears it so the first stage starts unpaused.
extern bool paused;

// The stage being played, 1 to 10.
extern int current_stage;
// The pilot: 1 Adam, 2 Kim; set by character select.
extern int selected_character;
// Set by a quit or a declined "Continue?": the stage ends in the main menu, which clears it.
extern bool return_to_menu;
// The stage's scroll, pixels per logic step (0 to 5), given to everything that rides it.
extern int scroll_speed;
// Raised once the running wave phase's quota has fallen to 10, cleared at every phase end.
extern int wave_hurry;
// 1 once the KV2 ending has been seen, for the rest of the run.
extern int game_completed;
// Whether the options screen offers the stage choice; set once by the main menu.
extern bool stage_choice_unlocked;
