// The KV1 kinds as a player meets them: formations that sweep, drop and turn, the circling four,
// their shots, and what the ship's shots and hull do to them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "kv1_field.h"
#include "player/kv1player.h"

using kv1_field::fire_on_next_draw;
using kv1_field::Kv1FieldTest;
using kv1_field::spawn;
using kv1_field::step;

namespace {

// A formation record seen through the operations every formation kind has.
struct FormationKind {
    const char* name;
    Enemy& record;
    std::function<void()> step;
    float left_edge, right_edge;  // columns that turn it at the field's edges
    float settled_drop;           // pixels a step once the drop has settled
    int drop_steps;               // steps from the edge to the turn
    float gain;                   // speed gained at the turn
    float wrap_offset;            // it wraps once y + wrap_offset > 480
};

std::vector<FormationKind> formation_kinds() {
    Kv1EnemyOne& one = kv1_enemy_one_pool[0];
    Kv1EnemyThree& three = kv1_enemy_three_pool[0];
    Kv1EnemyFour& four = kv1_enemy_four_pool[0];
    return {
        {"rocket", spawn(one, 100, 100), [&one] { step(one); }, 11, 49, 1.0f, 16, 0.1f, 13},
        {"three", spawn(three, 100, 100), [&three] { step(three); }, 0, 64, 0.2f, 76, 0.0f, 0},
        {"four", spawn(four, 100, 100), [&four] { step(four); }, 0, 25, 1.0f, 16, 0.1f, 0},
    };
}

}  // namespace

TEST_F(Kv1FieldTest, EachFormationKindTurnsAtItsOwnEdges) {
    for (const FormationKind& kind : formation_kinds()) {
        SCOPED_TRACE(kind.name);
        Enemy& record = kind.record;
        // Moving right at 0.1 px a step: one step short of the edge, then over it.
        record.x = 640.0f - kind.right_edge - 0.15f;
        kind.step();
        EXPECT_FALSE(record.at_edge);
        kind.step();
        EXPECT_TRUE(record.at_edge);
        EXPECT_EQ(record.state, Enemy::dropping);
        EXPECT_EQ(record.dx, 0.0f);

        record.reset();
        record.enter_play();
        record.state = Enemy::sweeping_left;
        record.x = 0.15f - kind.left_edge;
        kind.step();
        EXPECT_FALSE(record.at_edge);
        kind.step();
        EXPECT_TRUE(record.at_edge);
        EXPECT_EQ(record.anchor_y, record.y);
    }
}

TEST_F(Kv1FieldTest, AFormationDropsARowAndTurnsBackFasterByItsGain) {
    for (const FormationKind& kind : formation_kinds()) {
        SCOPED_TRACE(kind.name);
        Enemy& record = kind.record;
        record.direction = Enemy::went_right;
        record.stop();
        const float top = record.y, speed = record.max_speed;
        int steps = 0;
        while (record.state == Enemy::dropping && steps < 200) {
            kind.step();
            ++steps;
        }
        EXPECT_EQ(steps, kind.drop_steps);
        EXPECT_EQ(record.state, Enemy::sweeping_left);
        EXPECT_GT(record.y, top + 15.0f);
        EXPECT_FLOAT_EQ(record.max_speed, speed + kind.gain);
        EXPECT_FALSE(record.at_edge);
        // The pace it kept, judged over the last step of the drop.
        record.direction = Enemy::went_left;
        record.stop();
        kind.step(), kind.step();
        const float before = record.y;
        kind.step();
        EXPECT_NEAR(record.y - before, kind.settled_drop, 1e-4f);
    }
}

TEST_F(Kv1FieldTest, LeavingTheBottomMidDropARecordReappearsAtTheTopAndDropsOnlyTheRest) {
    for (const FormationKind& kind : formation_kinds()) {
        SCOPED_TRACE(kind.name);
        if (kind.settled_drop != 1.0f) continue;  // whole pixels keep the sums exact
        Enemy& record = kind.record;
        record.direction = Enemy::went_left;
        record.y = 472.0f - kind.wrap_offset;
        record.stop();
        record.anchor_y -= 3.0f;  // three pixels of the row already dropped
        int steps = 0;
        while (record.state == Enemy::dropping && steps < 40) {
            kind.step();
            if (++steps == 9) {
                EXPECT_EQ(record.y, 0.0f) << "at the top on the step past the line";
            }
        }
        EXPECT_EQ(steps, 9 + 4) << "nine pixels down to the wrap, the last four at the top";
        EXPECT_EQ(record.state, Enemy::sweeping_right);
        EXPECT_EQ(record.y, 4.0f);
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
    EXPECT_EQ(flames[0], 0);
    EXPECT_EQ(flames[2], 1);
    EXPECT_EQ(flames[5], 2);
    EXPECT_EQ(flames[8], 0);
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

TEST_F(Kv1FieldTest, ShotsLeaveFromEachKindsMuzzleAndTheThirdKindFiresAFan) {
    struct Shot {
        const char* name;
        Enemy& record;
        std::function<void()> step;
        Sprite* bullets;
        int count, chance;
        float muzzle_x, muzzle_y;
        std::vector<float> headings;
    };
    Kv1EnemyOne& one = spawn(kv1_enemy_one_pool[2], 200, 100);
    Kv1EnemyTwo& two = spawn(kv1_enemy_two_pool[1], 0, 0);
    two.place_on_circle(1.0f);
    Kv1EnemyThree& three = spawn(kv1_enemy_three_pool[1], 200, 100);
    Kv1EnemyFour& four = spawn(kv1_enemy_four_pool[1], 200, 100);
    const Shot shots[] = {
        {"rocket", one, [&] { one.update(); }, one.bullets.data(), 1, 1000, 30, 59, {64}},
        {"circler", two, [&] { two.update(); }, two.bullets.data(), 1, 1000, 2, 64, {64}},
        {"three", three, [&] { three.update(); }, three.bullets.data(), 3, 2000, 30, 51, {72, 64, 56}},
        {"four", four, [&] { four.update(); }, four.bullets.data(), 1, 1000, 11, 28, {64}},
    };
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.name);
        fire_on_next_draw(shot.chance);
        shot.step();
        EXPECT_TRUE(shot.record.bullets_out);
        for (int i = 0; i < shot.count; ++i) {
            const Sprite& bullet = shot.bullets[i];
            EXPECT_TRUE(bullet.active);
            EXPECT_EQ(bullet.origin_x, shot.record.x + shot.muzzle_x);
            EXPECT_EQ(bullet.origin_y, shot.record.y + shot.muzzle_y);
            EXPECT_EQ(bullet.angle, shot.headings[i]);
        }
    }
}

