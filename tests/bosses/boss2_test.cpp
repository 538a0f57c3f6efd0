// Boss2 driven as stage 2 drives it: the guns' aim and volleys, the shield and the core, the
// core's rest for its beam, and the death it starts itself when the core is lost.
#include <allegro.h>
#include <gtest/gtest.h>

#include "boss_world.h"
#include "bosses/boss2.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

using boss_world::playing;
using boss_world::step;

class Boss2Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(-1.0f, 0.0f);
        boss.show();
        boss.activate();
    }
    int bx() const { return static_cast<int>(boss.x); }
    int by() const { return static_cast<int>(boss.y); }
    void open_up() {
        boss.left_gun.damage = boss.left_gun.hit_points + 1;
        boss.right_gun.damage = boss.right_gun.hit_points + 1;
        for (int i = 0; i < 60 && !boss.phaser.in_play; ++i) step(boss);
        ASSERT_TRUE(boss.phaser.in_play);
    }
    // A ship bullet on the middle of a part.
    Sprite& shoot_at(const SpriteHead& part, int slot = 0) {
        const Placed at = placed_part(part, bx(), by());
        return enemy_world::aim_ship_bullet(2, slot, static_cast<float>(at.x + at.picture->w / 2 - 2),
                                            static_cast<float>(at.y + at.picture->h / 2));
    }

    Boss2 boss;
};

TEST_F(Boss2Fight, EachGunAimsAtTheShipButNeverOutward) {
    const float left_gx = 82.0f, right_gx = 483.0f, gun_w = 73.0f;
    const float sw = static_cast<float>(player.width);
    const struct {
        int id;
        float ship_x;
        int before, after;
    } cases[] = {
        {1, 0.0f, Boss2Gun::aim_right, Boss2Gun::aim_down},  // far left: never left
        {1, left_gx + gun_w, Boss2Gun::aim_down, Boss2Gun::aim_down},
        {1, left_gx + gun_w + 1.0f, Boss2Gun::aim_down, Boss2Gun::aim_right},
        {2, 620.0f, Boss2Gun::aim_left, Boss2Gun::aim_down},  // far right: never right
        {2, right_gx - sw - 1.0f, Boss2Gun::aim_down, Boss2Gun::aim_left},
        {2, right_gx - sw / 2.0f, Boss2Gun::aim_left, Boss2Gun::aim_left},  // straddles its edge
        {2, right_gx - sw / 2.0f, Boss2Gun::aim_down, Boss2Gun::aim_down},
    };
    for (const auto& c : cases) {
        Boss2Gun& gun = c.id == 1 ? boss.left_gun : boss.right_gun;
        player.x = c.ship_x;
        gun.frame = c.before;
        gun.update(bx(), by());
        EXPECT_EQ(gun.frame, c.after) << "gun " << c.id << " ship at " << c.ship_x;
    }
    enemy_world::park_ship();
}

TEST_F(Boss2Fight, AVolleyIsTwoBulletsAndALaserFromTheAimedMuzzleOnlyWithAllThreeBack) {
    Boss2Gun& gun = boss.left_gun;
    const float gx = gun.x + static_cast<float>(bx()), gy = gun.y + static_cast<float>(by());
    const struct {
        int aim;
        float x1, y1, heading1;
    } cases[] = {{Boss2Gun::aim_down, 29, 71, 64}, {Boss2Gun::aim_right, 64, 68, 32}};
    for (const auto& c : cases) {
        for (Sprite& shot : gun.bullets) shot.deactivate();
        player.x = c.aim == Boss2Gun::aim_down ? gx : 600.0f;
        enemy_world::fire_on_next_draw(100);
        gun.update(bx(), by());
        ASSERT_EQ(gun.frame, c.aim);
        for (const Sprite& shot : gun.bullets) EXPECT_TRUE(shot.active);
        const Sprite& laser = gun.bullets[Boss2Gun::laser];
        EXPECT_FLOAT_EQ(laser.origin_x, gx + c.x1);
        EXPECT_FLOAT_EQ(laser.origin_y, gy + c.y1);
        EXPECT_FLOAT_EQ(laser.angle, c.heading1);
        EXPECT_EQ(laser.type, bullet_down);
    }
    gun.bullets[0].deactivate();
    gun.bullets[2].deactivate();
    enemy_world::fire_on_next_draw(100);
    gun.update(bx(), by());
    EXPECT_FALSE(gun.bullets[0].active) << "the laser is still out";
    enemy_world::park_ship();
}

