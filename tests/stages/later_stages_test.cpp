// Stages 2 to 9 played through the frame loop to their clear, for each pilot, with the random
// numbers they draw and the frames a player sees on the way.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "audio_testing.h"
#include "enemies/enemy_nine.h"
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
#include "stages/stage_three.h"
#include "stages/stage_two.h"
#include "support/shooting.h"

namespace {

using stage_world::Driver;
using stage_world::save_page;

// Through the adapter every stage keeps its boss in.
template <class Boss>
void beat_boss(StageRunner& s) {
    testing_support::beat(static_cast<BossAdapter<Boss>&>(*s.boss).boss);
}

// A number `random_range`(lo, hi) gave.
struct Draw {
    int lo, hi, value;
};
using Draws = std::vector<Draw>;

// The numbers rand() gives a new run of the game; asked for before the stage starts drawing.
const std::vector<int>& new_run_draws() {
    static const std::vector<int> run = [] {
        std::srand(1);
        std::vector<int> values(1000000);
        for (int& value : values) value = std::rand();
        return values;
    }();
    return run;
}

// Whether the draws were made one right after another, in this order, somewhere in the run.
bool drawn_in_turn(const Draws& draws) {
    const std::vector<int>& run = new_run_draws();
    const auto gave = [](int raw, const Draw& d) { return raw % (d.hi - d.lo + 1) + d.lo == d.value; };
    for (std::size_t start = 0; start + draws.size() <= run.size(); ++start) {
        std::size_t k = 0;
        while (k < draws.size() && gave(run[start + k], draws[k])) ++k;
        if (k == draws.size()) return true;
    }
    return false;
}

// What placing or resetting each record drew, record k of each group in turn: a train's column
// from 100 to 540 less its width, the seventh kind's side (1 from x 640).
void add_train_draws(Draws& draws, const Groups& groups) {
    for_each_in_step(groups, [&](auto& pool, int i) {
        using Kind = std::remove_reference_t<decltype(pool[0])>;
        const Kind& record = pool[i];
        if constexpr (std::is_same_v<Kind, EnemySeven>)
            draws.push_back({1, 2, record.x == 640.0f ? 1 : 2});
        else if constexpr (is_train_kind<Kind>)
            draws.push_back({100, 540 - record.w, static_cast<int>(record.x)});
    });
}

Draws train_draws(const Groups& groups) {
    Draws draws;
    add_train_draws(draws, groups);
    return draws;
}

void add_draws(Draws& draws, const ColorStar& star) {
    const int scale = star.scale == 1.0f ? 1 : star.scale == 1.4f ? 2 : 3;
    draws.insert(draws.end(), {{0, 639, star.x}, {0, 479, star.y}, {1, 3, scale}});
}

void add_draws(Draws& draws, const Star& star) {
    draws.insert(draws.end(), {{0, 639, star.x}, {0, 479, star.y}, {10, 25, star.hold_length}});
}

// A piece's picture, then its column and its row from `top` to `bottom`.
void add_piece_draws(Draws& draws, const Backdrop& piece, int kinds, int top, int bottom) {
    draws.insert(draws.end(), {{0, kinds - 1, piece.kind},
                               {-piece.picture->w, 640, static_cast<int>(piece.x)},
                               {top, bottom, static_cast<int>(piece.y)}});
}

// On or just off the screen.
void add_draws(Draws& draws, const Cloud& cloud) { add_piece_draws(draws, cloud, 4, -cloud.picture->h, 480); }

// On the screen.
void add_draws(Draws& draws, const Debris& piece) { add_piece_draws(draws, piece, 12, 0, 480 - piece.picture->h); }

// On the screen; a scaled rock then its speed class.
void add_draws(Draws& draws, const BackdropMeteor& rock) {
    add_piece_draws(draws, rock, 2, 0, 480 - rock.picture->h);
    if (rock.scaled == 1) draws.push_back({1, 3, rock.speed_class});
}

// The stars, each followed by the stage's record of the same index, as far as those go.
template <class Records>
void add_star_draws(Draws& draws, const std::array<ColorStar, 100>& stars, const Records& records) {
    for (std::size_t i = 0; i < stars.size(); ++i) {
        add_draws(draws, stars[i]);
        if (i < records.size()) add_draws(draws, records[i]);
    }
}

// The draws a stage makes, in the order it makes them, at its set-up (moment 0) or at the end of
// phase `moment`; each run of them is made without another draw in between.
using DrawsAt = std::vector<Draws> (*)(const StageRunner&, int moment);

std::vector<Draws> stage_three_draws(const StageRunner& runner, int moment) {
    const auto& s = static_cast<const StageThree&>(runner);
    if (moment == 0) {
        // Past the islands, whose spots may take several draws.
        Draws scenery;
        for (std::size_t i = s.islands.size(); i < s.stars.size(); ++i) {
            add_draws(scenery, s.color_stars[i]);
            add_draws(scenery, s.stars[i]);
            if (i < s.clouds.size()) add_draws(scenery, s.clouds[i]);
        }
        return {train_draws({fives, sixes, sevens, eights}), scenery};
    }
    if (moment == 3) return {train_draws({sevens, sixes, fives, eights})};
    if (moment < 3) return {train_draws({sevens, sixes, fives})};
    return {};
}

std::vector<Draws> stage_four_draws(const StageRunner& runner, int moment) {
    if (moment != 0) return {};
    const auto& s = static_cast<const StageFour&>(runner);
    Draws draws{{-4320, -3840, static_cast<int>(s.pick_up.y)}, {0, 595, static_cast<int>(s.pick_up.x)}};
    add_star_draws(draws, s.stars, s.debris);
    add_train_draws(draws, {fives, sixes, sevens, eights});
    return {draws};
}

// The first tank turn (1: the elevens') and the twelves' ways in (1: entries 2, 4, 5, 6).
Draw tank_turn(const StageFive& s) { return {1, 2, s.turn == StageFive::elevens_turn ? 1 : 2}; }
Draw twelve_entries() { return {1, 2, enemy_twelve_pool[0].entry == 2 ? 1 : 2}; }

std::vector<Draws> stage_five_draws(const StageRunner& runner, int moment) {
    const auto& s = static_cast<const StageFive&>(runner);
    if (moment == 0) {
        Draws draws{tank_turn(s)};
        add_train_draws(draws, {fives, sixes, sevens});
        draws.push_back(twelve_entries());
        return {draws};
    }
    if (moment == 4) return {};
    Draws draws = train_draws({sevens, sixes, fives});
    draws.push_back(twelve_entries());
    if (moment >= 2) draws.push_back(tank_turn(s));
    return {draws};
}

// The stars, each with its rock, then the trains.
template <class Stage>
std::vector<Draws> rock_field_draws(const StageRunner& runner, int moment) {
    if (moment != 0) return {};
    const auto& s = static_cast<const Stage&>(runner);
    Draws draws;
    add_star_draws(draws, s.stars, s.meteors);
    add_train_draws(draws, {fives, sixes, sevens, eights});
    return {draws};
}

std::vector<Draws> stage_seven_draws(const StageRunner&, int moment) {
    if (moment == 0) return {train_draws({fives, sixes, sevens, eights})};
    Draws draws = train_draws({sevens, sixes, fives});
    if (moment == 3) add_train_draws(draws, {eights});
    return moment < 4 ? std::vector<Draws>{draws} : std::vector<Draws>{};
}

struct StageCase {
    const char* name;
    std::function<std::unique_ptr<StageRunner>()> make;
    bool white_fade;
    std::array<int, 4> quotas;
    void (*beat)(StageRunner&);
    std::array<const char*, 2> first_lines;  // Adam's, Kim's
    std::array<int, 2> presses_before, presses_after;
    NextScreen next;
    Enemy* hurried = nullptr;  // sped up once in phase 2, or null in a stage without the hurry
    DrawsAt draws = nullptr;
    std::array<int, 5> counts_after_boss_mark = {};  // the trio's count is the last
    bool leaves_hurry_count = false;  // no phase end sets `wave_hurry` back to 0
};

void expect_drawn(const StageCase& c, const StageRunner& s, int moment) {
    if (!c.draws) return;
    for (const Draws& draws : c.draws(s, moment)) EXPECT_TRUE(drawn_in_turn(draws)) << "at " << moment;
}

// Once the panes are in, presses the advance key until the dialogue closes; returns the presses.
int talk_through(Driver& d) {
    while (d.stage().boss_pane_x > 0.0f) d.pass();
    int presses = 0;
    while (d.stage().dialog_active && presses < 30) {
        d.press(key_text_advance);
        presses += 1;
    }
    return presses;
}

const StageCase stage_cases[] = {
    {"two", [] { return std::make_unique<StageTwo>(); }, true, {40, 45, 50, 55}, beat_boss<Boss2>,
     {"How did you get this far? None of your kind's permitted here!! ", "What do YOU want??? "}, {12, 12},
     {10, 6}, {Screen::upgrade_store, {3}}, &enemy_three_pool[0]},
    {"three", [] { return std::make_unique<StageThree>(); }, false, {60, 75, 80, 100}, beat_boss<Boss3>,
     {"I am looking for my family. Do you know their whereabouts? ", "Are you the lady of the house? "}, {16, 19},
     {4, 7}, {Screen::challenge_stage, {3}}, nullptr, stage_three_draws},
    {"four", [] { return std::make_unique<StageFour>(); }, true, {64, 84, 110, 110}, beat_boss<Boss4>,
     {"What can I do for you, mate? ", "Good evening, Love. What can I help you with? "}, {13, 10}, {5, 5},
     {Screen::upgrade_store, {5}}, nullptr, stage_four_draws, {}, true},
    {"five", [] { return std::make_unique<StageFive>(); }, false, {60, 103, 95, 110}, beat_boss<Boss5>,
     {"Halt! I cannot allow you to venture any further. ",
      "Halt, ma'am. I am under strict orders not to allow you into this region. "},
     {5, 5}, {10, 8}, {Screen::challenge_stage, {5}}, nullptr, stage_five_draws},
    {"six", [] { return std::make_unique<StageSix>(); }, true, {64, 84, 110, 110}, beat_boss<Boss6>,
     {"I know why you have come, but your journey must end here. ",
      "Hello, madam. I mean no disrespect, but your journey ends here with me tonight. I know what you seek but I "
      "cannot let you pass. "},
     {9, 7}, {5, 4}, {Screen::upgrade_store, {7}}, nullptr, rock_field_draws<StageSix>, {}, true},
    {"seven", [] { return std::make_unique<StageSeven>(); }, false, {60, 90, 92, 115}, beat_boss<Boss7>,
     {"I don't know why Lord Art sent those fools to stop you, but I am not one of those fools. ",
      "So we meet again, my idiot apprentice... "},
     {7, 7}, {4, 2}, {Screen::challenge_stage, {7}}, nullptr, stage_seven_draws},
    {"eight", [] { return std::make_unique<StageEight>(); }, true, {76, 96, 125, 125}, beat_boss<Boss8>,
     {"You haven't given up yet, I see. He said you wouldn't, and I didn't believe him. Heh. Guess I owe him 5 "
      "bucks. No matter. I hoped that I would be the one to crush your dreams. ",
      "I always knew you'd come back. "},
     {7, 9}, {4, 4}, {Screen::upgrade_store, {9}}, nullptr, rock_field_draws<StageEight>, {0, 0, 0, 0, 4}, true},
    {"nine", [] { return std::make_unique<StageNine>(); }, true, {112, 132, 161, 161}, beat_boss<Boss9>,
     {"Hello, Adam.. ", "Hello, Kim. I've heard a lot about you and your exploits. "}, {11, 12}, {4, 5},
     {Screen::upgrade_store, {10}}, &enemy_one_pool[0], nullptr, {0, 0, 0, 0, 4}},
};

void PrintTo(const StageCase& c, std::ostream* os) { *os << "stage " << c.name; }

using testing_support::shoot_in_view;

class StageClear : public ::testing::TestWithParam<std::tuple<StageCase, int>> {};

TEST_P(StageClear, RunsFromTheFadeInThroughFourPhasesAndTheBossToTheNextScreen) {
    const auto& [c, character] = GetParam();
    new_run_draws();
    stage_world::prepare(character);
    Driver d(c.make());
    StageRunner& s = d.stage();
    expect_drawn(c, s, 0);
    player.money = 1000000;  // hits cost money but never the ship
    const std::string name = std::string("stage_") + c.name;

    d.pass(31);
    EXPECT_EQ(s.faded_in, !c.white_fade);
    d.pass();
    EXPECT_TRUE(s.faded_in);
    d.skip_title();

    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(d.steps_until([&] { return s.wave_phase == p; }));
        EXPECT_EQ(enemy_count, c.quotas[p - 1]);
        d.steps_until([] { return false; }, 90);
        const std::vector<int> marks = s.marks;
        d.pass(20);
        if (p == 2) save_page((name + "_mid_wave.png").c_str());
        EXPECT_EQ(s.marks, marks) << "the scroll waits for the quota";
        const float hurried_speed = c.hurried ? c.hurried->max_speed : 0.0f;
        float fastest = hurried_speed;  // before a re-arm at the phase's end slows it again
        const float two_speed = enemy_two_pool[4 * (p - 1)].max_speed;
        int most_hurries = 0;
        ASSERT_TRUE(d.steps_until([&] {
            shoot_in_view();
            most_hurries = std::max(most_hurries, wave_hurry);
            if (c.hurried) fastest = std::max(fastest, c.hurried->max_speed);
            return !s.spawning;
        }));
        expect_drawn(c, s, p);
        if (c.hurried && p == 2) {
            EXPECT_FLOAT_EQ(fastest, hurried_speed + 0.5f) << "hurried once";
        }
        EXPECT_FLOAT_EQ(enemy_two_pool[4 * (p - 1)].max_speed, two_speed) << "the second kind is never hurried";
        EXPECT_LE(most_hurries, 1) << "one hurry a phase";
        const WavePhase& phase = s.data.phases[p - 1];
        for (std::size_t j = 0; j < phase.trains.size(); ++j)
            EXPECT_EQ(s.launch_counts[j], phase.trains[j].cap) << "every relaunch the quota counts was made";
    }

