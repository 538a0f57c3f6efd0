#include "engine/screen_flow.h"

#include <algorithm>

#include "screens/instructions.h"
#include "screens/main_menu.h"
#include "screens/series_menu.h"
#include "screens/story.h"
#include "stages/challenge_stage.h"
#include "stages/stage_eight.h"
#include "stages/stage_five.h"
#include "stages/stage_four.h"
#include "stages/stage_nine.h"
#include "stages/stage_one.h"
#include "stages/stage_seven.h"
#include "stages/stage_six.h"
#include "stages/stage_ten.h"
#include "stages/stage_three.h"
#include "stages/stage_two.h"

const std::vector<ScreenRow> screen_table{
    {Screen::series_menu, [](const ScreenArgs&) { return series_menu(); }},
    {Screen::instructions, [](const ScreenArgs& args) { return instructions(args[0]); }},
    {Screen::story, [](const ScreenArgs&) { return story(); }},
    {Screen::main_menu, [](const ScreenArgs&) { return main_menu(); }},
    {Screen::stage_one, stage_one},
    {Screen::stage_two, stage_two},
    {Screen::stage_three, stage_three},
    {Screen::stage_four, stage_four},
    {Screen::stage_five, stage_five},
    {Screen::stage_six, stage_six},
    {Screen::stage_seven, stage_seven},
    {Screen::stage_eight, stage_eight},
    {Screen::stage_nine, stage_nine},
    {Screen::stage_ten, stage_ten},
    {Screen::challenge_stage, challenge_stage},
};

void run_screens(NextScreen next, const std::vector<ScreenRow>& table) {
    while (next.screen != Screen::none) {
        const auto row = std::find_if(table.begin(), table.end(), [&](const ScreenRow& r) { return r.screen == next.screen; });
        if (row == table.end()) return;
        next = row->run(next.args);
    }
}
