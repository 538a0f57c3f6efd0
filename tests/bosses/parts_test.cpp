// The parts that part-built bosses carry, each on its own, with Boss1's art.
#include <gtest/gtest.h>

#include <cmath>

#include "boss_world.h"
#include "bosses/boss1.h"
#include "player/player.h"

namespace {

using boss_world::hold;

constexpr int bx = 15, by = 0;  // where Boss1 loads

class Parts : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
    }
    // A ship bullet on the middle of a part.
    Sprite& shoot_at(const SpriteHead& part, int slot = 0) {
        const Placed at = placed_part(part, bx, by);
        return enemy_world::aim_ship_bullet(2, slot, static_cast<float>(at.x + at.picture->w / 2),
                                            static_cast<float>(at.y + at.picture->h / 2));
    }
    // Steps until `done` holds; the count of steps, or -1 after `limit`.
    template <class Step, class Done>
    static int steps_until(Step&& step, Done&& done, int limit = 2000) {
        for (int n = 1; n <= limit; ++n) {
            step();
            if (done()) return n;
        }
        return -1;
    }

    Boss1 boss;
};

TEST_F(Parts, AShieldSwallowsShotsOnlyWhileClosedAndOpensOnceForGood) {
    BossShield& shield = boss.top_shield;
    shield.update(bx, by);
    EXPECT_TRUE(shield.has_status(BossShield::shut));
    EXPECT_FALSE(shield.is_open());
    Sprite& shot = shoot_at(shield);
    shield.update(bx, by);
    EXPECT_FALSE(shot.active);

    shield.open();
    shield.update(bx, by);
    EXPECT_EQ(shield.frame, boss1_shield.first_opening);
    shield.open();
    EXPECT_EQ(shield.mode, BossShield::opening) << "opening again changes nothing";
    // Three frames of six steps, less the step the closed glow had already counted.
    EXPECT_EQ(steps_until([&] { shield.update(bx, by); }, [&] { return shield.is_open(); }), 17);
    shield.update(bx, by);
    EXPECT_EQ(shield.frame, boss1_shield.open_frame);
    Sprite& passing = shoot_at(shield);
    shield.update(bx, by);
    EXPECT_TRUE(passing.active);
}

TEST_F(Parts, TheChargeCompletesOnceAfterFourFramesOfElevenSteps) {
    BossPhaserCharge& charge = boss.charge;
    EXPECT_FALSE(charge.step());
    charge.start();
    EXPECT_EQ(steps_until([] {}, [&] { return charge.step(); }), 44);
    EXPECT_FALSE(charge.running);
    EXPECT_EQ(charge.frame, 4);
    EXPECT_FALSE(charge.step());
}

TEST_F(Parts, TheBeamFiresFiveHundredStepsEndsAndDrainsTheShieldThenHits) {
    BossPhaserBlast& beam = boss.beam;
    beam.stop();
    EXPECT_EQ(beam.mode, BeamPhases::ending) << "stopping a beam that is off changes nothing";
    beam.start();
    beam.update(bx, by);
    EXPECT_TRUE(beam.has_status(BeamPhases::burning));
    beam.start();
    EXPECT_EQ(beam.mode, BeamPhases::firing) << "starting a burning beam changes nothing";
    auto update = [&] { beam.update(bx, by); };
    EXPECT_EQ(steps_until(update, [&] { return beam.mode != BeamPhases::firing; }), 501);
    EXPECT_EQ(beam.firing_ticks, 501);
    update();
    EXPECT_TRUE(beam.has_status(BeamPhases::off));
    // Five frames of four steps, the firing's count running on into the first.
    EXPECT_EQ(steps_until(update, [&] { return beam.idle; }), 19);
    EXPECT_EQ(beam.frame, 8);

    boss_world::fly_ship();
    player.x = static_cast<float>(bx + 231 + 73 - 32);
    player.shield_on = true;
    player.shield_count = 4;
    beam.start();
    update();  // lit
    update();
    EXPECT_EQ(player.shield_count, 1);
    EXPECT_EQ(player.hit_count, 0);
    update();
    EXPECT_FALSE(player.shield_on);
    EXPECT_EQ(player.hit_count, 1);
    beam.stop();
    EXPECT_TRUE(beam.idle) << "a stopped beam vanishes at once";
}