    ASSERT_TRUE(d.steps_until([&] { return s.dialog_active; }));
    EXPECT_EQ(s.wave_phase, 5);
    EXPECT_EQ(s.launch_counts, c.counts_after_boss_mark);
    // The phases' marks at -1440, -3360, -5280 and -7200, the boss's at -10080.
    const int ahead_of_boss[4] = {8640, 6720, 4800, 2880};
    for (int p = 0; p < 4; ++p) EXPECT_EQ(s.marks[s.data.phases[p].mark] - s.marks[s.data.boss_mark], ahead_of_boss[p]);
    // Two copies of the small stars, 480 apart, tile the sky behind the fight.
    for (std::size_t k = 1; k < s.data.boss_mark_rows.size(); ++k)
        EXPECT_EQ(s.marks[s.data.boss_mark_rows[k - 1][0]] - s.marks[s.data.boss_mark_rows[k][0]], 480);
    d.pass(40);
    const char* first = s.boss_turn ? s.boss_text : s.pilot_text;
    EXPECT_STREQ(first, c.first_lines[character - 1]);
    EXPECT_EQ(talk_through(d), c.presses_before[character - 1]);
    EXPECT_TRUE(s.boss_fight);
    d.pass(60);
    save_page((name + "_boss.png").c_str());
    if (!s.data.fight_scroll) {
        EXPECT_EQ(scroll_speed, 0) << "the fight stands still";
        EXPECT_EQ(enemy_count, 1);
    }

