// Both episodes played through in one process, as a player meets them: KV2 from the series menu
// through its ten stages, the challenge stages and the store to the ending and credits and back
// to the menu; then KV1 from its menu through its three stages to its ending and the chooser.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "game/screen_table.h"
#include "support/pictures.h"
#include "whole_game/routes.h"

namespace {

using namespace whole_game;

constexpr int shield_price = 2000;

bool is_kv2_stage(Screen screen) { return screen >= Screen::stage_one && screen <= Screen::stage_ten; }
bool challenge_after(int stage) { return stage == 3 || stage == 5 || stage == 7; }

std::vector<Leg> kv2_game() {
    std::vector<Leg> legs = into_kv2();
    for (int n = 1; n <= 10; ++n) {
        if (n > 1) legs.push_back({Screen::stage_intro, n, {}, {KEY_SPACE}});
        legs.push_back({static_cast<Screen>(static_cast<int>(Screen::stage_one) + n - 1)});
        if (challenge_after(n)) legs.push_back({Screen::challenge_stage, n});
        if (n < 10) legs.push_back(store_visit(n + 1));
    }
    legs.push_back({Screen::ending_screen, 0, {}, {KEY_SPACE, KEY_ESC}});
    legs.push_back({Screen::main_menu, 0, {menu_exit}});
    return legs;
}

std::vector<Leg> kv1_game() {
    std::vector<Leg> legs = into_kv1();
    append(legs, {{Screen::kv1_stage, 1},
                  {Screen::kv1_stage, 2},
                  {Screen::kv1_stage, 3},
                  {Screen::kv1_ending, 0, {}, {KEY_SPACE, KEY_ESC}},
                  {Screen::what_to_do, 0, {chooser_exit}},
                  {Screen::series_menu, 0, {series_exit}}});
    return legs;
}

TEST(WholeRun, BothEpisodesFromTheSeriesMenuToTheirEndsAndBack) {
    whole_game::load_game();
    std::vector<Leg> script = kv2_game();
    append(script, kv1_game());
    Pilot pilot(script);
    pilot.fly(first_screen);
    save_png(testing_support::picture_path("whole_run.png").c_str(), pilot.contact_sheet(), nullptr);

    const std::vector<Visit>& visits = pilot.visits();
    ASSERT_FALSE(pilot.stalled()) << pilot.trail();
    ASSERT_EQ(visits.size(), script.size()) << pilot.trail();
    for (std::size_t i = 0; i < script.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(visits[i].screen, script[i].screen);
        EXPECT_EQ(visits[i].arg, script[i].arg);
        EXPECT_EQ(visits[i].stack, visits[0].stack) << "the stack grew";
    }
    EXPECT_GE(pilot.lowest_money(), 0);
    EXPECT_EQ(game_completed, 1) << "the ending was seen to its end";

    int bought = 0;
    for (std::size_t i = 0; i < visits.size(); ++i) {
        const Visit& v = visits[i];
        SCOPED_TRACE(i);
        if (is_kv2_stage(v.screen)) {
            EXPECT_TRUE(v.bosses_paid_once);
        }
        if (v.screen != Screen::upgrade_store) continue;
        // Boss hits may have left the count below zero; a purchase starts it again from zero.
        const int owned = std::max(v.shields_in, 0);
        if (v.money_in >= shield_price) {
            EXPECT_EQ(v.shields_out, owned + 1) << "a shield bought";
        }
        bought += v.shields_out - owned;
        ASSERT_TRUE(is_kv2_stage(visits[i + 2].screen));
        EXPECT_EQ(visits[i + 2].shields_in, v.shields_out) << "the purchase is there in the next stage";
    }
    EXPECT_GT(bought, 0);
    std::printf("whole run: %zu screens\n", visits.size());
}

}  // namespace
