// The challenge stage after stages 3, 5 and 7: its trains, its results and the bonus they pay.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "audio_testing.h"
#include "enemies/enemy_nine.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stage_world.h"
#include "stages/challenge_stage.h"

namespace {

using stage_world::Driver;

TEST(ChallengeResults, TheShareHitTruncatesToWholePercentAndPaysByTier) {
    struct Row {
        int hit, launched, percent, bonus;
    };
    const Row rows[] = {{20, 20, 100, 10000}, {19, 20, 94, 9400}, {14, 20, 69, 6900}, {10, 20, 50, 5000},
                        {13, 25, 51, 5100},   {12, 25, 47, 1000}, {27, 30, 89, 8900}, {1, 30, 3, 1000},
                        {0, 20, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.hit) + "/" + std::to_string(row.launched));
        const int p = ChallengeStage::percent(static_cast<float>(row.hit), static_cast<float>(row.launched));
        EXPECT_EQ(p, row.percent);
        EXPECT_EQ(ChallengeStage::bonus(p), row.bonus);
    }
}

struct ChallengeCase {
    int prev, relaunches;
    float first_speed;  // the first train's; the relaunched ones fly at the kind's 4.0
};

class Challenge : public ::testing::TestWithParam<ChallengeCase> {};

// Every other train is shot down, the rest escape; escapes count as launched but not hit.
TEST_P(Challenge, LaunchesItsTrainsThenShowsTheResultsAndPaysOnceBeforeTheStore) {
    const ChallengeCase c = GetParam();
    stage_world::prepare();
    current_stage = c.prev;
    Driver d(std::make_unique<ChallengeStage>(c.prev));
    auto& s = static_cast<ChallengeStage&>(d.stage());
    player.money = 1000000;
    const int trains = c.relaunches + 1;
    EXPECT_EQ(enemy_count, 5 * trains);
    EXPECT_EQ(s.boss_face, nullptr) << "nobody talks here: no face is loaded";
    for (const EnemyNine& record : enemy_nine_pool) EXPECT_FLOAT_EQ(record.max_speed, c.first_speed);
    d.skip_title();
    ASSERT_TRUE(d.steps_until([&] { return s.train_launched == 1; }));
    EXPECT_EQ(scroll_speed, 5) << "the ground runs at 5 once the title has gone";
    bool saved = false;
    ASSERT_TRUE(d.steps_until(
        [&] {
            for (EnemyNine& record : enemy_nine_pool)
                if (s.train_relaunches % 2 == 0 && record.entered && !record.dying)
                    record.damage = record.hit_points + 1;
            if (s.train_relaunches == 1) {
                EXPECT_FLOAT_EQ(enemy_nine_pool[0].max_speed, 4.0f);
            }
            if (!saved && c.prev == 3 && s.train_relaunches == 1 && enemy_nine_pool[3].entered) {
                d.pass();
                stage_world::save_page("challenge_mid_train.png");
                saved = true;
            }
            return enemy_count == 0;
        },
        30000));
    EXPECT_EQ(s.train_relaunches, c.relaunches);
    EXPECT_EQ(current_stage, c.prev);
    const int hit = 5 * ((trains + 1) / 2);
    EXPECT_EQ(static_cast<int>(enemies_hit), hit);

    const int money = player.money;
    d.steps_until([&] { return s.results_ticks == 220; });
    d.pass();
    EXPECT_EQ(player.money, money + ChallengeStage::bonus(ChallengeStage::percent(hit, 5.0f * trains)));
    EXPECT_EQ(s.results_ticks, ChallengeStage::paid_ticks);
    const int p = ChallengeStage::percent(hit, 5.0f * trains);
    const struct {
        std::string text;
        int y;
    } lines[] = {
        {"NUMBER OF ENEMIES LAUNCHED:     " + std::to_string(5 * trains), 150},
        {"NUMBER OF ENEMIES HIT:     " + std::to_string(hit), 200},
        {"RATIO OF HITS/LAUNCHED:     " + std::to_string(p) + "%", 250},
        {"BONUS POINTS:     " + std::to_string(ChallengeStage::bonus(p)), 275},
    };
    for (const auto& line : lines) EXPECT_TRUE(stage_world::shows(buffer, font6, line.text, 70, line.y)) << line.text;
    if (c.prev == 3) stage_world::save_page("challenge_results.png");
    d.pass(3);
    EXPECT_EQ(player.money, money + ChallengeStage::bonus(ChallengeStage::percent(hit, 5.0f * trains)))
        << "paid once";
    ASSERT_TRUE(d.steps_until(
        [&] {
            audio_testing::advance(fmod_system, 250);
            return !s.running;
        },
        6000));
    const NextScreen next = s.finish();
    EXPECT_EQ(next.screen, Screen::upgrade_store);
    EXPECT_EQ(next.args[0], c.prev + 1);
}

INSTANTIATE_TEST_SUITE_P(AfterStages, Challenge, ::testing::Values(ChallengeCase{3, 3, 4.0f}, ChallengeCase{5, 4, 4.3f},
                                                                    ChallengeCase{7, 5, 4.3f}),
                         [](const auto& info) { return "after_" + std::to_string(info.param.prev); });

}  // namespace
