// Helper ships, hits, death, respawn and the stage resets.
#include <cmath>
#include <vector>

#include "engine/settings.h"
#include "player_fixture.h"
#include "support/test_support.h"

namespace player_testing {
namespace {

using LifeTest = PlayerTest;

TEST_F(LifeTest, SeveralHitsInOneStepCostOneExplosionAndOneRespawn) {
    auto ship = flying();
    ship->money = 2000;
    ship->hit();
    ship->hit();
    ship->hit();
    EXPECT_EQ(ship->hit_count, 3);
    step(*ship);
    EXPECT_TRUE(ship->exploding);
    EXPECT_TRUE(ship->explosion.active);
    EXPECT_EQ(ship->explosion_rounds, 1);
    EXPECT_EQ(voices_playing(ship->explosion_sound), 1);
    ship->hit();  // ignored while exploding
    EXPECT_EQ(ship->hit_count, 3);
    // The explosion plays out in 26 steps, then 31 more before the ship comes back.
    int n = 1;
    while (ship->exploding && n < 200) {
        step(*ship);
        ++n;
    }
    EXPECT_EQ(n, 1 + 25 + 31);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->state, Player::request_take_off);
    EXPECT_EQ(ship->y, 480.0f);
    EXPECT_EQ(ship->x, 288.0f);
    EXPECT_TRUE(ship->blinking);
    EXPECT_EQ(ship->hit_count, 0);
    step(*ship, 100);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_TRUE(ship->alive);
}

TEST_F(LifeTest, ExactlyFiveHundredPaysForTheRespawnAndLessEndsTheShip) {
    for (int money : {500, 499}) {
        auto ship = flying();
        ship->money = money;
        ship->hit();
        step(*ship, 100);
        EXPECT_EQ(ship->alive, money == 500) << money;
        EXPECT_EQ(ship->exploding, money != 500) << money;
        EXPECT_EQ(ship->money, money == 500 ? 0 : 499);
    }
    auto ship = flying();
    ship->money = 100;
    ship->hit();
    step(*ship, 100);
    ship->continue_reset();
    EXPECT_TRUE(ship->alive);
    EXPECT_FALSE(ship->exploding);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->state, Player::request_take_off);
}

TEST_F(LifeTest, ADeathCostsTheFlyingPairOneHelperAndHandsOverWhenItRunsOut) {
    auto ship = flying();
    ship->add_helper(1);
    ship->add_helper(1);
    ship->add_helper(2);
    ship->add_helper(2);
    ship->set_helper_type(1);
    ship->hit();
    step(*ship, 100);
    EXPECT_EQ(ship->one_shot_count, 1);
    EXPECT_FALSE(ship->one_shot_selected);
    EXPECT_FALSE(ship->three_shot_selected);

    ship->set_helper_type(1);
    ship->hit();
    step(*ship, 100);
    EXPECT_EQ(ship->one_shot_count, 0);
    EXPECT_EQ(ship->three_shot_count, 2);
    EXPECT_TRUE(ship->three_shot_selected);
    EXPECT_FALSE(ship->one_shot_selected);
    EXPECT_TRUE(ship->helpers[2].active);
    EXPECT_FALSE(ship->helpers[0].active);

    // With helpers left the pair is deselected and waits for A or S.
    ship->hit();
    step(*ship, 100);
    EXPECT_EQ(ship->three_shot_count, 1);
    EXPECT_FALSE(ship->three_shot_selected);
    EXPECT_FALSE(ship->helpers[2].active);
    press(KEY_S);
    step(*ship);
    EXPECT_TRUE(ship->three_shot_selected);
    press(KEY_A);
    step(*ship);
    EXPECT_TRUE(ship->three_shot_selected) << "with both keys the three-shot pair wins";
}

TEST_F(LifeTest, HelpersCircleTheShipHalfATurnApart) {
    auto ship = flying();
    ship->add_helper(1);
    ship->set_helper_type(1);
    step(*ship);
    const Helper& first = ship->helpers[0];
    const Helper& second = ship->helpers[1];
    EXPECT_EQ(first.x, ship->x + 27.0f + 45.0f);
    EXPECT_EQ(first.y, ship->y + 27.0f);
    EXPECT_EQ(second.x, std::cos(3.14159265358979f) * 45.0f + (ship->x + 27.0f));
    EXPECT_EQ(second.y, std::sin(3.14159265358979f) * 45.0f + (ship->y + 27.0f));
    EXPECT_FLOAT_EQ(first.angle, 0.07f);
    // Long play keeps the angle within one turn.
    for (int n = 0; n < 5000; ++n) ship->helpers[0].update(ship->x, ship->y);
    EXPECT_GE(first.angle, 0.0f);
    EXPECT_LT(first.angle, 6.2832f);

    // A selected kind with no helpers flies nothing.
    ship->set_helper_type(2);
    const float parked = ship->helpers[2].x;
    step(*ship, 3);
    EXPECT_EQ(ship->helpers[2].x, parked);
}

