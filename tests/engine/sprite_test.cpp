#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <cmath>
#include <string>

#include "engine/sprite.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

using testing_support::Picture;
using testing_support::picture_path;

int frame_colour(int i) { return makecol(20 + 10 * i, 200 - 10 * i, 40); }

// A strip of n frames side by side, frame i filled with frame_colour(i).
Picture make_strip(int n, int frame_w, int frame_h) {
    Picture strip(create_bitmap(n * frame_w, frame_h), &destroy_bitmap);
    for (int i = 0; i < n; ++i)
        rectfill(strip.get(), i * frame_w, 0, (i + 1) * frame_w - 1, frame_h - 1, frame_colour(i));
    return strip;
}

// A bullet launched from (x0, y0) and moved once.
void fire_once(Sprite& bullet, float x0, float y0) {
    bullet.launch_from(x0, y0);
    bullet.active = true;
    bullet.move_bullet();
}

}  // namespace

TEST(SpriteFrames, CutSideBySideFromTheTopRowAndPlaceTheRecord) {
    Picture strip = make_strip(4, 12, 10);
    SpriteHead record;
    record.in_play = record.visible = true;
    record.dx = 3.0f;
    set_frames(record, strip.get(), 4, 30, -7, 12, 10);

    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(record.frames[i], nullptr);
        EXPECT_NE(record.frames[i], strip.get());
        EXPECT_EQ(record.frames[i]->w, 12);
        EXPECT_EQ(record.frames[i]->h, 10);
        EXPECT_EQ(getpixel(record.frames[i], 0, 0), frame_colour(i));
        EXPECT_EQ(getpixel(record.frames[i], 11, 9), frame_colour(i));
    }
    EXPECT_EQ(record.frames[4], nullptr);
    EXPECT_EQ(record.strip, strip.get());
    EXPECT_EQ(record.w, 12);
    EXPECT_EQ(record.h, 10);
    EXPECT_EQ(record.frame, 2);
    EXPECT_EQ(record.last_frame, 3);
    EXPECT_EQ(record.ticks_per_frame, 3);
    EXPECT_TRUE(record.alive);
    EXPECT_FALSE(record.in_play);
    EXPECT_FALSE(record.visible);
    EXPECT_EQ(record.x, 30.0f);
    EXPECT_EQ(record.y, -7.0f);
    EXPECT_EQ(record.dx, 0.0f);
}

TEST(SpriteFrames, ShortStripsStartAtTheirFirstFrame) {
    Picture strip = make_strip(2, 8, 8);
    SpriteHead one, two;
    set_frames(one, strip.get(), 1, 0, 0, 8, 8);
    set_frames(two, strip.get(), 2, 0, 0, 8, 8);
    EXPECT_EQ(one.frame, 0);
    EXPECT_EQ(two.frame, 0);
    EXPECT_EQ(two.current_frame(), two.frames[0]);
}

TEST(SpriteFrames, SharedFramesAreShownButStayWithTheirOwner) {
    Picture strip = make_strip(3, 8, 8);
    SpriteHead owner;
    set_frames(owner, strip.get(), 3, 0, 0, 8, 8);
    {
        SpriteHead viewer;
        set_shared_frames(viewer, owner, 5, 6);
        EXPECT_EQ(viewer.frames, owner.frames);
        EXPECT_EQ(viewer.last_frame, 2);
        EXPECT_EQ(viewer.w, 8);
        EXPECT_EQ(viewer.x, 5.0f);
    }
    // The viewer is gone; the owner's frames must still be whole.
    EXPECT_EQ(getpixel(owner.frames[2], 0, 0), frame_colour(2));
}

