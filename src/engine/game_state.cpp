#include "engine/game_state.h"

bool paused = false;
int current_stage = 1;
int selected_character = 1;
int return_to_menu = 0;
int scroll_speed = 0;
int wave_hurry = 0;
