#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <utility>

#include "engine/blit.h"

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// The channel fields of a depth, as (shift, bits).
struct Field {
    int shift, bits;
};
struct Layout {
    int depth;
    Field fields[3];
    uint32_t mask_colour;
};
const Layout layouts[] = {
    {15, {{10, 5}, {5, 5}, {0, 5}}, 0x7C1F},
    {16, {{11, 5}, {5, 6}, {0, 5}}, 0xF81F},
    {32, {{16, 8}, {8, 8}, {0, 8}}, 0x00FF00FF},
};

int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Applies a per-channel formula to two pixels.
template <class Mix>
uint32_t per_channel(const Layout& layout, uint32_t s, uint32_t d, Mix mix) {
    uint32_t out = 0;
    for (Field f : layout.fields) {
        int max = (1 << f.bits) - 1;
        out |= static_cast<uint32_t>(mix(static_cast<int>(s >> f.shift) & max, static_cast<int>(d >> f.shift) & max))
               << f.shift;
    }
    return out;
}

uint32_t expected_trans(const Layout& layout, uint32_t s, uint32_t d, int fact) {
    bool packed = layout.depth != 32;
    int weight = packed ? (fact + 7) >> 3 : fact;
    int full = packed ? 32 : 256;
    if (weight >= full - (packed ? 0 : 1)) return s == layout.mask_colour ? d : s;  // masked_blit
    if (weight <= 0 || s == layout.mask_colour) return d;
    if (!packed && (fact == 127 || fact == 128))
        return per_channel(layout, s, d, [](int sc, int dc) { return (sc + dc) / 2; });
    return per_channel(layout, s, d, [&](int sc, int dc) { return dc + floor_div((sc - dc) * weight, full); });
}

uint32_t expected_fade(const Layout& layout, uint32_t s, uint32_t colour, int fact) {
    if (fact > 254) return s;
    if (fact <= 0) return colour;
    bool packed = layout.depth != 32;
    int weight = packed ? (fact + 7) >> 3 : fact;
    int full = packed ? 32 : 256;
    return per_channel(layout, s, colour, [&](int sc, int cc) { return sc * weight / full + cc * (full - weight) / full; });
}

uint32_t random_pixel(const Layout& layout, std::mt19937& rng) {
    if (rng() % 8 == 0) return layout.mask_colour;
    return rng() & (layout.depth == 32 ? 0x00FFFFFF : layout.depth == 16 ? 0xFFFF : 0x7FFF);
}