TEST(SpriteAnimation, ANewFrameEveryThirdCallWrappingAfterTheLast) {
    Picture strip = make_strip(3, 4, 4);
    SpriteHead record;
    set_frames(record, strip.get(), 3, 0, 0, 4, 4);
    record.frame = 0;
    const int expected[] = {0, 0, 1, 1, 1, 2, 2, 2, 0, 0, 0, 1};
    for (int step : expected) {
        record.animate();
        EXPECT_EQ(record.frame, step);
    }

    SpriteHead still;
    set_frames(still, strip.get(), 1, 0, 0, 4, 4);
    for (int i = 0; i < 10; ++i) still.animate();
    EXPECT_EQ(still.frame, 0);
    EXPECT_EQ(still.tick, 0);
}

class BulletTest : public ::testing::Test {
protected:
    Picture picture = make_strip(3, 6, 10);
};

TEST_F(BulletTest, InitBulletSetsFramesSpeedAndHeadingByType) {
    Sprite three, one;
    three.init_bullet(picture.get(), 9.0f, bullet_up, 3, 6, 10);
    EXPECT_EQ(three.frame, 2);
    EXPECT_EQ(three.last_frame, 2);
    EXPECT_EQ(three.margin_w, 6);
    EXPECT_EQ(three.margin_h, 10);
    EXPECT_FALSE(three.active);
    EXPECT_EQ(three.damage, 1);
    EXPECT_EQ(three.travelled, 5.0f);
    EXPECT_EQ(three.speed, 9.0f);
    EXPECT_EQ(three.bitmap, three.frames[2]);

    // One frame means the whole picture, whatever frame size is passed.
    one.init_bullet(picture.get(), 9.0f, bullet_up, 1, 6, 10);
    EXPECT_EQ(one.frame, 0);
    EXPECT_EQ(one.last_frame, 0);
    EXPECT_EQ(one.w, 18);
    EXPECT_EQ(one.margin_w, 18);

    const struct { int type; float angle; } headings[] = {
        {bullet_up, 192.0f}, {bullet_down, 64.0f}, {bullet_diagonal, 32.0f}, {bullet_spread, 100.0f}};
    for (auto [type, angle] : headings) {
        Sprite bullet;
        bullet.angle = 100.0f;
        bullet.init_bullet(picture.get(), 4.0f, type, 1, 0, 0);
        EXPECT_EQ(bullet.angle, angle) << "type " << type;
    }
}

TEST_F(BulletTest, FliesSpeedPixelsPerStepAlongItsHeadingFromTheLaunchPoint) {
    Sprite up, down, diagonal, spread;
    up.init_bullet(picture.get(), 9.0f, bullet_up, 1, 0, 0);
    down.init_bullet(picture.get(), 9.0f, bullet_down, 1, 0, 0);
    diagonal.init_bullet(picture.get(), 10.0f, bullet_diagonal, 1, 0, 0);
    spread.init_bullet(picture.get(), 10.0f, bullet_spread, 1, 0, 0);
    spread.set_angle(128.0f, 0.0f);

    // launch_from drops the 5 pixels init_bullet leaves, so the first step is exactly `speed`.
    fire_once(up, 100, 400);
    EXPECT_FLOAT_EQ(up.x, 100.0f);
    EXPECT_FLOAT_EQ(up.y, 391.0f);
    up.move_bullet();
    EXPECT_FLOAT_EQ(up.y, 382.0f);

    fire_once(down, 50, 20);
    EXPECT_FLOAT_EQ(down.x, 50.0f);
    EXPECT_FLOAT_EQ(down.y, 29.0f);

    fire_once(diagonal, 0, 0);
    EXPECT_NEAR(diagonal.x, 10.0f * std::sqrt(0.5f), 1e-3);
    EXPECT_NEAR(diagonal.y, 10.0f * std::sqrt(0.5f), 1e-3);

    fire_once(spread, 300, 300);
    EXPECT_FLOAT_EQ(spread.x, 290.0f);
    EXPECT_FLOAT_EQ(spread.y, 300.0f);

    // The position comes from the launch point, not from where the bullet was.
    spread.x = spread.y = 0.0f;
    spread.move_bullet();
    EXPECT_FLOAT_EQ(spread.x, 280.0f);
    EXPECT_FLOAT_EQ(spread.y, 300.0f);
}

