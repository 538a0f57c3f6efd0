#include "engine/blit.h"

#include <allegro/internal/aintern.h>
#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

// The 32-byte vectors below are passed only between functions of this file, so that AVX and
// plain builds pass them differently concerns no caller.
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

// 15 and 16 bits: the channels' fields of a 16-bit pixel.
struct PackedFormat {
    uint16_t red, green, blue;
    uint16_t halves;  // every channel without its lowest bit
    uint16_t mask_colour;
};

constexpr PackedFormat format_15{0x7C00, 0x03E0, 0x001F, 0x7BDE, 0x7C1F};
constexpr PackedFormat format_16{0xF800, 0x07E0, 0x001F, 0xF7DE, 0xF81F};

// 15/16-bit weight out of 32 from a factor out of 255.
int packed_weight(int fact) { return (fact + 7) >> 3; }

// 32 bits: red and blue together, green alone.
constexpr uint32_t red_blue = 0x00FF00FF;
constexpr uint32_t green = 0x0000FF00;
constexpr uint32_t mask_colour_32 = 0x00FF00FF;

// The row loops of one width of vector.
struct Blends {
    void (*trans)(BITMAP* source, BITMAP* dest, const Area& area, int depth, int weight);
    void (*fade)(BITMAP* source, BITMAP* dest, const Area& area, int depth, int colour, int fact);
    void (*copy_unmasked)(BITMAP* source, BITMAP* dest, const Area& area);
};

// Sixteen-byte vectors, which any x86-64 processor runs.
namespace narrow {
typedef uint16_t Halves __attribute__((vector_size(16)));
typedef uint32_t Words __attribute__((vector_size(16)));

// The high half of each lane's 32-bit product, of the lanes read as unsigned or as signed
// numbers; the vector extension has no operator for it.
Halves high_product(const Halves& a, const Halves& b) {
    return reinterpret_cast<Halves>(_mm_mulhi_epu16(reinterpret_cast<__m128i>(a), reinterpret_cast<__m128i>(b)));
}
Halves signed_high_product(const Halves& a, const Halves& b) {
    return reinterpret_cast<Halves>(_mm_mulhi_epi16(reinterpret_cast<__m128i>(a), reinterpret_cast<__m128i>(b)));
}

#include "engine/blend_rows.inc"
}  // namespace narrow

// Thirty-two-byte vectors where AVX2 is present, unless the build leaves them out.
#ifdef VOIDMARCH_NO_WIDE_VECTORS
constexpr bool wide_vectors_built = false;
#else
constexpr bool wide_vectors_built = true;
#pragma GCC push_options
#pragma GCC target("avx2")
namespace wide {
typedef uint16_t Halves __attribute__((vector_size(32)));
typedef uint32_t Words __attribute__((vector_size(32)));

Halves high_product(const Halves& a, const Halves& b) {
    return reinterpret_cast<Halves>(_mm256_mulhi_epu16(reinterpret_cast<__m256i>(a), reinterpret_cast<__m256i>(b)));
}
Halves signed_high_product(const Halves& a, const Halves& b) {
    return reinterpret_cast<Halves>(_mm256_mulhi_epi16(reinterpret_cast<__m256i>(a), reinterpret_cast<__m256i>(b)));
}

#include "engine/blend_rows.inc"
}  // namespace wide
#pragma GCC pop_options
#endif

const Blends& blends() {
#ifndef VOIDMARCH_NO_WIDE_VECTORS
    if (blend_wide_vectors) return wide::blends;
#endif
    return narrow::blends;
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
    if (vectors_serve<depth>(source, dest)) blends().copy_unmasked(source, dest, {sx, sy, x, y, w, h});
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
    if (shown) blends().copy_unmasked(sprite, dest, area);
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
    if (weight > 0) blends().trans(source, dest, area, depth, weight);
}

void fade_blit(BITMAP* source, BITMAP* dest, int x, int y, int colour, int fact) {
    Area area;
    if (!clip(source, dest, x, y, area)) return;
    int depth = blend_depth(source, dest);
    if (!depth) return;
    if (fact > 254) {
        blit(source, dest, area.sx, area.sy, area.x, area.y, area.w, area.h);
        return;
    }
    if (fact <= 0) {
        rectfill(dest, area.x, area.y, area.x + area.w - 1, area.y + area.h - 1, colour);
        return;
    }
    blends().fade(source, dest, area, depth, colour, fact);
}

void use_vector_masked_draws() {
    use_vectors_at<15>();
    use_vectors_at<16>();
    use_vectors_at<32>();
}
