#include "engine/screen_flow.h"

#include <algorithm>

#include "screens/ending_screen.h"
#include "screens/instructions.h"
#include "screens/kv1_controls.h"
#include "screens/main_menu.h"
#include "screens/options_screen.h"
#include "screens/series_menu.h"
#include "screens/story.h"
#include "stages/stage_one.h"

const std::vector<ScreenRow> screen_table{
    {Screen::series_menu, [](const ScreenArgs&) { return series_menu(); }},
    {Screen::instructions, [](const ScreenArgs& args) { return instructions(args[0]); }},
    {Screen::story, [](const ScreenArgs&) { return story(); }},
    {Screen::main_menu, [](const ScreenArgs&) { return main_menu(); }},
    {Screen::stage_one, stage_one},
    {Screen::options_screen, [](const ScreenArgs&) { return options_screen(); }},
    {Screen::kv1_controls, [](const ScreenArgs&) { return kv1_controls(); }},
    {Screen::ending_screen, [](const ScreenArgs&) { return ending_screen(); }},
};

void run_screens(NextScreen next, const std::vector<ScreenRow>& table) {
    while (next.screen != Screen::none) {
        const auto row = std::find_if(table.begin(), table.end(), [&](const ScreenRow& r) { return r.screen == next.screen; });
        if (row == table.end()) return;
        next = row->run(next.args);
    }
}
