// Every unit test program runs with Allegro started headless (no display, no timer) and the
// game's RGB565 pixel layout and masked draws, so pictures and colours match what the game sees.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>

#include "engine/blit.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    use_vector_masked_draws();
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    return RUN_ALL_TESTS();
}
