// What every stage shares: its title, the pause's duck and a quit's fade; and the last stages'
// own ways: stage 9's lock-step, hurry and drifting pictures, stage 7's forests, and stage 10's
// boss rush to the ending with Boss10's sounds held and stopped with the game.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <type_traits>
#include <vector>

#include "audio_testing.h"
#include "bosses/boss4.h"
#include "bosses/boss6.h"
#include "bosses/boss8.h"
#include "bosses/boss9.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stage_world.h"
#include "stages/challenge_stage.h"
#include "stages/stage_eight.h"
#include "stages/stage_five.h"
#include "stages/stage_four.h"
#include "stages/stage_nine.h"
#include "stages/stage_seven.h"
#include "stages/stage_six.h"
#include "stages/stage_ten.h"
#include "stages/stage_three.h"
#include "stages/stage_two.h"
#include "support/shooting.h"

namespace {

using stage_world::Driver;
using stage_world::save_page;

template <class Boss>
Boss& rush_boss(StageTen& s, int i) {
    return static_cast<BossAdapter<Boss>&>(*s.rush().earlier[i]).boss;
}

using testing_support::beat;

void beat_earlier(StageTen& s, int i) {
    switch (i) {
    case 0: return beat(rush_boss<Boss1>(s, i));
    case 1: return beat(rush_boss<Boss2>(s, i));
    case 2: return beat(rush_boss<Boss4>(s, i));
    case 3: return beat(rush_boss<Boss6>(s, i));
    case 4: return beat(rush_boss<Boss8>(s, i));
    default: return beat(rush_boss<Boss9>(s, i));
    }
}

int talk_through(Driver& d) {
    while (d.stage().boss_pane_x > 0.0f) d.pass();
    int presses = 0;
    while (d.stage().dialog_active && presses < 30) {
        d.press(key_text_advance);
        presses += 1;
    }
    return presses;
}

std::unique_ptr<Driver> entered(std::unique_ptr<StageRunner> stage) {
    stage_world::prepare(1);
    player.money = 1000000;  // hits cost money but never the ship
    auto d = std::make_unique<Driver>(std::move(stage));
    d->pass(32);
    d->skip_title();
    return d;
}

// The pause panel's "Exit to Menu", clicked once the panel is in.
void exit_to_menu(Driver& d) {
    StageRunner& s = d.stage();
    paused = true;
    d.pass(40);
    mouse_x = s.pause_x + paused_platform->w - 30;
    mouse_y = static_cast<int>(s.pause_y) + 412;
    mouse_b = 1;
    d.pass();
    mouse_b = 0;
    ASSERT_TRUE(d.steps_until([&] { return !s.running; }));
    EXPECT_EQ(s.finish().screen, Screen::main_menu);
}

TEST(BossRush, EachBossOnAStoppedFloorThenBoss10ToTheEnding) {
    auto d = entered(std::make_unique<StageTen>());
    StageTen& s = static_cast<StageTen&>(d->stage());
    // Boss1 to Boss9 at -960, -2880, -3840, -5760, -6720 and -8640, Boss10 at -9600.
    const int ahead_of_last[BossRush::earlier_count] = {8640, 6720, 5760, 3840, 2880, 960};
    for (int i = 0; i < BossRush::earlier_count; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(d->steps_until([&] { return s.fight_count == i + 1; }));
        EXPECT_GE(s.marks[i], -3);
        EXPECT_LT(s.marks[i], 3) << "activated as its mark arrives";
        EXPECT_EQ(s.marks[i] - s.marks[BossRush::earlier_count], ahead_of_last[i]);
        ASSERT_TRUE(d->steps_until([] { return scroll_speed == 0; }, 10));
        ASSERT_TRUE(d->steps_until([&] {
            beat_earlier(s, i);
            return s.death_handled == 1;
        }));
        ASSERT_TRUE(d->steps_until([&] { return s.rush().earlier[i]->dead(); }));
        if (i == 3) {
            d->pass();
            save_page("stage_ten_between.png");
        }
        ASSERT_TRUE(d->steps_until([] { return scroll_speed == 3; }, 10)) << "the floor runs on to the next";
    }
    ASSERT_TRUE(d->steps_until([&] { return s.dialog_active; }));
    EXPECT_EQ(s.fight_count, 7);
    d->pass(40);
    EXPECT_STREQ(s.boss_text, "So, we finally meet... ");
    EXPECT_EQ(talk_through(*d), 9);
    EXPECT_TRUE(s.boss_fight);
    d->pass(60);
    save_page("stage_ten_final.png");
    EXPECT_EQ(scroll_speed, 0);

    Boss10& last = s.rush().last.boss;
    ASSERT_TRUE(d->steps_until([&] {
        beat(last);
        return s.dialog_active;
    }));
    d->pass(40);
    EXPECT_STREQ(s.boss_text, "Heh. Not what I expected to happen. Now onto round 2. ");
    EXPECT_EQ(talk_through(*d), 5);
    ASSERT_TRUE(d->steps_until([&] { return s.fly_off_done == 1; }));
    EXPECT_EQ(last.death_round, 5);
    ASSERT_TRUE(d->steps_until([] { return player.stage_cleared; }));
    ASSERT_TRUE(d->steps_until([&] { return !s.running; }));
    EXPECT_EQ(s.finish().screen, Screen::ending_screen);
}

// A step moves the floor by the scroll and the walls a pixel further; a stopped floor holds both.
TEST(BossRush, WallsPassAPixelFasterThanTheFloor) {
    auto d = entered(std::make_unique<StageTen>());
    StageTen& s = static_cast<StageTen&>(d->stage());
    int moving = 0, still = 0;
    for (int step = 0; step < 600; ++step) {
        const int wall = s.wall_y[0], floor = s.floor_y[0];
        d->steps_until([] { return false; }, 1);
        if (s.wall_y[0] < wall || s.floor_y[0] < floor) continue;  // came back from above
        EXPECT_EQ(s.floor_y[0] - floor, scroll_speed);
        EXPECT_EQ(s.wall_y[0] - wall, scroll_speed == 0 ? 0 : scroll_speed + 1);
        (scroll_speed == 0 ? still : moving) += 1;
    }
    EXPECT_GT(moving, 0);
    EXPECT_GT(still, 0);
}

// On EASY the six earlier bosses gain 250 and Boss10 nothing; on EXTRA HARD 1000 each, the part
// bosses on their phaser.
TEST(BossRush, DifficultyBonusesByLevel) {
    auto strengths_at = [](int level) {
        stage_world::prepare(1);
        difficulty = level;
        Driver d(std::make_unique<StageTen>());
        difficulty = 1;
        StageTen& s = static_cast<StageTen&>(d.stage());
        return std::vector<int>{rush_boss<Boss1>(s, 0).phaser.hit_points, rush_boss<Boss2>(s, 1).phaser.hit_points,
                                rush_boss<Boss4>(s, 2).hit_points,        rush_boss<Boss6>(s, 3).hit_points,
                                rush_boss<Boss8>(s, 4).hit_points,        rush_boss<Boss9>(s, 5).hit_points,
                                s.rush().last.boss.phaser.hit_points};
    };
    const std::vector<int> easy = strengths_at(1), extra_hard = strengths_at(4);
    for (std::size_t i = 0; i < easy.size(); ++i)
        EXPECT_EQ(extra_hard[i] - easy[i], i < 6 ? 750 : 1000) << "boss " << i;
}

bool sounding(FMOD_CHANNEL* channel) {
    FMOD_BOOL playing = 0;
    FMOD_Channel_IsPlaying(channel, &playing);
    return playing;
}

TEST(BossRush, ContinueOnlyByYesAndNoBeamLeftAfterExit) {
    auto d = entered(std::make_unique<StageTen>());
    StageTen& s = static_cast<StageTen&>(d->stage());
    Boss10& last = s.rush().last.boss;
    FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_FREE, tune_boss_2.sound, 0, &last.channel);

