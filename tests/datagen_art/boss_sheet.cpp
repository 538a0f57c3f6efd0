// The bosses on contact sheets (build/art_sheet_boss*.png): every picture, then each boss put
// together the way its code composes it, over a star field at the game's own size.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "art/boss_kit.h"
#include "draw/frames.h"
#include "sheet.h"

namespace {

using datagen::Image;
using datagen::Rgb;
using namespace datagen::art;
using namespace art_sheet;

// pivot_sprite: the picture's point (px, py) lands on (x, y), turned clockwise by `angle` in
// 256ths of a turn.
void pivot(Image& screen, const Image& img, float x, float y, float px, float py, float angle) {
    const float a = angle * 2 * datagen::draw::pi / 256, cs = std::cos(a), sn = std::sin(a);
    const int reach = static_cast<int>(std::hypot(img.width, img.height) + std::hypot(px, py)) + 1;
    for (int sy = static_cast<int>(y) - reach; sy <= y + reach; ++sy)
        for (int sx = static_cast<int>(x) - reach; sx <= x + reach; ++sx) {
            if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
            const float dx = sx + 0.5f - x, dy = sy + 0.5f - y;
            const int ix = static_cast<int>(std::floor(px + dx * cs + dy * sn)), iy = static_cast<int>(std::floor(py - dx * sn + dy * cs));
            if (ix < 0 || iy < 0 || ix >= img.width || iy >= img.height || img.at(ix, iy) == datagen::mask_colour) continue;
            screen.at(sx, sy) = img.at(ix, iy);
        }
}

constexpr float up = 192, down = 64, round = -1;

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
        put(screen, drawn(path), x + ox, y + oy, frame_w, frame);
        return *this;
    }
    // Shots launched with their top-left at (ox, oy), fanned over `angles`, drawn after `travelled`
    // px, turned from the way the picture faces (192 up, 64 down; round shots are not turned).
    Scene& volley(const std::string& path, float ox, float oy, std::vector<float> angles, float travelled, float facing = up,
                  int frame_w = -1) {
        Image shot = drawn(path);
        if (frame_w > 0) shot = datagen::draw::frame_of(shot, frame_w, 0);
        for (float a : angles) {
            const datagen::draw::Vec2 d = boss::heading(a);
            pivot(screen, shot, x + ox + d.x * travelled + shot.width / 2.0f, y + oy + d.y * travelled + shot.height / 2.0f,
                  shot.width / 2.0f, shot.height / 2.0f, facing == round ? 0 : a - facing);
        }
        return *this;
    }
    // pivot_sprite of a part (or rotate_sprite, pivoting about its centre): its point (px, py) at
    // boss offset (ox, oy).
    Scene& turned(const std::string& path, float ox, float oy, float px, float py, float angle, int frame_w = -1, int frame = 0) {
        pivot(screen, frame_w > 0 ? datagen::draw::frame_of(drawn(path), frame_w, frame) : drawn(path), x + ox, y + oy, px, py, angle);
        return *this;
    }
    Scene& turned(const Image& picture, float ox, float oy, float angle) {
        pivot(screen, picture, x + ox + picture.width / 2.0f, y + oy + picture.height / 2.0f, picture.width / 2.0f,
              picture.height / 2.0f, angle);
        return *this;
    }
    // draw_sprite_h_flip / v_flip / vh_flip.
    Scene& flipped(const std::string& path, int ox, int oy, bool h, bool v) {
        const Image& p = drawn(path);
        Image f(p.width, p.height);
        for (int yy = 0; yy < p.height; ++yy)
            for (int xx = 0; xx < p.width; ++xx) f.at(xx, yy) = p.at(h ? p.width - 1 - xx : xx, v ? p.height - 1 - yy : yy);
        put(screen, f, x + ox, y + oy);
        return *this;
    }
    Item done(const std::string& name) const { return {name, screen}; }
};