TEST_F(LifeTest, OneShotHelpersFireEveryTwentyFirstStepWhateverTheirIndex) {
    auto ship = flying();
    ship->add_helper(1);
    ship->set_helper_type(1);
    std::vector<int> shots[2];
    // Each bullet is taken away at once (as a hit would), so only the wait holds the next.
    for (int n = 1; n <= 70; ++n) {
        step(*ship);
        for (int h = 0; h < 2; ++h) {
            Sprite& bullet = ship->helpers[h].bullets[0];
            if (bullet.active) shots[h].push_back(n);
            EXPECT_EQ(bullet.speed, 5.0f);
            bullet.deactivate();
        }
    }
    for (int h = 0; h < 2; ++h) EXPECT_EQ(shots[h], (std::vector<int>{21, 42, 63})) << h;
}

TEST_F(LifeTest, ThreeShotHelpersFireAFanAgainOnceAllThreeAreGone) {
    auto ship = flying();
    ship->add_helper(2);
    ship->set_helper_type(2);
    Helper& helper = ship->helpers[2];
    step(*ship, 20);
    EXPECT_FALSE(helper.bullets[0].active);
    step(*ship);
    ASSERT_TRUE(helper.bullets[0].active);
    EXPECT_EQ(helper.bullets[0].angle, 176.0f);
    EXPECT_EQ(helper.bullets[1].angle, 192.0f);
    EXPECT_EQ(helper.bullets[2].angle, 208.0f);
    EXPECT_EQ(helper.bullets[1].origin_x, helper.x + 9.0f);
    for (const Sprite& bullet : helper.bullets)
        EXPECT_FLOAT_EQ(bullet.travelled, 6.0f) << "one move in the step it leaves";
    EXPECT_FALSE(ship->helpers[3].bullets[0].active) << "the second waits 40 steps";
    step(*ship, 20);
    EXPECT_TRUE(ship->helpers[3].bullets[0].active);
    // The counter is not reset: the next fan leaves on the step after the last bullet is gone.
    helper.bullets[0].deactivate();
    helper.bullets[1].deactivate();
    step(*ship);
    EXPECT_FALSE(helper.bullets[0].active);
    helper.bullets[2].deactivate();
    step(*ship);
    EXPECT_TRUE(helper.bullets[0].active);
}

// A kind the game does not know has no fan armed: it flies and fires nothing.
TEST_F(LifeTest, AHelperOfAnUnknownKindFiresNothing) {
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    Helper helper;
    helper.load(3, 1);
    helper.activate();
    for (int n = 0; n < 60; ++n) helper.update(300.0f, 300.0f);
    for (const Sprite& bullet : helper.bullets) EXPECT_FALSE(bullet.active);
}

TEST_F(LifeTest, StageResetClearsTheFlightButKeepsMoneyAndEquipment) {
    auto ship = flying();
    ship->add_helper(1);
    ship->set_helper_type(1);
    ship->add_shields(3);
    ship->money = 700;
    press(key_shoot);
    step(*ship, 30);
    ship->fly_off();
    step(*ship, 50);
    ASSERT_TRUE(ship->stage_cleared);
    ship->stage_reset();
    EXPECT_FALSE(ship->stage_cleared);
    EXPECT_EQ(ship->state, Player::request_take_off);
    EXPECT_EQ(ship->y, 480.0f);
    EXPECT_EQ(ship->money, 700);
    EXPECT_EQ(ship->shield_count, 3);
    EXPECT_TRUE(ship->one_shot_selected);
    for (const auto& group : ship->bullets)
        for (const Sprite& bullet : group) ASSERT_FALSE(bullet.active);
    EXPECT_FALSE(ship->helpers[0].bullets[0].active);
    EXPECT_EQ(ship->helpers[0].angle, 0.0f);
}

}  // namespace
}  // namespace player_testing
