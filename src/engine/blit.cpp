#include "engine/blit.h"

#include <cstdint>
#include <cstring>

namespace {

// The part of the source that lands on the destination.
struct Area {
    int sx = 0, sy = 0;  // in the source
    int x = 0, y = 0;    // in the destination
    int w = 0, h = 0;
};

bool clip(BITMAP* source, BITMAP* dest, int x, int y, Area& area) {
    area = {0, 0, x, y, source->w, source->h};
    if (area.x < 0) {
        area.w += area.x;
        area.sx = -area.x;
        area.x = 0;
    }
    if (area.y < 0) {
        area.h += area.y;
        area.sy = -area.y;
        area.y = 0;
    }
    if (area.x + area.w >= dest->w) area.w = dest->w - area.x;
    if (area.y + area.h >= dest->h) area.h = dest->h - area.y;
    return area.w > 0 && area.h > 0;
}

// The common depth when both bitmaps have it and it is one these blends handle, else 0.
int blend_depth(BITMAP* source, BITMAP* dest) {
    int depth = bitmap_color_depth(source);
    bool supported = depth == 15 || depth == 16 || depth == 32;
    return supported && bitmap_color_depth(dest) == depth ? depth : 0;
}

// Calls row(source pixels, destination pixels, width) for each row of the area.
template <class Pixel, class Row>
void for_each_row(BITMAP* source, BITMAP* dest, const Area& area, Row row) {
    acquire_bitmap(dest);
    for (int r = 0; r < area.h; ++r) {
        auto* s = reinterpret_cast<const Pixel*>(source->line[area.sy + r]) + area.sx;
        auto* d = reinterpret_cast<Pixel*>(bmp_write_line(dest, area.y + r)) + area.x;
        row(s, d, area.w);
    }
    bmp_unwrite_line(dest);
    release_bitmap(dest);
}

// 15 and 16 bits: two pixels to a 32-bit word, the low one in the low half. Each group mask
// takes three channel fields lying at least five bits apart, so one multiplication by a 5-bit
// weight serves all three and the fractional bits fall into the gaps.
struct PackedFormat {
    uint32_t group_a;
    uint32_t group_b;
    uint32_t halves;    // every channel without its lowest bit
    uint32_t low_bits;  // every channel's lowest bit
    uint32_t mask_colour;
};

constexpr PackedFormat format_15{0x03E07C1F, 0x7C1F03E0, 0x7BDE7BDE, 0x04210421, 0x7C1F};
constexpr PackedFormat format_16{0x07E0F81F, 0xF81F07E0, 0xF7DEF7DE, 0x08210821, 0xF81F};

// 15/16-bit weight out of 32 from a factor out of 255.
int packed_weight(int fact) { return (fact + 7) >> 3; }

template <const PackedFormat& F>
uint32_t keep_masked(uint32_t s, uint32_t d) {
    uint32_t keep = ((s & 0xFFFF) == F.mask_colour ? 0x0000FFFFu : 0) | ((s >> 16) == F.mask_colour ? 0xFFFF0000u : 0);
    return (s & ~keep) | (d & keep);
}

template <const PackedFormat& F>
uint32_t mix_packed(uint32_t s, uint32_t d, uint32_t f) {
    uint32_t da = d & F.group_a, db = d & F.group_b;
    uint32_t a = (da + (((s & F.group_a) - da) * f >> 5)) & F.group_a;
    uint32_t b = (db + (((s & F.group_b) >> 5) - (db >> 5)) * f) & F.group_b;
    return a | b;
}

template <const PackedFormat& F>
uint32_t average_packed(uint32_t s, uint32_t d) {
    return ((s & F.halves) >> 1) + ((d & F.halves) >> 1) + (s & d & F.low_bits);
}

// Applies op to a row two pixels at a time, then to an odd last pixel alone.
template <class Op>
void packed_row(const uint16_t* s, uint16_t* d, int w, Op op) {
    int pairs = w / 2;
    for (int i = 0; i < pairs; ++i) {
        uint32_t sw, dw;
        std::memcpy(&sw, s + 2 * i, 4);
        std::memcpy(&dw, d + 2 * i, 4);
        uint32_t result = op(sw, dw);
        std::memcpy(d + 2 * i, &result, 4);
    }
    if (w & 1) d[w - 1] = static_cast<uint16_t>(op(s[w - 1], d[w - 1]));
}

template <const PackedFormat& F>
void trans_packed(BITMAP* source, BITMAP* dest, const Area& area, int f) {
    if (f == 16) {
        for_each_row<uint16_t>(source, dest, area, [](const uint16_t* s, uint16_t* d, int w) {
            packed_row(s, d, w, [](uint32_t sw, uint32_t dw) { return average_packed<F>(keep_masked<F>(sw, dw), dw); });
        });
        return;
    }
    for_each_row<uint16_t>(source, dest, area, [f](const uint16_t* s, uint16_t* d, int w) {
        packed_row(s, d, w, [f](uint32_t sw, uint32_t dw) { return mix_packed<F>(keep_masked<F>(sw, dw), dw, f); });
    });
}

template <const PackedFormat& F>
void fade_packed(BITMAP* source, BITMAP* dest, const Area& area, int colour, int f) {
    uint32_t c2 = static_cast<uint32_t>(colour) << 16 | (colour & 0xFFFF);
    uint32_t rest = 32 - f;
    uint32_t ca = ((c2 & F.group_a) * rest >> 5) & F.group_a;
    uint32_t cb = (((c2 & F.group_b) >> 5) * rest) & F.group_b;
    for_each_row<uint16_t>(source, dest, area, [=](const uint16_t* s, uint16_t* d, int w) {
        packed_row(s, d, w, [=](uint32_t sw, uint32_t) {
            uint32_t a = ((((sw & F.group_a) * f >> 5) & F.group_a) + ca) & F.group_a;
            uint32_t b = (((((sw & F.group_b) >> 5) * f) & F.group_b) + cb) & F.group_b;
            return a | b;
        });
    });
}

// 32 bits: one pixel at a time, red and blue together, green alone; the top byte is written 0.
constexpr uint32_t red_blue = 0x00FF00FF;
constexpr uint32_t green = 0x0000FF00;
constexpr uint32_t mask_colour_32 = 0x00FF00FF;

uint32_t mix_32(uint32_t s, uint32_t d, uint32_t fact) {
    uint32_t drb = d & red_blue, dg = d & green;
    uint32_t rb = (drb + (((s & red_blue) - drb) * fact >> 8)) & red_blue;
    uint32_t g = (dg + (((s & green) - dg) * fact >> 8)) & green;
    return rb | g;
}

uint32_t average_32(uint32_t s, uint32_t d) {
    return ((s & 0x00FEFEFE) >> 1) + ((d & 0x00FEFEFE) >> 1) + (s & d & 0x00010101);
}

void trans_32(BITMAP* source, BITMAP* dest, const Area& area, int fact) {
    bool average = fact == 127 || fact == 128;
    for_each_row<uint32_t>(source, dest, area, [=](const uint32_t* s, uint32_t* d, int w) {
        for (int i = 0; i < w; ++i) {
            if (s[i] == mask_colour_32) continue;
            d[i] = average ? average_32(s[i], d[i]) : mix_32(s[i], d[i], fact);
        }
    });
}

void fade_32(BITMAP* source, BITMAP* dest, const Area& area, int colour, int fact) {
    uint32_t rest = 256 - fact;
    uint32_t crb = ((colour & red_blue) * rest >> 8) & red_blue;
    uint32_t cg = ((colour & green) * rest >> 8) & green;
    for_each_row<uint32_t>(source, dest, area, [=](const uint32_t* s, uint32_t* d, int w) {
        for (int i = 0; i < w; ++i)
            d[i] = ((((s[i] & red_blue) * fact >> 8) & red_blue) + crb) | ((((s[i] & green) * fact >> 8) & green) + cg);
    });
}

}  // namespace

