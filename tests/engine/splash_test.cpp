#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/timing.h"
#include "screens/splash.h"
#include "support/test_support.h"

namespace {

TEST(SplashFade, FadesInHoldsAndFadesOutOverItsSteps) {
    SplashFade fade;
    std::vector<int> levels;
    while (fade.running()) {
        fade.step();
        levels.push_back(fade.level());
        ASSERT_LT(levels.size(), 1000u);
    }
    ASSERT_EQ(levels.size(), 365u);  // 300 steps fading in and holding, then 65 going down
    EXPECT_EQ(levels[0], 5);
    EXPECT_EQ(levels[62], 253);
    EXPECT_EQ(levels[63], 254);  // fully in after 64 steps
    EXPECT_EQ(levels[300], 254);
    EXPECT_EQ(levels[301], 250);  // down from the 302nd
    EXPECT_EQ(levels[363], 2);
    EXPECT_EQ(levels[364], 1);
    for (int level : levels) {
        EXPECT_GE(level, 1);
        EXPECT_LE(level, 254);
    }
}

// The screen bitmaps the splash draws through, with double buffering onto a memory "screen".
class SplashScreen : public ::testing::Test {
protected:
    void SetUp() override {
        driver.w = 640;
        driver.h = 480;
        gfx_driver = &driver;
        screen = screen_page = create_bitmap(640, 480);
        clear_bitmap(screen_page);
        buffer = create_bitmap(640, 480);
        fade_buffer = create_bitmap(640, 480);
        logo = create_bitmap(640, 480);
        clear_to_color(logo, makecol(40, 200, 120));
        rectfill(logo, 100, 100, 200, 150, makecol(255, 255, 255));
        ASSERT_EQ(init_update_method(2), 2);
        speed_counter = 0;
        frame_counter = 0;
    }
    void TearDown() override {
        destroy_pages();
        update_method = 0;
        for (BITMAP* b : {screen_page, buffer, fade_buffer, logo}) destroy_bitmap(b);
        screen = nullptr;
        buffer = fade_buffer = nullptr;
        gfx_driver = nullptr;
    }

    GFX_DRIVER driver{};
    BITMAP* screen_page = nullptr;
    BITMAP* logo = nullptr;
};

TEST_F(SplashScreen, AFrameShowsTheLogoFadedTowardBlack) {
    draw_splash(logo, 254);
    EXPECT_EQ(getpixel(active_page, 150, 120), makecol(255, 255, 255));
    const int full = getpixel(active_page, 10, 10);
    EXPECT_NEAR(getg(full), 200, 8);
    EXPECT_NEAR(getr(full), 40, 8);

    draw_splash(logo, 128);
    const int half = getpixel(active_page, 10, 10);
    EXPECT_NEAR(getg(half), 100, 12);

    draw_splash(logo, 1);
    const int dark = getpixel(active_page, 150, 120);
    EXPECT_LE(getr(dark) + getg(dark) + getb(dark), 30);
}

TEST_F(SplashScreen, RunsFromItsLogoFileToTheEndOfTheFadeAndReturns) {
    testing_support::WorkingDirectory here(testing_support::scratch_dir());
    ASSERT_EQ(save_png("logo.png", logo, nullptr), 0);

    std::atomic<bool> done{false};
    std::thread ticks([&] {  // a fast stand-in for the 60 Hz timer
        while (!done) {
            speed_timer();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    splash_logo();
    done = true;
    ticks.join();

    // 365 steps, at most six of them before the first frame, then one step per frame.
    EXPECT_GE(frame_counter, 360);
    EXPECT_LE(frame_counter, 365);
    const int last = getpixel(screen_page, 150, 120);
    EXPECT_LE(getr(last) + getg(last) + getb(last), 30);  // ended faded out
    speed_counter = 0;
}

}  // namespace