TEST_F(Boss2Fight, TheGunsTakeTheHitsTheBodySwallowsTheRest) {
    Sprite& on_gun = shoot_at(boss.right_gun);
    Sprite& on_body = enemy_world::aim_ship_bullet(2, 1, 300.0f, 20.0f);
    boss.update();
    EXPECT_FALSE(on_gun.active);
    EXPECT_FALSE(on_body.active);
    EXPECT_EQ(boss.right_gun.damage, on_gun.damage);
    EXPECT_TRUE(boss.right_gun.hit_flash);
    EXPECT_EQ(boss.left_gun.damage + boss.phaser.damage, 0);
}

TEST_F(Boss2Fight, BothGunsDownOpenTheShieldAndArmTheCoreOnce) {
    boss.left_gun.damage = boss.left_gun.hit_points + 1;
    step(boss, 40);
    EXPECT_FALSE(boss.shield.has_status(BossShield::open_status)) << "one gun is not enough";
    open_up();
    EXPECT_TRUE(boss.shield.is_open());
    boss.phaser.leave_play();
    step(boss);
    EXPECT_FALSE(boss.phaser.in_play);
}

TEST_F(Boss2Fight, EveryFifthVolleyTheCoreRestsChargesFiresAndWakesWhenTheBeamEnds) {
    open_up();
    boss_world::fly_ship();
    player.blinking = true;  // the beam passes by
    for (Sprite& shot : boss.phaser.bullets) shot.deactivate();
    boss.phaser.volleys = 4;
    boss_world::lucky_draw(2, BossPhaser::volley_chance);  // both guns draw first
    step(boss);
    EXPECT_FALSE(boss.phaser.in_play);
    EXPECT_TRUE(boss.charge.running);
    EXPECT_TRUE(playing(boss.channel));
    for (const Sprite& shot : boss.phaser.bullets) EXPECT_FALSE(shot.active) << "its fan vanished";

    shoot_at(boss.phaser);
    step(boss);
    EXPECT_EQ(boss.phaser.damage, 0);

    int steps = 0;
    while (boss.beam.idle && steps < 100) step(boss), ++steps;
    step(boss);
    EXPECT_TRUE(boss.beam.has_status(BeamPhases::burning));
    EXPECT_FALSE(boss.phaser.in_play);
    while (!boss.beam.idle && steps < 1000) step(boss), ++steps;
    EXPECT_TRUE(boss.phaser.in_play);
    EXPECT_FALSE(playing(boss.channel));
    EXPECT_EQ(boss.blasts_started, 0);
    enemy_world::park_ship();
}

TEST_F(Boss2Fight, LosingTheCoreEndsTheBeamShakesAndStartsTheDeathInThatStep) {
    open_up();
    boss.beam.start();
    step(boss, 3);
    stop_shake();
    // Whatever plays on the boss's channel then plays on: losing the core silences nothing.
    play_on_free_channel(boss.blaster_sound, boss.channel);
    FMOD_CHANNEL* const blaster = boss.channel;
    boss.phaser.damage = boss.phaser.hit_points + 1;
    boss.update();
    EXPECT_TRUE(boss.beaten());
    EXPECT_TRUE(boss.beam.idle);
    EXPECT_EQ(boss.state, BossHead::dying);
    EXPECT_EQ(shake_amplitude.load(), BossHead::death_shake);
    EXPECT_TRUE(playing(blaster));
    stop_channel_quietly(blaster);

    const int stopped = boss_world::shakes_stopped();
    boss_world::money_from_death(boss);
    EXPECT_EQ(boss_world::shakes_stopped(), stopped + 1) << "with the reward";
}

TEST_F(Boss2Fight, GunShotsHitTheBareShip) {
    boss_world::fly_ship();
    boss_world::hold(boss.left_gun.bullets[Boss2Gun::laser], boss_world::hull_x() - 2.0f, boss_world::hull_y() - 12.0f);
    boss.update();
    EXPECT_EQ(player.hit_count, 1);
    enemy_world::park_ship();
}

class Boss2Pictures : public Boss2Fight {
protected:
    void TearDown() override { enemy_world::park_ship(); }
};

TEST_F(Boss2Pictures, GunsFiringWithOneFlashingThenTheBeam) {
    boss_world::fly_ship();
    player.blinking = true;
    for (Boss2Gun* gun : {&boss.left_gun, &boss.right_gun}) {
        enemy_world::fire_on_next_draw(100);
        gun->update(bx(), by());
    }
    step(boss, 20);
    boss.right_gun.hit_flash = true;
    for (const Sprite& shot : boss.left_gun.bullets) ASSERT_TRUE(shot.active);
    EXPECT_GT(boss_world::render(boss, "boss2_guns.png"), 1000);

    open_up();
    boss.phaser.volleys = 4;
    boss_world::lucky_draw(2, BossPhaser::volley_chance);
    step(boss);
    while (!boss.beam.has_status(BeamPhases::burning)) step(boss);
    step(boss, 20);
    boss_world::render(boss, "boss2_beam.png");
}

}  // namespace