std::vector<Item> pictures_of(const std::vector<PictureFile>& files) {
    std::vector<Item> out;
    for (const auto& p : files) out.emplace_back(p.path, drawn(p.path));
    return out;
}

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
        .volley(d + "boss1_phaser_bullet.gif", 278 + 20, 123 + 29, {96, 80, 64, 48, 32}, 70, round)
        .part(d + "boss1_phaser_charge.gif", 242, 80, 123, 3);
    Scene blast = boss({120, 0});
    blast.part(d + "boss1_break_left_sheet.gif", 152, 136, 53, 0).part(d + "boss1_break_right_sheet.gif", 404, 136, 53, 1)
        .part(d + "boss1_top_shield.gif", 264, 147, 81, 7).part(d + "boss1_bottom_shield.gif", 264, 147, 81, 7)
        .part(d + "boss1_phaser_blast.gif", 231, 152, 146, 1).part(d + "boss1_broke_phaser.gif", 278, 123);
    return {guns.done("boss1 guns"), half.done("boss1 left gun down"), charge.done("boss1 charge"), blast.done("boss1 beam")};
}

std::vector<Item> boss2_scenes() {
    const std::string d = "gfx/boss2/";
    Scene guns(-1, 0);
    guns.part(d + "boss2_top.png", 0, 0).part(d + "boss2_gun.gif", 83, 71, 73, 2).part(d + "boss2_gun.gif", 484, 71, 73, 0)
        .part(d + "boss2_shield.gif", 252, 87, 137, 0).part(d + "boss2_healthy_phaser.gif", 301, 84)
        .volley(d + "boss2_gun_bullet.gif", 83 + 54, 71 + 66, {48}, 30).volley(d + "boss2_gun_laser.gif", 83 + 64, 71 + 68, {32}, 30, down)
        .volley(d + "boss2_gun_bullet.gif", 83 + 72, 71 + 66, {16}, 30)
        .volley(d + "boss2_gun_bullet.gif", 484 - 13, 71 + 66, {112}, 50).volley(d + "boss2_gun_laser.gif", 484 - 5, 71 + 68, {96}, 50, down)
        .volley(d + "boss2_gun_bullet.gif", 484 + 9, 71 + 66, {80}, 50);
    Scene open(-1, 0);
    open.part(d + "boss2_top.png", 0, 0).part(d + "boss2_gun_broke.gif", 92, 71, 55, 0).part(d + "boss2_gun.gif", 484, 71, 73, 1)
        .part(d + "boss2_shield.gif", 252, 87, 137, 3).part(d + "boss2_healthy_phaser.gif", 301, 84)
        .volley(d + "boss2_gun_bullet.gif", 484 + 21, 71 + 67, {80}, 40).volley(d + "boss2_gun_laser.gif", 484 + 29, 71 + 71, {64}, 40, down)
        .volley(d + "boss2_gun_bullet.gif", 484 + 38, 71 + 67, {48}, 40);
    Scene charge(-1, 0);
    charge.part(d + "boss2_top.png", 0, 0).part(d + "boss2_gun_broke.gif", 92, 71, 55, 1).part(d + "boss2_gun_broke.gif", 493, 71, 55, 2)
        .part(d + "boss2_shield.gif", 252, 87, 137, 5).part(d + "boss2_healthy_phaser.gif", 301, 84)
        .volley(d + "boss2_phaser_bullet.gif", 301 + 20, 84 + 29, {100, 82, 64, 46, 28}, 80, round, 12)
        .part(d + "boss2_phaser_charge.png", 261, 62, 123, 4);
    Scene blast(-1, 0);
    blast.part(d + "boss2_top.png", 0, 0).part(d + "boss2_gun_broke.gif", 92, 71, 55, 2).part(d + "boss2_gun_broke.gif", 493, 71, 55, 0)
        .part(d + "boss2_shield.gif", 252, 87, 137, 5).part(d + "boss2_phaser_blast_2.png", 246, 115, 146, 2)
        .part(d + "boss2_broke_phaser.gif", 301, 84);
    return {guns.done("boss2 guns"), open.done("boss2 one gun"), charge.done("boss2 charge"), blast.done("boss2 beam")};
}

const std::string enemy_five_shot = "gfx/enemies/enemy_five/bullet.gif", enemy_twelve_shot = "gfx/enemies/enemy_twelve/bullet.gif";

std::vector<Item> boss3_scenes() {
    const std::string d = "gfx/boss3/";
    Scene s(168, 60);
    s.part(d + "base.png", 0, 0).part(d + "turret.png", 52, 114, 51, 0).part(d + "turret.png", 199, 114, 51, 1)
        .volley(d + "bullet_2.png", 52 + 16, 114 + 117, {64}, 20, up, 32).volley(d + "bullet_2.png", 52 + 16, 114 + 117, {64}, 90, up, 32)
        .volley(d + "bullet_2.png", 199 + 16, 114 + 117, {64}, 60, up, 32)
        .volley(enemy_five_shot, 148, 192, {104, 84, 64}, 50, round);
    return {s.done("boss3")};
}

