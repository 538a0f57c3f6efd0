#pragma once
// What the loader and the loading screen need of a started game, without a display: a 640x480
// memory screen presented by double buffering, the two screen bitmaps, the audio library on its
// manual clock and the GIF picture types.
#include <allegro.h>
#include <gtest/gtest.h>

namespace loader_testing {

// Once per process; later calls do nothing.
void start_headless_game();

// The game's screen, which update_screen presents onto.
BITMAP* screen_page();

// The headless game with every resource loaded from the data tree, as the loading screen leaves
// it. Once per process.
void load_whole_game();

// Records release the frames they cut only while Allegro runs: a test program that loads the
// game registers this environment so they go before exit.
class ReleaseLoadedRecords : public ::testing::Environment {
public:
    void TearDown() override;
};

}  // namespace loader_testing
