// libFuzzer target: any bytes given to the GIF reader, as a picture and as an animation, at the
// game's 16 bits and at 8 bits.
#include <allegro.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/gif.h"
#include "gif_budget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) std::abort();
    set_color_depth(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::gif_within_budget(data, size)) return -1;
    set_color_conversion(size % 2 ? COLORCONV_NONE : COLORCONV_TOTAL);
    PALETTE palette;
    if (BITMAP* picture = load_memory_gif(data, size, palette)) destroy_bitmap(picture);
    destroy_gif_animation(load_memory_gif_animation(data, size));
    return 0;
}
