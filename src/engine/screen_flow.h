#pragma once
// Screens never call each other: each returns the screen to run next, and run_screens runs them
// one after the other, so the call stack stays flat however long the game goes on.
#include <array>
#include <vector>

// Every screen that can come next. The game's table (game/screen_table.h) gives each its function.
enum class Screen {
    none,
    // KV2
    series_menu,
    instructions,  // (episode)
    story,
    main_menu,
    options_screen,
    character_select,
    stage_intro,  // (stage)
    stage_one,
    stage_two,
    stage_three,
    stage_four,
    stage_five,
    stage_six,
    stage_seven,
    stage_eight,
    stage_nine,
    stage_ten,
    challenge_stage,  // (previous stage)
    upgrade_store,    // (next stage)
    ending_screen,
    // KV1
    kv1_menu,
    kv1_controls,
    kv1_mission,
    kv1_stage,  // (its six arguments)
    kv1_continue,
    kv1_ending,
    what_to_do,
};

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

// Runs `next` and every screen it leads to until one returns none. A screen without a row in the
// table ends the run too.
void run_screens(NextScreen next, const std::vector<ScreenRow>& table);