    player.money = 100;
    player.blinking = false;
    player.hit();
    ASSERT_TRUE(d->steps_until([&] { return s.continue_shown; }));
    d->press(KEY_S);
    EXPECT_TRUE(s.continue_shown) << "only YES goes on";
    FMOD_BOOL held = 0;
    FMOD_Channel_GetPaused(last.channel, &held);
    EXPECT_TRUE(held);
    mouse_x = 201;
    mouse_y = 391;
    mouse_b = 1;
    d->pass();
    mouse_b = 0;
    EXPECT_FALSE(s.continue_shown);
    FMOD_Channel_GetPaused(last.channel, &held);
    EXPECT_FALSE(held);

    exit_to_menu(*d);
    EXPECT_FALSE(sounding(last.channel)) << "the beam ends with the stage";
}

struct Leftovers {
    int flying = 0, exploding = 0, shots = 0;
};

Leftovers leftovers() {
    Leftovers left;
    for (const Group& group : every_kv2_pool)
        for_each_record(group, [&](const auto& record) {
            left.flying += record.in_play && !record.dying;
            left.exploding += record.explosion.active;
            for (const Sprite& bullet : record.bullets) left.shots += bullet.active;
        });
    return left;
}

// Stage 1 quit through the pause panel in its first phase, with shots in flight and records
// blowing up.
void quit_mid_wave() {
    stage_world::prepare(1);
    player.money = 1000000;
    Driver d(std::make_unique<StageOne>());
    d.skip_title();
    ASSERT_TRUE(d.steps_until([] {
        const Leftovers left = leftovers();
        return left.flying >= 10 && left.shots >= 3;
    }));
    int shot = 0;
    for (const Group& group : stage_world::stage_one_ranges())
        for_each_record(group, [&](Enemy& record) {
            if (record.in_play && !record.dying && ++shot % 2) record.damage = record.hit_points + 1;
        });
    d.pass(3);
    exit_to_menu(d);
    const Leftovers left = leftovers();
    ASSERT_GT(left.flying, 0);
    ASSERT_GT(left.exploding, 0);
    ASSERT_GT(left.shots, 0);
}

