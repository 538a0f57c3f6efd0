// The options screen and KV1's controls: settings that hold for the run, the jukebox, leaving, and
// rebinding by click and key on both screens.
#include <deque>
#include <string>
#include <vector>
#include <utility>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "engine/ui.h"
#include "screen_passes.h"
#include "screens/kv1_controls.h"
#include "screens/options_screen.h"

namespace {

using screen_testing::point;
using screen_testing::ScreenPasses;

enum { left_arrow = 1, right_arrow = 2, play_button = 3, stop_button = 4 };

FMOD_SOUND* music_playing() {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.channel == music_channel) return voice.sound;
    return nullptr;
}

// Names for the pictures: the keyboard driver that would name keys is not installed.
const char* picture_key_name(int scancode) {
    return scancode == KEY_LEFT ? "LEFT" : scancode == KEY_RIGHT ? "RIGHT" : scancode == KEY_Z ? "Z"
         : scancode == KEY_LCONTROL ? "LCONTROL" : "SPACE";
}

// Key changes a test plays into wait_key_change, one batch per poll.
std::deque<std::vector<std::pair<int, int>>> key_script;
int polls = 0;

void scripted_poll() {
    ++polls;
    if (key_script.empty()) {
        ADD_FAILURE() << "waited for a key the test never changes";
        key[KEY_F12] = !key[KEY_F12];
        return;
    }
    for (auto [scancode, down] : key_script.front()) key[scancode] = down;
    key_script.pop_front();
}

struct RebindCase {
    const char* what;
    int row;
    int held_before;  // a key already down when the wait begins
    std::vector<std::vector<std::pair<int, int>>> changes;  // one batch per poll; the last one binds
    int* binding;
    int bound;
};

const RebindCase rebind_cases[] = {
    {"a letter", 0, 0, {{{KEY_A, 1}}}, &key_left, KEY_A},
    {"Esc pressed and released is refused", 1, 0, {{{KEY_ESC, 1}}, {{KEY_ESC, 0}}, {{KEY_A, 1}}}, &key_right, KEY_A},
    {"P and Q are refused", 2, 0, {{{KEY_P, 1}}, {{KEY_P, 0}}, {{KEY_Q, 1}}, {{KEY_Q, 0}}, {{KEY_B, 1}}}, &key_shoot,
     KEY_B},
    {"a key held from before binds on its release", 3, KEY_C, {{{KEY_C, 0}}}, &key_bomb1, KEY_C},
    {"the lowest of two changes wins", 4, 0, {{{KEY_X, 1}, {KEY_B, 1}}}, &key_bomb2, KEY_B},
    {"a key another row has", 5, 0, {{{KEY_LEFT, 1}}}, &key_text_advance, KEY_LEFT},
};

class ControlsScreens : public ScreenPasses {
protected:
    void SetUp() override {
        ScreenPasses::SetUp();
        key_poll_pause = scripted_poll;
        mouse_held = 0;
        key_script.clear();
        polls = 0;
        saved_ = {difficulty, stage_choice, stage_choice_unlocked};
    }
    void TearDown() override {
        key_poll_pause = [] { rest(1); };
        restore_default_controls();
        difficulty = saved_.difficulty;
        stage_choice = saved_.stage_choice;
        stage_choice_unlocked = saved_.unlocked;
        ScreenPasses::TearDown();
    }

    // A click: one pass with the button down on the button's picture, one with it up.
    template <class ScreenObject>
    void click(ScreenObject& screen, const OptionsScreen::Button& b) {
        point(b.x + 5, b.y + 5, true);
        pass(screen);
        point(b.x + 5, b.y + 5, false);
        pass(screen);
    }

    // Row k clicked and drawn armed with the pointer still on it: the next pass waits for a key.
    template <class ScreenObject>
    void arm(ScreenObject& screen, int k) {
        const ControlsBlock& block = screen.controls();
        point(block.row_x() + 2, block.row_y(k) + text_height(font6) / 2, true);
        pass(screen);
        point(mouse_x, mouse_y, false);
    }

