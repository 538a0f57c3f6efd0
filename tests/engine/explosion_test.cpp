#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/explosion.h"
#include "engine/gif.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

using testing_support::Picture;
using testing_support::picture_path;

Picture blank_canvas() {
    Picture canvas(create_bitmap(400, 300), &destroy_bitmap);
    clear_to_color(canvas.get(), makecol(0, 0, 40));
    return canvas;
}

// The art is read from the data tree the first time any record is set up.
void init_in_data_tree(Explosion& explosion, float x, float y, int mode) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    testing_support::WorkingDirectory in_data(testing_support::data_dir());
    explosion.init(x, y, mode);
}

void animate(Explosion& explosion, int calls) {
    for (int i = 0; i < calls; ++i) explosion.animate();
}

// Pixels where two canvases differ, with their bounding box.
struct Difference {
    int count = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Difference compare(BITMAP* a, BITMAP* b) {
    Difference d;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y)) {
                ++d.count;
                d.left = std::min(d.left, x), d.right = std::max(d.right, x);
                d.top = std::min(d.top, y), d.bottom = std::max(d.bottom, y);
            }
    return d;
}

}  // namespace

TEST(ExplosionTimeline, ThirteenFramesOfTwoStepsThenItStopsItself) {
    Explosion explosion;
    init_in_data_tree(explosion, 10.7f, 20.2f, explosion_scaled);
    EXPECT_EQ(explosion.x, 10.0f);
    EXPECT_EQ(explosion.w, 68);
    EXPECT_EQ(explosion.h, 64);
    EXPECT_EQ(explosion.last_frame, 12);
    EXPECT_EQ(explosion.frame, 0);
    EXPECT_FALSE(explosion.active);
    EXPECT_EQ(explosion.flash, nullptr);  // only flashing explosions need the scratch picture

    explosion.start();
    for (int call = 1; call <= 25; ++call) {
        explosion.animate();
        ASSERT_TRUE(explosion.active) << "call " << call;
        ASSERT_EQ(explosion.frame, call / 2) << "call " << call;
    }
    explosion.animate();
    EXPECT_FALSE(explosion.active);
    EXPECT_EQ(explosion.frame, 0);

    // A finished run starts again from its first frame.
    explosion.start();
    animate(explosion, 26);
    EXPECT_FALSE(explosion.active);
}

TEST(ExplosionTimeline, TheFlashGrowsThenOpensIntoARing) {
    Explosion explosion;
    init_in_data_tree(explosion, 100, 100, explosion_flash);
    ASSERT_NE(explosion.flash, nullptr);
    explosion.start();

    animate(explosion, 10);
    EXPECT_EQ(explosion.alpha, 0.50000006f);  // ten float steps of 0.05
    EXPECT_EQ(explosion.ring, 0);
    explosion.animate();  // the eleventh sum lies just above 0.55
    EXPECT_EQ(explosion.alpha, 0.550000072f);
    EXPECT_EQ(explosion.ring, 4);
    animate(explosion, 8);
    EXPECT_LT(explosion.alpha, 1.0f);
    EXPECT_EQ(explosion.ring, 36);
    explosion.animate();
    EXPECT_EQ(explosion.alpha, 1.0f);
    EXPECT_EQ(explosion.ring, 40);
    animate(explosion, 6);
    EXPECT_FALSE(explosion.active);
    EXPECT_EQ(explosion.ring, 64);
    EXPECT_EQ(explosion.rounds, 0);

    // Only an owner that keeps animating after the end sees the ring pass 128.
    animate(explosion, 16);
    EXPECT_EQ(explosion.ring, 128);
    explosion.animate();
    EXPECT_EQ(explosion.ring, 0);
    EXPECT_EQ(explosion.alpha, 0.0f);
    EXPECT_EQ(explosion.rounds, 1);
    animate(explosion, 5);
    EXPECT_EQ(explosion.alpha, 0.0f);
    EXPECT_EQ(explosion.rounds, 1);

}

TEST(ExplosionTimeline, RestartingMidRunRestartsTheFlashButNotTheFrames) {
    Explosion explosion;
    init_in_data_tree(explosion, 100, 100, explosion_flash);
    explosion.start();
    animate(explosion, 13);
    explosion.start();
    EXPECT_EQ(explosion.frame, 6);
    EXPECT_EQ(explosion.alpha, 0.0f);
    EXPECT_EQ(explosion.ring, 0);
    animate(explosion, 12);
    EXPECT_TRUE(explosion.active);
    EXPECT_EQ(explosion.frame, 12);
    EXPECT_EQ(explosion.alpha, 0.600000083f);
    EXPECT_EQ(explosion.ring, 8);
}

