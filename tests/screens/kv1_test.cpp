// The KV1 episode from its menu to the chooser: formations, clears, lost lives, the pause box,
// "CONTINUE???", and the screens around the stages, each read by the next screen it returns.
#include <string>
#include <vector>

#include "enemies/pools.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "player/kv1player.h"
#include "screen_passes.h"
#include "screens/kv1_ending.h"
#include "screens/kv1_menu.h"
#include "stages/kv1_stage.h"

namespace {

using screen_testing::point;

bool same(const NextScreen& a, const NextScreen& b) { return a.screen == b.screen && a.args == b.args; }

NextScreen stage_call(int stage, int fresh, int four = -1, int one = -1, int three = -1, int two = -1) {
    return {Screen::kv1_stage, {stage, fresh, four, one, three, two}};
}

// f(record) for every record the stage uses, as an Enemy; the circling four last, if asked.
template <class F>
void each_record(const Kv1Stage& stage, F&& f, bool circling = true) {
    for (int i = 0; i < stage.count(kv1_four); ++i) f(static_cast<Enemy&>(kv1_enemy_four_pool[i]));
    for (int i = 0; i < stage.count(kv1_one); ++i) f(static_cast<Enemy&>(kv1_enemy_one_pool[i]));
    for (int i = 0; i < stage.count(kv1_three); ++i) f(static_cast<Enemy&>(kv1_enemy_three_pool[i]));
    if (circling)
        for (int i = 0; i < stage.count(kv1_two); ++i) f(static_cast<Enemy&>(kv1_enemy_two_pool[i]));
}

void kill(Enemy& record) { record.damage = record.hit_points + 1; }

void renew_kv1_pools() {
    for (auto& r : kv1_enemy_four_pool) r.reset();
    for (auto& r : kv1_enemy_one_pool) r.reset();
    for (auto& r : kv1_enemy_three_pool) r.reset();
    for (auto& r : kv1_enemy_two_pool) r.reset();
}

class Kv1Passes : public screen_testing::ScreenPasses {
protected:
    void SetUp() override {
        ScreenPasses::SetUp();
        kv1_player.load();
        renew_kv1_pools();
        paused = false;
        wave_hurry = 0;
        current_stage = 1;
    }

