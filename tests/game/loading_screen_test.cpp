// The loading screen driven pass by pass, one logic tick a pass, over a stand-in loader that
// counts its calls as the real one does.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <algorithm>
#include <memory>
#include <string>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "game/loading_screen.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "support/headless_game.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

int loader_calls = 0;

float counting_loader() {
    ++loader_calls;
    return static_cast<float>(std::min(loader_calls, 74)) / 74.0f;
}

// Where the screen prints its text, and how a line of Allegro's 8x8 font looks there.
constexpr int text_x = 270, text_y = 336;

// Whether the page shows exactly `text` in white at the text's place, every other pixel of the
// line not white, with a black shadow one pixel down and to the left where no glyph covers it.
bool shows_text(BITMAP* page, const std::string& text) {
    const int w = text_length(font, text.c_str()), h = text_height(font);
    BITMAP* glyphs = create_bitmap(w, h);
    clear_bitmap(glyphs);
    textout_ex(glyphs, font, text.c_str(), 0, 0, makecol(255, 255, 255), -1);
    const int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
    bool same = true;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool glyph = getpixel(glyphs, x, y) == white;
            same &= glyph == (getpixel(page, text_x + x, text_y + y) == white);
            const int shadow = getpixel(page, text_x + x - 1, text_y + y + 1);
            if (glyph) same &= shadow == black || shadow == white;
        }
    destroy_bitmap(glyphs);
    return same;
}

// The bar runs from pale to deep blue; the panel under it is grey.
bool bar_blue(int pixel) { return getb(pixel) > 160 && getb(pixel) - getr(pixel) > 60; }

class LoadingScreenPasses : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::start_headless_game();
        in_tree_ = std::make_unique<testing_support::WorkingDirectory>(testing_support::data_dir());
        loader_calls = 0;
        screen_ = std::make_unique<LoadingScreen>(counting_loader);
    }
    void TearDown() override {
        screen_.reset();
        speed_counter = 0;
    }

    // One pass of the frame loop with one tick pending; returns the page it drew.
    BITMAP* pass() {
        speed_counter = 1;
        loop_.pass([&] { screen_->step(); }, [&] { screen_->draw(); });
        ++passes_;
        return testing_support::screen_page();
    }

    std::unique_ptr<testing_support::WorkingDirectory> in_tree_;
    std::unique_ptr<LoadingScreen> screen_;
    FrameLoop loop_;
    int passes_ = 0;
};

TEST_F(LoadingScreenPasses, FirstFrameShowsZeroAndAnEmptyBarBeforeAnyLoading) {
    BITMAP* page = pass();
    EXPECT_EQ(loader_calls, 0);
    EXPECT_TRUE(shows_text(page, "Loading... 0%"));
    const int frame = getpixel(page, 215, 360);
    EXPECT_EQ(getr(frame), 0);
    EXPECT_NEAR(getg(frame), 41, 4);
    EXPECT_NEAR(getb(frame), 240, 8);
    for (int x = 216; x < 425; ++x) EXPECT_FALSE(bar_blue(getpixel(page, x, 360))) << x;

    pass();
    EXPECT_EQ(loader_calls, 1);
}

TEST_F(LoadingScreenPasses, HalfWayTheBarCoversAHundredPixelsFrom220) {
    BITMAP* page = nullptr;
    while (loader_calls < 37) page = pass();
    ASSERT_EQ(screen_->percent(), 50);
    EXPECT_TRUE(shows_text(page, "Loading... 50%"));
    for (int y : {350, 365, 379}) {
        EXPECT_FALSE(bar_blue(getpixel(page, 219, y)));
        for (int x = 220; x <= 319; ++x) EXPECT_TRUE(bar_blue(getpixel(page, x, y))) << x << ", " << y;
        EXPECT_FALSE(bar_blue(getpixel(page, 320, y))) << y;
    }
    EXPECT_FALSE(bar_blue(getpixel(page, 270, 349)));

    EXPECT_EQ(save_png(testing_support::picture_path("loading_half_way.png").c_str(), page, nullptr), 0);
}

TEST_F(LoadingScreenPasses, FadesTheTuneOverThirteenStepsAfterTheLastLoadThenEnds) {
    int highest = 0;
    int passes_at_full = 0;
    BITMAP* page = nullptr;
    while (screen_->running()) {
        page = pass();
        highest = std::max(highest, screen_->percent());
        if (loader_calls >= 74) ++passes_at_full;
        ASSERT_LT(passes_, 200);
    }
    EXPECT_EQ(highest, 100);
    EXPECT_EQ(passes_at_full, 13);  // the first fade comes in the step of the 74th load
    EXPECT_EQ(passes_, 1 + 73 + 13);
    EXPECT_TRUE(shows_text(page, "Loading... 100%"));  // the last pass still draws

    // The tune is left sounding at volume 0 on the music channel.
    const auto voices = audio_testing::voices(fmod_system);
    const auto tune = std::find_if(voices.begin(), voices.end(), [](const auto& v) { return v.channel == music_channel; });
    ASSERT_NE(tune, voices.end());
    EXPECT_EQ(tune->volume, 0.0f);
}

}  // namespace
