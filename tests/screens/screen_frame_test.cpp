// The fade, the items and the prompt that every screen shares.
#include "engine/screen_frame.h"

#include "engine/slots.h"
#include "screen_passes.h"

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

TEST_F(ScreenFrame, AChoiceAtFullBrightnessEndsOnceBothPictureAndTuneHaveFaded) {
    const struct {
        const char* screen;
        FadeStyle style;
        float volume;  // of the tune when the choice comes
        int steps;
    } cases[] = {
        {"menu", {8, 16, false, true, &tune_kv_main, 0.08f}, 1.0f, 16},      // the tune is silent after 13
        {"story", {8, 4, false, true, &tune_story, 0.01f}, 1.0f, 101},       // the tune outlasts the picture's 64
        {"story, silent tune", {8, 4, false, true, &tune_story, 0.01f}, 0.0f, 64},
        {"no tune", {8, 16, false, true}, 1.0f, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        if (c.style.tune) {
            c.style.tune->play_music();
            c.style.tune->set_volume(c.volume);
        }
        ScreenFade fade(c.style);
        for (int s = 0; s < 32; ++s) fade.step();
        fade.choose(2);
        int steps = 0;
        while (fade.running() && steps < 500) {
            fade.step();
            ++steps;
        }
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(fade.level(), darkest_level);
        EXPECT_EQ(fade.choice(), 2);
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
