// Boss10: the last fortress, obsidian and gold across the top of the screen. Two great turrets
// swing their beams from round mounts, four small turrets guard them, and the core in the middle
// hides behind a shield. It has no armour: shots that miss the parts fly on.
#include <cmath>

#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(72, 76, 96), rgb(36, 38, 50), rgb(120, 255, 220)};
const Colour gold = rgb(210, 170, 80);
constexpr float axis = 320;

Image body() {
    Canvas c(640, 160);
    const Shape wall = polygon(mirrored({{axis, 0}, {0, 0}, {0, 64}, {14, 96}, {60, 100}, {120, 132}, {180, 100},
                                         {230, 104}, {250, 150}, {axis, 158}}, axis));
    hull(c, wall, palette.armour, 1001, 6);
    for (float s : {-1.0f, 1.0f}) {
        const auto at = [s](float x, float y) { return Vec2{axis + s * (axis - x), y}; };
        c.paint_over(polygon({at(0, 20), at(240, 20), at(240, 27), at(0, 27)}), plating(wall, gold, 1002), 0.9f);
        for (float x : {40.0f, 200.0f, 236.0f}) seam(c, at(x, 30), at(x, 96));
        // The great turret's ring, and the sockets of the small turrets.
        boss::mount(c, circle(at(121, 79), 46), palette, 1003);
        c.fill(ring(at(121, 79), 48, 2.5f), gold * 0.9f);
        for (float x : {34.5f, 209.5f}) boss::mount(c, rect(at(x, 44) - Vec2{15, 0}, at(x, 44) + Vec2{15, 18}, 4), palette, 1004);
        fleet_eye(c, at(8, 60), 2.5f);
        fleet_eye(c, at(244, 110), 2);
    }
    boss::mount(c, rect({246, 52}, {394, 150}, 10), palette, 1005);
    for (float s : {-1.0f, 1.0f}) c.fill(rect({axis + s * 78 - 3, 60}, {axis + s * 78 + 3, 150}, 2), gold * 0.8f);
    return c.to_image();
}

// Facing down at rest, turned about (45, 45); the emitter at the bottom middle. A fin on one side
// shows which way it has turned.
void main_turret_shape(Canvas& c, float damage) {
    const Vec2 pivot{45, 45};
    const Shape barrel = polygon({{34, 70}, {56, 70}, {52, 118}, {38, 118}});
    c.fill(grown(barrel, 1.2f), rgb(14, 14, 20));
    hull(c, barrel, mix(palette.frame * 1.6f, rgb(60, 30, 24), damage), 1006, 3);
    const Shape emitter = rect({37, 112}, {53, 122}, 3);
    c.fill(emitter, metal(emitter, solid(kv2::gunmetal), 2));
    c.fill(rect({40, 116}, {50, 122}, 2), mix(mix(palette.energy, white, 0.4f), rgb(60, 30, 20), damage));
    const Shape fin = polygon({{70, 30}, {90, 52}, {88, 64}, {72, 60}});
    hull(c, fin, gold * (1 - 0.4f * damage), 1007, 2);
    const Shape dome = circle(pivot, 36);
    c.fill(grown(dome, 1.2f), rgb(14, 14, 20));
    hull(c, dome, mix(palette.armour * 1.2f, rgb(70, 40, 30), damage), 1008, 6);
    c.fill(ring(pivot, 26, 2), gold * (1 - 0.5f * damage));
    fleet_eye(c, pivot + Vec2{0, 14}, 4, mix(palette.energy, kv2::enemy_light, damage));
    fleet_eye(c, pivot + Vec2{-14, -10}, 2.5f);
}

Image main_turret() {
    Canvas c(92, 122);
    main_turret_shape(c, 0);
    return c.to_image();
}

// The same turret cracked and scorched, for its warning flashes.
Image weak_turret() {
    Canvas c(92, 122);
    main_turret_shape(c, 0.7f);
    Random r(1009);
    for (int i = 0; i < 7; ++i) {
        const Vec2 a{r.range(20, 70), r.range(20, 100)};
        c.paint_over(capsule(a, a + Vec2{r.range(-12, 12), r.range(-12, 12)}, 1.4f), solid(rgb(10, 8, 8)), 0.9f);
    }
    for (int i = 0; i < 3; ++i) c.fill(circle({r.range(25, 65), r.range(25, 65)}, 1.5f), rgb(255, 200, 120));
    return c.to_image();
}

// What is left of a great turret: its broken ring and the stump of the barrel.
Image broken_turret() {
    Canvas c(92, 110);
    Random r(1010);
    Points shard;
    for (int i = 0; i < 18; ++i) {
        const float a = i * 2 * pi / 18, rad = r.range(26, 38);
        shard.push_back({45 + std::cos(a) * rad, 45 + std::sin(a) * rad});
    }
    const Shape wreck = polygon(shard) | polygon({{36, 70}, {54, 70}, {50, 96}, {44, 104}, {38, 92}});
    c.fill(grown(wreck, 1), rgb(14, 12, 14));
    hull(c, wreck, rgb(70, 56, 52), 1011, 4);
    c.fill(circle({45, 45}, 14), rgb(20, 14, 14));
    flame(c, {45, 50}, {0, -1}, 16, 9, kv2::thrust_orange);
    for (int i = 0; i < 5; ++i) seam(c, {r.range(15, 75), r.range(15, 75)}, {r.range(15, 75), r.range(15, 75)}, 0.7f);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss10_pictures() {
    const std::string dir = "gfx/boss10/";
    return {
        {dir + "main_blast.png", [] { return boss::beam(354, 480, 8, 3, palette.energy, 110); }},
        {dir + "turret_blast.png", [] { return boss::beam(73, 480, 9, 4, gold, 22); }},
        {dir + "base.png", body},
        {dir + "shield.png", [] { return boss::shield(148, 54, 9, 4, palette, 1012); }},
        {dir + "b_turret.png", main_turret},
        {dir + "b_turret_hit.png", [] { return silhouette(main_turret(), {255, 255, 255}); }},
        {dir + "b_turret_weak.png", weak_turret},
        {dir + "b_turret_damaged.png", broken_turret},
        {dir + "phaser.png", [] { return boss::core(130, 80, {65, 40}, palette, 1013); }},
        {dir + "broke_phaser.png", [] { return boss::broken_core(130, 80, palette, 1014); }},
        {dir + "s_turret.png", [] { return boss::side_turret(palette, 1015); }},
    };
}

}  // namespace datagen::art
