// A whole frame of enemies as a stage draws it: a formation of every kind with shots in flight,
// one record flashing from a hit, one exploding under its reward popup. Saved as a picture.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "engine/slots.h"
#include "player/player.h"
#include "support/pictures.h"

namespace {

using enemy_world::bright_pixels;

template <class Kind>
void spawn(Kind& record, float x, float y) {
    record.init(0.0f, 0.0f);
    enemy_world::spawn(record, x, y);
}

void draw_all(BITMAP* target) {
    for (int i = 0; i < 6; ++i) enemy_one_pool[i].draw(target);
    for (int i = 0; i < 2; ++i) enemy_two_pool[i].draw(target);
    for (int i = 0; i < 3; ++i) enemy_three_pool[i].draw(target);
    for (int i = 0; i < 3; ++i) enemy_four_pool[i].draw(target);
}

// Steps every record in pool order and draws a frame after each step, as a stage does.
void step_all(int n) {
    BITMAP* scratch = create_bitmap(640, 480);
    for (int s = 0; s < n; ++s) {
        for (int i = 0; i < 6; ++i) enemy_one_pool[i].update();
        for (int i = 0; i < 2; ++i) enemy_two_pool[i].update();
        for (int i = 0; i < 3; ++i) enemy_three_pool[i].update();
        for (int i = 0; i < 3; ++i) enemy_four_pool[i].update();
        draw_all(scratch);
    }
    destroy_bitmap(scratch);
}

TEST(EnemyFrame, AFormationOfEveryKindWithShotsAFlashAnExplosionAndAPopup) {
    enemy_world::prepare();
    for (int i = 0; i < 6; ++i) spawn(enemy_one_pool[i], 40.0f + 70.0f * i, 20.0f);
    for (int i = 0; i < 2; ++i) spawn(enemy_two_pool[i], 440.0f + 70.0f * i, 10.0f + 60.0f * i);
    for (int i = 0; i < 3; ++i) {
        spawn(enemy_three_pool[i], 20.0f + 110.0f * i, 110.0f);
        enemy_three_pool[i].set_direction(Enemy::wrapping_right);
    }
    for (int i = 0; i < 3; ++i) {
        spawn(enemy_four_pool[i], 330.0f + 100.0f * i, 190.0f);
        enemy_four_pool[i].set_direction(i == 0 ? Enemy::wrapping_left : Enemy::wrapping_right);
    }
    // Each record fires once, in turn, then everything flies on.
    for (int i = 0; i < 6; ++i) {
        enemy_world::fire_on_next_draw(1000);
        enemy_one_pool[i].update();
    }
    for (int i = 0; i < 2; ++i) {
        enemy_world::fire_on_next_draw(400);
        enemy_two_pool[i].update();
    }
    for (int i = 0; i < 3; ++i) {
        enemy_world::fire_on_next_draw(400);
        enemy_three_pool[i].update();
    }
    step_all(12);
    for (int i = 0; i < 3; ++i) {
        enemy_world::fire_on_next_draw(300);
        enemy_four_pool[i].update();
    }
    EnemyTwo& exploding = enemy_two_pool[1];
    exploding.damage = exploding.hit_points + 1;
    step_all(9);
    enemy_one_pool[2].hit_flash = true;

    ASSERT_TRUE(exploding.explosion.active);
    ASSERT_TRUE(exploding.reward_shown);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(enemy_one_pool[i].bullets[0].active) << i;

    BITMAP* frame = create_bitmap(640, 480);
    clear_to_color(frame, makecol(8, 10, 36));
    for (int i = 0; i < 140; ++i)
        putpixel(frame, (i * 97) % 640, (i * 61) % 480, makecol(150, 160, 200));
    player.set_position(288.0f, 400.0f);
    player.draw(frame);
    const EnemyOne& flashed = enemy_one_pool[2];
    const int before = bright_pixels(frame, static_cast<int>(flashed.x), static_cast<int>(flashed.y), 64, 64);
    draw_all(frame);
    EXPECT_GT(bright_pixels(frame, static_cast<int>(flashed.x), static_cast<int>(flashed.y), 64, 64), before + 500);
    EXPECT_FALSE(flashed.hit_flash);
    EXPECT_GT(bright_pixels(frame, static_cast<int>(exploding.reward_x) - 30, static_cast<int>(exploding.reward_y),
                            60, 8),
              10)
        << "the popup's text";
    const std::string path = testing_support::picture_path("enemy_frame.png");
    EXPECT_EQ(save_png(path.c_str(), frame, nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
    destroy_bitmap(frame);
    enemy_world::park_ship();
}

}  // namespace

namespace {

// The generated art has the geometry the kinds cut and fire from.
TEST(EnemyArt, StripsHoldTheKindsFramesAndMuzzlesLieOnTheBody) {
    enemy_world::prepare();
    struct Strip {
        BITMAP* strip;
        int w, h;
    };
    const Strip strips[] = {{enemy_one_strip, 64, 64}, {enemy_two_strip, 125, 125}, {enemy_three_strip, 93, 93},
                            {enemy_four_strip, 5 * 95, 95}};
    for (const Strip& s : strips) {
        EXPECT_EQ(s.strip->w, s.w);
        EXPECT_EQ(s.strip->h, s.h);
    }
    // Body columns of kind one: its edge tests assume columns 6 to 58.
    const int mask = bitmap_mask_color(enemy_one_strip);
    int left = 64, right = -1;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (getpixel(enemy_one_strip, x, y) != mask) left = std::min(left, x), right = std::max(right, x);
    EXPECT_GE(left, 6);
    EXPECT_LE(right, 58);
}

}  // namespace
