// What Player::draw puts on the screen, and a full frame for a person to look at.
#include <allegro.h>
#include <loadpng.h>

#include <memory>

#include "engine/settings.h"
#include "player_fixture.h"
#include "support/pictures.h"

namespace player_testing {
namespace {

using DrawingTest = PlayerTest;
using testing_support::picture_path;
using testing_support::Picture;

const int backdrop = makecol(0, 0, 40);

Picture drawn(Player& ship) {
    Picture canvas(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(canvas.get(), backdrop);
    ship.draw(canvas.get());
    return canvas;
}

int painted_in(BITMAP* canvas, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) n += getpixel(canvas, x, y) != backdrop;
    return n;
}

bool same(BITMAP* a, BITMAP* b) {
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
    return true;
}

TEST_F(DrawingTest, TheMuzzleFlashShowsOnExactlyThreeDrawnFrames) {
    auto ship = flying();
    press(key_shoot);
    step(*ship);
    release(key_shoot);
    ship->bullets[Player::main_group][0].deactivate();
    const int left = static_cast<int>(ship->x), top = static_cast<int>(ship->y);
    // Above the ship's nose only the flash is drawn.
    for (int frame = 1; frame <= 4; ++frame) {
        Picture canvas = drawn(*ship);
        const int flash = painted_in(canvas.get(), left + 25, top - 9, left + 38, top - 1);
        if (frame <= 3)
            EXPECT_GT(flash, 0) << "frame " << frame;
        else
            EXPECT_EQ(flash, 0) << "frame " << frame;
    }
}

TEST_F(DrawingTest, AShieldWithACountOfZeroIsOnButNotDrawn) {
    auto ship = flying();
    Picture bare = drawn(*ship);
    ship->add_shields(0);
    EXPECT_TRUE(ship->shield_on);
    Picture at_zero = drawn(*ship);
    EXPECT_TRUE(same(bare.get(), at_zero.get()));
    ship->add_shields(1);
    Picture shielded = drawn(*ship);
    EXPECT_FALSE(same(bare.get(), shielded.get()));
}

TEST_F(DrawingTest, ABlinkingShipShowsOnEvenStepsAndAnExplodingOneNotAtAll) {
    auto ship = flying();
    Picture bare(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(bare.get(), backdrop);
    ship->blinking = true;
    ship->blink_timer = 3;
    EXPECT_TRUE(same(drawn(*ship).get(), bare.get()));
    ship->blink_timer = 4;
    EXPECT_FALSE(same(drawn(*ship).get(), bare.get()));
    ship->blinking = false;
    ship->hit();
    step(*ship, 3);
    ASSERT_TRUE(ship->exploding);
    // Only the explosion is there.
    Picture explosion_only(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(explosion_only.get(), backdrop);
    ship->explosion.draw(explosion_only.get());
    EXPECT_FALSE(same(explosion_only.get(), bare.get()));
    EXPECT_TRUE(same(drawn(*ship).get(), explosion_only.get()));
}

// The ship with its shield, both helper pairs, the burning beam and the lasers.
TEST_F(DrawingTest, RendersTheShipWithEverythingOut) {
    auto ship = flying(2);
    ship->add_side_bullets();
    ship->set_side_level(2);
    ship->set_gun_level(3);
    ship->add_shields(4);
    ship->add_helper(1);
    ship->add_helper(2);
    ship->set_helper_type(1);
    ship->x = 250.0f;
    press(key_shoot);
    step(*ship, 30);
    // The beam at its burn; the lasers a little into their sweep.
    ship->bomb1.start();
    while (!ship->bomb1.is_running()) ship->bomb1.update();
    ship->bomb_kind = 2;
    ship->charge.start();
    ship->charge.frame = 11;
    step(*ship, 24);
    if (ship->bomb2_parts[0].fire_ticks % 5 == 0) step(*ship);  // not on a white strobe
    ASSERT_TRUE(ship->bomb1.is_running());
    ASSERT_TRUE(ship->bomb2_parts[0].is_running());

    Picture canvas = drawn(*ship);
    // The beam stands over the ship's middle all the way to the top.
    const int middle = static_cast<int>(ship->x) + ship->width / 2;
    for (int row = 0; row < static_cast<int>(ship->y); ++row) ASSERT_NE(getpixel(canvas.get(), middle, row), backdrop) << row;
    // The three-shot pair, which flies when selected, drawn beside the one-shot pair.
    for (int n = 0; n < 10; ++n) {
        ship->helpers[2].activate();
        ship->helpers[3].activate();
        ship->helpers[2].update(ship->x + 100.0f, ship->y - 60.0f);
        ship->helpers[3].update(ship->x + 100.0f, ship->y - 60.0f);
    }
    ship->helpers[2].draw(canvas.get());
    ship->helpers[3].draw(canvas.get());
    EXPECT_EQ(save_png(picture_path("ship_everything_out.png").c_str(), canvas.get(), nullptr), 0);
}

}  // namespace
}  // namespace player_testing
