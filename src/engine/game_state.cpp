#include "engine/game_state.h"

bool paused = false;
int current_stage = 1;
int selected_character = 1;
bool return_to_menu = false;
int scroll_speed = 0;
int wave_hurry = 0;
int game_completed = 0;
bool stage_choice_unlocked = false;
