// The KV1 kinds as a player meets them: formations that sweep, drop and turn, the circling four,
// their shots, and what the ship's shots and hull do to them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kv1_field.h"
#include "player/kv1player.h"
#include "support/enemy_world.h"

using kv1_field::fire_on_next_draw;
using kv1_field::Kv1FieldTest;
using kv1_field::spawn;
using kv1_field::step;

namespace {

struct Sweep {
    float left_edge, right_edge;  // columns that turn it at the field's edges
    float settled_drop;           // pixels a step once the drop has settled
    int drop_steps;               // steps from the edge to the turn
    float gain;                   // speed gained at a turn
};

// Over the right edge, down a row, back left and over the left edge.
template <class Kind>
void expect_sweep(Kind& record, const Sweep& sweep) {
    record.x = 640.0f - sweep.right_edge - 0.15f;  // a step at 0.1 px short of the edge
    step(record);
    EXPECT_FALSE(record.at_edge);
    step(record);
    EXPECT_TRUE(record.at_edge);
    const float top = record.y, speed = record.max_speed;
    float pace = 0.0f;
    int steps = 0;
    while (record.state == Enemy::dropping && steps < 200) {
        const float before = record.y;
        step(record);
        if (++steps == 3) pace = record.y - before;
    }
    EXPECT_EQ(steps, sweep.drop_steps);
    EXPECT_NEAR(pace, sweep.settled_drop, 1e-4f);
    EXPECT_GT(record.y, top + 15.0f);
    EXPECT_EQ(record.state, Enemy::sweeping_left);
    EXPECT_FLOAT_EQ(record.max_speed, speed + sweep.gain);
    EXPECT_FALSE(record.at_edge);
    record.x = 0.15f - sweep.left_edge;
    step(record);
    EXPECT_FALSE(record.at_edge);
    step(record);
    EXPECT_TRUE(record.at_edge);
}

// Three pixels of a row dropped when it leaves the bottom: it wraps to the top and drops the rest.
template <class Kind>
void expect_wrap_mid_drop(Kind& record, float wrap_offset) {
    record.direction = Enemy::went_left;
    record.y = 472.0f - wrap_offset;
    record.stop();
    record.anchor_y -= 3.0f;
    int steps = 0;
    while (record.state == Enemy::dropping && steps < 40) {
        step(record);
        if (++steps == 9) {
            EXPECT_EQ(record.y, 0.0f) << "at the top on the step past the line";
        }
    }
    EXPECT_EQ(steps, 9 + 4) << "nine pixels down to the wrap, the last four at the top";
    EXPECT_EQ(record.y, 4.0f);
}

// A ship shot kills; the kill pays 100 and counts once, after the explosion, with no popup.
template <class Kind>
void expect_one_shot_kills(Kind& record) {
    enemy_count = 1;
    const int money = kv1_player.money;
    step(record);  // the circler takes its place first
    Sprite& shot = kv1_player.bullets[2][0];
    shot.x = record.x + static_cast<float>(record.w / 2);
    shot.y = record.y + static_cast<float>(record.h / 2);
    shot.bitmap = shot.current_frame();
    shot.active = true;
    step(record);
    EXPECT_FALSE(shot.active) << "used up";
    int steps = 0;
    while (record.alive && steps < 100) {
        EXPECT_EQ(kv1_player.money, money);
        EXPECT_FALSE(record.reward_shown);
        step(record);
        ++steps;
    }
    EXPECT_EQ(steps, 27) << "the death start with the first of 26 explosion steps, then the kill";
    step(record);
    EXPECT_EQ(kv1_player.money, money + 100);
    EXPECT_EQ(enemy_count, 0);
}

// A volley on a lucky step, from the muzzle with its headings; each shot's first move is its speed.
template <class Kind>
void expect_volley(Kind& record, int chance, float muzzle_x, float muzzle_y, std::vector<float> headings,
                   float speed) {
    fire_on_next_draw(chance);
    record.update();
    EXPECT_TRUE(record.bullets_out);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const Sprite& bullet = record.bullets[i];
        EXPECT_TRUE(bullet.active);
        EXPECT_EQ(bullet.origin_x, record.x + muzzle_x);
        EXPECT_EQ(bullet.origin_y, record.y + muzzle_y);
        EXPECT_EQ(bullet.angle, headings[i]);
    }
    record.update_bullets();
    for (std::size_t i = 0; i < headings.size(); ++i) EXPECT_FLOAT_EQ(record.bullets[i].travelled, speed) << i;
}

// Left to fly, never short of shots: about one volley in `chance` steps.
template <class Kind>
void expect_fire_rate(Kind& record, int chance) {
    const int volleys = enemy_world::volleys_over(record, 40 * chance, 5, [](Kind&) {});
    EXPECT_GE(volleys, 25);
    EXPECT_LE(volleys, 55);
}

}  // namespace

TEST_F(Kv1FieldTest, EachFormationKindTurnsAtItsEdgesDropsARowAndWrapsMidDrop) {
    {
        SCOPED_TRACE("rocket");
        expect_sweep(spawn(kv1_enemy_one_pool[0], 100, 100), {11, 49, 1.0f, 16, 0.1f});
        expect_wrap_mid_drop(kv1_enemy_one_pool[0], 13.0f);
    }
    {
        SCOPED_TRACE("three");
        expect_sweep(spawn(kv1_enemy_three_pool[0], 100, 100), {0, 64, 0.2f, 76, 0.0f});
    }
    {
        SCOPED_TRACE("four");
        expect_sweep(spawn(kv1_enemy_four_pool[0], 100, 100), {0, 25, 1.0f, 16, 0.1f});
        expect_wrap_mid_drop(kv1_enemy_four_pool[0], 0.0f);
    }
}