Bitmap random_bitmap(const Layout& layout, int w, int h, std::mt19937& rng) {
    Bitmap b(create_bitmap_ex(layout.depth, w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) putpixel(b.get(), x, y, random_pixel(layout, rng));
    return b;
}

Bitmap copy_of(BITMAP* b) {
    Bitmap c(create_bitmap_ex(bitmap_color_depth(b), b->w, b->h));
    blit(b, c.get(), 0, 0, 0, 0, b->w, b->h);
    return c;
}

uint32_t pixel(BITMAP* b, int x, int y) { return static_cast<uint32_t>(getpixel(b, x, y)); }

// Runs a check with the narrow vectors every x86-64 has and, where the build and the processor
// have them, with AVX2's wide ones.
template <class Check>
void with_both_vector_widths(Check check) {
    bool processor_default = blend_wide_vectors;
    for (bool wide : {false, true}) {
        if (wide && !processor_default) continue;
        SCOPED_TRACE(wide ? "wide vectors" : "narrow vectors");
        blend_wide_vectors = wide;
        check();
    }
    blend_wide_vectors = processor_default;
}

// A source and a destination whose pixels pair every value of each channel with every value of
// the same channel, at 15 and 16 bits: a 64x64 grid, as the widest field has six bits.
std::pair<Bitmap, Bitmap> every_channel_pair(const Layout& layout) {
    constexpr int w = 61, h = 68;  // 4148 pixels, rows ending in part of a vector
    Bitmap source(create_bitmap_ex(layout.depth, w, h)), dest(create_bitmap_ex(layout.depth, w, h));
    for (int k = 0; k < w * h; ++k) {
        int a = k / 64 % 64, b = k % 64;
        uint32_t s = 0, d = 0;
        for (Field f : layout.fields) {
            int max = (1 << f.bits) - 1;
            s |= static_cast<uint32_t>((a + (f.shift == 0 ? b : 0)) & max) << f.shift;
            d |= static_cast<uint32_t>(b & max) << f.shift;
        }
        putpixel(source.get(), k % w, k / w, static_cast<int>(s));
        putpixel(dest.get(), k % w, k / w, static_cast<int>(d));
    }
    return {std::move(source), std::move(dest)};
}

void check_trans(const Layout& layout, BITMAP* source, BITMAP* dest, int fact) {
    Bitmap before = copy_of(dest);
    trans_blit(source, dest, 0, 0, fact);
    for (int y = 0; y < dest->h; ++y)
        for (int x = 0; x < dest->w; ++x) {
            uint32_t s = pixel(source, x, y), d = pixel(before.get(), x, y);
            ASSERT_EQ(pixel(dest, x, y), expected_trans(layout, s, d, fact))
                << layout.depth << " bits, fact " << fact << ", s " << std::hex << s << " d " << d;
        }
}

void check_fade(const Layout& layout, BITMAP* source, uint32_t colour, int fact) {
    Bitmap dest(create_bitmap_ex(layout.depth, source->w, source->h));
    fade_blit(source, dest.get(), 0, 0, static_cast<int>(colour), fact);
    for (int y = 0; y < source->h; ++y)
        for (int x = 0; x < source->w; ++x) {
            uint32_t s = pixel(source, x, y);
            ASSERT_EQ(pixel(dest.get(), x, y), expected_fade(layout, s, colour, fact))
                << layout.depth << " bits, fact " << fact << ", s " << std::hex << s << " c " << colour;
        }
}

// Every factor from below 0 to above 255, on odd-width bitmaps so the padded end of a row is
// covered as well as whole vectors: random pixels at every depth, and at 15 and 16 bits every
// pair of channel values at every factor of 0 to 255.
void check_trans_at_every_factor(std::mt19937& rng) {
    for (const Layout& layout : layouts) {
        for (int fact = -8; fact <= 260; ++fact) {
            Bitmap source = random_bitmap(layout, 37, 5, rng);
            Bitmap dest = random_bitmap(layout, 37, 5, rng);
            check_trans(layout, source.get(), dest.get(), fact);
            if (layout.depth == 32 || fact < 0 || fact > 255) continue;
            auto [pair_source, pair_dest] = every_channel_pair(layout);
            check_trans(layout, pair_source.get(), pair_dest.get(), fact);
        }
    }
}

void check_fade_at_every_factor(std::mt19937& rng) {
    for (const Layout& layout : layouts) {
        for (int fact = -8; fact <= 260; ++fact) {
            check_fade(layout, random_bitmap(layout, 37, 5, rng).get(), random_pixel(layout, rng), fact);
            if (layout.depth == 32 || fact < 0 || fact > 255) continue;
            Bitmap source = every_channel_pair(layout).first;
            uint32_t white = layout.depth == 16 ? 0xFFFF : 0x7FFF;
            for (uint32_t colour : {0u, white, random_pixel(layout, rng)}) check_fade(layout, source.get(), colour, fact);
        }
    }
}

TEST(TransBlit, EveryPixelFollowsTheChannelFormulaAtEveryFactor) {
    std::mt19937 rng(1);
    with_both_vector_widths([&] { check_trans_at_every_factor(rng); });
}

TEST(FadeBlit, EveryPixelFollowsTheChannelFormulaAtEveryFactor) {
    std::mt19937 rng(2);
    with_both_vector_widths([&] { check_fade_at_every_factor(rng); });
}

TEST(TransBlit, WorkedExamplesAtSixteenBits) {
    Bitmap source(create_bitmap_ex(16, 1, 1)), dest(create_bitmap_ex(16, 1, 1));
    putpixel(source.get(), 0, 0, 31 << 11);
    putpixel(dest.get(), 0, 0, 0);
    trans_blit(source.get(), dest.get(), 0, 0, 120);
    EXPECT_EQ(pixel(dest.get(), 0, 0) >> 11, 14u);
    putpixel(source.get(), 0, 0, 0);
    putpixel(dest.get(), 0, 0, 31 << 11);
    trans_blit(source.get(), dest.get(), 0, 0, 120);
    EXPECT_EQ(pixel(dest.get(), 0, 0) >> 11, 16u);

    putpixel(source.get(), 0, 0, makecol16(255, 255, 255));
    fade_blit(source.get(), dest.get(), 0, 0, 0, 128);
    EXPECT_EQ(pixel(dest.get(), 0, 0), (15u << 11) | (31u << 5) | 15u);
}

// Draws a 10x10 source of distinct pixels at (x, y) on a 20x20 destination and checks each
// destination pixel came from the source pixel under it, or was left alone.
void check_placement(int x, int y) {
    Bitmap source(create_bitmap_ex(16, 10, 10));
    for (int sy = 0; sy < 10; ++sy)
        for (int sx = 0; sx < 10; ++sx) putpixel(source.get(), sx, sy, 1 + sy * 10 + sx);
    for (int pass = 0; pass < 2; ++pass) {
        Bitmap dest(create_bitmap_ex(16, 20, 20));
        clear_to_color(dest.get(), 0xFFFF);
        if (pass == 0) trans_blit(source.get(), dest.get(), x, y, 255);
        else fade_blit(source.get(), dest.get(), x, y, 0, 255);
        for (int dy = 0; dy < 20; ++dy)
            for (int dx = 0; dx < 20; ++dx) {
                int sx = dx - x, sy = dy - y;
                bool covered = sx >= 0 && sx < 10 && sy >= 0 && sy < 10;
                ASSERT_EQ(pixel(dest.get(), dx, dy), covered ? 1u + sy * 10 + sx : 0xFFFFu)
                    << "at " << x << "," << y << " pass " << pass << " pixel " << dx << "," << dy;
            }
    }
}

TEST(BlendClipping, CutsAtEveryEdgeOfTheDestination) {
    with_both_vector_widths([] {
        for (int x : {-12, -3, 0, 5, 10, 17, 20})
            for (int y : {-10, -1, 0, 4, 11, 19, 25}) check_placement(x, y);
    });
}

TEST(BlendClipping, ClippedPartsAreBlendedFromTheMatchingSourceOffset) {
    std::mt19937 rng(5);
    const Layout& layout = layouts[1];
    Bitmap source = random_bitmap(layout, 9, 7, rng);
    Bitmap dest = random_bitmap(layout, 6, 5, rng);
    Bitmap before = copy_of(dest.get());
    trans_blit(source.get(), dest.get(), -2, -3, 100);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            uint32_t expected = y + 3 < 7 ? expected_trans(layout, pixel(source.get(), x + 2, y + 3), pixel(before.get(), x, y), 100)
                                          : pixel(before.get(), x, y);
            EXPECT_EQ(pixel(dest.get(), x, y), expected) << x << "," << y;
        }
}

