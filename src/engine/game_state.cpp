#include "engine/game_state.h"

bool paused = false;
bool return_to_menu = false;
int game_completed = 0;
bool stage_choice_unlocked = false;
