// The fade, the items and the prompt that every screen shares.
#include "engine/screen_frame.h"

#include <functional>

#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/ui.h"
#include "screen_passes.h"
#include "screens/character_select.h"
#include "screens/instructions.h"
#include "screens/kv1_controls.h"
#include "screens/kv1_ending.h"
#include "screens/kv1_menu.h"
#include "screens/main_menu.h"
#include "screens/options_screen.h"
#include "screens/series_menu.h"
#include "screens/stage_intro.h"
#include "screens/story.h"
#include "screens/upgrade_store.h"

namespace {

using screen_testing::point;
using screen_testing::ScreenPasses;

using ScreenFrame = ScreenPasses;

TEST_F(ScreenFrame, FullyInAfter32StepsAndOnlyThenReadyWhereItStartsUnready) {
    ScreenFade fade(FadeStyle{8, 16, true, false, &tune_main_menu, 0.08f});
    for (int s = 1; s < 32; ++s) {
        fade.step();
        ASSERT_FALSE(fade.ready()) << s;
    }
    fade.step();
    EXPECT_TRUE(fade.ready());
    EXPECT_EQ(fade.level(), brightest_level);
}

// How a screen fades: from which colour, how far a step brings it in and out, and how many steps
// it takes to end once its fade-out began, its tune's fade included.
struct Fade {
    bool white;
    int in, out, end;
};

class ScreenFades : public ScreenPasses {
protected:
    void TearDown() override {
        pilot_chosen = false;
        ScreenPasses::TearDown();
    }

    // Fully in and `settle` passes more, then `leave` gives the input that leaves.
    template <class ScreenObject, class Leave, class... Args>
    Fade visit(Leave leave, int settle, Args... args) {
        ScreenObject screen(args...);
        Fade f{};
        pass(screen);
        f.white = screen_testing::brightness(getpixel(page(), 1, 1)) > 3 * 200;  // all but the fade colour
        f.in = screen.fade().level() - darkest_level;
        for (int n = 0; n < 100 && screen.fade().level() < brightest_level; ++n) pass(screen);
        for (int n = 0; n < settle; ++n) pass(screen);
        leave(screen);
        for (int n = 0; n < 2000 && screen.fade().level() == brightest_level; ++n) pass(screen);
        f.out = brightest_level - screen.fade().level();
        f.end = 1;
        for (; screen.running() && f.end < 2000; ++f.end) pass(screen);
        return f;
    }
};

TEST_F(ScreenFades, EachScreenFadesFromItsColourByItsStepsAndEndsOnceItsTuneHasFaded) {
    auto click = [](int x, int y) { return [x, y](auto&) { point(x, y, true); }; };
    auto advance = [](auto&) { key[key_text_advance] = 1; };
    auto esc = [](auto&) { key[KEY_ESC] = 1; };
    auto silenced_then_advance = [](auto&) {
        tune_story.set_volume(0.0f);
        key[key_text_advance] = 1;
    };
    auto chosen_then_esc = [](auto&) {
        pilot_chosen = true;
        key[KEY_ESC] = 1;
    };
    // The button held on "Exit to Menu", at the panel's bottom right.
    auto exit_to_menu = [](auto& screen) {
        const ControlsPanel& panel = screen.panel();
        point(panel.x0 + panel.bars_w - 30, panel.y0 + panel.bars_h - 10 - text_height(font6) / 2, true);
    };
    const struct {
        const char* screen;
        std::function<Fade()> run;
        Fade expected;  // steps to end: the picture's 254 / out, or the tune's 1.0 / its step when longer
    } cases[] = {
        {"series menu", [&] { return visit<SeriesMenu>(click(300, 305), 0); }, {false, 8, 16, 16}},
        {"instructions", [&] { return visit<Instructions>(advance, 0, 2); }, {false, 8, 16, 16}},
        {"story", [&] { return visit<Story>(advance, 0); }, {false, 8, 4, 100}},
        {"story, its tune already silent", [&] { return visit<Story>(silenced_then_advance, 0); }, {false, 8, 4, 64}},
        {"KV2 main menu", [&] { return visit<MainMenu>(click(300, 365), 40); }, {true, 8, 16, 16}},
        {"character select", [&] { return visit<CharacterSelect>(chosen_then_esc, 0); }, {true, 8, 16, 16}},
        {"KV1 menu", [&] { return visit<Kv1Menu>(click(270, 365), 0); }, {false, 8, 16, 16}},
        {"mission intro", [&] { return visit<Kv1Mission>(advance, 0); }, {false, 8, 4, 64}},
        {"KV1 ending", [&] { return visit<Kv1Ending>(esc, 0); }, {false, 8, 4, 100}},
        {"episode chooser", [&] { return visit<WhatToDo>(click(270, 265), 0); }, {false, 8, 16, 16}},
        {"stage intro card", [&] { return visit<StageIntro>(advance, 0, 3); }, {false, 8, 16, 16}},
        {"upgrade store", [&] { return visit<UpgradeStore>(click(22, 466), 0, 3); }, {true, 8, 16, 16}},
        {"options", [&] { return visit<OptionsScreen>(exit_to_menu, 0); }, {true, 8, 16, 16}},
        {"KV1 controls", [&] { return visit<Kv1Controls>(exit_to_menu, 0); }, {false, 8, 16, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        tune_main_menu.play_music();  // the options screen fades the tune it finds
        tune_kv_main.play_music();    // KV1's menu fades it on EXIT
        mouse_held = 0;
        const Fade f = c.run();
        EXPECT_EQ(f.white, c.expected.white);
        EXPECT_EQ(f.in, c.expected.in);
        EXPECT_EQ(f.out, c.expected.out);
        EXPECT_NEAR(f.end, c.expected.end, 1);  // a fade's last hundredth may round either way
        screen_testing::release_input();
    }
}

TEST_F(ScreenFrame, ATextItemIsHoveredStrictlyInsideItsFont6BoxAndClicksOnlyWhenReady) {
    const int x = 100, y = 100;
    const int w = text_length(font6, "EXIT"), h = text_height(font6);
    const struct {
        int mx, my;
        bool button, ready;
        bool hovered, clicked;
    } cases[] = {
        {x, y + 5, true, true, false, false},          {x + 1, y + 5, true, true, true, true},
        {x + w - 1, y + 5, true, true, true, true},    {x + w, y + 5, true, true, false, false},
        {x + 5, y, true, true, false, false},          {x + 5, y + 1, true, true, true, true},
        {x + 5, y + h - 1, true, true, true, true},    {x + 5, y + h, true, true, false, false},
        {x + 5, y + 5, false, true, true, false},      {x + 5, y + 5, true, false, true, false},
    };
    BITMAP* canvas = create_bitmap(640, 480);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.mx << ", " << c.my);
        clear_bitmap(canvas);
        point(c.mx, c.my, c.button);
        EXPECT_EQ(text_item(canvas, x, y, "EXIT", c.ready), c.clicked);
        // The outline runs from (x - 3, y - 3) to the font6 width and height.
        EXPECT_EQ(screen_testing::whitish(getpixel(canvas, x - 3, y - 3)), c.hovered);
        if (!c.hovered) continue;
        EXPECT_TRUE(screen_testing::whitish(getpixel(canvas, x + w, y - 3)));
        EXPECT_TRUE(screen_testing::whitish(getpixel(canvas, x + w, y + h)));
        EXPECT_FALSE(screen_testing::whitish(getpixel(canvas, x + w + 1, y - 3)));
    }
    destroy_bitmap(canvas);
}

}  // namespace