// Every record as the loader built it.
void fresh_pools() {
    for (const Group& group : every_kv2_pool) for_each_record(group, [](auto& record) { record.init(0.0f, 0.0f); });
}

// The first frames a stage composes, from one seed.
std::vector<std::vector<int>> first_frames(const std::function<std::unique_ptr<StageRunner>()>& make) {
    stage_world::prepare(1);
    std::srand(7);
    Driver d(make());
    std::vector<std::vector<int>> frames;
    for (int f = 0; f < 4; ++f) {
        d.pass();
        std::vector<int>& pixels = frames.emplace_back();
        for (int y = 0; y < buffer->h; ++y)
            for (int x = 0; x < buffer->w; ++x) pixels.push_back(getpixel(buffer, x, y));
    }
    return frames;
}

struct EveryStageCase {
    const char* name;
    std::function<std::unique_ptr<StageRunner>()> make;
    std::array<const char*, 2> title;
    int title_leaves;  // steps from the entry: a fade-in of 20, or 32 from white, then 100 of play
    SoundClip* own_tune;
    SoundClip* fight_tune;
    SoundClip* faded_in_fight;  // the tune a quit fades once the fight has begun
};

void PrintTo(const EveryStageCase& c, std::ostream* os) { *os << "stage " << c.name; }

const EveryStageCase every_stage[] = {
    {"one", [] { return std::make_unique<StageOne>(); }, {"Stage", "1"}, 132, &tune_stage1, &tune_boss, &tune_boss},
    {"two", [] { return std::make_unique<StageTwo>(); }, {"Stage", "2"}, 132, &tune_stage2, &tune_boss, &tune_boss},
    {"three", [] { return std::make_unique<StageThree>(); }, {"Stage", "3"}, 120, &tune_stage3,
     &tune_boss, &tune_stage3},
    {"four", [] { return std::make_unique<StageFour>(); }, {"Stage", "4"}, 132, &tune_stage4, &tune_boss, &tune_boss},
    {"five", [] { return std::make_unique<StageFive>(); }, {"Stage", "5"}, 120, &tune_stage5, &tune_boss, &tune_stage5},
    {"six", [] { return std::make_unique<StageSix>(); }, {"Stage", "6"}, 132, &tune_stage6, &tune_boss, &tune_boss},
    {"seven", [] { return std::make_unique<StageSeven>(); }, {"Stage", "7"}, 120, &tune_stage7,
     &tune_boss, &tune_stage7},
    {"eight", [] { return std::make_unique<StageEight>(); }, {"Stage", "8"}, 132, &tune_stage8, &tune_boss, &tune_boss},
    {"nine", [] { return std::make_unique<StageNine>(); }, {"Stage", "9"}, 132, &tune_stage9, &tune_boss, &tune_boss},
    {"ten", [] { return std::make_unique<StageTen>(); }, {"Stage", "10"}, 132, &tune_stage10,
     &tune_boss_2, &tune_boss_2},
    {"challenge", [] { return std::make_unique<ChallengeStage>(3); }, {"Challenge", "Stage"}, 120,
     &tune_challenge_stage, &tune_boss, &tune_challenge_stage},
};

