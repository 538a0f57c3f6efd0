// The record every kind shares, and the step every kind runs on it, driven on a bare record
// with kind one's art.
#include <gtest/gtest.h>

#include "enemies/enemy.h"
#include "support/enemy_world.h"
#include "engine/slots.h"
#include "player/player.h"

namespace {

class TestEnemy : public Enemy {
public:
    static constexpr DeathRules rules{60, false, false};

    void init(float x0, float y0) {
        const EnemyKind kind{&enemy_one_strip, 1, 64, 64, 0, 4, 0.5f, 40, rules};
        set_up(kind, x0, y0);
    }

    void step(const DeathRules& with = rules) { common_step(with, nullptr); }
    using Enemy::draw_body;
};

class EnemyRecord : public ::testing::Test {
protected:
    void SetUp() override {
        enemy_world::prepare();
        enemy.init(0.0f, 0.0f);
        spawn(200.0f, 100.0f);
    }

    void spawn(float x, float y) {
        enemy_world::spawn(enemy, x, y);
        enemy_count = 1;
    }

    TestEnemy enemy;
};

TEST_F(EnemyRecord, DiesOnlyOnceDamageExceedsItsHitPoints) {
    enemy.damage = enemy.hit_points;
    enemy.step();
    EXPECT_FALSE(enemy.dying);
    EXPECT_FALSE(enemy.explosion.active);

    enemy.damage += 1;
    enemy.step();
    EXPECT_TRUE(enemy.dying);
    EXPECT_TRUE(enemy.explosion.active);
    EXPECT_EQ(enemy.death_started, 1);
    // The explosion's frame is centred on the record's.
    EXPECT_FLOAT_EQ(enemy.explosion.x, 200.0f + (32 - 34));
    EXPECT_FLOAT_EQ(enemy.explosion.y, 100.0f + (32 - 32));
}

TEST_F(EnemyRecord, TheKillComesAfterTheExplosionAndPaysOnce) {
    enemy.damage = enemy.hit_points + 1;
    enemy_count = 5;
    int animated = 0;
    while (enemy.in_play) {
        const bool exploding = enemy.explosion.active;
        enemy.step();
        if (exploding || enemy.explosion.active) ++animated;
        if (enemy.in_play) {
            EXPECT_EQ(player.money, 1500);
        }
    }
    // 26 steps animate the explosion; the next one removes the record.
    EXPECT_EQ(animated, 26);
    EXPECT_EQ(player.money, 1540);
    EXPECT_EQ(enemy_count, 4);
    EXPECT_FALSE(enemy.alive);
    EXPECT_FALSE(enemy.visible);
}

TEST_F(EnemyRecord, TheRewardPopupRisesFromTheExplosionAndEndsBeforeTheKill) {
    enemy.damage = enemy.hit_points + 1;
    enemy.step();
    ASSERT_TRUE(enemy.reward_shown);
    EXPECT_FLOAT_EQ(enemy.reward_x, 232.0f);
    EXPECT_FLOAT_EQ(enemy.reward_target_y, enemy.explosion.y - 25.0f);
    EXPECT_FLOAT_EQ(enemy.reward_y, enemy.explosion.y - 1.0f);
    int shown = 1;
    while (enemy.reward_shown) {
        enemy.step();
        ++shown;
    }
    EXPECT_EQ(shown, 26);
    EXPECT_FLOAT_EQ(enemy.reward_y, enemy.explosion.y - 26.0f);
    EXPECT_TRUE(enemy.in_play);
}

TEST_F(EnemyRecord, HitPointBonusesLastUntilObjectResetButSpeedBonusesOnlyUntilReset) {
    enemy.add_hit_points(6);
    enemy.add_speed(0.25f);
    EXPECT_EQ(enemy.hit_points, 10);
    EXPECT_EQ(enemy.max_hit_points, 4);
    EXPECT_FLOAT_EQ(enemy.get_speed(), 0.75f);

    enemy.reset();
    EXPECT_EQ(enemy.hit_points, 10);
    EXPECT_FLOAT_EQ(enemy.get_speed(), 0.5f);

    enemy.object_reset();
    EXPECT_EQ(enemy.hit_points, 4);
}

TEST_F(EnemyRecord, OnlyRecordsOutOfPlayRideTheScroll) {
    enemy.scroll(3);
    EXPECT_FLOAT_EQ(enemy.y, 100.0f);
    enemy.leave_play();
    enemy.scroll(3);
    EXPECT_FLOAT_EQ(enemy.y, 103.0f);
}

TEST_F(EnemyRecord, EscapesOnlyPastTheBottomRowAndCostsMoneyOnceWhereverItsTestComes) {
    for (const bool escape_before_kill : {false, true}) {
        SCOPED_TRACE(escape_before_kill);
        const DeathRules rules{60, false, escape_before_kill};
        spawn(200.0f, 480.0f);
        enemy_count = 3;
        player.money = 20;
        enemy.step(rules);
        EXPECT_FALSE(enemy.dying);

        enemy.y = 480.5f;
        enemy.step(rules);
        EXPECT_TRUE(enemy.dying);
        EXPECT_FALSE(enemy.visible);
        EXPECT_TRUE(enemy.in_play);
        EXPECT_EQ(enemy_count, 2);
        EXPECT_EQ(player.money, 20 - 60);  // no floor

        for (int i = 0; i < 100; ++i) enemy.step(rules);
        EXPECT_EQ(enemy_count, 2);
        EXPECT_EQ(player.money, 20 - 60);
    }
}

TEST_F(EnemyRecord, AnEscapedRecordIsNeverKilledOrPaidAfterwards) {
    spawn(200.0f, 481.0f);
    enemy_count = 3;
    enemy.step();
    ASSERT_TRUE(enemy.dying);
    // Damage that arrives anyway (a bonus, a stage's own rule) starts no explosion.
    enemy.damage = enemy.hit_points + 10;
    for (int i = 0; i < 100; ++i) enemy.step();
    EXPECT_FALSE(enemy.explosion.active);
    EXPECT_EQ(enemy.death_started, 0);
    EXPECT_EQ(enemy_count, 2);
    EXPECT_EQ(player.money, 1500 - TestEnemy::rules.escape_cost);
}

TEST_F(EnemyRecord, AHitFlashesTheBodyWhiteForOneDrawnFrame) {
    BITMAP* canvas = create_bitmap(400, 300);
    const int backdrop = makecol(0, 0, 40);
    auto whites = [&] {
        int n = 0;
        for (int y = 100; y < 164; ++y)
            for (int x = 200; x < 264; ++x) {
                const int c = getpixel(canvas, x, y);
                n += getr(c) > 240 && getg(c) > 240 && getb(c) > 240;
            }
        return n;
    };
    auto draw = [&] {
        clear_to_color(canvas, backdrop);
        enemy.draw_body(canvas);
    };
    draw();
    const int plain = whites();
    enemy.hit_flash = true;
    draw();
    const int flashed = whites();
    EXPECT_GT(flashed, 1000);
    EXPECT_LT(plain, flashed / 4);
    EXPECT_FALSE(enemy.hit_flash);
    draw();
    EXPECT_EQ(whites(), plain);
    destroy_bitmap(canvas);
}

}  // namespace
