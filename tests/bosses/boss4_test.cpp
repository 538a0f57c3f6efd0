// Boss4's own rules: two fans at once, high up only, and a death it starts itself when found
// beaten.
#include <allegro.h>
#include <gtest/gtest.h>

#include "boss_world.h"
#include "bosses/boss4.h"
#include "player/player.h"

namespace {

using boss_world::step;

class Boss4Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(Boss4::stage_x, 40.0f);
        boss.show();
        boss.activate();
        boss.bob_down = false;  // the body stays where a test puts it
    }

    Boss4 boss;
};

TEST_F(Boss4Fight, BothFansLeaveTogetherOnlyHighUpAndWithAllSixBack) {
    const struct {
        float y;
        int live;  // bullets still out before the draw
        bool fires;
    } cases[] = {{99.0f, 0, true}, {100.0f, 0, false}, {40.0f, 1, false}};
    for (const auto& c : cases) {
        for (Sprite& b : boss.bullets) b.deactivate();
        for (int i = 0; i < c.live; ++i) boss_world::hold(boss.bullets[5], 300.0f, 300.0f);
        boss.y = c.y;
        boss_world::lucky_draw(0, 100);
        boss.update();
        EXPECT_EQ(boss.bullets[0].active, c.fires) << c.y;
        if (!c.fires) continue;
        const float headings[] = {80, 64, 48};
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(boss.bullets[i].active);
            EXPECT_FLOAT_EQ(boss.bullets[i].angle, headings[i % 3]);
            EXPECT_FLOAT_EQ(boss.bullets[i].origin_x, boss.x + (i < 3 ? 74.0f : 221.0f));
            EXPECT_FLOAT_EQ(boss.bullets[i].origin_y, boss.y + 173.0f);
        }
    }
}

TEST_F(Boss4Fight, FoundBeatenItStartsItsDeathAndALaterStartDeathGoesOnFromThere) {
    boss.damage = boss.hit_points + 1;
    boss.update();
    EXPECT_EQ(boss.state, BossHead::dying);
    EXPECT_FLOAT_EQ(boss.x, 170.0f);
    EXPECT_FALSE(boss.bullets[0].active) << "no fan in the step that starts the death";
    while (boss.explosion_index < 3) step(boss);
    boss.start_death();
    EXPECT_EQ(boss.explosion_index, 3);
    EXPECT_FLOAT_EQ(boss.x, 170.0f);
    EXPECT_FLOAT_EQ(boss.y, 5.0f);
    EXPECT_EQ(boss_world::money_from_death(boss), 4000);
}

class Boss4Pictures : public Boss4Fight {
protected:
    void TearDown() override { enemy_world::park_ship(); }
};

TEST_F(Boss4Pictures, WhiteOnAHitWithBothFansOut) {
    boss_world::fly_ship();
    player.blinking = true;
    boss_world::lucky_draw(0, 100);
    step(boss, 12);
    ASSERT_TRUE(boss.bullets[5].active);
    boss.hit_flash = true;
    EXPECT_GT(boss_world::render(boss, "boss4_fight.png"), 5000);
}

}  // namespace
