// The boss art against what the boss code relies on: geometry, files that decode with their mask
// intact, shots reaching the parts through the armour, barrels where shots leave, solid shields,
// beams and parts, and hit pictures with their part's exact outline.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

#include "art/catalogue.h"
#include "draw/canvas.h"
#include "draw/frames.h"
#include "engine/gif.h"
#include "sheet.h"
#include "support/test_support.h"

namespace {

using datagen::Image;
using datagen::mask_colour;
using datagen::Rgb;
using art_sheet::drawn;

struct Geometry {
    int frame_w, frame_h, frames = 1;
};

// Every boss picture; bodies, bullets and pictures of free size as the art draws them.
const std::map<std::string, Geometry> boss_geometry = {
    {"gfx/boss1/boss1.gif", {609, 200}},
    {"gfx/boss1/boss1_broke_phaser.gif", {53, 29}},
    {"gfx/boss1/boss1_left_gun.gif", {53, 45, 3}},
    {"gfx/boss1/boss1_right_gun.gif", {53, 45, 3}},
    {"gfx/boss1/boss1_break_left_sheet.gif", {53, 29, 4}},
    {"gfx/boss1/boss1_break_right_sheet.gif", {53, 29, 4}},
    {"gfx/boss1/boss1_top_shield.gif", {81, 24, 8}},
    {"gfx/boss1/boss1_bottom_shield.gif", {81, 50, 8}},
    {"gfx/boss1/boss1_phaser_charge.gif", {123, 123, 5}},
    {"gfx/boss1/boss1_phaser_blast.gif", {146, 327, 9}},
    {"gfx/boss1/boss1_healthy_phaser.gif", {53, 29}},
    {"gfx/boss1/boss1_bullet.gif", {6, 14}},
    {"gfx/boss1/boss1_phaser_bullet.gif", {10, 10}},
    {"gfx/boss2/boss2_top.png", {640, 150}},
    {"gfx/boss2/boss2_broke_phaser.gif", {38, 40}},
    {"gfx/boss2/boss2_gun.gif", {73, 75, 3}},
    {"gfx/boss2/boss2_gun_broke.gif", {55, 46, 3}},
    {"gfx/boss2/boss2_shield.gif", {137, 54, 6}},
    {"gfx/boss2/boss2_phaser_charge.png", {123, 123, 5}},
    {"gfx/boss2/boss2_phaser_blast_2.png", {146, 480, 9}},
    {"gfx/boss2/boss2_healthy_phaser.gif", {38, 40}},
    {"gfx/boss2/boss2_phaser_bullet.gif", {12, 12, 4}},
    {"gfx/boss2/boss2_gun_bullet.gif", {6, 14}},
    {"gfx/boss2/boss2_gun_laser.gif", {4, 24}},
    {"gfx/boss3/base.png", {303, 192}},
    {"gfx/boss3/turret.png", {51, 117, 2}},
    {"gfx/boss3/bullet_2.png", {32, 31, 3}},
    {"gfx/boss4/boss.png", {300, 173}},
    {"gfx/boss4/bullet.gif", {10, 10}},
    {"gfx/boss5/base.png", {188, 200}},
    {"gfx/boss5/turret.png", {90, 90}},
    {"gfx/boss5/turret_hit.png", {90, 90}},
    {"gfx/boss5/weak_spot.png", {40, 40}},
    {"gfx/boss5/weak_spot_hit.png", {40, 40}},
    {"gfx/boss5/weak_spot_hurt.png", {40, 40}},
    {"gfx/boss5/wheels.png", {46, 90, 2}},
    {"gfx/boss5/bullet.png", {6, 16}},
    {"gfx/boss6/base.png", {146, 261}},
    {"gfx/boss6/leg.png", {55, 56}},
    {"gfx/boss6/head.png", {36, 36}},
    {"gfx/boss6/broke_leg.png", {55, 56}},
    {"gfx/boss7/base.png", {299, 260}},
    {"gfx/boss7/rail.png", {11, 480}},
    {"gfx/boss7/turret.png", {27, 39}},
    {"gfx/boss8/base.png", {303, 192}},
    {"gfx/boss8/turret.png", {51, 117, 2}},
    {"gfx/boss9/base.png", {378, 200}},
    {"gfx/boss9/rail.png", {546, 24}},
    {"gfx/boss9/turret.png", {66, 82}},
    {"gfx/boss9/side.png", {47, 48}},
    {"gfx/boss9/bullet.png", {6, 16}},
    {"gfx/boss10/base.png", {640, 160}},
    {"gfx/boss10/broke_phaser.png", {130, 80}},
    {"gfx/boss10/s_turret.png", {27, 39}},
    {"gfx/boss10/b_turret.png", {92, 122}},
    {"gfx/boss10/b_turret_damaged.png", {92, 110}},
    {"gfx/boss10/b_turret_hit.png", {92, 122}},
    {"gfx/boss10/b_turret_weak.png", {92, 122}},
    {"gfx/boss10/phaser.png", {130, 80}},
    {"gfx/boss10/shield.png", {148, 54, 9}},
    {"gfx/boss10/main_blast.png", {354, 480, 8}},
    {"gfx/boss10/turret_blast.png", {73, 480, 9}},
};

bool opaque(Rgb c) { return c != mask_colour; }

Image frame(const std::string& path, int i) { return datagen::draw::frame_of(drawn(path), boss_geometry.at(path).frame_w, i); }

TEST(BossArt, EveryFileAtItsGeometryWithFramesThatDiffer) {
    std::set<std::string> made;
    for (const auto& p : datagen::art::boss_pictures()) made.insert(p.path);
    ASSERT_EQ(made.size(), 62u);
    for (const auto& [path, g] : boss_geometry) {
        EXPECT_TRUE(made.count(path)) << path;
        const Image& img = drawn(path);
        EXPECT_EQ(img.width, g.frame_w * g.frames) << path;
        EXPECT_EQ(img.height, g.frame_h) << path;
        for (int i = 0; i + 1 < g.frames; ++i)
            for (int j = i + 1; j < g.frames; ++j) EXPECT_NE(frame(path, i).pixels, frame(path, j).pixels) << path << " " << i << "," << j;
    }
}

// The files in the data tree decode at 16 bits with exactly the drawn picture's mask.
TEST(BossArt, FilesDecodeWithTheirMaskIntact) {
    for (const auto& [path, g] : boss_geometry) {
        const std::string file = testing_support::data_dir() + "/" + path;
        std::unique_ptr<BITMAP, void (*)(BITMAP*)> bmp(path.substr(path.size() - 4) == ".png" ? load_png(file.c_str(), nullptr)
                                                                                                : load_gif(file.c_str(), nullptr),
                                                       destroy_bitmap);
        ASSERT_TRUE(bmp) << path;
        ASSERT_EQ(bitmap_color_depth(bmp.get()), 16) << path;
        const Image& img = drawn(path);
        ASSERT_EQ(bmp->w, img.width) << path;
        int differ = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) differ += opaque(img.at(x, y)) != (getpixel(bmp.get(), x, y) != bitmap_mask_color(bmp.get()));
        EXPECT_EQ(differ, 0) << path;
    }
}

