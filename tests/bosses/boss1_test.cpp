// Boss1 driven as stage 1 drives it: guns, shields, the core's volleys, charge and beam.
#include <allegro.h>
#include <gtest/gtest.h>

#include "boss_world.h"
#include "bosses/boss1.h"
#include "player/player.h"

namespace {

using boss_world::playing;
using boss_world::step;

class Boss1Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.show();
        boss.activate();
    }
    void shoot_away(Boss1Gun& gun) { gun.damage = gun.hit_points + 1; }
    // Both guns gone and both shields open: the core armed.
    void open_up() {
        shoot_away(boss.left_gun);
        shoot_away(boss.right_gun);
        for (int i = 0; i < 40 && !boss.phaser.in_play; ++i) step(boss);
        ASSERT_TRUE(boss.phaser.in_play);
    }
    // The core's draw comes after the two guns' in every step.
    void core_fires_next_step() { boss_world::lucky_draw(2, BossPhaser::volley_chance); }

    Boss1 boss;
};

TEST_F(Boss1Fight, EachGunOpensOnlyItsShieldAndTheCoreArmsOnceWhenBothAreOpen) {
    shoot_away(boss.left_gun);
    step(boss, 30);
    EXPECT_TRUE(boss.top_shield.is_open());
    EXPECT_FALSE(boss.bottom_shield.has_status(BossShield::open_status));
    EXPECT_FALSE(boss.phaser.in_play);
    const Placed core = placed_part(boss.phaser, static_cast<int>(boss.x), static_cast<int>(boss.y));
    enemy_world::aim_ship_bullet(2, 0, static_cast<float>(core.x + 26), static_cast<float>(core.y + 14));
    step(boss);
    EXPECT_EQ(boss.phaser.damage, 0) << "a disarmed core takes no hits";

    shoot_away(boss.right_gun);
    int steps = 0;
    while (!boss.phaser.in_play && steps < 40) step(boss), ++steps;
    EXPECT_TRUE(boss.bottom_shield.is_open());
    EXPECT_EQ(boss.phaser_armings, 1);
    boss.phaser.leave_play();
    step(boss);
    EXPECT_FALSE(boss.phaser.in_play) << "the core is armed only once";
}

TEST_F(Boss1Fight, AGunFiresASetOnlyWhenThatSetIsBackFromItsLastFlight) {
    Boss1Gun& gun = boss.right_gun;
    const int bx = static_cast<int>(boss.x), by = static_cast<int>(boss.y);
    auto lucky_update = [&] {
        enemy_world::fire_on_next_draw(100);
        gun.update(bx, by);
    };
    lucky_update();
    EXPECT_EQ(gun.volley_slot, 1);
    lucky_update();
    EXPECT_EQ(gun.volley_slot, 0);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(gun.bullets[i].active) << i;
    // The second set comes down; the first, due next, is still in flight.
    for (int i = 3; i < 6; ++i) gun.bullets[i].deactivate();
    lucky_update();
    EXPECT_EQ(gun.volley_slot, 0);
    EXPECT_FALSE(gun.bullets[3].active);
}

TEST_F(Boss1Fight, EveryFifthVolleyChargesTheBeamWhichEndsInSilenceBeforeTheCoreFiresAgain) {
    open_up();
    boss.phaser.volleys = 4;
    core_fires_next_step();
    step(boss);
    EXPECT_EQ(boss.phaser.volleys, 0);
    EXPECT_TRUE(boss.charge.running);
    EXPECT_FALSE(boss.phaser.may_fire);
    EXPECT_TRUE(playing(boss.channel)) << "the blaster";

    int steps = 0;
    while (boss.beam.idle && steps < 100) step(boss), ++steps;
    EXPECT_EQ(steps, 43) << "44 charge steps, the first in the step the charge starts";
    EXPECT_EQ(boss.blasts_started, 1);
    for (auto& shot : boss.phaser.bullets) shot.deactivate();
    core_fires_next_step();
    step(boss);
    EXPECT_EQ(boss.phaser.volleys, 0) << "no volley while the beam burns";

    while (!boss.beam.idle && steps < 1000) step(boss), ++steps;
    step(boss);
    EXPECT_FALSE(playing(boss.channel));
    EXPECT_TRUE(boss.phaser.may_fire);
    EXPECT_EQ(boss.blasts_started, 0);
    core_fires_next_step();
    step(boss);
    EXPECT_EQ(boss.phaser.volleys, 1);
}

TEST_F(Boss1Fight, TheBeamDiesWithTheCoreAndWithTheStartOfTheDeath) {
    open_up();
    boss.beam.start();
    step(boss, 3);
    boss.phaser.damage = boss.phaser.hit_points + 1;
    step(boss);
    EXPECT_TRUE(boss.beaten());
    EXPECT_TRUE(boss.beam.idle) << "in the very step the core is destroyed";

    Boss1 other;
    boss_world::load(other);
    other.activate();
    other.beam.start();
    other.update();
    other.update();
    other.start_death();
    EXPECT_TRUE(other.beam.idle);
    EXPECT_EQ(other.state, BossHead::dying);
}

// Two moments of the fight drawn with the ship below, saved as pictures.
class Boss1Pictures : public Boss1Fight {
protected:
    void TearDown() override { enemy_world::park_ship(); }
};

TEST_F(Boss1Pictures, AWreckedGunAnOpeningShieldAFlashingGunAndBothSetsInFlight) {
    boss_world::fly_ship();
    player.x = 520.0f;  // right of the right gun: it aims right
    const int bx = static_cast<int>(boss.x), by = static_cast<int>(boss.y);
    enemy_world::fire_on_next_draw(100);
    boss.right_gun.update(bx, by);
    step(boss, 14);
    enemy_world::fire_on_next_draw(100);
    boss.right_gun.update(bx, by);
    shoot_away(boss.left_gun);
    step(boss, 10);
    boss.right_gun.hit_flash = true;
    ASSERT_TRUE(boss.left_gun.explosion.active);
    ASSERT_TRUE(boss.top_shield.has_status(BossShield::open_status));
    for (const Sprite& shot : boss.right_gun.bullets) ASSERT_TRUE(shot.active);
    EXPECT_GT(boss_world::render(boss, "boss1_guns.png"), 500) << "the flashing gun";
}

TEST_F(Boss1Pictures, ATintedCoreAFanAndTheBeam) {
    open_up();
    player.set_position(100.0f, 400.0f);
    player.blinking = true;  // the beam and the fan pass by in this picture
    boss.phaser.damage = boss.phaser.hit_points - 5;
    boss.phaser.volleys = 4;
    core_fires_next_step();
    step(boss);
    step(boss, 44 + 12);
    while (boss.phaser.low_hp_counter % 10 != 0) step(boss);
    ASSERT_TRUE(boss.beam.has_status(BeamPhases::burning));
    for (const Sprite& shot : boss.phaser.bullets) ASSERT_TRUE(shot.active);
    boss_world::render(boss, "boss1_beam.png");
}

}  // namespace
