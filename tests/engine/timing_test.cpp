#include <allegro.h>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "engine/timing.h"

namespace {

// Stand-ins for the display and timer driver, which need a real screen.
int capabilities;
std::deque<bool> page_results;  // whether each next create_video_bitmap succeeds; none left fail
int pending_scrolls;   // how many more poll_scroll calls report a flip still pending
int scroll_polls;
std::vector<BITMAP*> shown;  // pages handed to request_video_bitmap or show_video_bitmap
void (*installed)();
long installed_ticks;
void (*removed)();

const TimingCalls fake_calls = {
    [] { return capabilities; },
    [] { return -1; },
    [](int w, int h) {
        const bool made = !page_results.empty() && page_results.front();
        if (!page_results.empty()) page_results.pop_front();
        return made ? create_bitmap(w, h) : nullptr;
    },
    [] {
        ++scroll_polls;
        return pending_scrolls-- > 0 ? 1 : 0;
    },
    [](BITMAP* page) {
        shown.push_back(page);
        return 0;
    },
    [](BITMAP* page) {
        shown.push_back(page);
        return 0;
    },
    [](void (*callback)(), long ticks) {
        installed = callback;
        installed_ticks = ticks;
        return 0;
    },
    [](void (*callback)()) { removed = callback; },
};

class Timing : public ::testing::Test {
protected:
    void SetUp() override {
        timing_calls = fake_calls;
        driver.w = 640;
        driver.h = 480;
        gfx_driver = &driver;  // gives SCREEN_W and SCREEN_H
        capabilities = 0;
        page_results.clear();
        pending_scrolls = 0;
        scroll_polls = 0;
        shown.clear();
        installed = nullptr;
        installed_ticks = 0;
        removed = nullptr;
        speed_counter = 0;
        frame_counter = 0;
    }
    void TearDown() override {
        destroy_pages();
        update_method = 0;
        stop_shake();
        timing_calls = real_timing_calls;
        gfx_driver = nullptr;
    }

    GFX_DRIVER driver{};
};

// A screen whose steps and frames are counted; it presents through double buffering.
class CountingScreen : public Timing {
protected:
    void SetUp() override {
        Timing::SetUp();
        screen_page = create_bitmap(SCREEN_W, SCREEN_H);
        screen = screen_page;
        init_update_method(2);
    }
    void TearDown() override {
        Timing::TearDown();
        screen = nullptr;
        destroy_bitmap(screen_page);
    }
    void pass() {
        loop.pass([this] { ++steps; }, [this] { ++frames; });
    }