TEST_F(Parts, ADisarmedPhaserNeitherTakesHitsNorFires) {
    BossPhaser& phaser = boss.phaser;
    Sprite& shot = shoot_at(phaser);
    enemy_world::fire_on_next_draw(BossPhaser::volley_chance);
    phaser.update(bx, by);
    EXPECT_EQ(phaser.damage, 0);
    EXPECT_TRUE(shot.active);
    EXPECT_EQ(phaser.volleys, 0);

    phaser.arm();
    phaser.update(bx, by);
    EXPECT_GT(phaser.damage, 0);
    EXPECT_FALSE(shot.active);
}

TEST_F(Parts, APhaserBeatenByThisStepsHitsFiresNoMoreAndIsDestroyedNextStep) {
    BossPhaser& phaser = boss.phaser;
    phaser.arm();
    phaser.damage = phaser.hit_points;
    phaser.update(bx, by);
    EXPECT_FALSE(phaser.destroyed) << "damage equal to the hit points does not destroy";
    shoot_at(phaser);
    boss_world::lucky_draw(0, BossPhaser::volley_chance);
    phaser.update(bx, by);
    EXPECT_TRUE(phaser.beaten());
    EXPECT_EQ(phaser.volleys, 0);
    phaser.update(bx, by);
    EXPECT_TRUE(phaser.destroyed);
    EXPECT_FALSE(phaser.alive);
}

TEST_F(Parts, AnAimedPhaserFansItsShotsAtPointsBesideTheShip) {
    constexpr PhaserKind aimed{400, PhaserAim::aimed, "gfx/boss1/boss1_phaser_bullet.gif", 6.0f, 1, 0, 0, 3};
    constexpr PartRow row{"gfx/boss1/boss1_healthy_phaser.gif", 1, 278, 123, 0, 0};
    BossPhaser phaser;
    {
        testing_support::WorkingDirectory in_data(testing_support::data_dir());
        phaser.init(row, aimed, boss.phaser.bullet_picture);
    }
    phaser.arm();
    // The shot aimed 32 px right of the ship points straight down from the core's corner.
    const float corner_x = static_cast<float>(278 + bx), corner_y = static_cast<float>(123 + by);
    player.set_position(corner_x - 32.0f, corner_y + 96.0f);
    boss_world::lucky_draw(0, BossPhaser::volley_chance);
    phaser.update(bx, by);
    ASSERT_EQ(phaser.volleys, 1);
    const float expected[] = {std::atan2(96.0f, -192.0f) * 128 / 3.14159265f, 96.0f, 64.0f, 32.0f,
                              std::atan2(96.0f, 192.0f) * 128 / 3.14159265f};
    for (int i = 0; i < BossPhaser::shot_count; ++i) {
        EXPECT_TRUE(phaser.bullets[i].active);
        // Allegro's arc tangent comes in whole units.
        EXPECT_NEAR(phaser.bullets[i].angle, expected[i], 0.5f) << "shot " << i;
        EXPECT_FLOAT_EQ(phaser.bullets[i].origin_x, corner_x + 20.0f);
    }
    EXPECT_NEAR(phaser.aim_at(bx, by, corner_x + 10.0f, corner_y - 10.0f), 224.0f, 0.02f) << "wrapped into 0-256";
}

TEST_F(Parts, AGunPastItsHitPointsExplodesAndIsGoneOnceTheExplosionEnds) {
    Boss1Gun& gun = boss.left_gun;
    gun.damage = gun.hit_points;
    gun.update(bx, by);
    EXPECT_FALSE(gun.destroyed);
    gun.damage += 1;
    gun.update(bx, by);
    EXPECT_TRUE(gun.destroyed);
    EXPECT_TRUE(gun.explosion.active);
    Sprite& shot = shoot_at(gun);
    boss_world::burn_beam();
    player.x = static_cast<float>(bx + 152 + 26 - 31);
    gun.update(bx, by);
    EXPECT_TRUE(shot.active) << "a wreck takes no hits";
    EXPECT_EQ(gun.damage, gun.hit_points + 1);
    enemy_world::park_ship();
    while (gun.explosion.active) gun.update(bx, by);
    EXPECT_TRUE(gun.alive);
    gun.update(bx, by);
    EXPECT_FALSE(gun.alive);
}

}  // namespace
