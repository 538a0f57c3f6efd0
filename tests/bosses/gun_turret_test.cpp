// Boss8 and Boss9 driven as their stages drive them: the gun turrets' volleys of pairs, Boss8's
// late warning, and both mid-fight.
#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

#include "boss_world.h"
#include "bosses/boss8.h"
#include "bosses/boss9.h"
#include "player/player.h"

namespace {

using boss_world::step;

// Runs a volley of the turret to its end, moving the shots as the boss would; the pairs in the
// order they left, and whether a pair ever left from `by`.
std::vector<int> run_volley(BossGunTurret& turret, int by, int limit = 2000) {
    std::vector<int> pairs;
    turret.volley_running = true;
    turret.volley_count = 1;
    for (int i = 0; i < limit && turret.volley_running; ++i) {
        std::vector<bool> was(turret.turret_bullets.size());
        for (size_t s = 0; s < was.size(); ++s) was[s] = turret.turret_bullets[s].active;
        turret.fire_volley(100, by);
        for (int p = 0; p < BossGunTurret::pair_count; ++p)
            if (!was[2 * p] && turret.turret_bullets[2 * p].active) pairs.push_back(p);
        turret.update(1);
    }
    return pairs;
}

// Loaded, placed, shown and fighting, with the ship flying below out of harm.
template <class Boss>
void start_fight(Boss& boss, float x, float y) {
    boss_world::load(boss);
    boss.set_position(x, y);
    boss.show();
    boss.activate();
    boss_world::fly_ship();
    player.blinking = true;
}

class GunTurrets : public ::testing::Test {
protected:
    void SetUp() override { boss_world::prepare(); }
    void TearDown() override { enemy_world::park_ship(); }
};

TEST_F(GunTurrets, Boss8SendsPairOneOnlyOncePairZeroHasMovedDownFiveTimesOverAndNothingFromLow) {
    Boss8 boss;
    boss_world::load(boss);
    BossGunTurret& turret = boss.turrets[0];
    turret.volley_running = true;
    turret.volley_count = 1;
    turret.fire_volley(100, 60);
    ASSERT_TRUE(turret.turret_bullets[0].active);
    EXPECT_FALSE(turret.turret_bullets[2].active) << "pair 0 has not moved yet";
    EXPECT_FLOAT_EQ(turret.last_launch_y, 60.0f + 114.0f + 117.0f);
    turret.update(1);
    turret.fire_volley(100, 60);
    EXPECT_TRUE(turret.turret_bullets[2].active);
    for (Sprite& shot : turret.turret_bullets) shot.deactivate();
    turret.pair_index = turret.cycle = 0;

    EXPECT_EQ(run_volley(turret, 60), (std::vector<int>{0, 1, 0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_FALSE(turret.volley_running);
    EXPECT_EQ(turret.volley_count, 0);

    EXPECT_TRUE(run_volley(turret, 150, 300).empty()) << "the body is too low";
    EXPECT_TRUE(turret.volley_running);
}

TEST_F(GunTurrets, Boss9SendsPairsZeroOneTwoThenOneTwoAndALaterVolleyStartsWithPairOne) {
    Boss9 boss;
    boss_world::load(boss);
    EXPECT_EQ(run_volley(boss.turret, 300), (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}));
    EXPECT_FALSE(boss.turret.volley_running);
    EXPECT_EQ(run_volley(boss.turret, 300), (std::vector<int>{1, 2, 1, 2, 1, 2, 1, 2, 1, 2}));
}

TEST_F(GunTurrets, Boss8KeepsItsColourDownToTenLeftAndTurnsRedAtNine) {
    Boss8 boss;
    start_fight(boss, Boss8::stage_x, 60.0f);
    const BossGunTurret& turret = boss.turrets[0];
    auto red_turret_pixels = [&] {
        BITMAP* frame = boss_world::scratch();
        clear_bitmap(frame);
        boss.draw(frame);
        int n = 0;
        const int tx = static_cast<int>(boss.x + turret.x), ty = static_cast<int>(boss.y + turret.y);
        for (int y = ty; y < ty + turret.h; ++y)
            for (int x = tx; x < tx + turret.w; ++x) {
                const int c = getpixel(frame, x, y);
                n += c != 0 && getr(c) > 90 && getg(c) < 20 && getb(c) < 20;
            }
        return n;
    };
    const struct {
        int left;
        bool red;
    } rows[] = {{200, false}, {120, false}, {75, false}, {10, false}, {9, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.left);
        boss.damage = boss.hit_points - row.left;
        boss.low_hp_counter = 9;  // the warning's count, if it runs, reaches a tenth step
        boss.update();
        EXPECT_EQ(red_turret_pixels() > 200, row.red);
    }
}

class GunTurretPictures : public GunTurrets {};

TEST_F(GunTurretPictures, Boss8MidVolleyWithAFan) {
    Boss8 boss;
    start_fight(boss, Boss8::stage_x, 65.0f);
    for (BossGunTurret& turret : boss.turrets) {
        turret.volley_running = true;
        turret.volley_count = 1;
    }
    step(boss, 6);
    boss_world::draws_give(0, {{100, 0}, {3, 1}});
    step(boss);
    ASSERT_TRUE(boss.bullets[0].active);
    step(boss, 10);
    boss_world::render(boss, "boss8_fight.png");
}

TEST_F(GunTurretPictures, Boss9MidVolleyWithAFanAndAFlash) {
    Boss9 boss;
    start_fight(boss, Boss9::stage_x, 40.0f);
    player.x = 120.0f;
    boss.turret.volley_running = true;
    boss.turret.volley_count = 1;
    step(boss, 5);
    boss_world::draws_give(0, {{100, 0}, {3, 2}});
    step(boss);
    ASSERT_TRUE(boss.bullets[0].active);
    step(boss, 12);
    boss.hit_flash = true;
    boss_world::render(boss, "boss9_fight.png");
}

}  // namespace
