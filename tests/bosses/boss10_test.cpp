// Boss10 driven as stage 10 drives it: side turrets guarding the main turrets, the main
// turrets' charge and sweeping beam, the shield and core, the reward, the endless death rounds
// and the blasters that the pause panel holds.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/audio_testing.h"
#include "boss_world.h"
#include "bosses/boss10.h"
#include "engine/gameengine.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

using boss_world::step;

int shakes_started = 0;
int count_shake(void (*)(), long) { return ++shakes_started, 0; }

bool playing(FMOD_CHANNEL* channel) {
    FMOD_BOOL on = 0;
    FMOD_Channel_IsPlaying(channel, &on);
    return on;
}

// The voices that play `sound` now.
std::vector<audio_testing::Voice> voices_of(FMOD_SOUND* sound) {
    std::vector<audio_testing::Voice> found;
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.sound == sound) found.push_back(voice);
    return found;
}

template <class Part>
void shoot_away(Part& part) {
    part.damage = part.hit_points + 1;
}

class Boss10Fight : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        timing_calls.install_int_ex = count_shake;
        shakes_started = 0;
        boss_world::load(boss);
        boss.show();
        boss.activate();
    }
    void TearDown() override { enemy_world::park_ship(); }

    // Both main turrets gone, the shield open and the core armed.
    void open_up() {
        for (BossMainTurret& turret : boss.main_turrets) shoot_away(turret);
        for (int i = 0; i < 80 && !boss.phaser.in_play; ++i) step(boss);
        ASSERT_TRUE(boss.phaser.in_play);
    }
    // A turret alone, open to hits, charging from this step on.
    void start_charge(BossMainTurret& turret) {
        enemy_world::fire_on_next_draw(BossMainTurret::charge_chance);
        turret.update(0, 0);
        ASSERT_TRUE(turret.charge.running);
    }

    Boss10 boss;
};

TEST_F(Boss10Fight, AMainTurretOpensToHitsOnlyWhenBothItsSideTurretsAreGone) {
    BossMainTurret& left = boss.main_turrets[0];
    auto shoot_left_turret = [&] {
        Sprite& shot = enemy_world::aim_ship_bullet(2, 0, left.x + 40.0f, left.y + 60.0f);
        step(boss);
        EXPECT_FALSE(shot.active) << "the shot is spent either way";
    };
    shoot_away(boss.side_turrets[2]);
    shoot_away(boss.side_turrets[3]);
    shoot_away(boss.side_turrets[0]);
    shoot_left_turret();
    EXPECT_EQ(left.damage, 0) << "one guard still stands";
    EXPECT_TRUE(left.shielded);
    shoot_away(boss.side_turrets[1]);
    step(boss);
    shoot_left_turret();
    EXPECT_GT(left.damage, 0);
    EXPECT_FALSE(boss.main_turrets[1].shielded) << "its guards went first";
}

// Two cycles in a row of each main turret: an 18-step charge, the blaster, a sweep to its far
// bound and back with a pause at each, and after 500 firing steps silence and rest.
TEST_F(Boss10Fight, AMainTurretChargesSweepsItsBeamAndComesBackToRestTwice) {
    struct Row {
        int id;
        float lo, hi;
    };
    for (const Row& row : {Row{1, 53.0f, 64.0f}, Row{2, 64.0f, 75.0f}}) {
        BossMainTurret& turret = boss.main_turrets[row.id - 1];
        for (int cycle = 0; cycle < 2; ++cycle) {
            SCOPED_TRACE(testing::Message() << "turret " << row.id << " cycle " << cycle);
            start_charge(turret);
            int steps = 1;
            while (turret.beam.idle && steps < 100) turret.update(0, 0), ++steps;
            EXPECT_EQ(steps, 18);
            EXPECT_TRUE(playing(turret.channel));
            float lo = 64.0f, hi = 64.0f;
            int held = 0, longest_hold = 0, burning = 0;
            while (!turret.beam.idle && burning < 1000) {
                turret.update(0, 0);
                burning += turret.beam.has_status(BeamPhases::burning);
                lo = std::min(lo, turret.sweep);
                hi = std::max(hi, turret.sweep);
                const bool at_bound = turret.sweep == row.lo || turret.sweep == row.hi;
                held = at_bound ? held + 1 : 0;
                longest_hold = std::max(longest_hold, held);
            }
            EXPECT_EQ(lo, row.lo);
            EXPECT_EQ(hi, row.hi);
            EXPECT_EQ(longest_hold, 11);
            EXPECT_EQ(burning, 502) << "the step it lights, then 501 firing steps";
            EXPECT_FALSE(playing(turret.channel));
            EXPECT_EQ(turret.sweep, 64.0f);
            EXPECT_EQ(turret.beam_angle, 64.0f);
            EXPECT_FALSE(turret.sweeping_up || turret.sweeping_down);
            EXPECT_EQ(turret.charges, 0);
        }
    }
}

