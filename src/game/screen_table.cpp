#include "game/screen_table.h"

#include "screens/character_select.h"
#include "screens/ending_screen.h"
#include "screens/instructions.h"
#include "screens/kv1_controls.h"
#include "screens/kv1_ending.h"
#include "screens/kv1_menu.h"
#include "screens/main_menu.h"
#include "screens/options_screen.h"
#include "screens/series_menu.h"
#include "screens/stage_intro.h"
#include "screens/story.h"
#include "screens/upgrade_store.h"
#include "stages/challenge_stage.h"
#include "stages/kv1_stage.h"
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
    {Screen::character_select, [](const ScreenArgs&) { return character_select(); }},
    {Screen::stage_intro, [](const ScreenArgs& args) { return stage_intro(args[0]); }},
    {Screen::upgrade_store, [](const ScreenArgs& args) { return upgrade_store(args[0]); }},
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
    {Screen::kv1_menu, [](const ScreenArgs&) { return kv1_menu(); }},
    {Screen::kv1_mission, [](const ScreenArgs&) { return kv1_mission(); }},
    {Screen::kv1_stage, kv1_stage},
    {Screen::kv1_continue, [](const ScreenArgs&) { return kv1_continue(); }},
    {Screen::kv1_ending, [](const ScreenArgs&) { return kv1_ending(); }},
    {Screen::what_to_do, [](const ScreenArgs&) { return what_to_do(); }},
    {Screen::options_screen, [](const ScreenArgs&) { return options_screen(); }},
    {Screen::kv1_controls, [](const ScreenArgs&) { return kv1_controls(); }},
    {Screen::ending_screen, [](const ScreenArgs&) { return ending_screen(); }},
};
