// Boss5: a sand-coloured crawler seen from above, nose down. Four tracks show beside the hull;
// the turret in the middle turns about its centre with three barrels, and the weak spot under it
// is painted into the hull.
#include <cmath>

#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(176, 152, 100), rgb(96, 84, 60), rgb(255, 220, 80)};
constexpr float axis = 93.5f;

Image body() {
    Canvas c(188, 200);
    const Shape deck = polygon(mirrored({{axis, 2}, {60, 4}, {44, 16}, {42, 184}, {58, 198}, {axis, 198}}, axis));
    hull(c, deck, palette.armour, 501, 5);
    for (const boss::Side& at : boss::sides(axis)) {
        // Track guards between the wheel pairs, engine grilles at the rear.
        const Shape guard = at.box(30, 92, 50, 108, 3);
        hull(c, guard, palette.frame * 1.3f, 502, 2);
        c.fill(at.box(54, 10, 84, 34, 2), rgb(30, 28, 24));
        for (float y = 13; y < 32; y += 4) seam(c, at(56, y), at(82, y), 0.8f);
        fleet_eye(c, at(52, 186), 2.2f);
    }
    // Ram plate at the nose, hazard striped.
    const Shape ram = polygon(mirrored({{axis, 180}, {52, 178}, {48, 196}, {axis, 199}}, axis));
    c.paint_over(ram, [](Vec2 q) { return std::fmod(q.x + q.y, 10.0f) < 5 ? rgb(220, 170, 40) : rgb(40, 34, 26); });
    boss::mount(c, circle({93, 96}, 42), palette, 503);
    return c.to_image();
}

// Track strips, opaque over the whole footprint: the treads move half their spacing a frame.
Image wheel_frame(int frame) {
    Canvas c(46, 90);
    for (float y = -8 + frame * 4.0f; y < 98; y += 8) {
        const Shape bar = rect({3, y}, {43, y + 5}, 1);
        c.fill(bar, metal(bar, linear({0, 0}, {46, 0}, {{0, rgb(150, 140, 120)}, {1, rgb(90, 84, 70)}}), 1.5f, 0.9f));
    }
    for (float y : {16.0f, 45.0f, 74.0f}) {
        c.fill(circle({23, y}, 9), rgb(22, 20, 18));
        hull(c, circle({23, y}, 7.5f), rgb(140, 136, 124), 504, 2);
        const float a = frame * pi / 4 + y;
        c.fill(capsule({23 + std::cos(a) * 5, y + std::sin(a) * 5}, {23 - std::cos(a) * 5, y - std::sin(a) * 5}, 1.5f), rgb(30, 28, 26));
    }
    return c.to_opaque_image(rgb(36, 32, 28));
}

// Facing down at rest; the core sits in the ring at its middle.
Image turret() {
    Canvas c(90, 90);
    const Vec2 pivot{45, 45};
    for (float x : {32.0f, 45.0f, 58.0f}) boss::barrel(c, {{x, 90}, 64}, 40, 7);
    const Shape turret_body = polygon({{45, 8}, {70, 18}, {80, 44}, {72, 68}, {56, 76}, {34, 76}, {18, 68}, {10, 44}, {20, 18}});
    c.fill(grown(turret_body, 1.2f), rgb(20, 18, 16));
    hull(c, turret_body, palette.armour * 1.1f, 505, 5);
    // A sighting block on one side only, so its turning shows.
    hull(c, rect({64, 24}, {76, 40}, 3), palette.frame * 1.4f, 506, 2);
    canopy(c, {70, 32}, 3, 4, rgb(120, 200, 230));
    c.fill(circle(pivot, 22), rgb(18, 16, 14));
    seam(c, {20, 60}, {70, 60});
    return c.to_image();
}

Image weak_spot(float heat, uint32_t seed) {
    Canvas c(40, 40);
    const Vec2 centre{20, 20};
    hull(c, circle(centre, 19.5f), palette.frame, seed, 3);
    c.fill(circle(centre, 14), rgb(20, 16, 12));
    c.fill(circle(centre, 12), radial(centre, 12, {{0, white}, {0.4f * heat, mix(palette.energy, white, 0.5f)}, {1, palette.energy * heat}}));
    c.glow(circle(centre, 6), palette.energy, 4, 0.6f * heat);
    for (int i = 0; i < 6; ++i) {
        const float a = i * pi / 3;
        c.fill(circle(centre + Vec2{std::cos(a), std::sin(a)} * 16.5f, 1.2f), rgb(210, 200, 170));
    }
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss5_pictures() {
    return {
        {"gfx/boss5/base.png", body},
        {"gfx/boss5/turret.png", turret},
        {"gfx/boss5/turret_hit.png", [] { return silhouette(turret(), {255, 255, 255}); }},
        {"gfx/boss5/weak_spot.png", [] { return weak_spot(1, 507); }},
        {"gfx/boss5/weak_spot_hit.png", [] { return silhouette(weak_spot(1, 507), {255, 255, 255}); }},
        {"gfx/boss5/weak_spot_hurt.png", [] { return weak_spot(0.4f, 508); }},
        {"gfx/boss5/wheels.png", [] { return strip_of(2, wheel_frame); }},
        {"gfx/boss5/bullet.png", [] { return hostile_bolt(6, 16, hostile::scarlet, -1); }},
    };
}

}  // namespace datagen::art