    // Fully faded in, the button pressed elsewhere and dragged onto "Exit to Menu": the pass that
    // sees it, then sixteen of fade.
    template <class ScreenObject>
    void leave_by_held_button(ScreenObject& screen) {
        point(0, 0, false);
        for (int s = 0; s < 40; ++s) pass(screen);
        point(0, 0, true);
        pass(screen);
        point(screen.panel().x0 + screen.panel().bars_w - 30,
              screen.panel().y0 + screen.panel().bars_h - 10 - text_height(font6) / 2, true);
        EXPECT_EQ(passes_to_end(screen), 1 + 16);
    }

    // Each case on a fresh visit: the row waits through every refused change, binds on the last.
    template <class ScreenObject>
    void check_rebinding() {
        for (const auto& c : rebind_cases) {
            SCOPED_TRACE(c.what);
            screen_testing::release_input();
            mouse_held = 0;
            restore_default_controls();
            const int before = *c.binding;
            ScreenObject screen;
            arm(screen, c.row);
            if (c.held_before) key[c.held_before] = 1;
            key_script.assign(c.changes.begin(), c.changes.end());
            while (key_script.size() > 1) {
                pass(screen);
                EXPECT_TRUE(screen.controls().waiting());
                EXPECT_EQ(*c.binding, before);
            }
            pass(screen);
            EXPECT_FALSE(screen.controls().waiting());
            EXPECT_EQ(*c.binding, c.bound);
            EXPECT_EQ(polls, static_cast<int>(c.changes.size()));
            polls = 0;
        }
    }

    // The controls block's words on either screen, and the prompt once a row is armed.
    template <class ScreenObject>
    void check_block_texts(ScreenObject& screen) {
        const char* const rows[] = {"LEFT:", "RIGHT:", "SHOOT:", "BOMB 1:", "BOMB 2:", "TEXT ADVANCE:"};
        const char* const keys[] = {"LEFT", "RIGHT", "SPACE", "Z", "LCONTROL", "SPACE"};  // the defaults
        const char* const hint = " (Click on control option and hit the key you want to use.)";
        const int x0 = screen.panel().x0, y0 = screen.panel().y0;
        const int fh = text_height(font6), ah = text_height(font);
        key_name_source = picture_key_name;
        restore_default_controls();
        screen_testing::TextLog log;
        point(0, 0, false);
        pass(screen);
        for (int k = 0; k < 6; ++k) {
            const int y = y0 + ah + (4 + k) * fh + 145 + 5 * k;
            EXPECT_TRUE(log.drew("font6", x0 + 30, y, rows[k])) << rows[k];
            EXPECT_TRUE(log.drew("font8", x0 + text_length(font6, rows[k]) + 40, y, keys[k])) << rows[k];
        }
        EXPECT_TRUE(log.drew_centred("font", 319, y0 + 3 * fh + 151, hint));
        EXPECT_TRUE(log.drew_centred("font", 320, y0 + 3 * fh + 150, hint));
        const int exit_w = text_length(font6, "Exit to Menu");
        EXPECT_TRUE(log.drew("font6", x0 + screen.panel().bars_w - exit_w - 25, y0 + screen.panel().bars_h - fh - 10,
                             "Exit to Menu"));
        log.clear();
        arm(screen, 0);
        std::vector<std::string> prompt;
        for (const auto& line : log.lines())
            if (line.font == "font8" && line.x == 280) prompt.push_back(line.text);
        EXPECT_TRUE(screen_testing::wraps_whole(prompt, "HIT ANY KEY TO CHANGE CONTROL "));
    }

    struct {
        int difficulty, stage_choice;
        bool unlocked;
    } saved_{};
};

TEST_F(ControlsScreens, ArrowsKeepDifficultyAndStageChoiceInRangeAndTheStageRowOnlyOnceUnlocked) {
    const struct {
        bool unlocked;
        int start_difficulty, difficulty_clicks, difficulty_after;
        int start_stage, stage_clicks, stage_after;
    } cases[] = {
        {false, 1, -1, 1, 1, 3, 1},  // locked: the stage arrows are not there
        {true, 1, -1, 1, 1, -1, 1},
        {true, 2, 5, 4, 9, 3, 10},
        {true, 4, -2, 2, 3, -1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.unlocked << " " << c.start_difficulty << " " << c.start_stage);
        stage_choice_unlocked = c.unlocked;
        difficulty = c.start_difficulty;
        stage_choice = c.start_stage;
        OptionsScreen screen;
        for (int i = 0; i < std::abs(c.difficulty_clicks); ++i)
            click(screen, screen.difficulty_arrow(c.difficulty_clicks < 0 ? left_arrow : right_arrow));
        for (int i = 0; i < std::abs(c.stage_clicks); ++i)
            click(screen, screen.stage_arrow(c.stage_clicks < 0 ? left_arrow : right_arrow));
        EXPECT_EQ(difficulty, c.difficulty_after);
        EXPECT_EQ(stage_choice, c.stage_after);
    }
}