TEST(BossArt, BodiesSpanTheirParts) {
    const struct { const char* path; int min_w, min_h; } bodies[] = {
        {"gfx/boss1/boss1.gif", 457, 197}, {"gfx/boss2/boss2_top.png", 557, 146}, {"gfx/boss3/base.png", 250, 192},
        {"gfx/boss4/boss.png", 231, 173},  {"gfx/boss5/base.png", 187, 199},     {"gfx/boss5/turret.png", 64, 64},
        {"gfx/boss6/base.png", 91, 241},   {"gfx/boss7/base.png", 264, 124},     {"gfx/boss8/base.png", 250, 192},
        {"gfx/boss9/base.png", 164, 198},  {"gfx/boss10/base.png", 619, 156},
    };
    for (const auto& b : bodies) {
        EXPECT_GE(drawn(b.path).width, b.min_w) << b.path;
        EXPECT_GE(drawn(b.path).height, b.min_h) << b.path;
    }
}

// Columns under a part, from a row down, where the body must show nothing: a shot rising from
// below meets the part before the body.
TEST(BossArt, ShotsFromBelowReachTheParts) {
    const struct { const char* body; int x0, x1, from; } channels[] = {
        {"gfx/boss1/boss1.gif", 152, 205, 181},  {"gfx/boss1/boss1.gif", 404, 457, 181},  {"gfx/boss1/boss1.gif", 278, 331, 152},
        {"gfx/boss2/boss2_top.png", 83, 156, 146}, {"gfx/boss2/boss2_top.png", 484, 557, 146}, {"gfx/boss2/boss2_top.png", 301, 339, 124},
        {"gfx/boss7/base.png", 35, 70, 34},      {"gfx/boss7/base.png", 132, 167, 85},    {"gfx/boss7/base.png", 229, 264, 34},
        {"gfx/boss6/base.png", 51, 94, 205},
    };
    for (const auto& ch : channels) {
        const Image& body = drawn(ch.body);
        for (int y = ch.from; y < body.height; ++y)
            for (int x = ch.x0; x <= ch.x1; ++x) ASSERT_FALSE(opaque(body.at(x, y))) << ch.body << " at " << x << "," << y;
    }
}

