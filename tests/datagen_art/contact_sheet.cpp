// Renders every picture of the art onto contact sheets (build/art_sheet_*.png) on a deep-space
// background, so the art can be looked at the way the game shows it.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "art/catalogue.h"
#include "sheet.h"

namespace {

using datagen::Image;
using namespace datagen::art;
using namespace art_sheet;

// Masked copy, as the game's masked_blit.
void overlay(Image& dst, const Image& src, int dx, int dy, int sx = 0, int w = -1) {
    if (w < 0) w = src.width;
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < w; ++x) {
            const auto c = src.at(sx + x, y);
            if (c != datagen::mask_colour && dx + x >= 0 && dy + y >= 0 && dx + x < dst.width && dy + y < dst.height) dst.at(dx + x, dy + y) = c;
        }
}

Image picture(const std::string& path) {
    for (const auto& p : all_pictures())
        if (p.path == path) return p.draw();
    return {};
}

Image object(const std::string& file, size_t index) {
    for (const auto& d : all_datafiles())
        if (d.path == file) {
            const DatafileObject o = d.draw().at(index);
            return o.children.empty() ? o.picture : o.children.at(0).picture;
        }
    return {};
}

// A mock 640x480 play screen at 1x: do the pictures read at the game's own size?
Item play_scene() {
    Image screen(640, 480, {8, 10, 26});
    for (int i = 0; i < 220; ++i) {
        const int v = 90 + (i * 37) % 160;
        screen.at((i * 7919) % 640, (i * 104729) % 480) = {static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(std::min(255, v + 40))};
    }
    put(screen, picture("gfx/objects/meteors/2.gif"), 480, 250);
    put(screen, object("meteor.dat", 0), 40, 300);
    put(screen, picture("gfx/objects/debris/11.png"), 420, 140);
    const Image one = object("enemy_one.dat", 0);
    for (int i = 0; i < 6; ++i) put(screen, one, 40 + i * 70, 20);
    put(screen, object("enemy_two.dat", 0), 470, 10);
    put(screen, object("enemy_four.dat", 0), 60, 110, 95, 1);
    put(screen, object("enemy_three.dat", 0), 230, 110);
    put(screen, object("enemy_six.dat", 0), 340, 120, 85, 3);
    for (int i = 0; i < 3; ++i) put(screen, object("enemy_one.dat", 1), 70 + i * 70, 95 + i * 30);
    for (int i = 0; i < 3; ++i) put(screen, object("enemy_three.dat", 1), 250 + i * 22, 215 + (i == 1) * 8);
    const Image adam = object("adam_ship.dat", 12), kim = object("kim_ship.dat", 12);
    put(screen, adam, 200, 390, 64, 2);
    put(screen, object("adam_ship.dat", 4), 225, 381);
    for (int i = 0; i < 4; ++i) put(screen, object("adam_ship.dat", 1), 229, 300 + i * 22);
    for (int i = 0; i < 3; ++i) put(screen, object("adam_ship.dat", 9), 214, 330 + i * 24), put(screen, object("adam_ship.dat", 9), 233, 330 + i * 24);
    put(screen, picture("gfx/helpers/one_shot.gif"), 170, 420, 14, 0);
    put(screen, picture("gfx/helpers/one_shot.gif"), 280, 420, 14, 2);
    put(screen, kim, 360, 400, 64, 3);
    put(screen, object("kim_ship.dat", 11), 356, 399, 72, 2);
    for (int i = 0; i < 3; ++i) put(screen, object("kim_ship.dat", 2), 385, 320 + i * 26);
    put(screen, object("powerups.dat", 0), 560, 420);
    return {"play scene at 1x", screen};
}

// A tank as the game composes it: wheels, hull, turret.
Item assembled_tank(const std::string& kind, const std::vector<std::pair<int, int>>& wheels, std::pair<int, int> turret) {
    const std::string dir = "gfx/enemies/enemy_" + kind + "/";
    const Image hull = picture(dir + "enemy.png"), wheel = picture(dir + "wheels.png"), top = picture(dir + "turret.png");
    Image out(hull.width, hull.height);
    for (auto [x, y] : wheels) overlay(out, wheel, x, y, 0, wheel.width / 3);
    overlay(out, hull, 0, 0);
    overlay(out, top, turret.first, turret.second);
    return {"assembled " + kind, out};
}

// Every frame of the bomb charge as the game shows it: the inner glow over the charge while the
// frame is below 8, the ship on top.
Item charge_over_ship() {
    const Image charge = picture("gfx/player_bombs/bomb_charge.png"), middle = picture("gfx/player_bombs/charge_middle.png");
    const Image ship = object("adam_ship.dat", 12);
    const int frames = charge.width / 164;
    Image out(164 * frames, 164, {8, 10, 26});
    for (int i = 0; i < frames; ++i) {
        put(out, charge, 164 * i, 0, 164, i);
        if (i < 8) put(out, middle, 164 * i, 0);
        put(out, ship, 164 * i + 50, 50, 64, 2);
    }
    return {"charge over the ship", out};
}

TEST(ContactSheet, ShowsEveryPicture) {
    save_sheet("scene", {play_scene()}, 1);
    save_sheet("ships", items_of(ship_pictures(), ship_datafiles()), 3);
    save_sheet("kit", items_of(helper_pictures(), {kv1_ship_datafile()}), 4);
    std::vector<Item> bombs = items_of(bomb_pictures(), {});
    bombs.push_back(charge_over_ship());
    save_sheet("bombs", bombs, 1);
    save_sheet("enemies", items_of(enemy_pictures(), enemy_datafiles()), 2);
    save_sheet("trains", items_of(train_pictures(), train_datafiles()), 2);
    std::vector<Item> tanks = items_of(tank_pictures(), {});
    tanks.push_back(assembled_tank("eleven", {{14, 36}, {21, 78}, {81, 36}, {76, 78}}, {38, 30}));
    tanks.push_back(assembled_tank("twelve", {{13, 23}, {13, 78}, {73, 23}, {73, 78}}, {23, 31}));
    save_sheet("tanks", tanks, 2);
    save_sheet("kv1", items_of(kv1_enemy_pictures(), {}), 3);
    save_sheet("scenery", items_of(scenery_pictures(), scenery_datafiles()), 1);
}

}  // namespace
