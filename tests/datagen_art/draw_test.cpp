// The drawing library: the hard mask, the colours kept clear of the mask, and determinism.
#include <gtest/gtest.h>

#include "draw/draw.h"

namespace {

using namespace datagen::draw;
using datagen::Image;
using datagen::mask_colour;
using datagen::Rgb;

Image disc_picture() {
    Canvas c(32, 32);
    c.glow(circle({16, 16}, 6), rgb(255, 120, 40), 6, 2.5f);
    c.fill(circle({16, 16}, 5), metal(circle({16, 16}, 5), solid(rgb(120, 130, 150))));
    return c.to_image();
}

TEST(Canvas, MaskIsHardEdgedAroundAnAntialiasedShape) {
    const Image img = disc_picture();
    EXPECT_EQ(img.at(0, 0), mask_colour);
    EXPECT_NE(img.at(16, 16), mask_colour);
    // The glow makes a ring around the disc opaque, and it fades to the mask farther out.
    EXPECT_NE(img.at(16, 16 + 7), mask_colour);
    EXPECT_EQ(img.at(16, 31), mask_colour);
}

TEST(Canvas, LightComesFromTheTopLeft) {
    Canvas c(40, 40);
    const Shape s = circle({20, 20}, 15);
    c.fill(s, metal(s, solid(rgb(100, 100, 100))));
    const Colour top_left = c.colour(10, 10), bottom_right = c.colour(29, 29);
    EXPECT_GT(top_left.r, bottom_right.r + 0.1f);
}

TEST(Canvas, NearMagentaColoursNeverReachTheMask) {
    EXPECT_TRUE(reduces_to_mask({255, 0, 255}));
    EXPECT_TRUE(reduces_to_mask({248, 3, 250}));
    EXPECT_FALSE(reduces_to_mask({247, 0, 255}));
    EXPECT_FALSE(reduces_to_mask(to_rgb(rgb(255, 0, 255))));
    EXPECT_FALSE(reduces_to_mask(to_rgb({1.2f, -0.1f, 1.3f})));
    Canvas c(4, 4);
    c.fill(rect({0, 0}, {4, 4}), rgb(252, 1, 251));
    for (Rgb p : c.to_opaque_image(black).pixels) EXPECT_FALSE(reduces_to_mask(p));
}

TEST(Canvas, SameDrawingGivesTheSameBytes) {
    EXPECT_EQ(disc_picture().pixels, disc_picture().pixels);
}

TEST(Shapes, DistanceFieldsAgreeWithTheGeometry) {
    const Shape square = polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_NEAR(square.distance({5, 5}), -5, 1e-4);
    EXPECT_NEAR(square.distance({15, 5}), 5, 1e-4);
    const Shape half = polygon(mirrored({{5, 0}, {0, 10}}, 5));  // a triangle
    EXPECT_LT(half.distance({5, 8}), 0);
    EXPECT_GT(half.distance({1, 1}), 0);
    const Shape donut = circle({0, 0}, 10) - circle({0, 0}, 5);
    EXPECT_GT(donut.distance({0, 0}), 0);
    EXPECT_LT(donut.distance({7, 0}), 0);
    const Shape moved = transformed(rect({-1, -1}, {1, 1}), Affine::translate({20, 0}) * Affine::scale(4, 4));
    EXPECT_LT(moved.distance({23, 0}), 0);
    EXPECT_GT(moved.distance({25, 0}), 0);
    // A bar turned a quarter turn about its centre stands upright.
    const Shape bar = transformed(rect({-10, -1}, {10, 1}), Affine::about({0, 0}, Affine::rotate(pi / 2)));
    EXPECT_LT(bar.distance({0, 8}), 0);
    EXPECT_GT(bar.distance({8, 0}), 0);
}

TEST(Noise, IsDeterministicBoundedAndTilesWithAPeriod) {
    for (int i = 0; i < 50; ++i) {
        const Vec2 p{i * 0.37f, i * 0.71f};
        const float n = fractal_noise(p, 7);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 1);
        EXPECT_EQ(n, fractal_noise(p, 7));
        EXPECT_NEAR(fractal_noise(p, 3, 4, 8, 8), fractal_noise(p + Vec2{8, 8}, 3, 4, 8, 8), 1e-5);
    }
}

TEST(Frames, StripsPutFramesSideBySide) {
    Image a(3, 2, {1, 2, 3}), b(3, 2, {4, 5, 6});
    const Image s = strip({a, b});
    EXPECT_EQ(s.width, 6);
    EXPECT_EQ(s.height, 2);
    EXPECT_EQ(frame_of(s, 3, 1).pixels, b.pixels);
    EXPECT_EQ(silhouette(disc_picture(), {255, 255, 255}).at(16, 16), (Rgb{255, 255, 255}));
}

}  // namespace
