// The frame every stage shares, seen through stage 1: "Continue?", the pause panel, quitting and
// the formation's lock-step.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iterator>

#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stage_world.h"
#include "stages/challenge_stage.h"
#include "stages/stage_five.h"
#include "stages/stage_four.h"
#include "stages/stage_three.h"
#include "stages/stage_two.h"

namespace {

using stage_world::Driver;

// Play under way, the scroll started.
std::unique_ptr<Driver> playing(int character = 1) {
    stage_world::prepare(character);
    auto d = std::make_unique<Driver>(std::make_unique<StageOne>());
    d->skip_title();
    return d;
}

// The ship lost without the $500 for a new one.
void lose_ship(Driver& d) {
    player.money = 100;
    player.blinking = false;
    player.hit();
    ASSERT_TRUE(d.steps_until([&] { return d.stage().continue_shown; }));
}

void click_at(Driver& d, int x, int y) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = 1;
    d.pass();
    mouse_b = 0;
}

enum class Answer { s_key, yes_click, no_click, countdown };

struct ContinueCase {
    const char* name;
    Answer answer;
    bool in_fight;
    bool goes_on;
};

class ContinuePrompt : public ::testing::TestWithParam<ContinueCase> {};

TEST_P(ContinuePrompt, AnswersByKeyClickOrCountdown) {
    const ContinueCase c = GetParam();
    auto d = playing();
    StageRunner& s = d->stage();
    s.boss_fight = c.in_fight;
    lose_ship(*d);
    EXPECT_EQ(stage_world::music(), tune_continue.sound);
    d->pass();
    EXPECT_STREQ(s.continue_text, "10");
    if (c.answer == Answer::s_key) d->press(KEY_S);
    if (c.answer == Answer::yes_click) click_at(*d, 201, 391);
    if (c.answer == Answer::no_click) click_at(*d, 361, 391);
    if (c.answer == Answer::countdown) {
        // Paused steps do not count; then 61 a count, from 10 down.
        paused = true;
        d->steps_until([] { return false; }, 100);
        EXPECT_STREQ(s.continue_text, "10");
        paused = false;
        d->steps_until([] { return false; }, 59);
        EXPECT_STREQ(s.continue_text, "10");
        d->steps_until([] { return false; }, 1);
        EXPECT_STREQ(s.continue_text, "9");
        d->steps_until([] { return false; }, 548);
        EXPECT_TRUE(s.continue_shown);
        d->steps_until([] { return false; }, 1);
    }
    EXPECT_FALSE(s.continue_shown);
    if (!c.goes_on) {
        EXPECT_EQ(return_to_menu, 1);
        ASSERT_TRUE(d->steps_until([&] { return !s.running; }));
        EXPECT_EQ(s.finish().screen, Screen::main_menu);
        return;
    }
    EXPECT_EQ(player.money, 1500);
    EXPECT_TRUE(player.alive);
    EXPECT_EQ(stage_world::music(), c.in_fight ? tune_boss.sound : tune_stage1.sound);
    EXPECT_FALSE(s.fading_out);
    lose_ship(*d);
    EXPECT_EQ(s.death_count, 1) << "a second death raises it again";
}