TEST_F(ControlsScreens, BothScreensNameTheRowsTheHintAndTheWayOut) {
    OptionsScreen options;
    check_block_texts(options);
    Kv1Controls kv1;
    check_block_texts(kv1);
}

TEST_F(ControlsScreens, TheOptionsNameEachSettingWhereItStands) {
    const char* const difficulties[] = {"EASY", "NORMAL", "HARD", "EXTRA HARD"};
    const char* const jukebox[OptionsScreen::jukebox_size] = {
        "[  MAIN MENU  ]", "[  STORY  ]", "[  CHARACTER SELECT  ]", "[  UPGRADE STORE  ]", "[  STAGE 1  ]",
        "[  STAGE 2  ]", "[  STAGE 3  ]", "[  STAGE 4  ]", "[  STAGE 5  ]", "[  STAGE 6  ]", "[  STAGE 7  ]",
        "[  STAGE 8  ]", "[  STAGE 9  ]", "[  STAGE 10  ]", "[  STAGE INTRO  ]", "[  CONTINUE  ]", "[  DIALOG  ]",
        "[  OUTRO  ]", "[  BOSS 1  ]", "[  BOSS 2  ]", "[  CHALLENGE STAGE  ]", "[  ENDING  ]", "[  KV1 BGM  ]",
        "[  KV1 CREDITS  ]"};
    auto tl = [](const char* s) { return text_length(font6, s); };
    const int fh = text_height(font6);
    stage_choice_unlocked = true;
    OptionsScreen screen;
    const int x0 = screen.panel().x0, y0 = screen.panel().y0;
    screen_testing::TextLog log;
    for (int d = 1; d <= 4; ++d) {
        difficulty = d;
        stage_choice = d + 5;
        log.clear();
        pass(screen);
        EXPECT_TRUE(log.drew_centred("font8", x0 + tl("Difficulty:") + tl("EXTRA HARD") / 2 + 45, y0 + 100,
                                     difficulties[d - 1]))
            << d;
        EXPECT_TRUE(log.drew_centred("font8", x0 + tl("Stage Choice:") + tl("EXTRA HARD") / 2 + 45, y0 + fh + 110,
                                     "Stage " + std::to_string(d + 5)));
    }
    EXPECT_TRUE(log.drew_centred("font0", 320, y0 + 10, "OPTIONS"));
    EXPECT_TRUE(log.drew("font6", x0 + 10, y0 + 100, "Difficulty:"));
    EXPECT_TRUE(log.drew("font6", x0 + 10, y0 + fh + 110, "Stage Choice:"));
    EXPECT_TRUE(log.drew("font6", x0 + 10, y0 + 2 * fh + 120, "BGM:"));
    EXPECT_TRUE(log.drew("font6", x0 + 10, y0 + 3 * fh + 130, "CONTROLS:"));
    for (int index = 1; index <= OptionsScreen::jukebox_size; ++index) {
        ASSERT_EQ(screen.jukebox_index(), index);
        log.clear();
        pass(screen);
        const int centre = x0 + tl("BGM:") + tl("CHARACTER SELECT") / 2 + (index == 1 ? 180 : 170);
        EXPECT_TRUE(log.drew_centred("font8", centre, y0 + 2 * fh + 120, jukebox[index - 1])) << index;
        click(screen, screen.jukebox_button(right_arrow));
    }
}

