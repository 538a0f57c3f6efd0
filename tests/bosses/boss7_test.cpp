// Boss7 driven as stage 7 drives it: the bob, the rails, and the three turrets shot away one by
// one.
#include <allegro.h>
#include <gtest/gtest.h>


#include "boss_world.h"
#include "bosses/boss7.h"
#include "player/player.h"

namespace {

using boss_world::step;

class Boss7Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(Boss7::stage_x, -133.0f);
        boss.show();
        boss.activate();
    }
    void TearDown() override { enemy_world::park_ship(); }

    Boss7 boss;
};

TEST_F(Boss7Fight, TheBobSwingsPastBothTurningHeights) {
    const boss_world::Swing swing = boss_world::swing(boss, 1200);
    // Braking from 5.0 at 0.3 a step takes about 40 pixels.
    EXPECT_NEAR(swing.lowest + 68.0f, 42.0f, 6.0f);
    EXPECT_NEAR(-133.0f - swing.highest, 42.0f, 6.0f);
    EXPECT_GE(swing.turns, 6);
    EXPECT_FLOAT_EQ(boss.x, Boss7::stage_x) << "it never moves sideways";
}

TEST_F(Boss7Fight, TheRailsComeDownAndStayAtTheTop) {
    boss.set_rail_y(-100.0f);
    boss.scroll_rail(60);
    EXPECT_FLOAT_EQ(boss.rail_y, -40.0f);
    for (int i = 0; i < 3; ++i) boss.scroll_rail(30);
    EXPECT_FLOAT_EQ(boss.rail_y, 0.0f);
}

TEST_F(Boss7Fight, TheTurretsAreShotAwayOneByOneWithoutBeatingTheBoss) {
    boss.bob_down = false;  // held still
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE(t);
        BossTurret& turret = boss.turrets[t];
        turret.damage = turret.hit_points - 1;
        for (int i = 0; i < 3 && !turret.destroyed; ++i) {
            enemy_world::aim_ship_bullet(2, 0, boss.x + turret.x + 10.0f, boss.y + turret.y + 15.0f);
            step(boss);
        }
        EXPECT_TRUE(turret.destroyed);
        EXPECT_TRUE(turret.explosion.active);
        for (int other = t + 1; other < 3; ++other) EXPECT_FALSE(boss.turrets[other].destroyed);
        for (Sprite& shot : turret.bullets) shot.deactivate();
        enemy_world::fire_on_next_draw(100);
        turret.update(static_cast<int>(boss.x), static_cast<int>(boss.y));
        EXPECT_FALSE(turret.bullets[0].active) << "a wreck fires no more";
    }
    EXPECT_EQ(boss.damage, 0);
    EXPECT_FALSE(boss.beaten());
}

TEST_F(Boss7Fight, PictureMidFightWithAWreckedTurretAndAFan) {
    boss_world::fly_ship();
    player.blinking = true;
    boss.set_rail_y(0.0f);
    boss.y = -40.0f;  // near the low end of the swing, where the turrets show
    boss.bob_up = boss.bob_down = false;
    boss.turrets[0].damage = 101;
    step(boss, 8);
    for (BossTurret& turret : boss.turrets) {
        enemy_world::fire_on_next_draw(100);
        turret.update(static_cast<int>(boss.x), static_cast<int>(boss.y));
    }
    // The three turrets, the wreck too, draw their chances before the fan.
    boss_world::draws_give(3, {{100, 0}, {3, 1}});
    step(boss);
    ASSERT_TRUE(boss.bullets[0].active);
    step(boss, 12);
    boss_world::render(boss, "boss7_fight.png");
}

}  // namespace