    template <class Visit>
    void steps(Visit& visit, int n) {
        for (int i = 0; i < n && visit.running(); ++i) visit.step();
    }
    void until_ready(Kv1Stage& stage) {
        while (!(stage.ready() && stage.level() == 254)) stage.step();
    }
    template <class Visit>
    NextScreen to_end(Visit& visit, int limit = 5000) {
        steps(visit, limit);
        EXPECT_FALSE(visit.running());
        return visit.leave();
    }
};

TEST(Kv1Formations, TablesPlaceTheirCountsAndTiersGrowWithTheStage) {
    const struct {
        Kv1Kind kind;
        int n, count;
        Slot last;
    } cases[] = {
        {kv1_four, 1, 18, {330, 154}},  {kv1_four, 2, 14, {410, 154}},  {kv1_four, 3, 28, {210, 274}},
        {kv1_four, 4, 16, {210, 234}},  {kv1_four, 5, 14, {210, 314}},  {kv1_one, 1, 18, {522, 138}},
        {kv1_one, 2, 18, {522, 202}},   {kv1_one, 3, 22, {522, 202}},   {kv1_three, 1, 7, {394, 158}},
        {kv1_three, 2, 5, {394, 158}},  {kv1_three, 3, 7, {394, 158}},  {kv1_three, 4, 10, {330, 158}},
        {kv1_three, 5, 16, {330, 222}}, {kv1_two, 1, 4, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " formation " << c.n);
        const Slots& slots = formation_slots(c.kind, c.n);
        ASSERT_EQ(static_cast<int>(slots.size()), c.count);
        EXPECT_EQ(slots.back().x, c.last.x);
        EXPECT_EQ(slots.back().y, c.last.y);
    }
    const int tiers[][2] = {{4, 2}, {29, 2}, {30, 3}, {49, 3}, {50, 4}, {69, 4}, {70, 5}, {99, 5}};
    for (const auto& t : tiers) EXPECT_EQ(formation_tier(t[0]), t[1]) << "stage " << t[0];
}

TEST_F(Kv1Passes, EveryStageKilledToTheClearLeadsOn) {
    const struct {
        int stage;
        NextScreen next;
        int gun_level;
    } cases[] = {
        {1, stage_call(2, 1), 1},
        {2, stage_call(3, 1), 2},
        {3, {Screen::kv1_ending}, 3},
        {50, stage_call(51, 1), 1},
        {99, {Screen::what_to_do}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "stage " << c.stage);
        kv1_player.load();
        srand(7);
        Kv1Stage stage(stage_call(c.stage, 1).args);
        EXPECT_EQ(kv1_player.gun_level, c.gun_level);
        until_ready(stage);
        each_record(stage, kill);
        EXPECT_TRUE(same(to_end(stage), c.next));
        EXPECT_EQ(current_stage, c.next.screen == Screen::kv1_stage ? c.stage + 1 : c.stage);
    }
}

TEST_F(Kv1Passes, RandomStagesDrawInOrderAndAnEmptyDrawClearsAtOnce) {
    srand(11);
    const int four = random_range(0, 2), one = random_range(0, 3), three = random_range(0, 2),
              two = random_range(0, 1);
    srand(11);
    Kv1Stage drawn(stage_call(4, 1).args);
    EXPECT_EQ(drawn.formations(), (Kv1Formations{four, one, three, two}));

    Kv1Stage empty(stage_call(4, 0, 0, 0, 0, 0).args);
    EXPECT_EQ(enemy_count, 0);
    until_ready(empty);
    steps(empty, 99);  // the step that brought full brightness played too: the 101st flies off
    EXPECT_NE(kv1_player.state, Kv1Player::flying_off);
    steps(empty, 1);
    EXPECT_EQ(kv1_player.state, Kv1Player::flying_off);
}

TEST_F(Kv1Passes, BlocksTurnTogetherAtTheEdge) {
    const struct {
        int stage;
        Enemy& dying;
    } cases[] = {{1, kv1_enemy_four_pool[8]}, {2, kv1_enemy_one_pool[8]}, {3, kv1_enemy_three_pool[8]}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "stage " << c.stage);
        Kv1Stage stage(stage_call(c.stage, 1).args);
        until_ready(stage);
        kill(c.dying);
        bool turned = false;
        for (int s = 0; s < 3000 && !turned; ++s) {
            kv1_player.hit_count = 0;  // no stray shot ends the march
            stage.step();
            each_record(stage, [&](Enemy& r) { turned = turned || r.state == Enemy::dropping; }, false);
        }
        ASSERT_TRUE(turned);
        each_record(stage, [&](Enemy& r) {
            if (!r.dying) {
                EXPECT_EQ(r.state, Enemy::dropping);
            }
        }, false);
        EXPECT_NE(c.dying.state, Enemy::dropping);
    }
}

TEST_F(Kv1Passes, TheHurryComesOnceAtTenLeft) {
    Kv1Stage stage(stage_call(1, 1).args);
    until_ready(stage);
    for (int i = 10; i < 54; ++i) kill(kv1_enemy_four_pool[i]);
    const float before = kv1_enemy_four_pool[0].max_speed;
    steps(stage, 40);
    EXPECT_EQ(enemy_count, 10);
    EXPECT_EQ(wave_hurry, 1);
    EXPECT_NEAR(kv1_enemy_four_pool[0].max_speed - before, 0.5f, 0.11f);  // a turn may add 0.1
    kill(kv1_enemy_four_pool[0]);
    const float later = kv1_enemy_four_pool[1].max_speed;
    steps(stage, 40);
    EXPECT_EQ(wave_hurry, 1);
    EXPECT_LT(kv1_enemy_four_pool[1].max_speed - later, 0.5f);
}