std::vector<Item> boss4_scenes() {
    const std::string d = "gfx/boss4/";
    Scene s(170, 40);
    s.part(d + "boss.png", 0, 0).volley(d + "bullet.gif", 74, 173, {80, 64, 48}, 40, round).volley(d + "bullet.gif", 221, 173, {80, 64, 48}, 40, round);
    return {s.done("boss4")};
}

// Boss5 as its draw composes it: the wheels into a body-sized picture, both turned by heading + 192
// about their centre, the weak spot painted into the body, the turret pivoted over it.
Item boss5_scene() {
    const std::string d = "gfx/boss5/";
    Scene s(0, 0);
    Image wheels(188, 200), body = drawn(d + "base.png");
    for (auto [wx, wy] : {std::pair{0, 0}, {0, 109}, {141, 0}, {141, 109}}) put(wheels, drawn(d + "wheels.png"), wx, wy, 46, (wx + wy) % 2);
    put(body, drawn(d + "weak_spot.png"), 74, 72);
    const float headings[4] = {0, 32, 64, 96}, aims[4] = {64, 96, 40, 64};
    for (int i = 0; i < 4; ++i) {
        s.x = 40 + (i % 2) * 320;
        s.y = 10 + (i / 2) * 240;
        s.turned(wheels, 0, 0, headings[i] + 192).turned(body, 0, 0, headings[i] + 192)
            .turned(d + "turret.png", 48 + 45, 51 + 45, 45, 45, aims[i] + 192)
            .turned(d + "weak_spot.png", 48 + 45, 51 + 45, 20, 20, aims[i] + 192);
        for (float ox : {29.0f, 42.0f, 55.0f}) s.volley(d + "bullet.png", 48 + ox, 51, {aims[i]}, 90 + 30 * (i % 2));
    }
    return s.done("boss5 at headings 0, 32, 64, 96");
}

std::vector<Item> boss6_scenes() {
    const std::string d = "gfx/boss6/";
    Scene s(247, 30);
    s.part(d + "base.png", 0, 0).part(d + "head.png", 55, 205);
    const struct { int x, y; bool h, v; } legs[4] = {{-22, 186, false, false}, {-22, 19, false, true}, {113, 19, true, true}, {113, 186, true, false}};
    for (const auto& l : legs) s.flipped(d + "leg.png", l.x, l.y, l.h, l.v);
    for (const auto& l : legs) s.volley(enemy_twelve_shot, l.x + 22, l.y + 20, {88, 72, 56, 40}, 30 + l.y / 4.0f, round);
    return {s.done("boss6 with its legs")};
}

std::vector<Item> boss7_scenes() {
    const std::string d = "gfx/boss7/";
    Scene s(170, -80);
    s.part(d + "rail.png", 7, 80).part(d + "rail.png", 281, 80).part(d + "base.png", 0, 0);
    for (auto [tx, ty] : {std::pair{39, 34}, {136, 85}, {233, 34}})
        s.part(d + "turret.png", tx, ty).volley(enemy_twelve_shot, tx + 3, ty + 39, {72}, 30, round).volley(enemy_twelve_shot, tx + 10, ty + 39, {56}, 30, round);
    s.volley("gfx/boss4/bullet.gif", 147, 260, {80, 64, 48}, 30, round);
    return {s.done("boss7 on its rails")};
}

std::vector<Item> boss8_scenes() {
    const std::string d = "gfx/boss8/";
    Scene s(168, 65);
    s.part(d + "base.png", 0, 0).part(d + "turret.png", 52, 114, 51, 1).part(d + "turret.png", 199, 114, 51, 0);
    for (int tx : {52, 199})
        for (float t : {10.0f, 80.0f}) s.volley("gfx/boss5/bullet.png", tx + 16, 114 + 117, {64}, t).volley("gfx/boss5/bullet.png", tx + 30, 114 + 117, {64}, t);
    s.volley(enemy_five_shot, 148, 192, {88, 76, 64, 52, 40, 28}, 40, round);
    return {s.done("boss8")};
}

