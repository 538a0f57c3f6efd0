#pragma once
// A small GIF reader for the tests, independent of the generator's writer: the first image of a
// GIF file as palette indexes, and a loader for 'GIF ' datafile objects built on it.
#include <allegro.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace gif_test {

struct Decoded {
    int width = 0, height = 0;
    std::vector<uint8_t> palette;  // r, g, b per entry
    std::vector<uint8_t> pixels;   // indexes, row by row (interlaced files put back in order)
    int transparent = -1;
};

std::optional<Decoded> decode(const std::vector<uint8_t>& file);

// The picture at the current colour depth; transparent pixels become the mask colour.
BITMAP* to_bitmap(const Decoded& gif);

// Registers the 'GIF ' object type with load_datafile; its objects load as BITMAP*.
void register_gif_objects();

}  // namespace gif_test
