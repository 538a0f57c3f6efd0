// Boss3 driven as stage 3 drives it: the bob, fans and turret bursts, what its pictures take, its
// death and reward.
#include <allegro.h>
#include <gtest/gtest.h>

#include "boss_world.h"
#include "bosses/boss3.h"
#include "player/player.h"

namespace {

using boss_world::step;

class Boss3Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(Boss3::stage_x, 40.0f);
        boss.show();
        boss.activate();
    }
    // Holds the body where it is, for tests about firing.
    void stop_bob() { boss.bob_up = boss.bob_down = false; }
    int bx() const { return static_cast<int>(boss.x); }
    int by() const { return static_cast<int>(boss.y); }

    Boss3 boss;
};

TEST_F(Boss3Fight, NothingBobsOrBurstsBeforeTheFightStarts) {
    boss.active = false;
    for (int i = 0; i < 300; ++i) {
        boss_world::lucky_draw(0, 100);
        step(boss);
    }
    EXPECT_FLOAT_EQ(boss.y, 40.0f);
    for (const Boss3Turret& turret : boss.turrets) EXPECT_FALSE(turret.firing);
}

TEST_F(Boss3Fight, AFanTakesItsRowFromTheDrawAndWaitsForAllThreeBullets) {
    stop_bob();
    const float rows[3][3] = {{104, 84, 64}, {84, 64, 44}, {64, 44, 24}};
    for (int k = 0; k < 3; ++k) {
        for (Sprite& b : boss.bullets) b.deactivate();
        // Both turrets draw their chance first.
        boss_world::draws_give(2, {{100, 0}, {3, k}});
        boss.update();
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(boss.bullets[i].active) << "row " << k + 1;
            EXPECT_FLOAT_EQ(boss.bullets[i].angle, rows[k][i]);
            EXPECT_FLOAT_EQ(boss.bullets[i].origin_x, boss.x + 148.0f);
        }
    }
    boss.bullets[0].deactivate();
    boss_world::lucky_draw(2, 100);
    boss.update();
    EXPECT_FALSE(boss.bullets[0].active) << "two of the last fan still out";

    for (Sprite& b : boss.bullets) b.deactivate();
    boss.y = 150.0f;
    boss_world::lucky_draw(2, 100);
    boss.update();
    EXPECT_FALSE(boss.bullets[0].active) << "at y 150";
}

TEST_F(Boss3Fight, ABurstIsFivePairsEachSecondShotFollowingTheFirstBelowTheMuzzle) {
    Boss3Turret& turret = boss.turrets[0];
    turret.firing = true;
    int launches = 0;
    for (int i = 0; i < 2000 && turret.firing; ++i) {
        const bool had0 = turret.shots[0].active, had1 = turret.shots[1].active;
        turret.fire_volley(bx(), by());
        launches += (!had0 && turret.shots[0].active) + (!had1 && turret.shots[1].active);
        if (i == 0) {
            EXPECT_FALSE(turret.shots[1].active) << "shot 0 has not moved yet";
        }
        turret.update(1);
    }
    EXPECT_FALSE(turret.firing);
    EXPECT_EQ(launches, 10);

    // Both back, shot 0's last flight ended off the bottom: the pair leaves together.
    for (Sprite& shot : turret.shots) shot.deactivate();
    turret.shots[0].y = static_cast<float>(playfield_height);
    turret.firing = true;
    turret.fire_volley(bx(), by());
    EXPECT_TRUE(turret.shots[0].active);
    EXPECT_TRUE(turret.shots[1].active);
    EXPECT_EQ(turret.pairs_fired, 1);

    turret.firing = true;
    for (Sprite& shot : turret.shots) shot.deactivate();
    turret.fire_volley(bx(), 150);
    EXPECT_FALSE(turret.shots[0].active) << "nothing leaves with the body at y 150";
}

TEST_F(Boss3Fight, ShipShotsPassTheTurretsToHitTheBody) {
    stop_bob();
    const Boss3Turret& turret = boss.turrets[0];
    const float below_body = boss.y + static_cast<float>(boss.height) + 15.0f;
    Sprite& past = enemy_world::aim_ship_bullet(2, 0, boss.x + turret.x + 20.0f, below_body);
    boss.update();
    EXPECT_TRUE(past.active);
    EXPECT_EQ(boss.damage, 0);
}

TEST_F(Boss3Fight, TurretsShowWhiteOnAHitAndRedInTheWarning) {
    stop_bob();
    // Below the body only the turrets show.
    const int tx = bx() + static_cast<int>(boss.turrets[1].x), ty = by() + boss.height;
    auto count = [&](auto is) {
        clear_bitmap(boss_world::scratch());
        boss.draw(boss_world::scratch());
        int n = 0;
        for (int y = ty; y < ty + 20; ++y)
            for (int x = tx; x < tx + broad_turret_w; ++x) n += is(getpixel(boss_world::scratch(), x, y));
        return n;
    };
    auto white = [](int c) { return getr(c) > 240 && getg(c) > 240 && getb(c) > 240; };
    auto red = [](int c) { return getr(c) > 90 && getg(c) < 20 && getb(c) < 20; };
    const int plain_white = count(white);
    boss.hit_flash = true;
    EXPECT_GT(count(white), plain_white + 200);
    boss.damage = boss.hit_points - 10;
    boss.low_hp_counter = 20;
    EXPECT_GT(count(red), 200);
    boss.low_hp_counter = 21;
    EXPECT_LT(count(red), 50);
}

TEST_F(Boss3Fight, ShotsHitTheBareShipUntilTheDeathThenOnlyMove) {
    boss_world::fly_ship();
    stop_bob();
    Sprite& shot = boss.turrets[0].shots[0];
    boss_world::hold(shot, boss_world::hull_x() - 16.0f, boss_world::hull_y() - 15.0f);
    const int hits = player.hit_count;
    boss.update();
    EXPECT_EQ(player.hit_count, hits + 1);

    boss.start_death();
    boss_world::fly_ship();
    boss_world::hold(shot, boss_world::hull_x() - 16.0f, boss_world::hull_y() - 15.0f);
    boss_world::hold(boss.bullets[0], boss_world::hull_x() - 5.0f, boss_world::hull_y() - 5.0f);
    step(boss);
    EXPECT_EQ(player.hit_count, hits + 1);
    EXPECT_TRUE(shot.active);
}

class Boss3Pictures : public Boss3Fight {
protected:
    void TearDown() override { enemy_world::park_ship(); }
};

TEST_F(Boss3Pictures, RedTintedWithATurretPairAndAFanOut) {
    boss_world::fly_ship();
    player.blinking = true;
    stop_bob();
    boss.damage = boss.hit_points - 20;
    boss.turrets[0].firing = true;
    boss_world::draws_give(1, {{100, 0}, {3, 1}});
    step(boss);
    step(boss, 10);
    while (boss.low_hp_counter % 10 != 0) step(boss);
    ASSERT_TRUE(boss.bullets[0].active);
    ASSERT_TRUE(boss.turrets[0].shots[1].active);
    boss_world::render(boss, "boss3_fight.png");
}

}  // namespace
