#include "draw/tiling.h"

#include <algorithm>

#include "draw/colour.h"

namespace datagen::draw {

namespace {

Rgb blend(Rgb a, Rgb b, float t) {
    const auto ch = [t](uint8_t u, uint8_t v) { return static_cast<uint8_t>(u + (v - u) * t + 0.5f); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

}  // namespace

Image fold_rows(const Image& taller, int band) {
    const int h = taller.height - band;
    Image out(taller.width, h);
    for (int y = 0; y < h; ++y) {
        const float t = y < band ? smoothstep(0, 1, (y + 0.5f) / band) : 1;
        for (int x = 0; x < taller.width; ++x)
            out.at(x, y) = y < band ? blend(taller.at(x, y + h), taller.at(x, y), t) : taller.at(x, y);
    }
    return out;
}

Image fold_columns(const Image& wider, int band) {
    const int w = wider.width - band;
    Image out(w, wider.height);
    for (int y = 0; y < wider.height; ++y)
        for (int x = 0; x < w; ++x) {
            const float t = x < band ? smoothstep(0, 1, (x + 0.5f) / band) : 1;
            out.at(x, y) = x < band ? blend(wider.at(x + w, y), wider.at(x, y), t) : wider.at(x, y);
        }
    return out;
}

Image framed_by(const Image& tile, const Image& own, int band) {
    Image out = own;
    for (int y = 0; y < own.height; ++y) {
        const float edge = static_cast<float>(std::min(y, own.height - 1 - y));
        const float t = smoothstep(0, static_cast<float>(band), edge);
        for (int x = 0; x < own.width; ++x) out.at(x, y) = blend(tile.at(x % tile.width, y % tile.height), own.at(x, y), t);
    }
    return out;
}

Image mirrored_left(const Image& picture) {
    Image out = picture;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width / 2; ++x) out.at(picture.width - 1 - x, y) = picture.at(x, y);
    return out;
}

void overlay(Image& dst, const Image& src, int x, int y) {
    for (int sy = std::max(0, -y); sy < src.height && y + sy < dst.height; ++sy)
        for (int sx = std::max(0, -x); sx < src.width && x + sx < dst.width; ++sx)
            if (src.at(sx, sy) != mask_colour) dst.at(x + sx, y + sy) = src.at(sx, sy);
}

}  // namespace datagen::draw
