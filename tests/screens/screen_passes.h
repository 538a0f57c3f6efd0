#pragma once
// Screens driven pass by pass over the loaded headless game: one logic tick per pass, input
// written directly before it.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "audio/audio.h"
#include "engine/timing.h"
#include "support/headless_game.h"
#include "support/test_support.h"

namespace screen_testing {

void release_input();

class ScreenPasses : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing_support::load_whole_game(); }
    void SetUp() override {
        in_tree_ = std::make_unique<testing_support::WorkingDirectory>(testing_support::data_dir());
        release_input();
    }
    void TearDown() override {
        release_input();
        speed_counter = 0;
    }

    // One pass of the screen's frame loop with one tick pending.
    template <class ScreenObject>
    void pass(ScreenObject& visit) {
        speed_counter = 1;
        loop_.pass([&] { visit.step(); }, [&] { visit.draw(); });
    }

    // Passes until the screen ends; their count, or `limit` + 1 if it did not end.
    template <class ScreenObject>
    int passes_to_end(ScreenObject& visit, int limit = 2000) {
        int passes = 0;
        while (visit.running() && passes <= limit) {
            pass(visit);
            ++passes;
        }
        return passes;
    }

    // The page as the last pass presented it.
    static BITMAP* page() { return testing_support::screen_page(); }
    static void save(const std::string& name);

    std::unique_ptr<testing_support::WorkingDirectory> in_tree_;
    FrameLoop loop_;
};

// The pointer at (x, y), with the left button down or up.
void point(int x, int y, bool button);

// Whether a voice plays the sound, and where it stands.
bool sounding(FMOD_SOUND* sound, unsigned* position = nullptr);

// Whether a pixel is (near) white, or brighter than another.
bool whitish(int pixel);
int brightness(int pixel);

}  // namespace screen_testing
