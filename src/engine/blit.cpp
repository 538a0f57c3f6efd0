#include "engine/blit.h"

#include <allegro/internal/aintern.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

// The 32-byte vectors below are returned only between functions of this file, so that AVX and
// plain builds return them differently concerns no caller.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

// The part of the source that lands on the destination.
struct Area {
    int sx = 0, sy = 0;  // in the source
    int x = 0, y = 0;    // in the destination
    int w = 0, h = 0;
};

// The source rectangle (sx, sy, w, h) placed at (x, y), cut to the destination's columns
// [left, right) and rows [top, bottom); false when nothing is left.
bool clip_to(const Area& wanted, int left, int top, int right, int bottom, Area& area) {
    area = wanted;
    if (area.x < left) {
        area.w -= left - area.x;
        area.sx += left - area.x;
        area.x = left;
    }
    if (area.y < top) {
        area.h -= top - area.y;
        area.sy += top - area.y;
        area.y = top;
    }
    area.w = std::min(area.w, right - area.x);
    area.h = std::min(area.h, bottom - area.y);
    return area.w > 0 && area.h > 0;
}

bool clip(BITMAP* source, BITMAP* dest, int x, int y, Area& area) {
    return clip_to({0, 0, x, y, source->w, source->h}, 0, 0, dest->w, dest->h, area);
}

// The common depth when both bitmaps have it and it is one these blends handle, else 0.
int blend_depth(BITMAP* source, BITMAP* dest) {
    int depth = bitmap_color_depth(source);
    bool supported = depth == 15 || depth == 16 || depth == 32;
    return supported && bitmap_color_depth(dest) == depth ? depth : 0;
}

// Rows are blended a vector of 32-bit words at a time, each word holding two 15/16-bit pixels
// (the left one in the low half) or one 32-bit pixel. GCC's vector extension keeps the word
// arithmetic below as written while it compiles to SIMD instructions: sixteen-byte vectors run
// on any x86-64 processor, thirty-two-byte ones where AVX2 is present.
typedef uint32_t NarrowWords __attribute__((vector_size(16)));
typedef uint32_t WideWords __attribute__((vector_size(32)));

// The same bits as 16-bit lanes.
template <class W>
struct HalvesOf;
template <>
struct HalvesOf<NarrowWords> {
    typedef uint16_t Type __attribute__((vector_size(16)));
};
template <>
struct HalvesOf<WideWords> {
    typedef uint16_t Type __attribute__((vector_size(32)));
};

// Blends one row: op(source words, destination words) turns the destination words into their
// new values. The last words of a row are padded with zeros and only the row's pixels are
// written.
template <class W, class Pixel, class Op>
[[gnu::always_inline]] inline void blend_row(const Pixel* s, Pixel* d, int w, Op op) {
    constexpr int per_vector = sizeof(W) / sizeof(Pixel);
    int i = 0;
    for (; i + per_vector <= w; i += per_vector) {
        W sv, dv;
        std::memcpy(&sv, s + i, sizeof sv);
        std::memcpy(&dv, d + i, sizeof dv);
        op(sv, dv);
        std::memcpy(d + i, &dv, sizeof dv);
    }
    if (i < w) {
        size_t bytes = (w - i) * sizeof(Pixel);
        W sv = {}, dv = {};
        std::memcpy(&sv, s + i, bytes);
        std::memcpy(&dv, d + i, bytes);
        op(sv, dv);
        std::memcpy(d + i, &dv, bytes);
    }
}

// Built for AVX2 and AVX-512 too, unless the build leaves wide vectors out. The game turns it on
// only where AVX2 is present; elsewhere (as the tests do, to cover both paths) it runs the plain
// build that target_clones requires.
#ifdef VOIDMARCH_NO_WIDE_VECTORS
constexpr bool wide_vectors_built = false;
#define WIDE_CLONES
#else
constexpr bool wide_vectors_built = true;
#define WIDE_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif

template <class Pixel, class Op>
WIDE_CLONES void blend_wide_row(const Pixel* s, Pixel* d, int w, Op op) {
    blend_row<WideWords>(s, d, w, op);
}

