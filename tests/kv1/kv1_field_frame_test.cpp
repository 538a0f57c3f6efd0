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

using kv1_field::Kv1FieldTest;
using kv1_field::spawn;

namespace {

constexpr int first = 20;  // records the other tests leave alone

// The records of a pool the frame uses.
template <class Kind>
struct Rank {
    Kind* records;
    int count;

    Kind& operator[](int i) const { return records[i]; }
    void place(float x0, float dx, float y) const {
        for (int i = 0; i < count; ++i) spawn((*this)[i], x0 + dx * static_cast<float>(i), y);
    }
    // Every `firing`-th fires on this step.
    void fire_first(int firing, int chance) const {
        for (int i = 0; i < count; i += firing) {
            kv1_field::fire_on_next_draw(chance);
            (*this)[i].update();
        }
    }
    void step() const {
        for (int i = 0; i < count; ++i) kv1_field::step((*this)[i]);
    }
    void draw(BITMAP* target) const {
        for (int i = 0; i < count; ++i) (*this)[i].draw(target);
    }
};

}  // namespace

TEST_F(Kv1FieldTest, TheFieldDrawsFormationsCirclersShotsAFlashAnExplosionAndTheShip) {
    const Rank<Kv1EnemyOne> rockets{kv1_enemy_one_pool + first, 6};
    const Rank<Kv1EnemyThree> threes{kv1_enemy_three_pool + first, 5};
    const Rank<Kv1EnemyFour> fours{kv1_enemy_four_pool + first, 10};
    const Rank<Kv1EnemyTwo> circlers{kv1_enemy_two_pool, 4};
    rockets.place(30.0f, 72.0f, 10.0f);
    threes.place(40.0f, 80.0f, 90.0f);
    fours.place(60.0f, 40.0f, 170.0f);
    circlers.place(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 4; ++i) circlers[i].place_on_circle(1.5707964f * static_cast<float>(i) + 0.4f);
    kv1_player.y = 435.0f;

    rockets.fire_first(2, 1000), threes.fire_first(2, 2000), fours.fire_first(3, 1000), circlers.fire_first(1, 1000);
    std::srand(11);
    auto step_field = [&](int steps) {
        for (int s = 0; s < steps; ++s) rockets.step(), threes.step(), fours.step(), circlers.step();
    };
    step_field(30);
    threes[3].damage = 1;
    step_field(8);
    ASSERT_TRUE(threes[3].explosion.active);
    Kv1EnemyFour& flashed = fours[4];
    flashed.hit_flash = true;

    testing_support::Picture frame(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(frame.get(), makecol(6, 8, 30));
    for (int i = 0; i < 120; ++i) putpixel(frame.get(), (i * 97) % 640, (i * 61) % 480, makecol(150, 160, 210));
    kv1_player.draw(frame.get());
    rockets.draw(frame.get()), threes.draw(frame.get()), fours.draw(frame.get()), circlers.draw(frame.get());
    int white = 0;
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 25; ++x)
            white += getpixel(frame.get(), static_cast<int>(flashed.x) + x, static_cast<int>(flashed.y) + y) ==
                     makecol(255, 255, 255);
    EXPECT_GT(white, 200) << "the flash";
    const std::string path = testing_support::picture_path("kv1_field.png");
    EXPECT_EQ(save_png(path.c_str(), frame.get(), nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
}
