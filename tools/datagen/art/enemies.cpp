// The KV2 enemy craft that fly alone or in formation: kinds one to four, seven and ten.
// All face DOWN (the way they fire and, for seven and ten, the way they are turned from).
// The alien fleet: dark plated hulls in rust, olive, violet and crimson, red eyes, hot shots.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

// Engines at the rear (top) of a craft facing down.
void rear_flame(Canvas& c, Vec2 at, float len, float width, Colour colour = kv2::thrust_orange) {
    flame(c, at, {0, -1}, len, width, colour);
}

// Kind one: a small rust manta; body from x 6 to 58, gun at (30, 59).
Image enemy_one() {
    Canvas c(64, 64);
    for (float x : {26.0f, 38.0f}) rear_flame(c, {x, 9}, 8, 5);
    const Shape body = polygon(mirrored({{32, 5}, {25, 7}, {20, 17}, {7, 21}, {6.5f, 29}, {20, 35}, {25, 50}, {32, 60}}, 32));
    hull(c, body, kv2::enemy_rust, 101);
    c.paint_over(polygon(mirrored({{20, 18}, {8, 22}, {8, 27}, {20, 31}}, 32)), plating(body, kv2::enemy_violet, 102));
    seam(c, {24, 40}, {40, 40});
    seam(c, {32, 10}, {32, 28});
    gun_barrel(c, {31, 50}, {31, 59.5f}, 3);
    fleet_eye(c, {32, 36}, 3.2f);
    return c.to_image();
}

// Kind two: a heavy olive gunship; round armoured hull, side pods, the big gun at (59, 106).
Image enemy_two() {
    Canvas c(125, 125);
    for (float x : {44.0f, 80.0f}) rear_flame(c, {x, 22}, 16, 10);
    for (float x : {18.0f, 107.0f}) rear_flame(c, {x, 40}, 12, 7);
    const Shape struts = polygon(mirrored({{50, 46}, {20, 50}, {14, 58}, {20, 72}, {50, 74}}, 62.5f));
    hull(c, struts, kv2::gunmetal, 201);
    for (float x : {18.0f, 107.0f}) {
        const Shape pod = ellipse({x, 62}, 12, 26);
        hull(c, pod, kv2::enemy_olive * 0.9f, 202);
        seam(c, {x - 8, 62}, {x + 8, 62});
        fleet_eye(c, {x, 80}, 2.5f);
    }
    gun_barrel(c, {61.5f, 80}, {61.5f, 106}, 7);
    hull(c, rect({57.5f, 99}, {65.5f, 106}, 1.5f), kv2::gunmetal * 0.8f, 205, 2);
    const Shape core = circle({62.5f, 56}, 36);
    hull(c, core, kv2::enemy_olive, 203, 5);
    hull(c, circle({62.5f, 58}, 21), kv2::enemy_olive * 0.8f, 204, 4);
    for (int i = 0; i < 8; ++i) {
        const float a = i * pi / 4 + pi / 8;
        seam(c, Vec2{62.5f, 56} + Vec2{std::cos(a), std::sin(a)} * 23, Vec2{62.5f, 56} + Vec2{std::cos(a), std::sin(a)} * 34);
    }
    fleet_eye(c, {62.5f, 62}, 6);
    canopy(c, {62.5f, 44}, 7, 4, rgb(200, 60, 50));
    return c.to_image();
}

// Kind three: a violet arrowhead with three guns splayed at (24, 85), (44, 90) and (61, 85).
Image enemy_three() {
    Canvas c(93, 93);
    for (float x : {28.0f, 65.0f}) rear_flame(c, {x, 14}, 12, 8, kv2::shot_violet);
    gun_barrel(c, {32, 62}, {24, 85}, 4);
    gun_barrel(c, {61, 62}, {64, 85}, 4);
    gun_barrel(c, {46.5f, 70}, {46.5f, 90}, 5);
    const Shape body = polygon(mirrored({{46.5f, 8}, {12, 8}, {3, 16}, {22, 48}, {34, 68}, {42, 80}, {46.5f, 82}}, 46.5f));
    hull(c, body, kv2::enemy_violet, 301, 4.5f);
    c.paint_over(polygon(mirrored({{12, 9}, {4, 16}, {12, 30}, {20, 16}}, 46.5f)), plating(body, kv2::enemy_rust, 302));
    seam(c, {20, 26}, {73, 26});
    seam(c, {46.5f, 8}, {46.5f, 30});
    const Vec2 core{46.5f, 44};
    c.glow(circle(core, 9), kv2::shot_violet, 8, 1.2f);
    c.fill(circle(core, 9), sphere(core, 9, rgb(190, 110, 255), 1));
    fleet_eye(c, {46.5f, 64}, 3);
    return c.to_image();
}