TEST(ExplosionArt, RecordsShareTheFramesButEachHasItsOwnFlash) {
    Explosion a, b, c;
    init_in_data_tree(a, 0, 0, explosion_flash);
    init_in_data_tree(b, 50, 60, explosion_flash);
    init_in_data_tree(c, 0, 0, explosion_scaled);
    EXPECT_EQ(a.frames, b.frames);
    EXPECT_EQ(a.frames, c.frames);
    EXPECT_NE(a.flash, b.flash);
}

TEST(ExplosionDrawing, ScaledModeCentresTheFrameOnItsPosition) {
    Explosion explosion;
    init_in_data_tree(explosion, 150, 120, explosion_scaled);
    explosion.start();
    animate(explosion, 12);  // frame 6, the fullest part of the blast

    Picture drawn = blank_canvas(), expected = blank_canvas(), doubled = blank_canvas();
    explosion.draw(drawn.get());
    draw_sprite(expected.get(), explosion.current_frame(), 150 - 34, 120 - 32);
    EXPECT_EQ(compare(drawn.get(), expected.get()).count, 0);

    explosion.set_scale(2.0f);
    explosion.draw(doubled.get());
    const Difference grown = compare(doubled.get(), blank_canvas().get());
    ASSERT_GT(grown.count, 0);
    EXPECT_GE(grown.left, 150 - 68);
    EXPECT_LE(grown.right, 150 + 68);
    EXPECT_GE(grown.top, 120 - 64);
    EXPECT_LE(grown.bottom, 120 + 64);
    const Difference plain = compare(drawn.get(), blank_canvas().get());
    EXPECT_GT(grown.right - grown.left, plain.right - plain.left + 40);
}

TEST(ExplosionDrawing, FlashModeDrawsTheFrameAtItsCornerOverAHollowFlash) {
    constexpr int x = 150, y = 120;
    Explosion explosion;
    init_in_data_tree(explosion, x, y, explosion_flash);
    explosion.start();

    // The flash's centre, and where it may reach: its 128 x 128 scratch picture.
    const int centre_x = x - 34 + 63, centre_y = y - 32 + 63;
    int flash_pixels = 0;
    Picture sequence(create_bitmap(9 * 140, 150), &destroy_bitmap);
    clear_to_color(sequence.get(), makecol(0, 0, 40));
    for (int shot = 0; shot < 9; ++shot) {
        Picture drawn = blank_canvas(), frame_only = blank_canvas();
        explosion.draw(drawn.get());
        draw_sprite(frame_only.get(), explosion.current_frame(), x, y);
        blit(drawn.get(), sequence.get(), x - 40, y - 40, shot * 140, 0, 140, 150);

        // The flash adds pixels only inside its box and outside its hole.
        const Difference flash = compare(drawn.get(), frame_only.get());
        EXPECT_GE(flash.left, x - 34);
        EXPECT_LE(flash.right, x - 34 + 127);
        EXPECT_GE(flash.top, y - 32);
        EXPECT_LE(flash.bottom, y - 32 + 127);
        const int hole = explosion.ring + 10 - 1;
        for (int py = centre_y - hole; py <= centre_y + hole; ++py)
            for (int px = centre_x - hole; px <= centre_x + hole; ++px) {
                const int ddx = px - centre_x, ddy = py - centre_y;
                if (ddx * ddx + ddy * ddy < hole * hole) {
                    ASSERT_EQ(getpixel(drawn.get(), px, py), getpixel(frame_only.get(), px, py))
                        << "flash inside its hole at " << px << "," << py << " ring " << explosion.ring;
                }
            }
        flash_pixels += flash.count;
        animate(explosion, 3);
    }
    ASSERT_EQ(save_png(picture_path("explosion_flash.png").c_str(), sequence.get(), nullptr), 0);
    EXPECT_GT(flash_pixels, 0);

    // Once the ring is spent only the frame is drawn.
    animate(explosion, 40);
    ASSERT_EQ(explosion.rounds, 1);
    Picture drawn = blank_canvas(), frame_only = blank_canvas();
    explosion.draw(drawn.get());
    draw_sprite(frame_only.get(), explosion.current_frame(), x, y);
    EXPECT_EQ(compare(drawn.get(), frame_only.get()).count, 0);
}
