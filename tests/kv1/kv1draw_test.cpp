#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/settings.h"
#include "kv1_fixture.h"
#include "support/pictures.h"
#include "support/test_support.h"

using kv1_testing::Kv1ShipTest;

namespace {

using testing_support::Picture;
using testing_support::picture_path;

int background() { return makecol(8, 12, 40); }

Picture blank_screen() {
    Picture canvas(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(canvas.get(), background());
    return canvas;
}

// The box around everything drawn inside [left, right) x [top, bottom).
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right and bottom inclusive
    bool empty() const { return right < 0; }
};

Box drawn_in(BITMAP* canvas, int left, int top, int right, int bottom) {
    Box box;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (getpixel(canvas, x, y) != background()) {
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            }
    return box;
}

Box drawn(BITMAP* canvas) { return drawn_in(canvas, 0, 0, canvas->w, canvas->h); }

// The font the stage draws the HUD in.
class Kv1Drawing : public Kv1ShipTest {
protected:
    static void SetUpTestSuite() {
        Kv1ShipTest::SetUpTestSuite();
        if (fonts) return;
        testing_support::WorkingDirectory in_data(testing_support::data_dir());
        fonts = load_datafile("fonts/fonts.dat");
        ASSERT_NE(fonts, nullptr);
        hud_font = static_cast<FONT*>(fonts[8].dat);
    }

    static DATAFILE* fonts;
    static FONT* hud_font;
};

DATAFILE* Kv1Drawing::fonts = nullptr;
FONT* Kv1Drawing::hud_font = nullptr;

}  // namespace

TEST_F(Kv1Drawing, TheHudLinesUpIconLivesAndMoneyOnTheShipsHalfHeight) {
    struct Case {
        bool big_ship;
        int icon_w, icon_h, lives_x;
    };
    for (const Case& c : {Case{false, 18, 17, 28}, Case{true, 26, 20, 36}}) {
        SCOPED_TRACE(c.big_ship ? "level-3 ship" : "first ship");
        if (c.big_ship) ship->setup_sprite();
        const int line = 475 - c.icon_h;
        Picture canvas = blank_screen();
        ship->draw_hud(canvas.get(), 5, 450, hud_font);

        EXPECT_GE(drawn(canvas.get()).top, line);
        const Box icon = drawn_in(canvas.get(), 0, 0, 5 + c.icon_w + 2, 480);
        EXPECT_GE(icon.left, 5);  // wing tip to wing tip, give or take a pixel the scaling drops
        EXPECT_LE(icon.left, 5 + 2);
        EXPECT_LE(icon.right, 5 + c.icon_w - 1);
        EXPECT_GE(icon.right, 5 + c.icon_w - 3);
        EXPECT_GE(icon.top, line);
        EXPECT_LE(icon.bottom, 475 - 1);

        const Box lives = drawn_in(canvas.get(), 5 + c.icon_w + 2, 0, 100, 480);
        ASSERT_FALSE(lives.empty());
        EXPECT_GE(lives.left, c.lives_x);
        EXPECT_LE(lives.left, c.lives_x + 3);  // the glyph's own side bearing
        EXPECT_GE(lives.top, line);

        const Box money = drawn_in(canvas.get(), 100, 0, 640, 480);
        const int half = text_length(hud_font, "$ 1500.00") / 2;
        ASSERT_FALSE(money.empty());
        EXPECT_GE(money.left, 320 - half);
        EXPECT_LE(money.right, 320 + half);
        EXPECT_NEAR((money.left + money.right) / 2.0, 320.0, 3.0);
        EXPECT_GE(money.top, line);
    }
}

TEST_F(Kv1Drawing, TheShipShowsAtItsPlaceBlinksEveryOtherStepAndNotWhileExploding) {
    const auto ship_box = [&] {
        Picture canvas = blank_screen();
        ship->draw(canvas.get());
        return drawn(canvas.get());
    };
    step();
    const Box standing = ship_box();
    ASSERT_FALSE(standing.empty());
    EXPECT_GE(standing.left, 302);
    EXPECT_LE(standing.right, 302 + 35);
    EXPECT_GE(standing.top, 435);
    EXPECT_LE(standing.bottom, 435 + 34);

    ship->reset_ship();  // blinking from here
    EXPECT_FALSE(ship_box().empty());
    step();
    EXPECT_TRUE(ship_box().empty());
    step();
    EXPECT_FALSE(ship_box().empty());

    ship->hit();
    step();
    EXPECT_FALSE(ship_box().empty());
    ship->explosion.stop();  // what is left is the ship, which an exploding ship does not draw
    EXPECT_TRUE(ship_box().empty());
}

TEST_F(Kv1Drawing, BulletsShowWhereTheyFly) {
    step();
    hold(key_shoot);
    step();
    Picture canvas = blank_screen();
    ship->draw(canvas.get());
    const Box above_ship = drawn_in(canvas.get(), 0, 0, 640, 435);
    ASSERT_FALSE(above_ship.empty());
    EXPECT_EQ(above_ship.left, 302 + 16);
    EXPECT_EQ(above_ship.right, 302 + 16 + 3);
    EXPECT_EQ(above_ship.top, 435 - 9 - 5);
}

// Pictures to look at: each gun level in flight with its HUD, and an explosion.
TEST_F(Kv1Drawing, ScenesRenderToPictures) {
    const auto scene = [&](const std::string& name) {
        Picture canvas = blank_screen();
        ship->draw_hud(canvas.get(), 5, 450, hud_font);
        ship->draw(canvas.get());
        ASSERT_EQ(save_png(picture_path(name).c_str(), canvas.get(), nullptr), 0);
    };
    step();
    hold(key_shoot);
    step(8);
    scene("kv1_level1.png");

    release(key_shoot);
    ship->set_gun_level(2);
    ship->reset();
    ship->x = 120;
    step(2);
    hold(key_shoot);
    step(10);
    ship->money = -350;
    scene("kv1_level2.png");

    release(key_shoot);
    ship->set_gun_level(3);
    ship->setup_sprite();
    ship->reset();
    ship->x = 500;
    step(2);
    hold(key_shoot);
    step(12);
    ship->lives = 2;
    scene("kv1_level3.png");

    ship->hit();
    step(9);
    scene("kv1_exploding.png");
}
