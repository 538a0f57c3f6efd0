#include "engine/game_state.h"

bool paused = false;