void trans_blit(BITMAP* source, BITMAP* dest, int x, int y, int fact) {
    Area area;
    if (!clip(source, dest, x, y, area)) return;
    int depth = blend_depth(source, dest);
    if (!depth) return;
    int weight = depth == 32 ? fact : packed_weight(fact);
    if (weight >= (depth == 32 ? 255 : 32)) {
        masked_blit(source, dest, area.sx, area.sy, area.x, area.y, area.w, area.h);
        return;
    }
    if (weight <= 0) return;
    if (depth == 15) trans_packed<format_15>(source, dest, area, weight);
    else if (depth == 16) trans_packed<format_16>(source, dest, area, weight);
    else trans_32(source, dest, area, weight);
}

void fade_blit(BITMAP* source, BITMAP* dest, int x, int y, int colour, int fact) {
    Area area;
    if (!clip(source, dest, x, y, area) || !blend_depth(source, dest)) return;
    if (fact > 254) {
        blit(source, dest, area.sx, area.sy, area.x, area.y, area.w, area.h);
        return;
    }
    if (fact <= 0) {
        rectfill(dest, area.x, area.y, area.x + area.w - 1, area.y + area.h - 1, colour);
        return;
    }
    switch (bitmap_color_depth(source)) {
        case 15: fade_packed<format_15>(source, dest, area, colour, packed_weight(fact)); break;
        case 16: fade_packed<format_16>(source, dest, area, colour, packed_weight(fact)); break;
        default: fade_32(source, dest, area, colour, fact); break;
    }
}
