// What stage 1 does not use of the frame, on a small stage made for the test: a planet approach
// and a phase of trains relaunched up to their cap.
#include <allegro.h>
#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stage_world.h"

namespace {

using stage_world::Driver;

const Group train{PoolKind::five, 0, 4};
const Dialogue short_talk{{Speaker::boss, 0, "Hm. "}, {Speaker::pilot, 1, nullptr}};
const PlanetApproach planet{&stage1_earth, &stage1_b, 317};

const StageData approach_data{
    3,
    &tune_stage3,
    &tune_boss,
    "gfx/faces/boss_1_face.gif",
    false,
    {{-200, nullptr, ScrollMark::none, 0, 0}, {-5000, nullptr, ScrollMark::none, 0, 0}},
    {{PoolKind::one, 0, 0}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {{0, 15, {train}, true, {{train, 2}}, {}, false, {}}},
    1,
    {},
    true,
    true,
    false,
    false,
    false,
    true,
    false,
    {{{short_talk, short_talk}, {short_talk, short_talk}}},
    {Screen::upgrade_store, {4}},
    &planet,
};

class ApproachStage : public StageRunner {
public:
    ApproachStage() : StageRunner(approach_data, std::make_unique<BossAdapter<Boss1>>()) {}

protected:
    void set_up_stage() override {
        boss->load();
        boss->set_position(0.0f, -5000.0f);
        player.stage_reset();
        for (EnemyFive& record : enemy_five_pool) {
            record.place(0.0f, 0.0f);
            record.reset();
        }
        enemy_five_pool[0].released = true;
        enemy_count = 0;
        tune_stage3.play_music();
    }
    void play() override {
        player.update();
        player.poll_bomb_keys();
        boss->update_state();
        boss->update();
        step_groups({train});
        title_ticks += 1;
        approach();
        speed_up();
        relaunch_trains();
        start_phases();
        end_phase_on_quota();
        boss_phase();
        brake();
        move_title();
        clamp_scroll();
        move_approach_rows();
    }
    void draw_layers() override {
        draw_approach_stars();
        draw_ground();
        draw_planet();
        draw_groups({train}, buffer);
    }
};

// Shoots down every record that has come into view, as a player would.
void shoot_entered() {
    for (EnemyFive& record : enemy_five_pool)
        if (record.entered && !record.dying) record.damage = record.hit_points + 1;
}

std::unique_ptr<Driver> approaching() {
    stage_world::prepare();
    player.money = 1000000;
    auto d = std::make_unique<Driver>(std::make_unique<ApproachStage>());
    d->skip_title();
    return d;
}

TEST(PlanetApproach, HoldsTheScriptUntilThePlanetHasGivenWayToTheGround) {
    auto d = approaching();
    StageRunner& s = d->stage();
    EXPECT_EQ(s.fade_level, 254) << "stages that start faded in climb 13 a step";
    const int mark = s.marks[0];
    ASSERT_TRUE(d->steps_until([&] { return s.planet_y < 451; }));
    EXPECT_EQ(scroll_speed, 3);
    const int row = s.planet_y;
    const float scale = s.planet_scale;
    d->steps_until([] { return false; }, 1);
    EXPECT_EQ(s.planet_y, row - 2) << "below 451 the planet falls 2 a step at speed 3";
    EXPECT_NEAR(s.planet_scale - scale, 0.02f, 1e-5f) << "and grows 0.02 a step below 450";
    EXPECT_EQ(s.marks[0], mark);
    ASSERT_TRUE(d->steps_until([&] { return s.planet_alpha < 255; }));
    d->pass(10);
    EXPECT_GT(s.ground_alpha, 0);
    EXPECT_EQ(s.marks[0], mark) << "nothing of the script moves while the ground fades in";
    ASSERT_TRUE(d->steps_until([&] { return s.ground_alpha == 255; }));
    EXPECT_EQ(s.planet_alpha, 0);
    EXPECT_EQ(s.backdrop_alpha, 0);
    d->steps_until([] { return false; }, 1);
    EXPECT_EQ(s.marks[0], mark + 3) << "then the marks ride the scroll";
    for (int r : s.ground_y) EXPECT_TRUE(r >= -480 && r <= 479);
}

TEST(Trains, RelaunchWhenSpentUpToTheirCapAndHandEachRecordOn) {
    auto d = approaching();
    StageRunner& s = d->stage();
    ASSERT_TRUE(d->steps_until([&] { return s.wave_phase == 1; }));
    EXPECT_EQ(enemy_count, 15);
    EXPECT_TRUE(enemy_five_pool[0].visible && enemy_five_pool[4].in_play);
    EXPECT_FALSE(enemy_five_pool[1].released);
    ASSERT_TRUE(d->steps_until([&] { return enemy_five_pool[0].entered; }));
    d->steps_until([] { return false; }, 1);
    EXPECT_TRUE(enemy_five_pool[1].released) << "each record goes once the one before has come in";
    for (int launch = 1; launch <= 2; ++launch) {
        SCOPED_TRACE(launch);
        ASSERT_TRUE(d->steps_until([&] {
            shoot_entered();
            return s.launch_counts[0] == launch;
        }));
        EXPECT_TRUE(enemy_five_pool[0].released && enemy_five_pool[0].alive);
        EXPECT_FALSE(enemy_five_pool[1].released);
    }
    ASSERT_TRUE(d->steps_until([&] {
        shoot_entered();
        return !s.spawning;
    }));
    EXPECT_EQ(s.launch_counts[0], 2) << "the cap holds";
    EXPECT_EQ(enemy_count, 0);
    EXPECT_TRUE(s.speeding_up);
}

}  // namespace
