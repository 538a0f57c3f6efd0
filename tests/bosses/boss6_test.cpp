// Boss6 driven as stage 6 drives it: the circle and its sweeping centre, the armoured body with
// the one scoring head, and the legs' fans.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "boss_world.h"
#include "bosses/boss6.h"
#include "player/player.h"

namespace {

using boss_world::step;

class Boss6Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(247.0f, -300.0f);
        boss.show();
    }
    void TearDown() override { enemy_world::park_ship(); }
    float from_centre() const { return std::hypot(boss.x - boss.circle_centre_x, boss.y - 10.0f); }

    Boss6 boss;
};

TEST_F(Boss6Fight, TheFirstActiveStepPutsTheBodyOnItsCircleWhoseCentreSweeps) {
    boss.scroll(5);
    step(boss);
    EXPECT_FLOAT_EQ(boss.y, -295.0f) << "before the fight it only drifts";
    boss.activate();
    step(boss);
    EXPECT_NEAR(from_centre(), 75.0f, 0.1f);
    float left = boss.circle_centre_x, right = left;
    for (int i = 0; i < 1500; ++i) {
        step(boss);
        ASSERT_NEAR(from_centre(), 75.0f, 0.1f);
        left = std::min(left, boss.circle_centre_x);
        right = std::max(right, boss.circle_centre_x);
    }
    EXPECT_LT(left, 2.0f);
    EXPECT_GT(right, 640.0f - 146.0f - 2.0f);
}

TEST_F(Boss6Fight, OnlyTheHeadScoresAndTheBodySwallowsTheShotsThatReachIt) {
    boss.activate();
    // On its circle, held still while the shots land.
    boss.speed = boss.max_speed = 0.0f;
    boss.update();
    struct Case {
        const char* what;
        float dx, dy;  // where on the body the weapon lands
        bool bomb;
        int damage;
    };
    const Case cases[] = {
        {"a bullet over body and head", 70.0f, 196.0f, false, 0},
        {"a bullet on the head alone", 70.0f, 222.0f, false, 2},
        {"a bullet on the body alone", 70.0f, 100.0f, false, 0},
        {"a bomb over the head", 55.0f, 205.0f, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boss.damage = 0;
        boss.hit_flash = false;
        enemy_world::park_ship();
        Sprite* shot = nullptr;
        if (c.bomb)
            boss_world::burn_laser(0, boss.x + c.dx, boss.y + c.dy);
        else
            shot = &enemy_world::aim_ship_bullet(2, 0, boss.x + c.dx, boss.y + c.dy);
        boss.update();
        EXPECT_EQ(boss.damage, c.damage ? (shot ? shot->damage : 1) : 0);
        if (shot) {
            EXPECT_FALSE(shot->active);
        }
    }
}

TEST_F(Boss6Fight, ALegFansOnlyOnceItsFourShotsAreGone) {
    Boss6Leg& leg = boss.legs[2];
    enemy_world::fire_on_next_draw(Boss6Leg::volley_chance);
    leg.volley(100, 20);
    const float fan[] = {88, 72, 56, 40};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(leg.leg_bullets[i].active);
        EXPECT_FLOAT_EQ(leg.leg_bullets[i].angle, fan[i]);
        EXPECT_FLOAT_EQ(leg.leg_bullets[i].origin_x, 100.0f + 113.0f + 22.0f);
        EXPECT_FLOAT_EQ(leg.leg_bullets[i].origin_y, 20.0f + 19.0f + 20.0f);
    }
    for (int i = 0; i < 3; ++i) leg.leg_bullets[i].deactivate();
    leg.leg_bullets[3].set_angle(0.0f, 0.0f);
    enemy_world::fire_on_next_draw(Boss6Leg::volley_chance);
    leg.volley(100, 20);
    EXPECT_FALSE(leg.leg_bullets[0].active) << "one shot still out";
    leg.leg_bullets[3].deactivate();
    enemy_world::fire_on_next_draw(Boss6Leg::volley_chance);
    leg.volley(100, 20);
    EXPECT_TRUE(leg.leg_bullets[0].active);
}

TEST_F(Boss6Fight, TheLegsAreMirroredByTheirCorner) {
    BITMAP* picture = boss.leg_picture;
    const int w = picture->w - 1, h = picture->h - 1;
    // The corner of the picture that lands on the leg's top-left corner.
    const struct {
        int sx, sy;
    } corners[] = {{0, 0}, {0, h}, {w, h}, {w, 0}};
    BITMAP* frame = boss_world::scratch();
    for (int i = 0; i < 4; ++i) {
        clear_to_color(frame, makecol(255, 0, 255));
        boss.legs[i].draw(frame, 100, 100);
        for (int d = 0; d < 8; ++d)
            EXPECT_EQ(getpixel(frame, 100 + static_cast<int>(boss.legs[i].x) + d, 100 + static_cast<int>(boss.legs[i].y) + d),
                      getpixel(picture, corners[i].sx ? w - d : d, corners[i].sy ? h - d : d))
                << "leg " << i + 1 << " at " << d;
    }
}

TEST_F(Boss6Fight, PictureMidFightWithLegFans) {
    boss.activate();
    boss_world::fly_ship();
    player.blinking = true;
    step(boss, 40);
    for (Boss6Leg& leg : boss.legs) {
        enemy_world::fire_on_next_draw(Boss6Leg::volley_chance);
        leg.volley(static_cast<int>(boss.x), static_cast<int>(boss.y));
    }
    step(boss, 15);
    boss_world::render(boss, "boss6_fight.png");
}

}  // namespace