template <class Pixel, class Op>
void blend(BITMAP* source, BITMAP* dest, const Area& area, Op op) {
    acquire_bitmap(dest);
    for (int r = 0; r < area.h; ++r) {
        auto* s = reinterpret_cast<const Pixel*>(source->line[area.sy + r]) + area.sx;
        auto* d = reinterpret_cast<Pixel*>(bmp_write_line(dest, area.y + r)) + area.x;
        if (blend_wide_vectors) blend_wide_row(s, d, area.w, op);
        else blend_row<NarrowWords>(s, d, area.w, op);
    }
    bmp_unwrite_line(dest);
    release_bitmap(dest);
}

// All ones in the lanes where a comparison holds.
template <class W, class Comparison>
W lanes(const Comparison& holds) {
    return reinterpret_cast<W>(holds);
}

// 15 and 16 bits. Each group mask takes three channel fields lying at least five bits apart, so
// one multiplication by a 5-bit weight serves all three and the fractional bits fall into the
// gaps.
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

// The source with its mask-coloured pixels replaced by the destination's, which mixing leaves
// unchanged.
template <const PackedFormat& F, class W>
W keep_masked(const W& s, const W& d) {
    using Halves = typename HalvesOf<W>::Type;
    W keep = lanes<W>(reinterpret_cast<Halves>(s) == static_cast<uint16_t>(F.mask_colour));
    return s ^ ((s ^ d) & keep);
}

template <const PackedFormat& F, class W>
W mix_packed(const W& s, const W& d, uint32_t f) {
    W da = d & F.group_a, db = d & F.group_b;
    W a = (da + (((s & F.group_a) - da) * f >> 5)) & F.group_a;
    W b = (db + (((s & F.group_b) >> 5) - (db >> 5)) * f) & F.group_b;
    return a | b;
}

template <const PackedFormat& F, class W>
W average_packed(const W& s, const W& d) {
    return ((s & F.halves) >> 1) + ((d & F.halves) >> 1) + (s & d & F.low_bits);
}

template <const PackedFormat& F>
void trans_packed(BITMAP* source, BITMAP* dest, const Area& area, uint32_t f) {
    if (f == 16) blend<uint16_t>(source, dest, area, [](const auto& s, auto& d) { d = average_packed<F>(keep_masked<F>(s, d), d); });
    else blend<uint16_t>(source, dest, area, [f](const auto& s, auto& d) { d = mix_packed<F>(keep_masked<F>(s, d), d, f); });
}

template <const PackedFormat& F>
void fade_packed(BITMAP* source, BITMAP* dest, const Area& area, uint32_t colour, uint32_t f) {
    uint32_t c2 = colour << 16 | (colour & 0xFFFF);
    uint32_t rest = 32 - f;
    uint32_t ca = ((c2 & F.group_a) * rest >> 5) & F.group_a;
    uint32_t cb = (((c2 & F.group_b) >> 5) * rest) & F.group_b;
    blend<uint16_t>(source, dest, area, [=](const auto& s, auto& d) {
        d = (((((s & F.group_a) * f >> 5) & F.group_a) + ca) & F.group_a) |
            ((((((s & F.group_b) >> 5) * f) & F.group_b) + cb) & F.group_b);
    });
}

// 32 bits: red and blue together, green alone; the top byte is written 0.
constexpr uint32_t red_blue = 0x00FF00FF;
constexpr uint32_t green = 0x0000FF00;
constexpr uint32_t mask_colour_32 = 0x00FF00FF;

template <class W>
W mix_32(const W& s, const W& d, uint32_t fact) {
    W drb = d & red_blue, dg = d & green;
    W rb = (drb + (((s & red_blue) - drb) * fact >> 8)) & red_blue;
    W g = (dg + (((s & green) - dg) * fact >> 8)) & green;
    return rb | g;
}

template <class W>
W average_32(const W& s, const W& d) {
    return ((s & 0x00FEFEFE) >> 1) + ((d & 0x00FEFEFE) >> 1) + (s & d & 0x00010101);
}

