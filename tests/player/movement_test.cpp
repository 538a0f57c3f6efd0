// Set-up, the state machine, movement and the equipment setters.
#include "engine/loaders.h"
#include "engine/settings.h"
#include "player_fixture.h"
#include "support/test_support.h"

namespace player_testing {
namespace {

using MovementTest = PlayerTest;

// What the first load made is released on the second (the sanitizer build reports any leak).
TEST_F(MovementTest, ReloadingGivesTheNewCharactersShipAndStartingOutfit) {
    auto ship = loaded(1);
    ship->set_gun_level(4);
    ship->add_bombs(1, 3);
    ship->money = 20;
    {
        testing_support::WorkingDirectory in_tree(testing_support::data_dir());
        ship->load(2);
    }
    EXPECT_EQ(ship->character, 2);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->bomb1_count, 0);
    EXPECT_EQ(ship->bullets[Player::main_group][0].picture, ship->main_bullet_picture);
    EXPECT_EQ(ship->bullets[Player::main_group][0].damage, 1);
    auto kim = loaded(2);
    for (int px = 0; px < 64; ++px)
        for (int py = 0; py < 64; ++py)
            ASSERT_EQ(getpixel(ship->frames[2], px, py), getpixel(kim->frames[2], px, py));
}

TEST_F(MovementTest, ALoadedShipTakesOffFromBelowTheMiddleAndBlinksOnceItShows) {
    auto ship = loaded();
    EXPECT_EQ(ship->x, 288.0f);
    const float heights[] = {480, 460, 440, 420, 410};  // the request step, then three rising steps
    for (float expected : heights) {
        step(*ship);
        EXPECT_EQ(ship->y, expected);
    }
    EXPECT_EQ(ship->state, Player::request_stand);
    EXPECT_TRUE(ship->blinking);
    step(*ship);
    EXPECT_EQ(ship->state, Player::standing);
    // The blink began on the step at y 460 and ends after 61 steps.
    step(*ship, 56);
    EXPECT_TRUE(ship->blinking);
    step(*ship);
    EXPECT_FALSE(ship->blinking);
}

TEST_F(MovementTest, HoldingRightAcceleratesToFourAndBanksEveryFourthStep) {
    auto ship = flying();
    press(key_right);
    step(*ship, 2);  // the request, then the running state
    EXPECT_EQ(ship->state, Player::moving_right);
    float x = ship->x;
    const float speeds[] = {1, 2, 3, 4, 4, 4, 4, 4};
    const int banks[] = {2, 2, 2, 3, 3, 3, 3, 4};
    for (int i = 0; i < 8; ++i) {
        step(*ship);
        EXPECT_EQ(ship->x - x, speeds[i]) << "step " << i;
        EXPECT_EQ(ship->bank_frame, banks[i]) << "step " << i;
        x = ship->x;
    }
    release(key_right);
    step(*ship);
    EXPECT_EQ(ship->vx, 0.0f);
    EXPECT_EQ(ship->x - x, 4.0f);  // the last move, then no glide
    x = ship->x;
    step(*ship, 5);
    EXPECT_EQ(ship->x, x);
    EXPECT_EQ(ship->bank_frame, 3);
    step(*ship, 4);
    EXPECT_EQ(ship->bank_frame, 2);
}

TEST_F(MovementTest, TheShipWrapsOnlyStrictlyPastEitherEdge) {
    auto ship = flying();
    press(key_right);
    step(*ship, 6);  // up to speed
    ship->x = 638.0f;
    step(*ship);
    EXPECT_EQ(ship->x, 642.0f);
    step(*ship);
    EXPECT_EQ(ship->x, -66.0f);

    release(key_right);
    press(key_left);
    step(*ship, 8);
    ship->x = -62.0f;
    step(*ship);
    EXPECT_EQ(ship->x, -66.0f);
    step(*ship);
    EXPECT_EQ(ship->x, 642.0f);
}

TEST_F(MovementTest, BothDirectionKeysFlipTheStateAndGoNowhere) {
    auto ship = flying();
    const float x = ship->x;
    press(key_left);
    press(key_right);
    for (int i = 0; i < 40; ++i) {
        step(*ship);
        ASSERT_GE(ship->x, x - 1.0f);
        ASSERT_LE(ship->x, x);
    }
}

TEST_F(MovementTest, FlyOffClimbsAndReportsTheStageClearedOnThe44thStep) {
    auto ship = flying();
    ship->fly_off();
    EXPECT_EQ(voices_playing(ship->take_off_sound), 1);
    step(*ship);
    EXPECT_EQ(ship->state, Player::flying_off);
    step(*ship, 43);
    EXPECT_FALSE(ship->stage_cleared);
    step(*ship);
    EXPECT_TRUE(ship->stage_cleared);
    EXPECT_EQ(ship->vy, -20.0f);
    step(*ship);
    EXPECT_EQ(ship->state, Player::flying_off);
}

TEST_F(MovementTest, SettersKeepTheirBounds) {
    auto ship = loaded();
    ship->shield_count = -3;
    ship->add_shields(5);
    EXPECT_EQ(ship->shield_count, 5);
    EXPECT_TRUE(ship->shield_on);
    ship->add_shields(2);
    EXPECT_EQ(ship->shield_count, 7);

    EXPECT_EQ(ship->add_bombs(1, 0), 1);
    EXPECT_EQ(ship->bomb1_count, 1);
    EXPECT_EQ(ship->add_bombs(1, -4), 1);
    EXPECT_EQ(ship->bomb1_count, 1);
    ship->bomb2_count = 97;
    EXPECT_EQ(ship->add_bombs(2, 5), 0);
    EXPECT_EQ(ship->bomb2_count, 99);
    EXPECT_EQ(ship->add_bombs(3, 5), 1);

    ship->three_shot_count = 99;
    EXPECT_EQ(ship->add_helper(2), 0);
    EXPECT_EQ(ship->three_shot_count, 99);

    ship->add_side_bullets();
    ship->set_side_level(2);
    ship->add_side_bullets();
    EXPECT_EQ(ship->side_level, 2);
    EXPECT_EQ(ship->set_side_level(0), 0);
    EXPECT_EQ(ship->side_level, 0);
    EXPECT_EQ(ship->bullets[Player::right_side_group][0].speed, 6.0f);  // level 2's arming stays

    ship->next_slot = 7;
    ship->set_bullet_limit(0);
    EXPECT_EQ(ship->bullet_limit, 1);
    EXPECT_EQ(ship->next_slot, 0);
    ship->set_bullet_limit(1000);
    EXPECT_EQ(ship->bullet_limit, 256);
}

TEST_F(MovementTest, AGunUpgradeReArmsBulletsInFlight) {
    auto ship = flying();
    press(key_shoot);
    step(*ship);
    Sprite& bullet = ship->bullets[Player::main_group][0];
    ASSERT_TRUE(bullet.active);
    const float origin = bullet.origin_y;
    ship->set_gun_level(3);
    EXPECT_TRUE(bullet.active);
    EXPECT_EQ(bullet.damage, 5);
    EXPECT_EQ(bullet.origin_y, origin);
    EXPECT_EQ(bullet.picture, datafile_bitmap(ship->datafile[2]));
    ship->set_gun_level(7);
    EXPECT_EQ(ship->gun_level, 7);
    EXPECT_EQ(bullet.damage, 5);
}

}  // namespace
}  // namespace player_testing