// A shot leaves with its top-left at the launch point: the barrel ends at the launch point plus
// half the shot's width. Points outside the picture look at its nearest edge.
TEST(BossArt, BarrelsEndWhereShotsLeave) {
    const struct { const char* path; int frame; float x, y; } mouths[] = {
        {"gfx/boss1/boss1_left_gun.gif", 0, 18, 38},   {"gfx/boss1/boss1_left_gun.gif", 1, 47, 40},
        {"gfx/boss1/boss1_left_gun.gif", 2, 53, 33},   {"gfx/boss1/boss1_right_gun.gif", 0, 5, 33},
        {"gfx/boss1/boss1_right_gun.gif", 1, 11, 40},  {"gfx/boss1/boss1_right_gun.gif", 2, 40, 38},
        {"gfx/boss1/boss1_healthy_phaser.gif", 0, 25, 29}, {"gfx/boss2/boss2_healthy_phaser.gif", 0, 26, 29},
        {"gfx/boss10/phaser.png", 0, 65, 40},
        {"gfx/boss2/boss2_gun.gif", 0, -10, 66},       {"gfx/boss2/boss2_gun.gif", 0, -3, 68},  {"gfx/boss2/boss2_gun.gif", 0, 12, 66},
        {"gfx/boss2/boss2_gun.gif", 1, 24, 67},        {"gfx/boss2/boss2_gun.gif", 1, 31, 71},  {"gfx/boss2/boss2_gun.gif", 1, 41, 67},
        {"gfx/boss2/boss2_gun.gif", 2, 57, 66},        {"gfx/boss2/boss2_gun.gif", 2, 66, 68},  {"gfx/boss2/boss2_gun.gif", 2, 75, 66},
        {"gfx/boss3/turret.png", 0, 32, 117},          {"gfx/boss3/turret.png", 1, 32, 117},
        {"gfx/boss8/turret.png", 0, 19, 117},          {"gfx/boss8/turret.png", 1, 33, 117},
        {"gfx/boss9/turret.png", 0, 10, 82},           {"gfx/boss9/turret.png", 0, 48, 82},
        {"gfx/boss7/turret.png", 0, 7, 39},            {"gfx/boss7/turret.png", 0, 14, 39},
        {"gfx/boss10/s_turret.png", 0, 7, 39},         {"gfx/boss10/s_turret.png", 0, 14, 39},
        {"gfx/boss5/turret.png", 0, 32, 90},           {"gfx/boss5/turret.png", 0, 45, 90},     {"gfx/boss5/turret.png", 0, 58, 90},
        {"gfx/boss10/b_turret.png", 0, 46, 122},
        {"gfx/boss3/base.png", 0, 152, 192},           {"gfx/boss8/base.png", 0, 152, 192},
        {"gfx/boss4/boss.png", 0, 79, 173},            {"gfx/boss4/boss.png", 0, 226, 173},     {"gfx/boss9/base.png", 0, 131, 200},
    };
    for (const auto& m : mouths) {
        const Image f = frame(m.path, m.frame);
        const float mx = std::clamp(m.x, 0.0f, static_cast<float>(f.width)), my = std::clamp(m.y, 0.0f, static_cast<float>(f.height));
        bool found = false;
        for (int y = 0; y < f.height && !found; ++y)
            for (int x = 0; x < f.width && !found; ++x)
                found = opaque(f.at(x, y)) && std::hypot(x + 0.5f - mx, y + 0.5f - my) <= 3;
        EXPECT_TRUE(found) << m.path << " frame " << m.frame << " at " << m.x << "," << m.y;
    }
    // The legs' shots leave (22, 20) of every flipped copy, so the gun pod covers (22..33, 20..35).
    const Image& leg = drawn("gfx/boss6/leg.png");
    for (int y = 20; y <= 35; ++y)
        for (int x = 22; x <= 33; ++x) EXPECT_TRUE(opaque(leg.at(x, y))) << x << "," << y;
}

