// Both episodes played through in one process, as a player meets them: KV2 from the series menu
// through its ten stages, the challenge stages and the store to the ending and credits and back
// to the menu; then KV1 from its menu through its three stages to its ending and the chooser.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/screen_flow.h"
#include "support/headless_game.h"
#include "support/pictures.h"
#include "whole_game/pilot.h"

namespace {

using whole_game::Leg;
using whole_game::Pilot;
using whole_game::Spot;
using whole_game::Visit;

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

constexpr Spot kv1_episode{150, 390}, kv2_episode{450, 390}, series_exit{305, 305};
constexpr Spot start{300, 330}, menu_exit{300, 400}, adam{312, 213};
constexpr Spot shield{27, 382}, buy{140, 466}, store_exit{22, 466};
constexpr Spot kv1_start{280, 305}, exit_game{280, 265};
constexpr int shield_price = 2000;

bool is_kv2_stage(Screen screen) { return screen >= Screen::stage_one && screen <= Screen::stage_ten; }
bool challenge_after(int stage) { return stage == 3 || stage == 5 || stage == 7; }

std::vector<Leg> kv2_game() {
    std::vector<Leg> legs{{Screen::series_menu, 0, {kv2_episode}},
                          {Screen::instructions, 2, {}, {KEY_SPACE}},
                          {Screen::story, 0, {}, {KEY_SPACE}},
                          {Screen::main_menu, 0, {start}},
                          {Screen::character_select, 0, {adam}}};
    for (int n = 1; n <= 10; ++n) {
        legs.push_back({Screen::stage_intro, n, {}, {KEY_SPACE}});
        legs.push_back({static_cast<Screen>(static_cast<int>(Screen::stage_one) + n - 1)});
        if (challenge_after(n)) legs.push_back({Screen::challenge_stage, n});
        if (n < 10) legs.push_back({Screen::upgrade_store, n + 1, {shield, buy, store_exit}});
    }
    legs.push_back({Screen::ending_screen, 0, {}, {KEY_SPACE, KEY_ESC}});
    legs.push_back({Screen::main_menu, 0, {menu_exit}});
    return legs;
}

std::vector<Leg> kv1_game() {
    return {{Screen::series_menu, 0, {kv1_episode}},
            {Screen::instructions, 1, {}, {KEY_SPACE}},
            {Screen::kv1_menu, 0, {kv1_start}},
            {Screen::kv1_mission, 0, {}, {KEY_SPACE}},
            {Screen::kv1_stage, 1},
            {Screen::kv1_stage, 2},
            {Screen::kv1_stage, 3},
            {Screen::kv1_ending, 0, {}, {KEY_SPACE, KEY_ESC}},
            {Screen::what_to_do, 0, {exit_game}},
            {Screen::series_menu, 0, {series_exit}}};
}

TEST(WholeRun, BothEpisodesFromTheSeriesMenuToTheirEndsAndBack) {
    whole_game::load_game();
    std::vector<Leg> script = kv2_game();
    const std::vector<Leg> kv1 = kv1_game();
    script.insert(script.end(), kv1.begin(), kv1.end());
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

    int bought = 0;
    for (std::size_t i = 0; i < visits.size(); ++i) {
        const Visit& v = visits[i];
        SCOPED_TRACE(i);
        if (is_kv2_stage(v.screen)) {
            EXPECT_TRUE(v.bosses_paid_once);
        }
        if (v.screen != Screen::upgrade_store) continue;
        if (v.money_in >= shield_price) {
            EXPECT_EQ(v.shields_out, std::max(v.shields_in, 0) + 1) << "a shield bought";
        }
        bought += v.shields_out - v.shields_in;
        ASSERT_TRUE(is_kv2_stage(visits[i + 2].screen));
        EXPECT_EQ(visits[i + 2].shields_in, v.shields_out) << "the purchase is there in the next stage";
    }
    EXPECT_GT(bought, 0);
    std::printf("whole run: %zu screens\n", visits.size());
}

}  // namespace
