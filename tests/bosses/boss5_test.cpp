// Boss5 driven as stage 5 drives it: the turns and charges, the turret's wander, volleys and
// death, and the weak spot that decides the fight.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>

#include "boss_world.h"
#include "bosses/boss5.h"
#include "player/player.h"

namespace {

using boss_world::step;

class Boss5Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(Boss5::centre_x, Boss5::centre_y);
        boss.show();
        boss.activate();
    }
    void TearDown() override { enemy_world::park_ship(); }
    // A ship bullet on a point of the boss, as its pictures stand unturned.
    Sprite& shoot_at(float ox, float oy, int slot = 0) {
        return enemy_world::aim_ship_bullet(2, slot, boss.x + ox, boss.y + oy);
    }
    // The turret blown up and faded out, the weak spot armed.
    void down_to_weak_spot() {
        boss.turret.damage = boss.turret.hit_points + 1;
        for (int i = 0; i < 400 && !boss.weak_spot.in_play; ++i) step(boss);
        ASSERT_TRUE(boss.weak_spot.in_play);
    }
    int white_pixels() {
        clear_bitmap(boss_world::scratch());
        boss.draw(boss_world::scratch());
        return enemy_world::bright_pixels(boss_world::scratch(), 0, 0, playfield_width, playfield_height);
    }

    Boss5 boss;
};

TEST_F(Boss5Fight, ItTurnsOnTheSpotHalfAUnitAStepThenChargesOffTheNearEdgeAndOutToTheFar) {
    boss.route = 2;
    int turning = 0;
    for (int i = 0; i < 1000 && boss.state == Boss5::back_to_centre; ++i) {
        step(boss);
        turning += boss.radius == 0.0f;
    }
    EXPECT_EQ(turning, 128) << "64 to 0";

    const struct {
        int route;
        bool sideways;  // heading 0 leaves by the left edge, the others over the top
        float near, far;
    } charges[] = {{2, true, -150.0f, 500.0f}, {3, false, -10.0f, 300.0f}, {4, false, -10.0f, 300.0f}};
    for (const auto& c : charges) {
        boss.route = c.route;
        boss.state = Boss5::back_to_centre;
        boss.radius = boss.speed = 0.0f;
        boss.heading = c.sideways ? 0.0f : (c.route == 3 ? 32.0f : 96.0f);
        float nearest = 1e9f, farthest = -1e9f;
        bool left_the_screen_first = false;
        for (int i = 0; i < 2000; ++i) {
            const bool was_retreating = boss.retreating;
            step(boss);
            const float along = c.sideways ? boss.x : boss.y;
            nearest = std::min(nearest, along);
            farthest = std::max(farthest, along);
            if (was_retreating && boss.charging) left_the_screen_first = farthest < c.far;
            if (boss.state == Boss5::back_to_centre) break;
        }
        EXPECT_LT(nearest, c.near) << c.route;
        EXPECT_GT(nearest, c.near - 10.0f) << c.route;
        EXPECT_GT(farthest, c.far) << c.route;
        EXPECT_TRUE(left_the_screen_first) << c.route;
    }
}

TEST_F(Boss5Fight, TheTurretWandersThenSweepsItsGroupsEachWaitingForTheLast) {
    Boss5Turret& turret = boss.turret;
    const float bx = 200.0f, by = 100.0f;
    for (int i = 0; i < 50; ++i) {
        const float before = turret.angle;
        turret.update(bx, by);
        if (turret.volley_on) break;
        const float turned = std::fabs(turret.angle - before);
        EXPECT_TRUE(turned == 0.5f || turned == 255.5f) << turned;
    }
    const float sweeps[2][5] = {{96, 80, 64, 48, 32}, {32, 48, 64, 80, 96}};
    for (int kind = 1; kind <= 2; ++kind) {
        for (Sprite& shot : turret.shots) shot.deactivate();
        turret.volley_on = 1;
        turret.volley_kind = kind;
        turret.sweeping = false;
        turret.group = turret.group_step = 0;
        int fired = 0;
        for (int i = 0; i < 4000 && turret.volley_on; ++i) {
            const int g = turret.group;
            const bool was_live = turret.shots[g * 3].active;
            turret.update(bx, by);
            if (was_live || !turret.shots[g * 3].active) continue;
            ASSERT_LT(fired, 5);
            EXPECT_FLOAT_EQ(turret.shots[g * 3].angle, sweeps[kind - 1][fired]) << "kind " << kind;
            if (g > 0) {
                for (int s = 0; s < 3; ++s) EXPECT_FALSE(turret.shots[(g - 1) * 3 + s].active) << "waits for the last";
            }
            ++fired;
        }
        EXPECT_EQ(fired, 5) << "kind " << kind;
    }
}