TEST(BossArt, ShieldsBeamsAndPartsAreSolidWhereShotsCount) {
    // A closed shield has a band of rows opaque from edge to edge.
    const struct { const char* path; int closed; } shields[] = {
        {"gfx/boss1/boss1_top_shield.gif", 4}, {"gfx/boss1/boss1_bottom_shield.gif", 4},
        {"gfx/boss2/boss2_shield.gif", 1},     {"gfx/boss10/shield.png", 4},
    };
    for (const auto& s : shields)
        for (int i = 0; i < s.closed; ++i) {
            const Image f = frame(s.path, i);
            int solid_rows = 0;
            for (int y = 0; y < f.height; ++y)
                solid_rows += std::all_of(f.pixels.begin() + y * f.width, f.pixels.begin() + (y + 1) * f.width, opaque);
            EXPECT_GE(solid_rows, f.height / 3) << s.path << " frame " << i;
        }
    // A firing beam is opaque down its middle from top to bottom.
    const struct { const char* path; int firing; } beams[] = {
        {"gfx/boss1/boss1_phaser_blast.gif", 4}, {"gfx/boss2/boss2_phaser_blast_2.png", 4},
        {"gfx/boss10/main_blast.png", 3},       {"gfx/boss10/turret_blast.png", 4},
    };
    for (const auto& b : beams)
        for (int i = 0; i < b.firing; ++i) {
            const Image f = frame(b.path, i);
            for (int y = 0; y < f.height; ++y) ASSERT_TRUE(opaque(f.at(f.width / 2, y))) << b.path << " frame " << i << " row " << y;
        }
    // Cores, guns, turrets, the weak spot and the head: a solid middle in every frame.
    for (const char* path : {"gfx/boss1/boss1_healthy_phaser.gif", "gfx/boss1/boss1_left_gun.gif", "gfx/boss1/boss1_right_gun.gif",
                             "gfx/boss2/boss2_healthy_phaser.gif", "gfx/boss2/boss2_gun.gif", "gfx/boss3/turret.png",
                             "gfx/boss5/turret.png", "gfx/boss5/weak_spot.png", "gfx/boss6/head.png", "gfx/boss7/turret.png",
                             "gfx/boss8/turret.png", "gfx/boss9/turret.png", "gfx/boss10/s_turret.png", "gfx/boss10/b_turret.png",
                             "gfx/boss10/phaser.png"})
        for (int i = 0; i < boss_geometry.at(path).frames; ++i) {
            const Image f = frame(path, i);
            for (int dy = -4; dy <= 4; ++dy)
                for (int dx = -4; dx <= 4; ++dx) ASSERT_TRUE(opaque(f.at(f.width / 2 + dx, f.height / 2 + dy))) << path << " frame " << i;
        }
    // The wheels are drawn into a picture that is never cleared: opaque over their whole footprint.
    for (Rgb p : drawn("gfx/boss5/wheels.png").pixels) ASSERT_TRUE(opaque(p));
}

