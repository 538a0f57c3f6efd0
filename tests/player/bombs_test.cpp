// The charge, the beam and the laser columns, and the bomb keys that start them.
#include "engine/settings.h"
#include "player_fixture.h"

namespace player_testing {
namespace {

using BombsTest = PlayerTest;

TEST_F(BombsTest, TheChargeIsReadyFromFrameElevenForThirteenSteps) {
    auto ship = loaded();
    BombCharge& charge = ship->charge;
    charge.start();
    int first_ready = 0, ready_steps = 0;
    for (int n = 1; n <= 40; ++n)
        if (charge.step()) {
            ready_steps += 1;
            if (!first_ready) first_ready = n;
        }
    EXPECT_EQ(first_ready, 22);
    EXPECT_EQ(ready_steps, 13);
    EXPECT_FALSE(charge.active);
    EXPECT_EQ(charge.frame, 16);
}

TEST_F(BombsTest, TheBeamOpensBurnsAndClosesOnItsTimeline) {
    auto ship = loaded();
    Bomb1& beam = ship->bomb1;
    beam.start();
    int opening = 0;
    while (!beam.is_running() && opening < 100) {
        beam.update();
        ++opening;
    }
    EXPECT_EQ(opening, 44);
    EXPECT_EQ(beam.frame, 0);
    EXPECT_FALSE(beam.idle);
    int burning = 0;
    while (beam.phase == Bomb::burning) {
        beam.update();
        ++burning;
    }
    EXPECT_EQ(burning, 201);
    int closing = 0;  // the ending step, then one frame every fourth step up to 10
    while (beam.frame < 10 || closing == 0) {
        beam.update();
        ++closing;
    }
    EXPECT_EQ(closing, 32);
    EXPECT_TRUE(beam.has_status(Bomb::off));
    EXPECT_TRUE(beam.idle);
}

TEST_F(BombsTest, TheBeamKeyChargesThenReleasesTheBeamAndHoldsTheGuns) {
    auto ship = flying();
    ship->add_bombs(1, 2);
    ship->bullets[Player::main_group][3].active = true;
    press(key_bomb1);
    press(key_shoot);
    step(*ship);
    EXPECT_EQ(ship->bomb1_count, 1);
    EXPECT_EQ(ship->bomb_kind, 1);
    EXPECT_TRUE(ship->charge.active);
    EXPECT_FALSE(ship->bullets[Player::main_group][3].active);
    EXPECT_EQ(voices_playing(ship->bomb_start_sound), 1);
    // Held down, the key starts nothing more.
    step(*ship, 20);
    EXPECT_EQ(ship->bomb1_count, 1);
    EXPECT_EQ(ship->bomb1.phase, Bomb::closing);
    step(*ship);  // the 22nd step: the charge is ready
    EXPECT_EQ(ship->bomb1.phase, Bomb::opening);
    EXPECT_GE(voices_playing(ship->bomb_one_sound), 1);
    // The guns stop once the opening reaches frame 8 and come back when closing reaches 9.
    int fired_while_open = 0, fired_after = 0;
    for (int n = 0; n < 330; ++n) {
        const int before = ship->next_slot;
        step(*ship);
        if (ship->next_slot == before) continue;
        if (ship->bomb1.frame <= 8)
            ++fired_while_open;
        else if (ship->bomb1.phase == Bomb::closing)
            ++fired_after;
    }
    EXPECT_EQ(fired_while_open, 0);
    EXPECT_GT(fired_after, 0);
}

TEST_F(BombsTest, ABombKeyWhileABombBurnsClearsBulletsButSpendsNothing) {
    auto ship = flying();
    ship->add_bombs(1, 3);
    ship->bomb1.start();
    while (!ship->bomb1.is_running()) ship->bomb1.update();
    ship->bullets[Player::left_side_group][9].active = true;
    press(key_bomb1);
    step(*ship);
    EXPECT_FALSE(ship->bullets[Player::left_side_group][9].active);
    EXPECT_EQ(ship->bomb1_count, 3);
    EXPECT_FALSE(ship->charge.active);
}

TEST_F(BombsTest, BothBombKeysInOneStepSpendOneOfEachAndReleaseTheLasers) {
    auto ship = flying();
    ship->add_bombs(1, 1);
    ship->add_bombs(2, 1);
    press(key_bomb1);
    press(key_bomb2);
    step(*ship);
    EXPECT_EQ(ship->bomb1_count, 0);
    EXPECT_EQ(ship->bomb2_count, 0);
    EXPECT_EQ(ship->bomb_kind, 2);
}

TEST_F(BombsTest, TheLasersLaunchFromTheBottomRiseAndSweep) {
    auto ship = flying();
    ship->add_bombs(2, 1);
    press(key_bomb2);
    step(*ship, 22);  // the charge's first ready step
    const float xs[5] = {79.0f, 161.0f, 279.0f, 361.0f, 479.0f};
    for (int i = 0; i < 5; ++i) {
        const Bomb2Part& part = ship->bomb2_parts[i];
        EXPECT_TRUE(part.is_running()) << i;
        EXPECT_EQ(part.x, xs[i]) << i;
        EXPECT_EQ(part.y, 455.0f) << i;
        EXPECT_FLOAT_EQ(part.scale, i % 2 == 0 ? 1.05f : 0.75f) << i;
    }
    // Launching is refused while the columns burn: later ready steps leave them be, and the
    // looping hum keeps to one voice.
    step(*ship, 12);
    EXPECT_EQ(ship->bomb2_parts[0].x, 79.0f + 12 * 9.0f);
    EXPECT_EQ(voices_playing(ship->bomb_two_sound), 1);
    step(*ship, 6);
    EXPECT_EQ(ship->bomb2_parts[0].y, 5.0f);  // 480 less 25 a step
    step(*ship);
    EXPECT_EQ(ship->bomb2_parts[0].y, 0.0f);  // held at the top

    // The hum stops when the columns start closing.
    int steps = 0;
    while (ship->bomb2_parts[0].is_running() && steps < 400) {
        step(*ship);
        ++steps;
    }
    EXPECT_EQ(voices_playing(ship->bomb_two_sound), 0);
    step(*ship, 20);
    for (const Bomb2Part& part : ship->bomb2_parts) {
        EXPECT_FALSE(part.moving);
        EXPECT_EQ(part.frame, 7);
    }
}

TEST_F(BombsTest, AColumnTurnsStrictlyPastItsEdgesAndScalesBetweenItsBounds) {
    auto ship = loaded();
    Bomb2Part& part = ship->bomb2_parts[0];
    part.set_sweep(2);
    part.place(572.0f, 489.0f);
    part.launch();
    part.update();  // 581
    EXPECT_EQ(part.x, 581.0f);
    EXPECT_FALSE(part.growing);  // past 570 it shrinks
    part.update();  // 590, not past it
    EXPECT_EQ(part.x, 590.0f);
    EXPECT_TRUE(part.moving_right());
    part.update();  // 599 -> 590, turns, and moves back in the same step
    EXPECT_EQ(part.x, 581.0f);
    EXPECT_TRUE(part.moving_left());

    part.x = 9.0f;
    part.update();
    EXPECT_EQ(part.x, 0.0f);
    EXPECT_TRUE(part.moving_left());
    EXPECT_TRUE(part.growing);
    part.update();
    EXPECT_EQ(part.x, 0.0f);
    EXPECT_TRUE(part.moving_right());

    for (int n = 0; n < 30; ++n) part.update();
    EXPECT_FLOAT_EQ(part.scale, 1.5f);
    for (int n = 0; n < 30; ++n) {
        part.x = 575.0f;
        part.direction = Bomb2Part::sweep_right;
        part.update();
    }
    EXPECT_FLOAT_EQ(part.scale, 0.75f);
}

TEST_F(BombsTest, AHitStopsABurningBeamButNotAnOpeningOne) {
    auto ship = flying();
    Bomb1& beam = ship->bomb1;
    beam.start();
    for (int n = 0; n < 10; ++n) beam.update();
    ship->hit();
    beam.update();
    EXPECT_EQ(beam.phase, Bomb::opening);
    while (!beam.is_running()) beam.update();
    beam.update();
    ship->hit();
    EXPECT_EQ(beam.phase, Bomb::ending);
    beam.update();
    EXPECT_EQ(beam.frame, 2);
    EXPECT_EQ(beam.phase, Bomb::closing);
    EXPECT_TRUE(beam.has_status(Bomb::off));
}

}  // namespace
}  // namespace player_testing
