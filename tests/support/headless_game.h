#pragma once
// What the loader, the loading screen, the screens and the stages need of a started game, without a
// display: a 640x480 memory screen presented by double buffering, the two screen bitmaps, the audio
// library on its manual clock and the GIF picture types.
#include <allegro.h>
#include <gtest/gtest.h>

namespace testing_support {

// Once per process; later calls do nothing.
void start_headless_game();

// The game's screen, which update_screen presents onto.
BITMAP* screen_page();

// The headless game with every resource loaded from the data tree, as the loading screen leaves
// it. Once per process.
void load_whole_game();

// Releases what the loader built into the ship templates, the ship and the enemy pools. Records
// release the frames they cut only while Allegro runs: so at the end of the tests rather than at
// exit.
void release_loaded_records();

// The same as a test environment, for test programs that load the game.
class ReleaseLoadedRecords : public ::testing::Environment {
public:
    void TearDown() override { release_loaded_records(); }
};

}  // namespace testing_support