TEST_F(ControlsScreens, TheJukeboxStartsAtOneWrapsBothWaysPlaysAndStops) {
    for (int visit = 0; visit < 2; ++visit) {
        OptionsScreen screen;
        EXPECT_EQ(screen.jukebox_index(), 1);
        click(screen, screen.jukebox_button(left_arrow));
        EXPECT_EQ(screen.jukebox_index(), 24);
        click(screen, screen.jukebox_button(play_button));
        EXPECT_EQ(music_playing(), tune_kv1_ending.sound);
        click(screen, screen.jukebox_button(right_arrow));
        EXPECT_EQ(screen.jukebox_index(), 1);
        click(screen, screen.jukebox_button(stop_button));
        EXPECT_EQ(music_playing(), nullptr);
        click(screen, screen.jukebox_button(right_arrow));
        click(screen, screen.jukebox_button(play_button));
        EXPECT_EQ(music_playing(), tune_story.sound);
        EXPECT_FLOAT_EQ(tune_story.volume, master_volume);
    }
}

// The outro is the one tune that does not loop: played from the jukebox, it ends by itself.
TEST_F(ControlsScreens, TheJukeboxOutroEndsByItself) {
    OptionsScreen screen;
    for (int i = 0; i < 7; ++i) click(screen, screen.jukebox_button(left_arrow));
    ASSERT_EQ(screen.jukebox_index(), 18);
    click(screen, screen.jukebox_button(play_button));
    ASSERT_EQ(music_playing(), tune_outro.sound);
    unsigned length = 0;
    ASSERT_EQ(FMOD_Sound_GetLength(tune_outro.sound, &length, FMOD_TIMEUNIT_MS), FMOD_OK);
    audio_testing::advance(fmod_system, length - 100);
    EXPECT_EQ(music_playing(), tune_outro.sound) << "still playing near its end";
    audio_testing::advance(fmod_system, 200);
    EXPECT_EQ(music_playing(), nullptr);
}

TEST_F(ControlsScreens, ExitToMenuTakesAHeldButtonAndLeavesAfterSixteenSteps) {
    tune_main_menu.play_music();
    return_to_menu = false;
    OptionsScreen options;
    leave_by_held_button(options);
    EXPECT_EQ(options.leave().screen, Screen::main_menu);
    EXPECT_TRUE(return_to_menu);
    EXPECT_LE(tune_main_menu.volume, 0.0f);  // faded with the picture

    tune_main_menu.play_music();
    return_to_menu = false;
    Kv1Controls kv1;
    leave_by_held_button(kv1);
    EXPECT_EQ(kv1.leave().screen, Screen::kv1_menu);
    EXPECT_FALSE(return_to_menu);
    EXPECT_EQ(music_playing(), tune_main_menu.sound);  // left alone
    EXPECT_EQ(tune_main_menu.volume, 1.0f);
}

TEST_F(ControlsScreens, ARowClickedWaitsForTheNextKeyChangeItMayTake) {
    check_rebinding<OptionsScreen>();
    check_rebinding<Kv1Controls>();
}

TEST_F(ControlsScreens, AnArmedBlockWaitsOnlyWhileThePointerIsOnARow) {
    Kv1Controls screen;
    arm(screen, 0);
    point(5, 5, false);
    for (int p = 0; p < 5; ++p) pass(screen);
    EXPECT_EQ(polls, 0);
    EXPECT_TRUE(screen.controls().waiting());
    key_script = {{{KEY_D, 1}}};
    point(screen.controls().row_x() + 2, screen.controls().row_y(1) + 2, false);
    pass(screen);
    EXPECT_EQ(key_right, KEY_D);
}

TEST_F(ControlsScreens, Pictures) {
    key_name_source = picture_key_name;
    for (bool unlocked : {false, true}) {
        stage_choice_unlocked = unlocked;
        OptionsScreen screen;
        point(300, 200, false);
        for (int p = 0; p < 40; ++p) pass(screen);
        save(unlocked ? "options_unlocked.png" : "options_locked.png");
    }
    OptionsScreen armed;
    for (int p = 0; p < 40; ++p) pass(armed);
    arm(armed, 2);
    save("options_row_armed.png");
    Kv1Controls kv1;
    point(300, 200, false);
    for (int p = 0; p < 40; ++p) pass(kv1);
    save("kv1_controls.png");
}

}  // namespace