class EveryStage : public ::testing::TestWithParam<EveryStageCase> {};

// Then the title slides apart and the scroll starts: in the boss rush too.
TEST_P(EveryStage, TitleStandsAHundredStepsOfPlay) {
    stage_world::prepare(1);
    Driver d(GetParam().make());
    StageRunner& s = d.stage();
    d.pass();
    const int y = 240 - text_height(font7) / 2;
    EXPECT_TRUE(stage_world::shows(buffer, font7, GetParam().title[0], static_cast<int>(s.title_x), y));
    EXPECT_TRUE(stage_world::shows(buffer, font7, GetParam().title[1], static_cast<int>(s.title_number_x), y));
    int steps = 1;
    ASSERT_TRUE(d.steps_until([&] { return s.scroll_started == 1 || ++steps > 1000; }));
    EXPECT_EQ(steps, GetParam().title_leaves);
    EXPECT_EQ(s.title_ticks, 100);
}

float music_volume() {
    for (const audio_testing::Voice& voice : audio_testing::voices(fmod_system))
        if (voice.channel == music_channel) return voice.volume;
    return -1.0f;
}

// The pause sinks the stage's own tune, "Continue?"'s, the dialogue's and the boss's to 0.2, and
// with them whatever plays; a quit once the fight has begun fades one tune to silence.
TEST_P(EveryStage, PauseDucksTheMusicAndAQuitFadesTheStagesTune) {
    const EveryStageCase& c = GetParam();
    stage_world::prepare(1);
    SoundClip* const ducked[] = {c.own_tune, &tune_continue, &tune_dialog, &tune_boss};
    for (SoundClip* tune : ducked) tune->set_volume(1.0f);
    c.fight_tune->set_volume(1.0f);
    Driver d(c.make());
    StageRunner& s = d.stage();
    d.pass(32);
    paused = true;
    d.pass(40);
    for (SoundClip* tune : ducked) EXPECT_FLOAT_EQ(tune->volume, 0.2f);
    EXPECT_FLOAT_EQ(music_volume(), 0.2f);
    paused = false;
    d.pass(20);
    for (SoundClip* tune : ducked) EXPECT_FLOAT_EQ(tune->volume, 1.0f);
    EXPECT_FLOAT_EQ(music_volume(), 1.0f);

    s.boss_fight = true;
    exit_to_menu(d);
    SoundClip* const kept = c.faded_in_fight == c.own_tune ? c.fight_tune : c.own_tune;
    EXPECT_FLOAT_EQ(c.faded_in_fight->volume, 0.0f);
    EXPECT_FLOAT_EQ(kept->volume, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Stages, EveryStage, ::testing::ValuesIn(every_stage),
                         [](const auto& info) { return std::string(info.param.name); });

// Every stage composes the same first frames after a quit game as on a field fresh from the
// loader.
TEST(EveryStageAfterAQuit, ShowsNothingOfAGameQuitMidWave) {
    for (const EveryStageCase& stage : every_stage) {
        SCOPED_TRACE(stage.name);
        ASSERT_NO_FATAL_FAILURE(quit_mid_wave());
        const auto after_quit = first_frames(stage.make);
        fresh_pools();
        const auto fresh = first_frames(stage.make);
        for (std::size_t f = 0; f < fresh.size(); ++f) EXPECT_TRUE(after_quit[f] == fresh[f]) << "frame " << f;
    }
}

// The top picture 2 px and the bottom 1 px a step ahead of a moving scroll; both stand with it.
TEST(StageNine, PicturesDriftAheadOfTheScrollAndTheGridTurnsAsOne) {
    auto d = entered(std::make_unique<StageNine>());
    StageNine& s = static_cast<StageNine&>(d->stage());
    int moving = 0, still = 0;
    bool turned = false;
    for (int step = 0; step < 1500; ++step) {
        const int top = s.top_row, bottom = s.bottom_row;
        d->steps_until([] { return false; }, 1);
        if (s.top_row < top || s.bottom_row < bottom) continue;  // came back from above
        EXPECT_EQ(s.top_row - top, scroll_speed == 0 ? 0 : scroll_speed + 2);
        EXPECT_EQ(s.bottom_row - bottom, scroll_speed == 0 ? 0 : scroll_speed + 1);
        (scroll_speed == 0 ? still : moving) += 1;
        bool edge = false;
        for (const EnemyOne& record : enemy_one_pool)
            edge = edge || (record.in_play && !record.dying && record.at_edge);
        if (!edge) continue;
        turned = true;
        for (const EnemyOne& record : enemy_one_pool)
            if (record.in_play && !record.dying) {
                EXPECT_EQ(record.state, Enemy::dropping);
            }
    }
    EXPECT_GT(moving, 0);
    EXPECT_GT(still, 0);
    EXPECT_TRUE(turned);
    save_page("stage_nine_grid.png");
}

std::vector<float> top_speeds(const Groups& groups) {
    std::vector<float> speeds;
    for (const Group& group : groups) for_each_record(group, [&](const Enemy& r) { speeds.push_back(r.max_speed); });
    return speeds;
}

// Once a phase is down to ten enemies, and while one is left: the whole kind-one grid, alive or
// not, gains 0.5 of speed, in phases 3 and 4 the sweeping formation too, never kind two, the
// trains or the trio; once a phase, so a count left above 0 holds it off.
TEST(StageNine, HurriesTheLastTenOfAPhaseOnce) {
    const Group grid{PoolKind::one, 0, 35}, threes{PoolKind::three, 0, 9}, fours{PoolKind::four, 0, 9};
    const Groups others{{PoolKind::two, 0, 7}, {PoolKind::five, 0, 4}, {PoolKind::six, 0, 4},
                        {PoolKind::seven, 0, 4}, {PoolKind::eight, 0, 4}, {PoolKind::ten, 0, 2}};
    const struct {
        int phase, count_before, enemies;
        Groups hurried, not_hurried;
    } rows[] = {
        {1, 0, 10, {grid}, {threes, fours}}, {1, 0, 11, {}, {grid}},   {1, 1, 10, {}, {grid}},
        {1, 0, 0, {}, {grid}},               {2, 0, 10, {grid}, {threes, fours}},
        {3, 0, 5, {grid, threes}, {fours}},  {4, 0, 1, {grid, fours}, {threes}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "phase " << row.phase << ", " << row.enemies << " left");
        stage_world::prepare(1);
        Driver d(std::make_unique<StageNine>());
        StageRunner& s = d.stage();
        d.pass(32);
        s.wave_phase = row.phase;
        wave_hurry = row.count_before;
        enemy_count = row.enemies;
        Groups still = others;
        still.insert(still.end(), row.not_hurried.begin(), row.not_hurried.end());
        for (int step = 0; step < 2; ++step) {
            const std::vector<float> hurried = top_speeds(row.hurried), kept = top_speeds(still);
            d.steps_until([] { return false; }, 1);
            const std::vector<float> hurried_now = top_speeds(row.hurried);
            for (std::size_t k = 0; k < hurried.size(); ++k)
                EXPECT_FLOAT_EQ(hurried_now[k], hurried[k] + (step == 0 ? 0.5f : 0.0f)) << "once";
            EXPECT_EQ(top_speeds(still), kept);
        }
        EXPECT_EQ(wave_hurry, row.count_before + (row.hurried.empty() ? 0 : 1));
    }
}

// Four rows of nine, 64 px apart from x 10: below mark 5 at set-up, and below the next phase's
// mark when a phase ends.
TEST(StageNine, GridStandsInFourRowsOfNine) {
    stage_world::prepare(1);
    Driver d(std::make_unique<StageNine>());
    StageRunner& s = d.stage();
    auto expect_grid = [](int first_row) {
        for (int i = 0; i < 36; ++i) {
            EXPECT_EQ(enemy_one_pool[i].x, 10.0f + 64.0f * static_cast<float>(i % 9)) << i;
            EXPECT_EQ(enemy_one_pool[i].y, static_cast<float>(first_row + 64 * (i / 9))) << i;
        }
    };
    expect_grid(-1440 + 135);
    d.skip_title();
    ASSERT_TRUE(d.steps_until([&] { return s.wave_phase == 1; }));
    enemy_count = 0;
    d.steps_until([] { return false; }, 1);
    ASSERT_FALSE(s.spawning);
    // Phase 2's mark started 1920 px above phase 1's; the marks have moved on since, the
    // records waiting for the next step to ride with them.
    expect_grid(s.marks[s.data.phases[0].mark] - scroll_speed - 1920 + 10);
}

// A new forest at random each time a ground row comes back to the top.
TEST(StageSeven, MarksWaitForTheForestAndEachWrapPicksAForest) {
    auto d = entered(std::make_unique<StageSeven>());
    StageSeven& s = static_cast<StageSeven&>(d->stage());
    const std::vector<int> start = s.marks;
    ASSERT_TRUE(d->steps_until([&] { return s.marks != start; }));
    EXPECT_EQ(s.ground_alpha, 255) << "no mark moves before the forest is fully in";
    int wraps = 0;
    bool changed = false;
    for (int step = 0; step < 2000 && wraps < 12; ++step) {
        const std::array<int, 2> rows = s.ground_y, picks = s.ground_pick;
        d->steps_until([] { return false; }, 1);
        for (int i = 0; i < 2; ++i)
            if (s.ground_y[i] < rows[i]) {
                wraps += 1;
                changed = changed || s.ground_pick[i] != picks[i];
            }
        for (int pick : s.ground_pick) EXPECT_TRUE(pick >= 0 && pick <= 2);
    }
    EXPECT_GE(wraps, 2);
    EXPECT_TRUE(changed);
}

struct Strengths {
    int boss, two, three, five, ten;
    float two_speed;
};

template <class Stage, class Boss>
Strengths strengths_at(int level) {
    stage_world::prepare(1);
    difficulty = level;
    Driver d(std::make_unique<Stage>());
    difficulty = 1;
    return {static_cast<BossAdapter<Boss>&>(*d.stage().boss).boss.hit_points, enemy_two_pool[0].hit_points,
            enemy_three_pool[0].hit_points, enemy_five_pool[0].hit_points, enemy_ten_pool[0].hit_points,
            enemy_two_pool[0].max_speed};
}

// An EASY entry, then an EXTRA HARD one: the pools' records keep their hit points from entry to
// entry, so the second adds its whole bonus on top (+7 kind two, +4 kind three, the trains and
// the trio); a reset brings the top speed back, so kind two is 0.4 faster; the boss is new, +350.
template <class Stage, class Boss>
void expect_bonuses(bool trio) {
    const Strengths easy = strengths_at<Stage, Boss>(1), extra_hard = strengths_at<Stage, Boss>(4);
    EXPECT_EQ(extra_hard.boss - easy.boss, 350);
    EXPECT_EQ(extra_hard.two - easy.two, 7);
    EXPECT_NEAR(extra_hard.two_speed - easy.two_speed, 0.4f, 1e-4f);
    EXPECT_EQ(extra_hard.three - easy.three, 4);
    EXPECT_EQ(extra_hard.five - easy.five, 4);
    if (trio) {
        EXPECT_EQ(extra_hard.ten - easy.ten, 4);
    }
}

TEST(FormationStages, DifficultyBonusesAddUp) {
    expect_bonuses<StageSix, Boss6>(false);
    expect_bonuses<StageEight, Boss8>(true);
    expect_bonuses<StageNine, Boss9>(true);
}

}  // namespace