TEST_F(Kv1FieldTest, TheRocketBanksAFrameEveryElevenStepsLevelsInTheDropAndItsFlameCyclesEveryThree) {
    Kv1EnemyOne& rocket = spawn(kv1_enemy_one_pool[1], 300, 100);
    EXPECT_EQ(rocket.frame, 1);
    std::vector<int> frames, flames;
    for (int i = 0; i < 23; ++i) {
        step(rocket);
        frames.push_back(rocket.frame);
        flames.push_back(rocket.thruster_frame);
    }
    EXPECT_EQ(frames[9], 1);
    EXPECT_EQ(frames[10], 2) << "banked right on the eleventh step";
    EXPECT_EQ(frames[22], 2) << "and no further";
    EXPECT_EQ(flames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 0, 0, 0, 1, 1, 1, 2, 2, 2, 0, 0, 0, 1, 1, 1}));
    rocket.stop();
    step(rocket);
    EXPECT_EQ(rocket.frame, 1);
}

TEST_F(Kv1FieldTest, TheCircleRunsFromItsPlacementAndWrapsWithoutAJump) {
    Kv1EnemyTwo& circler = spawn(kv1_enemy_two_pool[0], 0, 0);
    for (float a : {0.0f, 1.5707964f, 3.1415927f, 4.712389f}) {
        circler.place_on_circle(a);
        EXPECT_NEAR(circler.x, 320.0f + 150.0f * std::cos(a), 1e-3f);
        EXPECT_NEAR(circler.y, 170.0f + 150.0f * std::sin(a), 1e-3f);
    }
    circler.place_on_circle(6.27f);
    float x = circler.x, y = circler.y;
    for (int i = 0; i < 5; ++i) {
        step(circler);
        EXPECT_LT(std::hypot(circler.x - x, circler.y - y), 3.1f) << "step " << i;
        x = circler.x, y = circler.y;
    }
    EXPECT_LT(circler.circle_angle, 0.1f);
}

TEST_F(Kv1FieldTest, ShotsLeaveEachKindsMuzzleKindThreeFiresAFanAndShotsOutClearsWhenAllAreIdle) {
    expect_volley(spawn(kv1_enemy_one_pool[2], 200, 100), 1000, 30, 59, {64}, 2.0f);
    Kv1EnemyTwo& circler = spawn(kv1_enemy_two_pool[1], 0, 0);
    circler.place_on_circle(1.0f);
    expect_volley(circler, 1000, 2, 64, {64}, 4.0f);
    expect_volley(spawn(kv1_enemy_four_pool[1], 200, 100), 1000, 11, 28, {64}, 1.0f);
    Kv1EnemyThree& three = spawn(kv1_enemy_three_pool[1], 200, 100);
    expect_volley(three, 2000, 30, 51, {72, 64, 56}, 2.5f);
    three.bullets[0].deactivate();
    three.bullets[1].deactivate();
    three.update_bullets();
    EXPECT_TRUE(three.bullets_out);
    three.bullets[2].deactivate();
    three.update_bullets();
    EXPECT_FALSE(three.bullets_out);
}

TEST_F(Kv1FieldTest, EachKindFiresOnAboutOneStepInItsChance) {
    expect_fire_rate(spawn(kv1_enemy_one_pool[0], 200, 100), 1000);
    expect_fire_rate(spawn(kv1_enemy_two_pool[0], 0, 0), 1000);
    expect_fire_rate(spawn(kv1_enemy_three_pool[0], 200, 100), 2000);
    expect_fire_rate(spawn(kv1_enemy_four_pool[0], 200, 100), 1000);
}

TEST_F(Kv1FieldTest, OneShipShotKillsAndTheKillPaysAHundredOnceAfterTheExplosionWithNoPopup) {
    expect_one_shot_kills(spawn(kv1_enemy_one_pool[3], 100, 200));
    expect_one_shot_kills(spawn(kv1_enemy_two_pool[2], 0, 0));
    expect_one_shot_kills(spawn(kv1_enemy_three_pool[3], 100, 200));
    expect_one_shot_kills(spawn(kv1_enemy_four_pool[3], 100, 200));
}

TEST_F(Kv1FieldTest, RammingAndShotsHitTheShipThroughItsOwnHitButShotsPassItWhileItFliesOff) {
    Kv1EnemyFour& four = spawn(kv1_enemy_four_pool[4], 0, 0);
    kv1_player.y = 435.0f;
    four.set_position(kv1_player.x + 5.0f, kv1_player.y + 5.0f);
    step(four);
    EXPECT_EQ(kv1_player.hit_count, 1);
    EXPECT_EQ(kv1_player.money, 1200);
    four.damage = 1;  // dying, it still rams
    step(four, 2);
    ASSERT_TRUE(four.dying);
    EXPECT_EQ(kv1_player.hit_count, 3);

    Kv1EnemyFour& gunner = spawn(kv1_enemy_four_pool[5], kv1_player.x + 5.0f, kv1_player.y - 40.0f);
    for (int state : {Kv1Player::standing, Kv1Player::request_fly_off, Kv1Player::flying_off}) {
        SCOPED_TRACE(state);
        kv1_player.state = state;
        const int hits = kv1_player.hit_count;
        fire_on_next_draw(1000);
        do step(gunner);
        while (gunner.bullets[0].active);
        EXPECT_EQ(kv1_player.hit_count - hits, state == Kv1Player::standing ? 1 : 0);
    }
}