INSTANTIATE_TEST_SUITE_P(Answers, ContinuePrompt,
                         ::testing::Values(ContinueCase{"SKey", Answer::s_key, false, true},
                                           ContinueCase{"SKeyInTheFight", Answer::s_key, true, true},
                                           ContinueCase{"YesInTheFight", Answer::yes_click, true, true},
                                           ContinueCase{"Yes", Answer::yes_click, false, true},
                                           ContinueCase{"No", Answer::no_click, false, false},
                                           ContinueCase{"Countdown", Answer::countdown, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContinuePrompt, IsDrawnWithItsButtonsOverThePlay) {
    auto d = playing();
    lose_ship(*d);
    mouse_x = 210;
    mouse_y = 400;
    d->pass(3);
    stage_world::save_page("stage_one_continue.png");
    // The lit YES box shows round the hovered button.
    EXPECT_NE(getpixel(stage_world::page(), 201, 391), getpixel(stage_world::page(), 361, 391));
}


class PausePanel : public ::testing::TestWithParam<int> {};

TEST_P(PausePanel, SlidesInDucksTheMusicHoldsTheBlasterAndAnswersItsButtons) {
    auto d = playing();
    StageRunner& s = d->stage();
    Boss1& boss = d->boss1();
    play_on_free_channel(boss.blaster_sound, boss.channel);
    key[GetParam()] = 1;
    d->pass();
    key[GetParam()] = 0;
    EXPECT_TRUE(paused);
    const int h = paused_platform->h;
    d->pass();
    EXPECT_FLOAT_EQ(s.pause_y, static_cast<float>(-h + 15));
    FMOD_BOOL held = false;
    FMOD_Channel_GetPaused(boss.channel, &held);
    EXPECT_TRUE(held);
    d->pass(40);
    EXPECT_FLOAT_EQ(s.pause_y, static_cast<float>(s.pause_rest_y));
    EXPECT_FLOAT_EQ(tune_stage1.volume, 0.2f);
    const int row = s.marks[0];
    EXPECT_EQ(s.marks[0], row) << "play holds";

    // A dialogue goes on under the panel.
    s.dialog_active = true;
    s.boss_turn = true;
    d->pass();
    EXPECT_FLOAT_EQ(s.boss_pane_x, 620.0f);
    s.dialog_active = s.boss_turn = false;
    d->pass();

    const int px = s.pause_x, py = static_cast<int>(s.pause_y);
    click_at(*d, px + 41, py + 178);
    EXPECT_TRUE(player.one_shot_selected);
    click_at(*d, px + 176, py + 178);
    EXPECT_TRUE(player.three_shot_selected);
    EXPECT_FALSE(player.one_shot_selected);
    mouse_x = px + 30;
    mouse_y = py + 412;
    d->pass();
    stage_world::save_page("stage_one_pause.png");
    click_at(*d, px + 30, py + 412);
    EXPECT_FALSE(paused) << "Go Back";
    d->pass(40);
    FMOD_Channel_GetPaused(boss.channel, &held);
    EXPECT_FALSE(held);
    EXPECT_FLOAT_EQ(tune_stage1.volume, 1.0f);

    paused = true;
    d->pass(40);
    click_at(*d, px + paused_platform->w - 30, py + 412);
    EXPECT_EQ(return_to_menu, 1);
    EXPECT_FALSE(paused);
    ASSERT_TRUE(d->steps_until([&] { return !s.running; }));
    EXPECT_EQ(s.finish().screen, Screen::main_menu);
}

INSTANTIATE_TEST_SUITE_P(Keys, PausePanel, ::testing::Values(KEY_P, KEY_ESC));

TEST(PausePanel, ExitBeforeTheFadeInEndsOnlyMarksTheWayToTheMenu) {
    stage_world::prepare();
    Driver d(std::make_unique<StageOne>());
    paused = true;
    d.pass(10);
    StageRunner& s = d.stage();
    // The click's pass slides the panel on first.
    click_at(d, s.pause_x + paused_platform->w - 30, static_cast<int>(s.pause_y) + 15 + 412);
    EXPECT_EQ(return_to_menu, 1);
    EXPECT_FALSE(s.fading_out);
    d.pass(30);
    EXPECT_TRUE(s.faded_in);
    EXPECT_TRUE(s.running);
}

TEST(Formation, TurnsTogetherWhenOneRecordReachesAnEdge) {
    auto d = playing();
    StageRunner& s = d->stage();
    ASSERT_TRUE(d->steps_until([&] { return s.wave_phase == 1; }));
    d->steps_until([] { return false; }, 5);
    for (int k = 0; k < 4; ++k) enemy_two_pool[k].state = Enemy::sweeping_right;
    enemy_one_pool[4].state = Enemy::sweeping_left;
    enemy_one_pool[4].x = -20.0f;
    enemy_one_pool[9].dying = true;
    enemy_one_pool[9].state = Enemy::sweeping_left;
    enemy_three_pool[0].state = Enemy::sweeping_left;
    d->steps_until([] { return false; }, 1);
    for (int k = 0; k < 27; ++k) EXPECT_EQ(enemy_one_pool[k].state == Enemy::dropping, k != 9) << k;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(enemy_two_pool[k].state, Enemy::dropping) << "the bigger kinds turn too";
    EXPECT_EQ(enemy_one_pool[9].state, Enemy::sweeping_left) << "a dying record is left alone";
    EXPECT_EQ(enemy_three_pool[0].state, Enemy::sweeping_left) << "records not yet in play are left alone";
}

}  // namespace

namespace {

long resident_kb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

int open_files() { return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {})); }

// Under AddressSanitizer freed memory waits in quarantine, so resident memory says nothing there:
// its leak check at exit speaks instead, over fewer plays.
#ifdef __SANITIZE_ADDRESS__
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

TEST(StageEntries, LeaveMemoryAndOpenFilesFlat) {
    const std::function<std::unique_ptr<StageRunner>()> stages[] = {
        [] { return std::make_unique<StageOne>(); },   [] { return std::make_unique<StageTwo>(); },
        [] { return std::make_unique<StageThree>(); }, [] { return std::make_unique<StageFour>(); },
        [] { return std::make_unique<StageFive>(); },  [] { return std::make_unique<ChallengeStage>(3); },
    };
    const int plays = sanitized ? 10 : 30;
    for (std::size_t k = 0; k < std::size(stages); ++k) {
        SCOPED_TRACE(k);
        long rss_after_warm_up = 0;
        int files_after_warm_up = 0;
        for (int play = 1; play <= plays; ++play) {
            stage_world::prepare();
            {
                Driver d(stages[k]());
                d.pass(40);
                d.stage().finish();
            }
            if (play == 5) {
                rss_after_warm_up = resident_kb();
                files_after_warm_up = open_files();
            }
        }
        if (!sanitized) {
            EXPECT_LT(resident_kb() - rss_after_warm_up, 2048) << "kB grown over 25 plays";
        }
        EXPECT_EQ(open_files(), files_after_warm_up);
    }
}

}  // namespace