    ASSERT_TRUE(d.steps_until([&] {
        c.beat(s);
        return s.dialog_active;
    }));
    EXPECT_EQ(talk_through(d), c.presses_after[character - 1]);
    if (s.data.white_fades && character == 1) {
        ASSERT_TRUE(d.steps_until([&] { return s.boss->alpha() < 128; }));
        d.pass();
        save_page((name + "_boss_death.png").c_str());
    }
    ASSERT_TRUE(d.steps_until([&] { return s.boss->dead(); }));
    ASSERT_TRUE(d.steps_until(
        [&] {
            audio_testing::advance(fmod_system, 250);
            return player.stage_cleared;
        },
        4000));
    ASSERT_TRUE(d.steps_until([&] { return !s.running; }));
    EXPECT_EQ(wave_hurry, 0) << "the next game's first phase may hurry";
    const NextScreen next = s.finish();
    EXPECT_EQ(next.screen, c.next.screen);
    EXPECT_EQ(next.args[0], c.next.args[0]);
}

INSTANTIATE_TEST_SUITE_P(Stages, StageClear,
                         ::testing::Combine(::testing::ValuesIn(stage_cases), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == 1 ? "_Adam" : "_Kim");
                         });

class PhaseEnd : public ::testing::TestWithParam<StageCase> {};

