#pragma once
// The game's screens: the function that runs each one, and where the game begins.
#include <vector>

#include "engine/screen_flow.h"

extern const std::vector<ScreenRow> screen_table;

// Where the game goes once everything is loaded.
constexpr NextScreen first_screen{Screen::series_menu, {}};