TEST_F(Kv1Passes, ALostLifeRestartsTheStageWithItsSurvivors) {
    const struct {
        int stage;
        int formations[4];
        Enemy& killed;
        Enemy& exploding;
        int survivors;  // the exploding record counted on random stages only, placed again on fixed ones
    } cases[] = {
        {1, {-1, -1, -1, -1}, kv1_enemy_four_pool[3], kv1_enemy_four_pool[4], 53},
        {20, {1, 1, 0, 1}, kv1_enemy_four_pool[3], kv1_enemy_one_pool[4], 18 + 18 + 4 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "stage " << c.stage);
        kv1_player.load();
        const auto& f = c.formations;
        // A restart of a random stage keeps the formations it is given.
        Kv1Stage stage(stage_call(c.stage, c.stage >= 4 ? 0 : 1, f[0], f[1], f[2], f[3]).args);
        until_ready(stage);
        kill(c.killed);
        steps(stage, 60);
        ASSERT_FALSE(c.killed.in_play);
        kv1_player.hit();
        const NextScreen next = to_end(stage);
        EXPECT_TRUE(same(next, stage_call(c.stage, 0, f[0], f[1], f[2], f[3])));
        c.exploding.dying = true;  // still exploding as the stage restarts
        const int money = kv1_player.money;
        Kv1Stage again(next.args);
        EXPECT_EQ(enemy_count, c.survivors);
        EXPECT_FALSE(c.killed.in_play);
        EXPECT_EQ(kv1_player.money, money - 500);
        EXPECT_TRUE(kv1_player.blinking);
        EXPECT_EQ(kv1_player.lives, 2);
    }
}

TEST_F(Kv1Passes, TheLastLifeAsksToContinue) {
    Kv1Stage stage(stage_call(2, 1).args);
    until_ready(stage);
    kv1_player.lives = 1;
    kv1_player.hit();
    EXPECT_TRUE(same(to_end(stage), {Screen::kv1_continue}));
}

TEST_F(Kv1Passes, PauseFreezesPlayDucksTheMusicAndItsItemsLeadOn) {
    tune_kv1_bgm.play_music();
    const struct {
        int item_y;
        bool running;
    } cases[] = {{245, true}, {275, false}};
    for (const auto& c : cases) {
        paused = false;
        tune_stage1.set_volume(1.0f);
        Kv1Stage stage(stage_call(1, 1).args);
        until_ready(stage);
        key[KEY_P] = 1;
        stage.step();
        key[KEY_P] = 0;
        const float x = kv1_enemy_four_pool[0].x;
        steps(stage, 30);
        EXPECT_EQ(kv1_enemy_four_pool[0].x, x);
        EXPECT_NEAR(tune_stage1.volume, 0.2f, 0.01f);
        point(280, c.item_y, true);
        pass(stage);
        point(0, 0, false);
        if (c.running) {
            save("kv1_paused.png");
            EXPECT_FALSE(paused);
            steps(stage, 30);
            EXPECT_NE(kv1_enemy_four_pool[0].x, x);
        } else {
            EXPECT_TRUE(same(to_end(stage), {Screen::kv1_menu}));
        }
    }
}

TEST_F(Kv1Passes, ContinueCountsDownToNoOrTakesYes) {
    current_stage = 5;
    {
        Kv1Continue prompt;
        steps(prompt, 60);
        EXPECT_EQ(prompt.countdown(), 10);
        steps(prompt, 1);
        EXPECT_EQ(prompt.countdown(), 9);
        steps(prompt, 610 - 61 - 1);
        EXPECT_FALSE(prompt.fade().fading_out());
        steps(prompt, 1);
        EXPECT_EQ(prompt.fade().choice(), Kv1Continue::no);
        EXPECT_TRUE(same(to_end(prompt), {Screen::kv1_menu}));
    }
    Kv1Continue prompt;
    kv1_player.lives = 0;
    kv1_player.money = -200;
    point(210, 400, true);
    pass(prompt);
    point(0, 0, false);
    EXPECT_EQ(prompt.fade().choice(), Kv1Continue::yes);
    EXPECT_TRUE(same(to_end(prompt), stage_call(5, 1)));
    EXPECT_EQ(kv1_player.lives, 3);
    EXPECT_EQ(kv1_player.money, 1500);
}