TEST(BossArt, HitPicturesAreWhiteWithTheirPartsOutline) {
    for (auto [hit, part] : {std::pair{"gfx/boss5/turret_hit.png", "gfx/boss5/turret.png"},
                             {"gfx/boss5/weak_spot_hit.png", "gfx/boss5/weak_spot.png"},
                             {"gfx/boss10/b_turret_hit.png", "gfx/boss10/b_turret.png"}}) {
        const Image &h = drawn(hit), &p = drawn(part);
        ASSERT_EQ(h.pixels.size(), p.pixels.size()) << hit;
        for (size_t i = 0; i < h.pixels.size(); ++i) {
            ASSERT_EQ(opaque(h.pixels[i]), opaque(p.pixels[i])) << hit;
            if (opaque(h.pixels[i])) ASSERT_EQ(h.pixels[i], (Rgb{255, 255, 255})) << hit;
        }
    }
}

// Pictures drawn turned or flipped must show which way they face.
TEST(BossArt, TurnedAndFlippedPicturesAreAsymmetric) {
    for (const char* path : {"gfx/boss6/leg.png", "gfx/boss10/b_turret.png"}) {
        const Image& img = drawn(path);
        int h_same = 0, v_same = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                h_same += opaque(img.at(x, y)) == opaque(img.at(img.width - 1 - x, y));
                v_same += opaque(img.at(x, y)) == opaque(img.at(x, img.height - 1 - y));
            }
        const int total = img.width * img.height;
        EXPECT_LT(h_same, total * 97 / 100) << path;
        EXPECT_LT(v_same, total * 97 / 100) << path;
    }
}

// Charges grow about their frame's centre; beams thin out as they end.
TEST(BossArt, ChargesGrowAndBeamsThinAway) {
    for (const char* path : {"gfx/boss1/boss1_phaser_charge.gif", "gfx/boss2/boss2_phaser_charge.png"}) {
        int last = 0;
        for (int i = 0; i < 5; ++i) {
            const Image f = frame(path, i);
            int count = 0;
            double sx = 0, sy = 0;
            for (int y = 0; y < f.height; ++y)
                for (int x = 0; x < f.width; ++x)
                    if (opaque(f.at(x, y))) ++count, sx += x + 0.5, sy += y + 0.5;
            EXPECT_GT(count, last) << path << " frame " << i;
            EXPECT_NEAR(sx / count, f.width / 2.0, 6) << path << " frame " << i;
            EXPECT_NEAR(sy / count, f.height / 2.0, 6) << path << " frame " << i;
            last = count;
        }
    }
    const struct { const char* path; int firing, frames; } beams[] = {
        {"gfx/boss1/boss1_phaser_blast.gif", 4, 9}, {"gfx/boss2/boss2_phaser_blast_2.png", 4, 9},
        {"gfx/boss10/main_blast.png", 3, 8},       {"gfx/boss10/turret_blast.png", 4, 9},
    };
    for (const auto& b : beams) {
        const auto width_at_middle = [&](int i) {
            const Image f = frame(b.path, i);
            return std::count_if(f.pixels.begin() + f.height / 2 * f.width, f.pixels.begin() + (f.height / 2 + 1) * f.width, opaque);
        };
        for (int i = b.firing; i + 1 < b.frames; ++i) EXPECT_GT(width_at_middle(i), width_at_middle(i + 1)) << b.path << " frame " << i;
        EXPECT_GT(width_at_middle(0), width_at_middle(b.firing)) << b.path;
    }
}

}  // namespace