std::vector<Item> boss9_scenes() {
    const std::string d = "gfx/boss9/";
    Scene s(131, 20);
    s.part(d + "rail.png", 47 - 131, -1).part(d + "base.png", 0, 0).part(d + "turret.png", 98, 116)
        .flipped(d + "side.png", 593 - 131, -1, true, false).part(d + "side.png", -131, -1)
        .volley(d + "bullet.png", 98 + 7, 116 + 82, {64}, 30).volley(d + "bullet.png", 98 + 45, 116 + 82, {64}, 30)
        .volley("gfx/boss2/boss2_phaser_bullet.gif", 125, 200, {124, 112, 100, 88, 76, 64}, 60, round, 12);
    return {s.done("boss9 on its rail")};
}

// The great turret at `sweep`, its beam turned with it about a point 9.5 px right of the pivot.
void main_turret(Scene& s, int tx, float sweep, bool beam) {
    const std::string d = "gfx/boss10/";
    s.turned(d + "b_turret.png", tx + 45, 34 + 45, 45, 45, sweep + 192);
    if (beam) s.turned(d + "turret_blast.png", static_cast<int>(tx + 9.5f) + 45, 34 + 122 - 77, 45, -77, sweep + 192, 73, 1);
}

std::vector<Item> boss10_scenes() {
    const std::string d = "gfx/boss10/";
    const auto base = [&] {
        Scene s(0, 0);
        s.part(d + "base.png", 0, 0);
        return s;
    };
    const auto side_turrets = [&](Scene& s) {
        for (int tx : {21, 196, 417, 592})
            s.part(d + "s_turret.png", tx, 51).volley(enemy_twelve_shot, tx + 3, 51 + 39, {72}, 40, round).volley(enemy_twelve_shot, tx + 10, 51 + 39, {56}, 40, round);
    };
    Scene low = base();
    main_turret(low, 76, 53, true);
    main_turret(low, 472, 75, true);
    low.part(d + "shield.png", 246, 100, 148, 2).part(d + "phaser.png", 255, 60);
    side_turrets(low);
    Scene high = base();
    main_turret(high, 76, 64, true);
    main_turret(high, 472, 64, false);
    high.part(d + "shield.png", 246, 100, 148, 0).part(d + "phaser.png", 255, 60).part("gfx/boss2/boss2_phaser_charge.png", 456, 34 + 25, 123, 3);
    side_turrets(high);
    Scene charge = base();
    charge.part(d + "b_turret_damaged.png", 76, 34).part(d + "b_turret_damaged.png", 472, 34).part(d + "shield.png", 246, 100, 148, 8)
        .part(d + "phaser.png", 255, 60).volley("gfx/boss2/boss2_phaser_bullet.gif", 255 + 59, 60 + 34, {110, 87, 64, 41, 18}, 90, round, 12)
        .part("gfx/boss2/boss2_phaser_charge.png", 258, 39, 123, 2);
    Scene blast = base();
    blast.part(d + "b_turret_damaged.png", 76, 34).part(d + "b_turret_damaged.png", 472, 34).part(d + "shield.png", 246, 100, 148, 8)
        .part(d + "main_blast.png", 143, 135, 354, 1).part(d + "broke_phaser.png", 255, 60);
    return {low.done("boss10 turrets at 53 and 75"), high.done("boss10 turret at 64, one charging"), charge.done("boss10 core"),
            blast.done("boss10 beam")};
}

TEST(BossSheet, ShowsEveryBoss) {
    save_sheet("boss1", pictures_of(boss1_pictures()), 2);
    save_sheet("boss1_scenes", boss1_scenes(), 1);
    save_sheet("boss2", pictures_of(boss2_pictures()), 2);
    save_sheet("boss2_scenes", boss2_scenes(), 1);
    save_sheet("boss3_to_9", pictures_of([] {
                   std::vector<PictureFile> all;
                   for (auto list : {boss3_pictures(), boss4_pictures(), boss5_pictures(), boss6_pictures(), boss7_pictures(),
                                     boss8_pictures(), boss9_pictures()})
                       for (PictureFile& p : list) all.push_back(std::move(p));
                   return all;
               }()), 2);
    std::vector<Item> scenes = boss3_scenes();
    for (auto more : {boss4_scenes(), std::vector<Item>{boss5_scene()}, boss6_scenes(), boss7_scenes(), boss8_scenes(), boss9_scenes()})
        scenes.insert(scenes.end(), more.begin(), more.end());
    save_sheet("boss3_to_9_scenes", scenes, 1);
    save_sheet("boss10", pictures_of(boss10_pictures()), 1);
    save_sheet("boss10_scenes", boss10_scenes(), 1);
}

}  // namespace
