#pragma once
// Screens never call each other: each returns the screen to run next, and run_screens runs them
// one after the other, so the call stack stays flat however long the game goes on.
#include <array>
#include <vector>

// Every screen that can come next; each screen adds its name here and its row to screen_table.
enum class Screen { none };

using ScreenArgs = std::array<int, 6>;  // the most any screen takes

struct NextScreen {
    Screen screen = Screen::none;
    ScreenArgs args{};
};

using ScreenFunction = NextScreen (*)(const ScreenArgs& args);

struct ScreenRow {
    Screen screen;
    ScreenFunction run;
};

// The game's screens.
extern const std::vector<ScreenRow> screen_table;

// Where the game goes once everything is loaded.
constexpr NextScreen first_screen{};

// Runs `next` and every screen it leads to until one returns none. A screen without a row in the
// table ends the run too.
void run_screens(NextScreen next, const std::vector<ScreenRow>& table = screen_table);