TEST_F(Boss5Fight, OnlyTheTurretsCoreAndThenTheWeakSpotTakeHitsAndTheBodyNeverFlashes) {
    boss.state = 0;  // standing still
    const int plain = white_pixels();
    Sprite& on_body = shoot_at(10.0f, 10.0f, 0);
    Sprite& on_core = shoot_at(90.0f, 95.0f, 1);
    boss.update();
    EXPECT_TRUE(on_body.active);
    EXPECT_FALSE(on_core.active);
    EXPECT_EQ(boss.turret.damage, on_core.damage);
    EXPECT_EQ(boss.weak_spot.damage, 0);
    EXPECT_GT(white_pixels(), plain + 1000) << "the turret's hit picture";
    EXPECT_FALSE(boss.turret.hit_flash);

    down_to_weak_spot();
    boss.state = 0;
    Sprite& on_spot = shoot_at(90.0f, 90.0f, 2);
    boss.update();
    EXPECT_FALSE(on_spot.active);
    EXPECT_EQ(boss.weak_spot.damage, on_spot.damage);
    // The flash shows, painted into the body, on the next frame: the weak spot's 40x40 only.
    white_pixels();
    EXPECT_LT(white_pixels(), plain + 40 * 40);
}

TEST_F(Boss5Fight, WhileTheTurretBlowsUpAllStandsStillThenItFadesAndTheWeakSpotArmsOnce) {
    boss_world::fly_ship();
    step(boss, 30);
    boss.turret.damage = boss.turret.hit_points + 1;
    step(boss);
    ASSERT_EQ(boss.turret.state, Boss5Turret::exploding);
    Sprite& frozen = boss.turret.shots[0];
    boss_world::hold(frozen, boss_world::hull_x() - 3.0f, boss_world::hull_y() - 8.0f);
    const float x = boss.x, y = boss.y;
    const int wheel_frame = boss.wheels[0].frame;
    int steps = 0;
    while (!boss.turret.destroyed && steps < 400) {
        step(boss);
        ++steps;
        ASSERT_FLOAT_EQ(boss.x, x);
        ASSERT_FLOAT_EQ(boss.y, y);
        ASSERT_EQ(boss.wheels[0].frame, wheel_frame);
        ASSERT_EQ(boss.weak_spot.in_play, boss.turret.destroyed);
    }
    EXPECT_TRUE(boss.turret.destroyed);
    EXPECT_FALSE(boss.turret.visible);
    EXPECT_TRUE(frozen.active);
    EXPECT_FLOAT_EQ(frozen.x, boss_world::hull_x() - 3.0f);
    EXPECT_EQ(player.hit_count, 0);
    EXPECT_EQ(boss.weak_spot_armed, 1);
    EXPECT_TRUE(boss.weak_spot.in_play);

    boss.weak_spot.disarm();
    step(boss, 300);
    EXPECT_FALSE(boss.weak_spot.in_play) << "armed once only";
    EXPECT_EQ(boss.turret.explosion_index, 9) << "ten explosions and no more";
}

TEST_F(Boss5Fight, TheWeakSpotAimsItsMiddleShotAtTheShip) {
    down_to_weak_spot();
    boss_world::fly_ship();
    boss.turret.leave_play();  // draws nothing more
    boss.state = 0;            // stands still
    for (Sprite& shot : boss.weak_spot.shots) shot.deactivate();
    boss_world::lucky_draw(0, 100);
    boss.update();
    // Aimed from the weak spot's corner, launched 20 right and 29 down of it.
    const float cx = boss.x + boss.weak_spot.x, cy = boss.y + boss.weak_spot.y;
    const Sprite& middle = boss.weak_spot.shots[1];
    ASSERT_TRUE(middle.active);
    EXPECT_FLOAT_EQ(middle.angle, fixtof(fixatan2(ftofix(player.y - cy), ftofix(player.x + 32.0f - cx)) & 0xFFFFFF));
    while (middle.active && middle.y < player.y) boss.weak_spot.update_shots(2);
    EXPECT_GT(middle.x, player.x);
    EXPECT_LT(middle.x, player.x + static_cast<float>(player.width));

    boss_world::hold(boss.weak_spot.shots[0], boss_world::hull_x() - 6.0f, boss_world::hull_y() - 6.0f);
    boss.update();
    EXPECT_EQ(player.hit_count, 1);
}

TEST_F(Boss5Fight, PicturesOfADiagonalChargeMidSweepAndTheFlashingWeakSpot) {
    boss_world::fly_ship();
    player.blinking = true;
    boss.state = Boss5::charging_out;
    boss.heading = 32.0f;
    boss.radius = -20.0f;
    boss.max_speed = 0.0f;  // held mid-charge
    boss.turret.volley_on = 1;
    for (int i = 0; i < 600 && !(boss.turret.group == 1 && boss.turret.shots[3].travelled > 200.0f); ++i) step(boss);
    ASSERT_TRUE(boss.turret.sweeping);
    boss_world::render(boss, "boss5_charge.png");

    down_to_weak_spot();
    boss.weak_spot.damage = boss.weak_spot.hit_points - 20;
    boss_world::lucky_draw(0, 100);
    step(boss, 25);
    boss.weak_spot.hit_flash = true;
    boss.draw(boss_world::scratch());  // painted into the body for the next frame
    boss.weak_spot.hit_flash = true;
    boss_world::render(boss, "boss5_weak_spot.png");
}

}  // namespace
