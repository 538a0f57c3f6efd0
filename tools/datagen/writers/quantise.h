#pragma once
// Reduces a picture to an 8-bit palette for GIF: index 0 is the mask colour, opaque pixels use
// indexes 1..255. Components are kept at 6 bits, the precision the game's palettes hold.
#include <cstdint>
#include <vector>

#include "image.h"

namespace datagen {

struct IndexedImage {
    int width = 0, height = 0;
    std::vector<Rgb> palette;     // 256 entries, 8-bit components whose low bits repeat the high ones
    std::vector<uint8_t> pixels;  // row by row
    bool has_mask = false;
};

IndexedImage quantise(const Image& image);

}  // namespace datagen
