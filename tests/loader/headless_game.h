#pragma once
// What the loader and the loading screen need of a started game, without a display: a 640x480
// memory screen presented by double buffering, the two screen bitmaps, the audio library on its
// manual clock and the GIF picture types.
#include <allegro.h>

namespace loader_testing {

// Once per process; later calls do nothing.
void start_headless_game();

// The game's screen, which update_screen presents onto.
BITMAP* screen_page();

}  // namespace loader_testing