// masked_blit from a sub-rectangle and draw_sprite, at every depth, across every edge and inside a
// clipping rectangle: each destination pixel holds the source pixel over it unless that is the
// mask colour, and everything outside is left alone.
TEST(MaskedDraws, CopyAllButTheMaskColourWithinTheClip) {
    struct Clip {
        int left, top, right, bottom;  // right and bottom excluded
    };
    std::mt19937 rng(9);
    with_both_vector_widths([&] {
        for (const Layout& layout : layouts)
            for (Clip clip : {Clip{0, 0, 23, 17}, Clip{3, 2, 19, 11}})
                for (int x : {-20, -5, 0, 4, 9, 22, 30})
                    for (int y : {-9, -2, 0, 6, 16, 20})
                        for (bool sprite : {false, true}) {
                            Bitmap source = random_bitmap(layout, 19, 9, rng);
                            Bitmap dest = random_bitmap(layout, 23, 17, rng);
                            Bitmap before = copy_of(dest.get());
                            set_clip_rect(dest.get(), clip.left, clip.top, clip.right - 1, clip.bottom - 1);
                            const int sx = sprite ? 0 : 2, sy = sprite ? 0 : 1;  // masked_blit draws 15x7 from (2, 1)
                            const int w = sprite ? 19 : 15, h = sprite ? 9 : 7;
                            if (sprite) draw_sprite(dest.get(), source.get(), x, y);
                            else masked_blit(source.get(), dest.get(), sx, sy, x, y, w, h);
                            for (int dy = 0; dy < 17; ++dy)
                                for (int dx = 0; dx < 23; ++dx) {
                                    uint32_t expected = pixel(before.get(), dx, dy);
                                    bool inside = dx >= clip.left && dx < clip.right && dy >= clip.top && dy < clip.bottom &&
                                                  dx >= x && dx < x + w && dy >= y && dy < y + h;
                                    uint32_t s = inside ? pixel(source.get(), dx - x + sx, dy - y + sy) : 0;
                                    if (inside && s != layout.mask_colour) expected = s;
                                    ASSERT_EQ(pixel(dest.get(), dx, dy), expected)
                                        << layout.depth << " bits, " << (sprite ? "sprite" : "masked blit") << " at " << x
                                        << "," << y << " clip " << clip.left << ", pixel " << dx << "," << dy;
                                }
                        }
    });
}

TEST(BlendDepths, MismatchedOrUnsupportedDepthsDrawNothing) {
    struct Pair {
        int source, dest;
    };
    for (Pair p : {Pair{16, 32}, Pair{32, 16}, Pair{15, 16}, Pair{8, 8}, Pair{24, 24}}) {
        Bitmap source(create_bitmap_ex(p.source, 4, 4)), dest(create_bitmap_ex(p.dest, 4, 4));
        clear_to_color(source.get(), 1);
        clear_to_color(dest.get(), 2);
        for (int fact : {0, 100, 255}) {
            trans_blit(source.get(), dest.get(), 0, 0, fact);
            fade_blit(source.get(), dest.get(), 0, 0, 3, fact);
        }
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) ASSERT_EQ(getpixel(dest.get(), x, y), 2) << p.source << "->" << p.dest;
    }
}

}  // namespace