    BITMAP* screen_page = nullptr;
    FrameLoop loop;
    int steps = 0;
    int frames = 0;
};

TEST_F(CountingScreen, CatchesUpAtMostSixStepsOfABacklogBeforeItsFirstFrame) {
    speed_counter = 10;
    pass();
    EXPECT_EQ(steps, 6);
    EXPECT_EQ(speed_counter, 0);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(frame_counter, 1);
}

TEST_F(CountingScreen, RunsOneStepPerFrameOnceSixStepsHaveRun) {
    for (int i = 0; i < 6; ++i) {
        speed_counter = 1;
        pass();
    }
    EXPECT_EQ(steps, 6);
    speed_counter = 10;
    pass();
    EXPECT_EQ(steps, 7);
    EXPECT_EQ(speed_counter, 0);
    speed_counter = 3;
    pass();
    EXPECT_EQ(steps, 8);
    EXPECT_EQ(frames, 8);
}

TEST_F(CountingScreen, CatchesUpOnlyTheRestOfTheFirstSixSteps) {
    speed_counter = 4;
    pass();
    speed_counter = 5;
    pass();
    EXPECT_EQ(steps, 6);
    EXPECT_EQ(frames, 2);
}

TEST_F(CountingScreen, APassWithoutATickDrawsNothing) {
    pass();
    pass();
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(frames, 0);
    EXPECT_EQ(frame_counter, 0);
}

TEST_F(CountingScreen, TheStepThatEndsTheScreenStillGetsItsFrame) {
    bool running = true;
    int drawn_after_end = 0;
    speed_counter = 1;
    loop.run([&] { return running; }, [&] { running = false; }, [&] { drawn_after_end += !running; });
    EXPECT_EQ(drawn_after_end, 1);
}

TEST_F(CountingScreen, DoubleBufferingCopiesTheFinishedPageToTheScreen) {
    EXPECT_EQ(update_method, 2);
    BITMAP* page = active_page;
    EXPECT_TRUE(is_memory_bitmap(page));
    speed_counter = 1;
    loop.pass([] {}, [] { putpixel(active_page, 5, 7, makecol(255, 255, 0)); });
    EXPECT_EQ(getpixel(screen_page, 5, 7), makecol(255, 255, 0));
    EXPECT_EQ(active_page, page);
}

TEST(TimingCallbacks, CountTicksAndFramesPerSecond) {
    speed_counter = 0;
    for (int i = 0; i < 3; ++i) speed_timer();
    EXPECT_EQ(speed_counter, 3);
    frame_counter = 42;
    fps_timer();
    EXPECT_EQ(fps, 42);
    EXPECT_EQ(frame_counter, 0);
    speed_counter = 0;
}

TEST_F(Timing, TripleBufferingCyclesThroughThreePages) {
    capabilities = GFX_CAN_TRIPLE_BUFFER;
    page_results = {true, true, true};
    ASSERT_EQ(init_update_method(3), 3);
    EXPECT_EQ(update_method, 3);
    EXPECT_EQ(active_page, video_pages[0]);
    pending_scrolls = 2;
    for (int i = 0; i < 3; ++i) update_screen();
    EXPECT_EQ(active_page, video_pages[0]);
    EXPECT_EQ(shown, (std::vector<BITMAP*>{video_pages[0], video_pages[1], video_pages[2]}));
    EXPECT_EQ(scroll_polls, 5);  // waited out the two pending flips
}

TEST_F(Timing, PageFlippingAlternatesTwoPages) {
    page_results = {true, true};
    ASSERT_EQ(init_update_method(1), 1);
    update_screen();
    EXPECT_EQ(active_page, video_pages[1]);
    update_screen();
    EXPECT_EQ(active_page, video_pages[0]);
    EXPECT_EQ(shown, (std::vector<BITMAP*>{video_pages[0], video_pages[1]}));
}

// As on X11: no triple buffering, and only one video page (the screen itself).
TEST_F(Timing, FallsThroughTripleAndPageFlippingToDoubleBuffering) {
    page_results = {true, false};
    EXPECT_EQ(init_update_method(3), 2);
    EXPECT_EQ(update_method, 2);
    EXPECT_TRUE(is_memory_bitmap(active_page));
    EXPECT_EQ(active_page->w, 640);
    EXPECT_EQ(active_page->h, 480);
    EXPECT_EQ(video_pages[0], nullptr);
}

TEST_F(Timing, FallsBackToPageFlippingWhenTheThirdPageIsMissing) {
    capabilities = GFX_CAN_TRIPLE_BUFFER;
    page_results = {true, true, false, true, true};
    EXPECT_EQ(init_update_method(3), 1);
    EXPECT_TRUE(page_results.empty());
    EXPECT_NE(video_pages[1], nullptr);
    EXPECT_EQ(video_pages[2], nullptr);
}

TEST_F(Timing, AnUnknownMethodGivesNoBuffering) { EXPECT_EQ(init_update_method(7), 0); }

TEST_F(Timing, ShakeRunsRoundsOfSixteenTicks) {
    start_shake(25);
    EXPECT_EQ(installed, shake_timer);
    EXPECT_EQ(installed_ticks, 4772);  // 250 times a second
    std::vector<int> xs, ys;
    for (int i = 0; i < 32; ++i) {
        shake_timer();
        xs.push_back(shake_x);
        ys.push_back(shake_y);
    }
    const std::vector<int> round_x = {1, 2, 3, 4, 3, 2, 1, 0, -1, -2, -3, -4, -3, -2, -1, 0};
    const std::vector<int> round_y = {0, 1, 2, 3, 2, 1, 0, 0, 0, -1, -2, -3, -2, -1, 0, 0};
    EXPECT_EQ(std::vector<int>(xs.begin(), xs.begin() + 16), round_x);
    EXPECT_EQ(std::vector<int>(xs.begin() + 16, xs.end()), round_x);
    EXPECT_EQ(std::vector<int>(ys.begin(), ys.begin() + 16), round_y);
    EXPECT_EQ(std::vector<int>(ys.begin() + 16, ys.end()), round_y);
}

TEST_F(Timing, AmplitudeChangesVerticalReachAndRateOnly) {
    start_shake(100);
    EXPECT_EQ(installed_ticks, 1193);
    for (int i = 0; i < 4; ++i) shake_timer();
    EXPECT_EQ(shake_x, 4);
    EXPECT_EQ(shake_y, 15);  // sin(0.16) * 100
}

TEST_F(Timing, RestartingAShakeStartsItsOffsetsAgain) {
    start_shake(25);
    for (int i = 0; i < 10; ++i) shake_timer();
    start_shake(25);
    EXPECT_EQ(shake_x, 0);
    EXPECT_EQ(shake_y, 0);
    shake_timer();
    EXPECT_EQ(shake_x, 1);
}

TEST_F(Timing, StoppingEndsTheShakeAndZeroesItsOffsets) {
    start_shake(25);
    for (int i = 0; i < 3; ++i) shake_timer();
    stop_shake();
    EXPECT_EQ(removed, shake_timer);
    EXPECT_EQ(shake_x, 0);
    EXPECT_EQ(shake_y, 0);
    EXPECT_EQ(shake_amplitude, 0);
}

TEST_F(Timing, StoppingWithoutAShakeLeavesTheOffsetsAtZero) {
    stop_shake();
    EXPECT_EQ(shake_x, 0);
    EXPECT_EQ(shake_y, 0);
}

TEST_F(Timing, AShakeWithoutAmplitudeDoesNotStart) {
    start_shake(0);
    start_shake(-25);
    EXPECT_EQ(installed, nullptr);
    EXPECT_EQ(shake_amplitude, 0);
}

TEST_F(Timing, ShakeBlitMovesTheDestinationByTheOffsets) {
    BITMAP* source = create_bitmap(8, 8);
    BITMAP* dest = create_bitmap(32, 32);
    clear_to_color(source, makecol(255, 255, 255));
    clear_bitmap(dest);
    start_shake(25);
    for (int i = 0; i < 4; ++i) shake_timer();  // offsets (4, 3)
    shake_blit(source, dest, 0, 0, 10, 10, 8, 8);
    EXPECT_EQ(getpixel(dest, 14, 13), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(dest, 13, 13), 0);
    EXPECT_EQ(getpixel(dest, 14, 12), 0);
    destroy_bitmap(source);
    destroy_bitmap(dest);
}

}  // namespace
