#pragma once
// What the loader, the loading screen and the stages need of a started game, without a display:
// a 640x480 memory screen presented by double buffering, the two screen bitmaps, the audio
// library on its manual clock and the GIF picture types.
#include <allegro.h>

namespace testing_support {

// Once per process; later calls do nothing.
void start_headless_game();

// The game's screen, which update_screen presents onto.
BITMAP* screen_page();

// Releases what the loader built into the ship templates and the enemy pools. Records release
// the frames they cut only while Allegro runs: so at the end of the tests rather than at exit.
void release_loaded_records();

}  // namespace testing_support
