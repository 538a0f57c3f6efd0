// The bosses on contact sheets (build/art_sheet_boss*.png): every picture, then each boss put
// together the way its code composes it, over a star field at the game's own size.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "art/boss_kit.h"
#include "sheet.h"

namespace {

using datagen::Image;
using datagen::Rgb;
using namespace datagen::art;
using namespace art_sheet;

const std::map<std::string, Image>& boss_art() {
    static const std::map<std::string, Image> all = [] {
        std::map<std::string, Image> out;
        for (const auto& p : boss_pictures()) out.emplace(p.path, p.draw());
        return out;
    }();
    return all;
}

const Image& art(const std::string& path) { return boss_art().at(path); }

// pivot_sprite: the picture's point (px, py) lands on (x, y), turned clockwise by `angle` in
// 256ths of a turn.
void pivot(Image& screen, const Image& img, float x, float y, float px, float py, float angle) {
    const float a = angle * 2 * datagen::draw::pi / 256, cs = std::cos(a), sn = std::sin(a);
    const int reach = static_cast<int>(std::hypot(img.width, img.height)) + 1;
    for (int sy = static_cast<int>(y) - reach; sy <= y + reach; ++sy)
        for (int sx = static_cast<int>(x) - reach; sx <= x + reach; ++sx) {
            if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
            const float dx = sx + 0.5f - x, dy = sy + 0.5f - y;
            const int ix = static_cast<int>(std::floor(px + dx * cs + dy * sn)), iy = static_cast<int>(std::floor(py - dx * sn + dy * cs));
            if (ix < 0 || iy < 0 || ix >= img.width || iy >= img.height || img.at(ix, iy) == datagen::mask_colour) continue;
            screen.at(sx, sy) = img.at(ix, iy);
        }
}

// A boss fight at 1x: the star field, the boss at (x, y), its parts at their offsets.
struct Scene {
    Image screen{640, 480, {8, 10, 26}};
    int x, y;

    Scene(int bx, int by) : x(bx), y(by) {
        for (int i = 0; i < 260; ++i) {
            const int v = 90 + (i * 37) % 160;
            screen.at((i * 7919) % 640, (i * 104729) % 480) = {static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(std::min(255, v + 40))};
        }
    }
    Scene& part(const std::string& path, int ox, int oy, int frame_w = -1, int frame = 0) {
        put(screen, art(path), x + ox, y + oy, frame_w, frame);
        return *this;
    }
    // Shots launched with their top-left at (ox, oy), fanned over `angles`, drawn after `travelled`
    // px, turned to their heading (type 1 pictures point up).
    Scene& volley(const std::string& path, float ox, float oy, std::vector<float> angles, float travelled, bool points_up = true) {
        const Image& shot = art(path);
        const float w = shot.width, h = points_up ? shot.height : shot.width;
        for (float a : angles) {
            const datagen::draw::Vec2 d = boss::heading(a);
            pivot(screen, shot, x + ox + d.x * travelled + w / 2, y + oy + d.y * travelled + h / 2, shot.width / 2.0f, shot.height / 2.0f,
                  points_up ? a + 64 : 0);
        }
        return *this;
    }
    Item done(const std::string& name) const { return {name, screen}; }
};

std::vector<Item> pictures_of(const std::vector<PictureFile>& files) { return items_of(files, {}); }

std::vector<Item> boss1_scenes() {
    const std::string d = "gfx/boss1/";
    const auto boss = [&](Scene s) {
        return s.part(d + "boss1.gif", 0, 0);
    };
    Scene guns = boss({15, 0});
    guns.part(d + "boss1_left_gun.gif", 152, 136, 53, 0).part(d + "boss1_right_gun.gif", 404, 136, 53, 2)
        .part(d + "boss1_top_shield.gif", 264, 147, 81, 1).part(d + "boss1_bottom_shield.gif", 264, 147, 81, 2)
        .part(d + "boss1_healthy_phaser.gif", 278, 123)
        .volley(d + "boss1_bullet.gif", 152 + 15, 136 + 38, {80, 64, 48}, 40)
        .volley(d + "boss1_bullet.gif", 404 + 37, 136 + 38, {80, 64, 48}, 90);
    Scene half = boss({-60, 0});
    half.part(d + "boss1_break_left_sheet.gif", 152, 136, 53, 1).part(d + "boss1_right_gun.gif", 404, 136, 53, 1)
        .part(d + "boss1_top_shield.gif", 264, 147, 81, 7).part(d + "boss1_bottom_shield.gif", 264, 147, 81, 3)
        .part(d + "boss1_healthy_phaser.gif", 278, 123)
        .volley(d + "boss1_bullet.gif", 404 + 8, 136 + 40, {96, 80, 64}, 30);
    Scene charge = boss({15, 0});
    charge.part(d + "boss1_break_left_sheet.gif", 152, 136, 53, 2).part(d + "boss1_break_right_sheet.gif", 404, 136, 53, 3)
        .part(d + "boss1_top_shield.gif", 264, 147, 81, 7).part(d + "boss1_bottom_shield.gif", 264, 147, 81, 7)
        .part(d + "boss1_healthy_phaser.gif", 278, 123)
        .volley(d + "boss1_phaser_bullet.gif", 278 + 20, 123 + 29, {96, 80, 64, 48, 32}, 70, false)
        .part(d + "boss1_phaser_charge.gif", 242, 80, 123, 3);
    Scene blast = boss({120, 0});
    blast.part(d + "boss1_break_left_sheet.gif", 152, 136, 53, 0).part(d + "boss1_break_right_sheet.gif", 404, 136, 53, 1)
        .part(d + "boss1_top_shield.gif", 264, 147, 81, 7).part(d + "boss1_bottom_shield.gif", 264, 147, 81, 7)
        .part(d + "boss1_phaser_blast.gif", 231, 152, 146, 1).part(d + "boss1_broke_phaser.gif", 278, 123);
    return {guns.done("boss1 guns"), half.done("boss1 left gun down"), charge.done("boss1 charge"), blast.done("boss1 beam")};
}

TEST(BossSheet, ShowsEveryBoss) {
    save_sheet("boss1", pictures_of(boss1_pictures()), 2);
    save_sheet("boss1_scenes", boss1_scenes(), 1);
}

}  // namespace