TEST_F(BulletTest, LeavesTheFieldOnlyStrictlyPastItsEdges) {
    Sprite bullet;
    bullet.init_bullet(picture.get(), 9.0f, bullet_spread, 1, 0, 0);  // 18 x 10
    const struct { float angle, x0, y0; bool stays; } cases[] = {
        {0.0f, 631.0f, 100.0f, true},     // x = 640
        {0.0f, 631.5f, 100.0f, false},    // x = 640.5
        {64.0f, 100.0f, 471.0f, true},    // y = 480
        {64.0f, 100.0f, 471.5f, false},   // y = 480.5
        {128.0f, -9.0f, 100.0f, true},    // x = -18 = -margin_w
        {128.0f, -9.5f, 100.0f, false},   // x = -18.5
        {192.0f, 100.0f, -1.0f, true},    // y = -10 = -margin_h
        {192.0f, 100.0f, -1.5f, false},   // y = -10.5
    };
    for (const auto& c : cases) {
        bullet.set_angle(c.angle, 0.0f);
        fire_once(bullet, c.x0, c.y0);
        EXPECT_EQ(bullet.active, c.stays) << "angle " << c.angle << " from " << c.x0 << "," << c.y0;
        EXPECT_EQ(bullet.travelled, c.stays ? 9.0f : 0.0f);
    }
}

TEST_F(BulletTest, AnIdleBulletStaysPutButShowsItsCurrentFrame) {
    Sprite bullet;
    bullet.init_bullet(picture.get(), 9.0f, bullet_up, 3, 6, 10);
    bullet.launch_from(100, 100);
    bullet.frame = 1;
    for (int i = 0; i < 5; ++i) bullet.move_bullet();
    EXPECT_EQ(bullet.x, 0.0f);
    EXPECT_EQ(bullet.y, 0.0f);
    EXPECT_EQ(bullet.frame, 1);
    EXPECT_EQ(bullet.travelled, 0.0f);
    EXPECT_EQ(bullet.bitmap, bullet.frames[1]);

    // In flight it animates at the head's cadence.
    bullet.start();
    for (int i = 0; i < 3; ++i) bullet.move_bullet();
    EXPECT_EQ(bullet.frame, 1);
    EXPECT_EQ(bullet.bitmap, bullet.frames[1]);
}

TEST_F(BulletTest, RearmSwapsPictureSpeedAndDamageButKeepsTheFlight) {
    Picture bigger = make_strip(4, 8, 14);
    Sprite bullet;
    bullet.init_bullet(picture.get(), 9.0f, bullet_up, 1, 0, 0);
    fire_once(bullet, 100, 400);
    bullet.angle = 176.0f;

    bullet.rearm(bigger.get(), 12.0f, 3, 4, 8, 14);
    EXPECT_TRUE(bullet.active);
    EXPECT_EQ(bullet.origin_y, 400.0f);
    EXPECT_EQ(bullet.travelled, 9.0f);
    EXPECT_EQ(bullet.frame, 0);
    EXPECT_EQ(bullet.last_frame, 3);
    EXPECT_EQ(bullet.margin_h, 14);
    EXPECT_EQ(bullet.speed, 12.0f);
    EXPECT_EQ(bullet.damage, 3);
    EXPECT_EQ(bullet.angle, 192.0f);  // back to its type's heading
    EXPECT_EQ(bullet.x, 0.0f);
    ASSERT_EQ(bullet.bitmap, bullet.frames[0]);
    EXPECT_EQ(getpixel(bullet.bitmap, 0, 0), frame_colour(0));
    EXPECT_EQ(bullet.bitmap->h, 14);

    bullet.move_bullet();
    EXPECT_FLOAT_EQ(bullet.y, 400.0f - 21.0f);
}