// Kind four: a teal bomber with gull wings that banks; guns at (37, 59), (46, 84), (55, 59), so its
// axis is the middle gun's, x 49.
Image enemy_four_frame(float bank_amount) {
    Canvas c(95, 95);
    constexpr float ax = 49;  // the middle gun's axis
    const Bank b{bank_amount, ax};
    for (float s : {-1.0f, 1.0f}) rear_flame(c, b({ax + s * 9.5f, 16}), 12, 7);
    const Shape wings = polygon(b(mirrored({{ax - 3.5f, 30}, {ax - 27, 26}, {ax - 44, 34}, {ax - 43, 44}, {ax - 29, 52}, {ax - 11, 56}, {ax - 3.5f, 62}}, ax)));
    hull(c, wings, kv2::enemy_teal, 401);
    c.paint_over(polygon(b(mirrored({{ax - 35, 30}, {ax - 44, 34}, {ax - 43, 44}, {ax - 35, 48}}, ax))), b.shade(plating(wings, kv2::enemy_sand, 402)));
    for (float s : {-1.0f, 1.0f}) gun_barrel(c, b({ax + s * 9, 46}), b({ax + s * 9, 60}), 4);
    const Shape body = polygon(b(mirrored({{ax, 10}, {ax - 7.5f, 14}, {ax - 11.5f, 40}, {ax - 7.5f, 70}, {ax - 2.5f, 84}, {ax, 85}}, ax)));
    hull(c, body, kv2::enemy_teal * 0.9f, 403, 4);
    gun_barrel(c, b({ax, 74}), b({ax, 85}), 4);
    for (float y : {30.0f, 52.0f}) seam(c, b({ax - 8.5f, y}), b({ax + 8.5f, y}));
    for (float s : {-1.0f, 1.0f}) seam(c, b({ax + s * 14, 36}), b({ax + s * 32, 40}));
    b.light(c);
    fleet_eye(c, b.raised({ax, 62}), 3.5f);
    canopy(c, b.raised({ax, 24}), 3.5f, 6, rgb(220, 80, 60));
    return c.to_image();
}

// Kind seven: a wide flying-wing bomber, 131 x 111, nose down.
Image enemy_seven() {
    Canvas c(131, 111);
    for (float x : {40.0f, 65.5f, 91.0f}) rear_flame(c, {x, 22}, 16, 9, kv2::shot_violet);
    const Shape wing = polygon(mirrored({{65.5f, 18}, {40, 20}, {4, 58}, {2, 70}, {12, 74}, {40, 66}, {56, 92}, {65.5f, 107}}, 65.5f));
    hull(c, wing, rgb(96, 92, 118), 701, 5);
    c.paint_over(polygon(mirrored({{20, 48}, {4, 58}, {2, 70}, {12, 74}, {26, 70}}, 65.5f)), plating(wing, kv2::enemy_rust, 702));
    for (float s : {-1.0f, 1.0f}) {
        seam(c, {65.5f + s * 12, 30}, {65.5f + s * 50, 66});
        seam(c, {65.5f + s * 24, 40}, {65.5f + s * 24, 62});
        fleet_eye(c, {65.5f + s * 44, 64}, 2.5f);
    }
    hull(c, ellipse({65.5f, 60}, 14, 34), rgb(80, 76, 100), 703, 4);
    for (float x : {31.0f, 100.0f}) gun_barrel(c, {x, 48}, {x, 60}, 4);
    canopy(c, {65.5f, 72}, 6, 10, rgb(230, 70, 60));
    fleet_eye(c, {65.5f, 44}, 4, kv2::shot_violet);
    return c.to_image();
}

// Kind ten: a crimson and black diving arrowhead, 117 x 117, nose down; guns at (22, 44), (49, 44).
Image enemy_ten() {
    Canvas c(117, 117);
    for (float x : {46.0f, 71.0f}) rear_flame(c, {x, 14}, 12, 9);
    const Shape body = polygon(mirrored({{58.5f, 8}, {40, 10}, {6, 30}, {4, 42}, {22, 50}, {40, 76}, {52, 104}, {58.5f, 112}}, 58.5f));
    hull(c, body, rgb(150, 30, 40), 1001, 5);
    c.paint_over(polygon(mirrored({{58.5f, 30}, {44, 34}, {46, 80}, {58.5f, 100}}, 58.5f)), plating(body, rgb(40, 36, 46), 1002));
    for (float x : {25.0f, 52.0f, 65.0f, 92.0f}) gun_barrel(c, {x, 32}, {x, 46}, 4);
    for (float s : {-1.0f, 1.0f}) seam(c, {58.5f + s * 10, 24}, {58.5f + s * 46, 38});
    seam(c, {46, 62}, {71, 62});
    fleet_eye(c, {58.5f, 86}, 4);
    canopy(c, {58.5f, 48}, 5, 10, rgb(255, 120, 60));
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> enemy_pictures() {
    return {
        {"gfx/enemies/enemy_five/bullet.gif", [] { return hostile_orb(8, 8, hostile::crimson); }},
        {"gfx/enemies/enemy_seven/hit.png", [] { return silhouette(enemy_seven(), {255, 255, 255}); }},
    };
}

std::vector<DatafileFile> enemy_datafiles() {
    return {
        {"enemy_one.dat", [] { return enemy_file(enemy_one(), hostile_bolt(5, 12, hostile::crimson, 1)); }},
        {"enemy_two.dat", [] { return enemy_file(enemy_two(), hostile_bolt(8, 16, hostile::scarlet, 1)); }},
        {"enemy_three.dat", [] { return enemy_file(enemy_three(), hostile_bolt(6, 12, hostile::crimson, 1)); }},
        {"enemy_four.dat", [] {
             return enemy_file(strip_of(5, [](int i) { return enemy_four_frame(bank_of_frame(i, 5)); }),
                               hostile_bolt(6, 14, hostile::scarlet, 1));
         }},
        {"enemy_seven.dat", [] { return enemy_file(enemy_seven(), hostile_orb(8, 8, hostile::crimson)); }},
        {"enemy_ten.dat", [] { return enemy_file(enemy_ten(), hostile_bolt(6, 14, hostile::crimson, 1)); }},
    };
}

}  // namespace datagen::art