TEST_F(Kv1Passes, MenuRestoresTheBindingsAndLeadsOn) {
    const struct {
        int y;
        Screen next;
        float tune_volume;  // only EXIT silences the music
    } cases[] = {{305, Screen::kv1_mission, 1.0f}, {335, Screen::kv1_controls, 1.0f}, {365, Screen::series_menu, 0.0f}};
    for (const auto& c : cases) {
        tune_kv_main.set_volume(1.0f);
        key_left = KEY_A;
        key_text_advance = KEY_ENTER;
        Kv1Menu menu;
        EXPECT_EQ(key_left, KEY_LEFT);
        EXPECT_EQ(key_text_advance, KEY_SPACE);
        point(280, c.y, true);
        pass(menu);
        EXPECT_TRUE(same(to_end(menu), {c.next}));
        EXPECT_EQ(tune_kv_main.volume, c.tune_volume);
    }
}

TEST_F(Kv1Passes, MissionTakesTheAdvanceKeyFromItsFirstStepAndStartsStageOne) {
    Kv1Mission mission;
    kv1_player.lives = 1;
    key[key_text_advance] = 1;
    pass(mission);
    EXPECT_TRUE(mission.fade().fading_out());
    EXPECT_TRUE(same(to_end(mission), stage_call(1, 1)));
    EXPECT_EQ(kv1_player.lives, 3);
}

TEST_F(Kv1Passes, EndingHoldsRollsAndStopsTheEndLine) {
    const struct {
        bool hurried;
        int hold_steps;
    } cases[] = {{false, 250}, {true, 126}};  // the key doubles the count from the second step
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hurried ? "advance key held" : "no key");
        key[key_text_advance] = c.hurried;
        Kv1Ending ending;
        ending.step();  // the increment follows the key from the next step
        steps(ending, c.hold_steps - 2);
        EXPECT_LT(ending.hold(), Kv1Ending::hold_steps);
        steps(ending, 1);
        EXPECT_EQ(ending.hold(), Kv1Ending::hold_steps);
        key[KEY_ESC] = 1;
        steps(ending, 62);
        EXPECT_FALSE(ending.fade().fading_out());  // Esc waits for the words to fade
        key[KEY_ESC] = 0;
        steps(ending, 5000);
        EXPECT_EQ(ending.end_y(), ending.end_stop());
        key[KEY_ESC] = 1;
        EXPECT_TRUE(same(to_end(ending), {Screen::what_to_do}));
        key[KEY_ESC] = 0;
    }
}

TEST_F(Kv1Passes, ChooserDropsKeepPlayingAfterTheLastStage) {
    const struct {
        int stage;
        NextScreen next;
    } cases[] = {{3, stage_call(4, 1)}, {99, {Screen::none}}};
    for (const auto& c : cases) {
        current_stage = c.stage;
        WhatToDo chooser;
        point(280, 205, true);
        pass(chooser);
        EXPECT_EQ(chooser.fade().fading_out(), c.next.screen != Screen::none);
        if (c.next.screen != Screen::none) {
            EXPECT_TRUE(same(to_end(chooser), c.next));
        }
    }
}

// A text drawn at (x, y) in the font, or with its middle on x.
struct Drawn {
    const char* font;
    int x, y;
    const char* text;
    bool centred = false;
};

void expect_drawn(const screen_testing::TextLog& log, const std::vector<Drawn>& texts) {
    for (const Drawn& d : texts)
        EXPECT_TRUE(d.centred ? log.drew_centred(d.font, d.x, d.y, d.text) : log.drew(d.font, d.x, d.y, d.text))
            << d.font << " (" << d.x << ", " << d.y << ") \"" << d.text << "\"";
}

// Differing pixels between the picture, its mask colour left out, and the frame at (x, y).
int differs_from(BITMAP* frame, BITMAP* picture, int x, int y) {
    int count = 0;
    for (int py = 0; py < picture->h; ++py)
        for (int px = 0; px < picture->w; ++px) {
            const int pixel = getpixel(picture, px, py);
            count += pixel != bitmap_mask_color(picture) && pixel != getpixel(frame, x + px, y + py);
        }
    return count;
}

