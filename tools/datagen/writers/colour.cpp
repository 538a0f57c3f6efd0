// Keeping opaque colours off the mask colour, and the 16-bit pixel layout of the game.
#include "writers.h"

namespace datagen {

Rgb keep_off_mask(Rgb c) {
    if (c == mask_colour) return c;
    if (c.r >= 248 && c.g <= 3 && c.b >= 248) c.g = 4;  // 4 is the lowest green that survives 16 bits
    return c;
}

uint16_t to_rgb565(Rgb c) {
    if (c == mask_colour) return 0xF81F;
    c = keep_off_mask(c);
    return static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

}  // namespace datagen
