#include <allegro.h>
#include <gtest/gtest.h>

#include <random>

#include "engine/collision.h"

namespace {

BITMAP* filled(int depth, int w, int h, bool solid) {
    BITMAP* b = create_bitmap_ex(depth, w, h);
    clear_to_color(b, solid ? makecol_depth(depth, 10, 20, 30) : bitmap_mask_color(b));
    return b;
}

// Both orders of the pair must agree.
int collide(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by) {
    int forward = pixel_collision(a, ax, ay, b, bx, by);
    EXPECT_EQ(forward, pixel_collision(b, bx, by, a, ax, ay)) << "not symmetric";
    return forward;
}

TEST(PixelCollision, TouchingBoxesDoNotCollide) {
    BITMAP* a = filled(16, 10, 10, true);
    BITMAP* b = filled(16, 10, 10, true);
    EXPECT_EQ(collide(a, 0, 0, b, 10, 0), 0);
    EXPECT_EQ(collide(a, 0, 0, b, 0, 10), 0);
    EXPECT_EQ(collide(a, 0, 0, b, 9, 0), 1);
    EXPECT_EQ(collide(a, 0, 0, b, -9, -9), 1);
    EXPECT_EQ(collide(a, 0, 0, b, 30, 30), 0);
    destroy_bitmap(a);
    destroy_bitmap(b);
}

TEST(PixelCollision, OneSharedSolidPixelCollides) {
    BITMAP* a = filled(16, 10, 10, false);
    BITMAP* b = filled(16, 10, 10, false);
    putpixel(a, 9, 5, makecol(1, 1, 1));
    putpixel(b, 0, 5, makecol(1, 1, 1));
    EXPECT_EQ(collide(a, 0, 0, b, 9, 0), 1);
    EXPECT_EQ(collide(a, 0, 0, b, 9, 1), 0) << "solid pixels side by side, not shared";
    EXPECT_EQ(collide(a, -20, -7, b, -11, -7), 1) << "negative positions";
    EXPECT_EQ(collide(a, -20, -7, b, -11, -6), 0);
    destroy_bitmap(a);
    destroy_bitmap(b);
}

TEST(PixelCollision, AllMaskNeverCollides) {
    BITMAP* empty = filled(16, 10, 10, false);
    BITMAP* solid = filled(16, 10, 10, true);
    for (int dx = -9; dx <= 9; ++dx)
        for (int dy = -9; dy <= 9; ++dy) ASSERT_EQ(collide(empty, 0, 0, solid, dx, dy), 0);
    destroy_bitmap(empty);
    destroy_bitmap(solid);
}

TEST(PixelCollision, EachBitmapUsesItsOwnMaskColour) {
    BITMAP* eight = filled(8, 4, 4, false);  // index 0
    BITMAP* sixteen = filled(16, 4, 4, false);
    putpixel(eight, 3, 3, 7);
    putpixel(sixteen, 0, 0, makecol16(1, 2, 3));
    EXPECT_EQ(collide(eight, 0, 0, sixteen, 3, 3), 1);
    EXPECT_EQ(collide(eight, 0, 0, sixteen, 2, 3), 0);
    BITMAP* other = filled(8, 4, 4, false);
    putpixel(other, 0, 0, 1);
    EXPECT_EQ(collide(eight, 0, 0, other, 3, 3), 1);
    EXPECT_EQ(collide(eight, 0, 0, other, 3, 2), 0);
    destroy_bitmap(eight);
    destroy_bitmap(sixteen);
    destroy_bitmap(other);
}

TEST(PixelCollision, MatchesABruteForceScanOnRandomShapes) {
    std::mt19937 rng(11);
    BITMAP* a = filled(16, 7, 5, false);
    BITMAP* b = filled(16, 6, 8, false);
    for (int round = 0; round < 200; ++round) {
        for (BITMAP* bmp : {a, b})
            for (int y = 0; y < bmp->h; ++y)
                for (int x = 0; x < bmp->w; ++x)
                    putpixel(bmp, x, y, rng() % 6 == 0 ? makecol(9, 9, 9) : bitmap_mask_color(bmp));
        int bx = static_cast<int>(rng() % 17) - 8, by = static_cast<int>(rng() % 17) - 8;
        int expected = 0;
        for (int y = 0; y < a->h; ++y)
            for (int x = 0; x < a->w; ++x) {
                int ox = x - bx, oy = y - by;
                bool inside = ox >= 0 && ox < b->w && oy >= 0 && oy < b->h;
                if (inside && getpixel(a, x, y) != bitmap_mask_color(a) && getpixel(b, ox, oy) != bitmap_mask_color(b))
                    expected = 1;
            }
        ASSERT_EQ(collide(a, 0, 0, b, bx, by), expected) << "round " << round;
    }
    destroy_bitmap(a);
    destroy_bitmap(b);
}

}  // namespace