TEST_F(Kv1FieldTest, ShotsOutClearOnlyOnceEveryShotOfTheRecordIsIdle) {
    Kv1EnemyThree& three = spawn(kv1_enemy_three_pool[2], 300, 100);
    fire_on_next_draw(2000);
    step(three);
    three.bullets[0].deactivate();
    three.bullets[1].deactivate();
    step(three);
    EXPECT_TRUE(three.bullets_out);
    three.bullets[2].deactivate();
    step(three);
    EXPECT_FALSE(three.bullets_out);
}

TEST_F(Kv1FieldTest, OneShipShotKillsAndTheKillPaysAHundredOnceAfterTheExplosionWithNoPopup) {
    struct Target {
        const char* name;
        Enemy& record;
        std::function<void()> step;
    };
    Kv1EnemyOne& one = spawn(kv1_enemy_one_pool[3], 100, 200);
    Kv1EnemyTwo& two = spawn(kv1_enemy_two_pool[2], 0, 0);
    Kv1EnemyThree& three = spawn(kv1_enemy_three_pool[3], 100, 200);
    Kv1EnemyFour& four = spawn(kv1_enemy_four_pool[3], 100, 200);
    for (const Target& target : {Target{"rocket", one, [&] { step(one); }}, Target{"circler", two, [&] { step(two); }},
                                 Target{"three", three, [&] { step(three); }},
                                 Target{"four", four, [&] { step(four); }}}) {
        SCOPED_TRACE(target.name);
        Enemy& record = target.record;
        enemy_count = 1;
        const int money = kv1_player.money;
        target.step();  // the circler takes its place on the circle first
        Sprite& shot = kv1_player.bullets[2][0];
        shot.x = record.x + static_cast<float>(record.w / 2);
        shot.y = record.y + static_cast<float>(record.h / 2);
        shot.bitmap = shot.current_frame();
        shot.active = true;
        target.step();
        EXPECT_FALSE(shot.active) << "used up";
        EXPECT_EQ(record.damage, 1);
        int steps = 0;
        while (record.alive && steps < 100) {
            EXPECT_EQ(kv1_player.money, money);
            EXPECT_FALSE(record.reward_shown);
            target.step();
            ++steps;
        }
        EXPECT_EQ(steps, 27) << "the death start with the first of 26 explosion steps, then the kill";
        EXPECT_EQ(kv1_player.money, money + 100);
        EXPECT_EQ(enemy_count, 0);
        target.step();
        EXPECT_EQ(kv1_player.money, money + 100);
        EXPECT_EQ(enemy_count, 0);
    }
}

TEST_F(Kv1FieldTest, RammingAndShotsHitTheShipThroughItsOwnHitButShotsPassItWhileItFliesOff) {
    Kv1EnemyFour& four = spawn(kv1_enemy_four_pool[4], 0, 0);
    kv1_player.y = 435.0f;
    four.set_position(kv1_player.x + 5.0f, kv1_player.y + 5.0f);
    step(four);
    EXPECT_EQ(kv1_player.hit_count, 1);
    EXPECT_EQ(kv1_player.money, 1200);

    four.damage = 1;  // dying, it still rams
    step(four);
    ASSERT_TRUE(four.dying);
    step(four);
    EXPECT_EQ(kv1_player.hit_count, 3);

    Kv1EnemyFour& gunner = spawn(kv1_enemy_four_pool[5], kv1_player.x + 5.0f, kv1_player.y - 40.0f);
    for (int state : {Kv1Player::standing, Kv1Player::request_fly_off, Kv1Player::flying_off}) {
        SCOPED_TRACE(state);
        kv1_player.state = state;
        const int hits = kv1_player.hit_count;
        fire_on_next_draw(1000);
        int steps = 0;
        while (gunner.bullets[0].active || steps == 0) {
            step(gunner);
            ++steps;
        }
        EXPECT_EQ(kv1_player.hit_count - hits, state == Kv1Player::standing ? 1 : 0);
        EXPECT_FALSE(gunner.bullets_out);
    }
}