TEST_F(Kv1Passes, MenuMissionAndChooserShowTheirWordsInPlace) {
    const int prompt_y = 475 - text_height(font5);
    {
        screen_testing::TextLog log;
        Kv1Menu menu;
        pass(menu);
        expect_drawn(log, {{"font6", 265, 300, "START"}, {"font6", 265, 330, "OPTIONS"}, {"font6", 265, 360, "EXIT"}});
    }
    {
        screen_testing::TextLog log;
        current_stage = 3;
        WhatToDo chooser;
        pass(chooser);
        expect_drawn(log, {{"font8", 320, 10, "WHAT TO DO, WHAT TO DO...", true},
                           {"font6", 265, 200, "KEEP PLAYING KV1"},
                           {"font6", 265, 230, "GO TO KV2"},
                           {"font6", 265, 260, "EXIT GAME"}});
    }
    screen_testing::TextLog log;
    Kv1Mission mission;
    pass(mission);
    expect_drawn(log, {{"font5", 10, prompt_y, "Press 'space' to continue..."},
                       {"font6", 320, 25, "YOUR MISSION: DESTORY OR BE DESTROYED!!", true},
                       {"font9", 50, 300, "Enemies:"}});
    std::string story;
    for (const std::string& line : log.texts("font9"))
        if (line != "Enemies:") story += line + " ";
    EXPECT_EQ(story.rfind("Your name is Adam and you're a ", 0), 0u) << story;
    EXPECT_EQ(story.substr(story.size() - 12), "Good luck!! ") << story;
    // The four enemies at y 277, 64 px apart from the end of "Enemies: ".
    BITMAP* enemies[] = {load_png_ex("gfx/kv1/enemies/enemy_one/frame.png"),
                         load_bitmap_ex("gfx/kv1/enemies/enemy_two/enemytwo.gif"),
                         load_png_ex("gfx/kv1/enemies/enemy_three/enemythree.png"),
                         load_png_ex("gfx/kv1/enemies/enemy_four/frame.png")};
    const int x0 = text_length(font9, "Enemies: ") + 50;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(differs_from(buffer, enemies[i], x0 + 64 * i, 277), 0) << "enemy " << i + 1;
        destroy_bitmap(enemies[i]);
    }
}

TEST_F(Kv1Passes, Pictures) {
    const struct {
        const char* name;
        int stage;
        int formations[4];
        int passes;
    } stages[] = {
        {"kv1_stage1.png", 1, {-1, -1, -1, -1}, 160}, {"kv1_stage2.png", 2, {-1, -1, -1, -1}, 160},
        {"kv1_stage3.png", 3, {-1, -1, -1, -1}, 160}, {"kv1_random.png", 70, {5, 3, 5, 1}, 160},
        {"kv1_fade_in.png", 1, {-1, -1, -1, -1}, 60},
    };
    for (const auto& s : stages) {
        renew_kv1_pools();
        const auto& f = s.formations;
        Kv1Stage stage(stage_call(s.stage, s.stage >= 4 ? 0 : 1, f[0], f[1], f[2], f[3]).args);
        for (int i = 0; i < s.passes; ++i) pass(stage);
        save(s.name);
    }
    Kv1Stage cleared(stage_call(4, 0, 0, 0, 0, 0).args);
    for (int i = 0; i < 180; ++i) pass(cleared);
    save("kv1_completed.png");

    Kv1Continue prompt;
    point(230, 400, false);
    for (int i = 0; i < 40; ++i) pass(prompt);
    save("kv1_continue.png");

    Kv1Menu menu;
    point(280, 335, false);
    for (int i = 0; i < 40; ++i) pass(menu);
    save("kv1_menu.png");

    Kv1Mission mission;
    for (int i = 0; i < 40; ++i) pass(mission);
    save("kv1_mission.png");

    Kv1Ending ending;
    steps(ending, 250 + 64 + 600);
    pass(ending);
    save("kv1_ending.png");

    current_stage = 3;
    WhatToDo chooser;
    point(280, 235, false);
    for (int i = 0; i < 40; ++i) pass(chooser);
    save("kv1_chooser.png");
}

}  // namespace
