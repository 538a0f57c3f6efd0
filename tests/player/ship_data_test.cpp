// The generated ship datafiles against the layout the ship loads, and how the two ships look.
#include <allegro.h>
#include <loadpng.h>

#include "engine/loaders.h"
#include "player_fixture.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace player_testing {
namespace {

using ShipDataTest = PlayerTest;

struct Size {
    int w, h;
};

int object_count(const DATAFILE* datafile) {
    int n = 0;
    while (datafile[n].type != DAT_END) ++n;
    return n;
}

TEST_F(ShipDataTest, BothShipDatafilesHoldTheFourteenObjectsInOrder) {
    // Bullets are free in size: checked against their muzzles being centred on the gun.
    const Size fixed_sizes[14] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {14, 12}, {0, 0}, {0, 0},
                                  {0, 0}, {0, 0}, {0, 0}, {0, 0}, {576, 66}, {320, 64}, {16, 10}};
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    for (const char* name : {"adam_ship.dat", "kim_ship.dat"}) {
        DATAFILE* datafile = load_datafile(name);
        ASSERT_NE(datafile, nullptr) << name;
        ASSERT_EQ(object_count(datafile), 14) << name;
        for (int i = 0; i < 14; ++i) {
            BITMAP* picture = datafile_bitmap(datafile[i]);
            ASSERT_NE(picture, nullptr) << name << " object " << i;
            if (fixed_sizes[i].w == 0) continue;
            EXPECT_EQ(picture->w, fixed_sizes[i].w) << name << " object " << i;
            EXPECT_EQ(picture->h, fixed_sizes[i].h) << name << " object " << i;
        }
        unload_datafile(datafile);
    }
    BITMAP* hit = load_png("hit_pic.png", nullptr);
    ASSERT_NE(hit, nullptr);
    EXPECT_LE(hit->w, 64 - 13);
    EXPECT_EQ(hit->h, 64);
    destroy_bitmap(hit);
}

TEST_F(ShipDataTest, TheShipFramesAreSolidUprightAndDifferBetweenTheCharacters) {
    auto adam = loaded(1);
    auto kim = loaded(2);
    const int mask = bitmap_mask_color(adam->frames[2]);
    int adam_solid = 0, differing = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int a = getpixel(adam->frames[2], x, y);
            adam_solid += a != mask;
            differing += a != getpixel(kim->frames[2], x, y);
        }
    EXPECT_GT(adam_solid, 64 * 64 / 5);
    EXPECT_GT(differing, adam_solid / 3);
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_EQ(adam->frames[frame]->w, 64);
        EXPECT_NE(adam->frames[frame], adam->frames[(frame + 1) % 5]);
    }
    EXPECT_EQ(adam->shield_frames[7]->w, 72);
    EXPECT_EQ(adam->shield_frames[7]->h, 66);
}

// Attackers test a bullet against the shield frame at (x - 18, y - 18), not where it is drawn: a
// bullet that reaches the hit picture inside the shield's disc must touch the shield too (the
// hull's lower right lies outside any disc at that offset). The shield may be stippled: no
// bullet is narrower than 3 pixels, so a 3x3 block counts as covered when any of it is solid.
TEST_F(ShipDataTest, TheShieldCoversTheHitAreaFromItsTestPosition) {
    for (int character : {1, 2}) {
        auto ship = loaded(character);
        const int mask = bitmap_mask_color(ship->hit_picture);
        for (int frame = 0; frame < 8; ++frame) {
            BITMAP* shield = ship->shield_frames[frame];
            auto solid_near = [&](int sx, int sy) {
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (getpixel(shield, sx + dx, sy + dy) != mask && getpixel(shield, sx + dx, sy + dy) != -1) return true;
                return false;
            };
            int reachable = 0, uncovered = 0;
            for (int hy = 0; hy < ship->hit_picture->h; ++hy)
                for (int hx = 0; hx < ship->hit_picture->w; ++hx) {
                    const int sx = 13 + hx + 18, sy = hy + 18;
                    const float ex = (sx - 35.5f) / 34.0f, ey = (sy - 32.5f) / 31.0f;
                    if (ex * ex + ey * ey > 1.0f || getpixel(ship->hit_picture, hx, hy) == mask) continue;
                    ++reachable;
                    uncovered += !solid_near(sx, sy);
                }
            EXPECT_GT(reachable, 0);
            EXPECT_EQ(uncovered, 0) << "character " << character << ", shield frame " << frame << ", of " << reachable;
        }
    }
}

// Both ships in the menu outfit on a 640x480 field, written for a person to look at: each must
// stand out from the background where it is drawn.
TEST_F(ShipDataTest, RendersBothShipsFiringAtFullSize) {
    testing_support::Picture field(create_bitmap(640, 480), &destroy_bitmap);
    const int background = makecol(6, 8, 28);
    clear_to_color(field.get(), background);
    const float ship_x[2] = {180.0f, 400.0f};
    for (int character : {1, 2}) {
        auto ship = loaded(character);
        ship->add_side_bullets();
        ship->set_gun_level(character == 1 ? 2 : 4);
        ship->set_side_level(3);
        ship->add_shields(5);
        ship->show_in_menu();
        ship->set_position(ship_x[character - 1], 410.0f);
        step(*ship, 40);
        ship->draw(field.get());
        // All five bank frames of each ship along the top, for comparison.
        for (int frame = 0; frame < 5; ++frame)
            draw_sprite(field.get(), ship->frames[frame], (character - 1) * 320 + 8 + frame * 62, 20);
    }
    for (float x : ship_x) {
        int lit = 0;
        for (int y = 410; y < 474; ++y)
            for (int dx = 0; dx < 64; ++dx) lit += getpixel(field.get(), static_cast<int>(x) + dx, y) != background;
        EXPECT_GT(lit, 64 * 64 / 4) << "ship at x " << x;
    }
    EXPECT_EQ(save_png(testing_support::picture_path("ships.png").c_str(), field.get(), nullptr), 0);
}

}  // namespace
}  // namespace player_testing