TEST_F(Boss10Fight, TheGroundBoxDrainsTheShieldThenHitsAShipUnderItAndMissesOneAside) {
    BossTurretBlast& beam = boss.main_turrets[0].beam;
    beam.start();
    boss_world::fly_ship();
    player.x = 68.0f;  // under the line at rest, which meets the ground near x 85
    player.shield_on = true;
    player.shield_count = 5;
    const int hits = player.hit_count;
    beam.update(76.0f, 156.0f, 64.0f);  // starts burning
    beam.update(76.0f, 156.0f, 64.0f);
    EXPECT_EQ(player.shield_count, 2);
    EXPECT_EQ(player.hit_count, hits);
    beam.update(76.0f, 156.0f, 64.0f);
    EXPECT_FALSE(player.shield_on);
    EXPECT_EQ(player.hit_count, hits + 1);

    boss_world::fly_ship();
    player.x = 400.0f;
    const int later = player.hit_count;
    beam.update(76.0f, 156.0f, 64.0f);
    EXPECT_EQ(player.hit_count, later);
}

TEST_F(Boss10Fight, AMainTurretKilledMidChargeOrMidSweepLeavesNoBlasterAndNoBeam) {
    for (int burn_steps : {0, 60}) {
        SCOPED_TRACE(burn_steps ? "mid-sweep" : "mid-charge");
        Boss10 fresh;
        boss_world::load(fresh);
        BossMainTurret& turret = fresh.main_turrets[0];
        turret.shielded = false;
        start_charge(turret);
        for (int i = 0; i < 5; ++i) turret.update(0, 0);
        if (burn_steps) {
            while (turret.beam.idle) turret.update(0, 0);
            for (int i = 0; i < burn_steps; ++i) turret.update(0, 0);
            ASSERT_TRUE(turret.beam.has_status(BeamPhases::burning));
        }
        shoot_away(turret);
        turret.update(0, 0);
        EXPECT_TRUE(turret.destroyed);
        for (int i = 0; i < 40 && turret.alive; ++i) {
            EXPECT_TRUE(turret.beam.idle);
            turret.update(0, 0);
        }
        EXPECT_TRUE(voices_of(turret.blaster_sound()).empty());
    }
}

TEST_F(Boss10Fight, TheShieldOpensAndTheCoreIsArmedOnceWhenBothMainTurretsAreGone) {
    shoot_away(boss.main_turrets[0]);
    step(boss, 60);
    EXPECT_FALSE(boss.shield.has_status(BossShield::open_status)) << "one main turret still stands";
    open_up();
    EXPECT_EQ(boss.phaser_armings, 1);
    boss.phaser.leave_play();
    step(boss);
    EXPECT_FALSE(boss.phaser.in_play);
}

TEST_F(Boss10Fight, TheFifthVolleyChargesTheCoreWhichTakesNoHitsUntilItsBeamHasEnded) {
    open_up();
    Sprite& in_flight = boss.phaser.bullets[2];
    boss_world::hold(in_flight, 300.0f, 300.0f);
    boss.phaser.volleys = 5;
    step(boss);
    EXPECT_TRUE(boss.charge.running);
    EXPECT_FALSE(in_flight.active);
    EXPECT_TRUE(playing(boss.channel));
    const Placed core = placed_part(boss.phaser, 0, 0);
    int steps = 0;
    while (!boss.phaser.in_play) {
        enemy_world::aim_ship_bullet(2, 0, static_cast<float>(core.x + 60), static_cast<float>(core.y + 40));
        step(boss);
        ASSERT_LT(++steps, 800);
        if (!boss.phaser.in_play) {
            ASSERT_EQ(boss.phaser.damage, 0);
        }
    }
    EXPECT_GT(steps, 500) << "re-armed only once the beam has ended";
    EXPECT_EQ(boss.blasts_started, 0);
    EXPECT_FALSE(playing(boss.channel));
    EXPECT_TRUE(boss.phaser.in_play);
    enemy_world::aim_ship_bullet(2, 0, static_cast<float>(core.x + 60), static_cast<float>(core.y + 40));
    step(boss);
    EXPECT_GT(boss.phaser.damage, 0);
}