// The blend where the source is not the mask colour, the destination where it is.
template <class W>
W unless_masked_32(const W& s, const W& d, const W& blended) {
    W keep = lanes<W>(s == mask_colour_32);
    return (blended & ~keep) | (d & keep);
}

void trans_32(BITMAP* source, BITMAP* dest, const Area& area, uint32_t fact) {
    if (fact == 127 || fact == 128)
        blend<uint32_t>(source, dest, area, [](const auto& s, auto& d) { d = unless_masked_32(s, d, average_32(s, d)); });
    else
        blend<uint32_t>(source, dest, area, [fact](const auto& s, auto& d) { d = unless_masked_32(s, d, mix_32(s, d, fact)); });
}

void fade_32(BITMAP* source, BITMAP* dest, const Area& area, uint32_t colour, uint32_t fact) {
    uint32_t rest = 256 - fact;
    uint32_t crb = ((colour & red_blue) * rest >> 8) & red_blue;
    uint32_t cg = ((colour & green) * rest >> 8) & green;
    blend<uint32_t>(source, dest, area, [=](const auto& s, auto& d) {
        d = ((((s & red_blue) * fact >> 8) & red_blue) + crb) | ((((s & green) * fact >> 8) & green) + cg);
    });
}

// The source's pixels but its mask-coloured ones, which leave the destination as it was.
void copy_unmasked(BITMAP* source, BITMAP* dest, const Area& area) {
    switch (bitmap_color_depth(dest)) {
        case 15: blend<uint16_t>(source, dest, area, [](const auto& s, auto& d) { d = keep_masked<format_15>(s, d); }); break;
        case 16: blend<uint16_t>(source, dest, area, [](const auto& s, auto& d) { d = keep_masked<format_16>(s, d); }); break;
        default: blend<uint32_t>(source, dest, area, [](const auto& s, auto& d) { d = unless_masked_32(s, d, s); }); break;
    }
}

// Allegro's own masked draws of each depth, kept for the bitmaps that are not in memory.
template <int depth>
struct AllegroDraws {
    static inline decltype(GFX_VTABLE::masked_blit) masked_blit = nullptr;
    static inline decltype(GFX_VTABLE::draw_sprite) draw_sprite = nullptr;
};

template <int depth>
bool vectors_serve(BITMAP* source, BITMAP* dest) {
    return is_memory_bitmap(source) && is_memory_bitmap(dest) && bitmap_color_depth(source) == depth;
}

// Allegro has clipped the rectangle already.
template <int depth>
void vector_masked_blit(BITMAP* source, BITMAP* dest, int sx, int sy, int x, int y, int w, int h) {
    if (vectors_serve<depth>(source, dest)) copy_unmasked(source, dest, {sx, sy, x, y, w, h});
    else AllegroDraws<depth>::masked_blit(source, dest, sx, sy, x, y, w, h);
}

// Clipped to the destination's clipping rectangle, or to its edges when clipping is off.
template <int depth>
void vector_draw_sprite(BITMAP* dest, BITMAP* sprite, int x, int y) {
    if (!vectors_serve<depth>(sprite, dest)) return AllegroDraws<depth>::draw_sprite(dest, sprite, x, y);
    Area area;
    const Area whole{0, 0, x, y, sprite->w, sprite->h};
    bool shown = dest->clip ? clip_to(whole, dest->cl, dest->ct, dest->cr, dest->cb, area)
                            : clip_to(whole, 0, 0, dest->w, dest->h, area);
    if (shown) copy_unmasked(sprite, dest, area);
}

template <int depth>
void use_vectors_at() {
    GFX_VTABLE* table = _get_vtable(depth);
    if (!table || table->masked_blit == vector_masked_blit<depth>) return;
    AllegroDraws<depth>::masked_blit = table->masked_blit;
    AllegroDraws<depth>::draw_sprite = table->draw_sprite;
    table->masked_blit = vector_masked_blit<depth>;
    table->draw_sprite = vector_draw_sprite<depth>;
}

}  // namespace

bool blend_wide_vectors = wide_vectors_built && (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

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

void use_vector_masked_draws() {
    use_vectors_at<15>();
    use_vectors_at<16>();
    use_vectors_at<32>();
}
