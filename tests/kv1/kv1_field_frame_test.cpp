// A whole frame of the KV1 field as the stage draws it, saved as a picture: formations of the
// rocket, kind three and kind four with flames and shots, the circling four, a record flashing
// from a hit, one exploding, and the ship.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "kv1_field.h"
#include "player/kv1player.h"
#include "support/pictures.h"

using kv1_field::fire_on_next_draw;
using kv1_field::Kv1FieldTest;
using kv1_field::spawn;

namespace {

constexpr int first = 20;  // records the other tests leave alone
constexpr int rockets = 6, threes = 5, fours = 10;

template <class Kind>
void step_each(Kind* pool, int n) {
    for (int i = first; i < first + n; ++i) {
        pool[i].update();
        pool[i].update_bullets();
    }
}

template <class Kind>
void draw_each(Kind* pool, int n, BITMAP* target) {
    for (int i = first; i < first + n; ++i) pool[i].draw(target);
}

void step_field() {
    step_each(kv1_enemy_one_pool, rockets);
    step_each(kv1_enemy_three_pool, threes);
    step_each(kv1_enemy_four_pool, fours);
    for (Kv1EnemyTwo& circler : kv1_enemy_two_pool) {
        circler.update();
        circler.update_bullets();
    }
}

void draw_field(BITMAP* target) {
    draw_each(kv1_enemy_one_pool, rockets, target);
    draw_each(kv1_enemy_three_pool, threes, target);
    draw_each(kv1_enemy_four_pool, fours, target);
    for (Kv1EnemyTwo& circler : kv1_enemy_two_pool) circler.draw(target);
}

int white_pixels(BITMAP* bitmap, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += getpixel(bitmap, x, y) == makecol(255, 255, 255);
    return n;
}

}  // namespace

TEST_F(Kv1FieldTest, TheFieldDrawsFormationsCirclersShotsAFlashAnExplosionAndTheShip) {
    for (int i = 0; i < rockets; ++i) spawn(kv1_enemy_one_pool[first + i], 30.0f + 72.0f * i, 10.0f);
    for (int i = 0; i < threes; ++i) spawn(kv1_enemy_three_pool[first + i], 40.0f + 80.0f * i, 90.0f);
    for (int i = 0; i < fours; ++i) spawn(kv1_enemy_four_pool[first + i], 60.0f + 40.0f * i, 170.0f);
    for (int i = 0; i < 4; ++i) spawn(kv1_enemy_two_pool[i], 0, 0).place_on_circle(1.5707964f * i + 0.4f);
    kv1_player.y = 435.0f;

    // Every record fires once, in turn, then the field flies on.
    for (int i = first; i < first + rockets; i += 2) {
        fire_on_next_draw(1000);
        kv1_enemy_one_pool[i].update();
    }
    for (int i = first; i < first + threes; i += 2) {
        fire_on_next_draw(2000);
        kv1_enemy_three_pool[i].update();
    }
    for (int i = first; i < first + fours; i += 3) {
        fire_on_next_draw(1000);
        kv1_enemy_four_pool[i].update();
    }
    for (Kv1EnemyTwo& circler : kv1_enemy_two_pool) {
        fire_on_next_draw(1000);
        circler.update();
    }
    std::srand(11);
    for (int s = 0; s < 30; ++s) step_field();
    Kv1EnemyThree& exploding = kv1_enemy_three_pool[first + 3];
    exploding.damage = 1;
    for (int s = 0; s < 8; ++s) step_field();
    Kv1EnemyFour& flashed = kv1_enemy_four_pool[first + 4];
    flashed.hit_flash = true;
    ASSERT_TRUE(exploding.explosion.active);

    testing_support::Picture frame(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(frame.get(), makecol(6, 8, 30));
    for (int i = 0; i < 120; ++i) putpixel(frame.get(), (i * 97) % 640, (i * 61) % 480, makecol(150, 160, 210));
    kv1_player.draw(frame.get());
    draw_field(frame.get());
    EXPECT_GT(white_pixels(frame.get(), static_cast<int>(flashed.x), static_cast<int>(flashed.y), 25, 28), 200);
    EXPECT_FALSE(flashed.hit_flash);
    const std::string path = testing_support::picture_path("kv1_field.png");
    EXPECT_EQ(save_png(path.c_str(), frame.get(), nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
}