// A count left above 0 by an earlier stage, and the first phase's quota used up.
TEST_P(PhaseEnd, SetsTheHurryCountBackUnlessTheStageLeavesIt) {
    const StageCase& c = GetParam();
    stage_world::prepare();
    wave_hurry = 7;
    Driver d(c.make());
    StageRunner& s = d.stage();
    d.skip_title();
    ASSERT_TRUE(d.steps_until([&] { return s.wave_phase == 1; }));
    enemy_count = 0;
    d.steps_until([] { return false; }, 1);
    EXPECT_FALSE(s.spawning) << "the phase is over";
    EXPECT_EQ(wave_hurry, c.leaves_hurry_count ? 7 : 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, PhaseEnd, ::testing::ValuesIn(stage_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Play up to a stage's second phase, and `steps_in` steps into it.
std::unique_ptr<Driver> in_second_phase(std::unique_ptr<StageRunner> stage, int steps_in = 200) {
    stage_world::prepare();
    player.money = 1000000;
    auto d = std::make_unique<Driver>(std::move(stage));
    StageRunner& s = d->stage();
    d->skip_title();
    d->steps_until([&] {
        if (s.wave_phase == 1) shoot_in_view();
        return s.wave_phase == 2;
    });
    d->steps_until([] { return false; }, steps_in);
    return d;
}

TEST(Continue, AnAcceptedContinueResumesThePhaseWhereItWas) {
    auto d = in_second_phase(std::make_unique<StageThree>());
    StageRunner& s = d->stage();
    const std::vector<int> marks = s.marks;
    const int count = enemy_count;
    const auto launches = s.launch_counts;
    player.alive = false;
    d->pass();
    ASSERT_TRUE(s.continue_shown);
    d->press(KEY_S);
    EXPECT_FALSE(s.continue_shown);
    EXPECT_TRUE(player.alive);
    EXPECT_EQ(s.wave_phase, 2);
    EXPECT_EQ(s.marks, marks);
    EXPECT_EQ(enemy_count, count);
    EXPECT_EQ(s.launch_counts, launches);
}

TEST(StageFourPickUp, LiesHalfWayAndPaysOnce) {
    stage_world::prepare();
    Driver d(std::make_unique<StageFour>());
    PowerUp& pick_up = static_cast<StageFour&>(d.stage()).pick_up;
    EXPECT_GE(pick_up.y, -4320.0f);
    EXPECT_LE(pick_up.y, -3840.0f);
    d.skip_title();
    // One step each, so that no enemy shot costs money in between.
    for (int visit = 0; visit < 2; ++visit) {
        const int money = player.money;
        pick_up.x = player.x;
        pick_up.y = player.y;
        d.steps_until([] { return false; }, 1);
        EXPECT_EQ(player.money, money + (visit == 0 ? 20000 : 0)) << "paid once";
    }
}

TEST(StageFiveTanks, TheWaitingPoolStandsUntilTheMovingOneIsGone) {
    // At the phase's start, long before the moving pool can be gone.
    auto d = in_second_phase(std::make_unique<StageFive>(), 1);
    auto& s = static_cast<StageFive&>(d->stage());
    EXPECT_EQ(player.gun_level, 4);
    const bool twelves_move = s.turn == StageFive::twelves_turn;
    Enemy& waiting = twelves_move ? static_cast<Enemy&>(enemy_eleven_pool[0]) : enemy_twelve_pool[0];
    const float x = waiting.x, y = waiting.y;
    waiting.damage = waiting.hit_points + 1;
    d->steps_until([] { return false; }, 30);
    EXPECT_EQ(waiting.x, x);
    EXPECT_EQ(waiting.y, y);
    EXPECT_TRUE(waiting.alive) << "no hits while it waits";
    const Group moving = twelves_move ? Group{PoolKind::twelve, 0, 3} : Group{PoolKind::eleven, 0, 2};
    ASSERT_TRUE(d->steps_until([&] {
        d->kill_in_play({moving});
        return s.turn != (twelves_move ? StageFive::twelves_turn : StageFive::elevens_turn);
    }));
    d->steps_until([] { return false; }, 30);
    EXPECT_FALSE(waiting.alive) << "its turn come, the hit it took counts";
}

}  // namespace