TEST_F(Boss10Fight, TheCorePaysOnceWhenDestroyedAndItsDeathRoundsNeverEnd) {
    open_up();
    const int money = player.money;
    play_on_free_channel(boss.blaster_sound, boss.channel);
    FMOD_CHANNEL* const blaster = boss.channel;
    shoot_away(boss.phaser);
    step(boss);
    EXPECT_EQ(player.money, money + 3000);
    EXPECT_FALSE(playing(blaster)) << "silenced as the core is lost";
    EXPECT_EQ(boss.state, BossHead::dying);
    shakes_started = 0;
    int steps = 0;
    while (boss.death_round < 2 && steps < 1000) step(boss), ++steps;
    EXPECT_EQ(shakes_started, steps) << "the shake restarts every step";
    boss.start_death();
    step(boss);
    EXPECT_EQ(player.money, money + 3000);
    for (const Explosion& explosion : boss.explosions) {
        EXPECT_GE(explosion.x, boss.x);
        EXPECT_LE(explosion.x, boss.x + 576.0f);
        EXPECT_GE(explosion.y, boss.y);
        EXPECT_LE(explosion.y, boss.y + 416.0f);
        EXPECT_GE(explosion.scale, 1.0f);
        EXPECT_LE(explosion.scale, 5.0f);
    }
    EXPECT_FALSE(boss.dead);
    EXPECT_TRUE(boss.visible);
}

TEST_F(Boss10Fight, PausingHoldsOnlyTheBlastersSparesWhatTookAnEndedChannelAndNoneOutlivesTheBoss) {
    FMOD_CHANNEL* core = nullptr;
    {
        Boss10 gone;
        boss_world::load(gone);
        BossMainTurret& left = gone.main_turrets[0];
        play_on_free_channel(gone.blaster_sound, gone.channel);
        play_on_free_channel(left.blaster_sound(), left.channel);
        FMOD_CHANNEL* other = nullptr;
        play_on_free_channel(gone.explosion_sound, other);
        gone.pause_sounds();
        gone.pause_sounds();
        for (const auto& voice : audio_testing::voices(fmod_system))
            EXPECT_EQ(voice.paused, voice.channel != other) << voice.index;
        gone.resume_sounds();
        for (const auto& voice : audio_testing::voices(fmod_system)) EXPECT_FALSE(voice.paused) << voice.index;

        // The left blaster ends and a new voice may take its slot: pausing leaves it alone.
        stop_channel_quietly(left.channel);
        stop_channel_quietly(other);
        play_on_free_channel(gone.explosion_sound, other);
        gone.pause_sounds();
        for (const auto& voice : audio_testing::voices(fmod_system))
            EXPECT_EQ(voice.paused, voice.channel != other) << voice.index;
        stop_channel_quietly(other);
        core = gone.channel;
    }
    EXPECT_FALSE(playing(core)) << "the paused blaster went with the boss";
}

TEST_F(Boss10Fight, PictureOfTurretBeamsOverSideTurretShots) {
    boss_world::fly_ship();
    player.x = 380.0f;
    for (BossTurret& turret : boss.side_turrets) {
        enemy_world::fire_on_next_draw(100);
        turret.update(0, 0);
        for (int i = 0; i < 30; ++i) turret.update_shots(2);
    }
    for (BossMainTurret& turret : boss.main_turrets) {
        turret.shielded = false;
        start_charge(turret);
        while (turret.beam.idle) turret.update(0, 0);
        for (int i = 0; i < 70; ++i) turret.update(0, 0);
    }
    boss.main_turrets[1].hit_flash = true;
    boss_world::render(boss, "boss10_turrets.png");
}

TEST_F(Boss10Fight, PictureOfAnOpenShieldTheCoresFanAndTheMainBeam) {
    boss_world::fly_ship();
    player.x = 60.0f;
    player.blinking = true;
    open_up();
    step(boss, 40);  // the wrecks have burnt out and draw no more chances
    boss_world::lucky_draw(4, BossPhaser::volley_chance);
    step(boss);
    ASSERT_TRUE(boss.phaser.bullets[0].active);
    step(boss, 20);
    boss.beam.start();
    step(boss, 8);
    ASSERT_TRUE(boss.beam.has_status(BeamPhases::burning));
    boss_world::render(boss, "boss10_core.png");
}

}  // namespace
