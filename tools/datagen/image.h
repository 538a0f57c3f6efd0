#pragma once
// The picture type every art routine draws into and every file writer reads:
// 8-bit RGB, no alpha; transparent pixels hold the mask colour (magenta).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace datagen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

constexpr Rgb mask_colour{255, 0, 255};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row

    Image() = default;
    Image(int w, int h, Rgb fill = mask_colour) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace datagen