// Gun upgrades re-arm whole pools; the frames they replace must go, not pile up.
TEST_F(BulletTest, RearmingAPoolKeepsMemoryFlat) {
    constexpr int pool_size = 256;
    auto pool = std::make_unique<Sprite[]>(pool_size);
    for (int i = 0; i < pool_size; ++i) pool[i].init_bullet(picture.get(), 9.0f, bullet_up, 3, 6, 10);

    auto rearm_all = [&](int round) {
        for (int i = 0; i < pool_size; ++i) pool[i].rearm(picture.get(), 9.0f, round % 4 + 1, 3, 6, 10);
    };
    rearm_all(0);
    const size_t before = mallinfo2().uordblks;
    for (int round = 1; round <= 100; ++round) rearm_all(round);
    const size_t after = mallinfo2().uordblks;
    // One round of new frames is about 256 x 3 x 120 bytes plus headers; a leak would be 100 of them.
    EXPECT_LT(after, before + 64 * 1024);
}

// Pictures of up-flying bullets point up, those of the others point down; each is drawn turned
// to its heading. The tip pixel is red, the body white.
TEST(BulletDrawing, TurnsThePictureToTheHeading) {
    Picture up_arrow(create_bitmap(9, 15), &destroy_bitmap);
    Picture down_arrow(create_bitmap(9, 15), &destroy_bitmap);
    for (BITMAP* arrow : {up_arrow.get(), down_arrow.get()}) {
        clear_to_color(arrow, bitmap_mask_color(arrow));
        rectfill(arrow, 3, 0, 5, 14, makecol(255, 255, 255));
    }
    rectfill(up_arrow.get(), 3, 0, 5, 2, makecol(255, 0, 0));
    rectfill(down_arrow.get(), 3, 12, 5, 14, makecol(255, 0, 0));

    const struct { BITMAP* picture; int type; float angle; int x, y; int tip_dx, tip_dy; } shots[] = {
        {up_arrow.get(), bullet_up, 192.0f, 20, 20, 0, -1},
        {down_arrow.get(), bullet_down, 64.0f, 60, 20, 0, 1},
        {down_arrow.get(), bullet_spread, 0.0f, 100, 20, 1, 0},
        {down_arrow.get(), bullet_spread, 128.0f, 140, 20, -1, 0},
        {up_arrow.get(), bullet_up, 160.0f, 180, 20, -1, -1},
        {down_arrow.get(), bullet_diagonal, 32.0f, 220, 20, 1, 1},
    };
    Picture canvas(create_bitmap(260, 50), &destroy_bitmap);
    clear_to_color(canvas.get(), makecol(0, 0, 64));
    for (const auto& s : shots) {
        Sprite bullet;
        bullet.init_bullet(s.picture, 5.0f, s.type, 1, 0, 0);
        bullet.angle = s.angle;
        bullet.set_position(static_cast<float>(s.x), static_cast<float>(s.y));
        bullet.draw_rotated(canvas.get());
    }
    const std::string path = picture_path("bullets_rotated.png");
    ASSERT_EQ(save_png(path.c_str(), canvas.get(), nullptr), 0);

    // Find each tip relative to the centre the picture turns about.
    for (const auto& s : shots) {
        long sum_x = 0, sum_y = 0, count = 0;
        for (int py = s.y - 6; py < s.y + 22; ++py)
            for (int px = s.x - 6; px < s.x + 16; ++px)
                if (getpixel(canvas.get(), px, py) == makecol(255, 0, 0)) sum_x += px, sum_y += py, ++count;
        ASSERT_GT(count, 0) << "no tip drawn for angle " << s.angle;
        const float tip_x = static_cast<float>(sum_x) / count - (s.x + 4.0f);
        const float tip_y = static_cast<float>(sum_y) / count - (s.y + 7.0f);
        const auto sign = [](float v) { return v > 2.0f ? 1 : v < -2.0f ? -1 : 0; };
        EXPECT_EQ(sign(tip_x), s.tip_dx) << "angle " << s.angle << " tip " << tip_x << "," << tip_y;
        EXPECT_EQ(sign(tip_y), s.tip_dy) << "angle " << s.angle << " tip " << tip_x << "," << tip_y;
    }
}
