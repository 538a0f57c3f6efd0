// The ground tanks of the desert stage, seen from above and facing DOWN: a hull with gaps where
// the wheels (drawn under it) show, a separate turret, and wheel strips whose treads roll.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

const Colour camo_sand = rgb(176, 150, 98);
const Colour camo_brown = rgb(110, 84, 56);
const Colour tank_green = rgb(84, 100, 76);

// Camouflage blotches from noise.
Paint camo(Colour a, Colour b, uint32_t seed) {
    return [a, b, seed](Vec2 p) { return fractal_noise(p * (1 / 14.0f), seed, 3) > 0.52f ? b : a; };
}

// Wheels: a track seen from above with road-wheel hubs on it, fully opaque over the whole
// picture. The grouser bars move a third of their spacing a frame and the hubs turn a third of
// the angle between their spokes, so three frames loop.
Image wheel_frame(int w, int h, int frame) {
    Canvas c(w, h);
    const float fw = w, spacing = 6, shift = frame * spacing / 3;
    for (float y = -spacing + std::fmod(shift, spacing); y < h + spacing; y += spacing) {
        const Shape bar = rect({0.5f, y}, {fw - 0.5f, y + spacing * 0.6f}, 0.8f);
        c.fill(bar, metal(bar, linear({0, 0}, {fw, 0}, {{0, rgb(150, 144, 132)}, {1, rgb(92, 88, 80)}}), 1.2f, 0.9f));
    }
    const float hub_r = std::min(w * 0.3f, 4.0f);
    const int hubs = std::max(2, static_cast<int>(h / (hub_r * 2 + 3)));
    for (int i = 0; i < hubs; ++i) {
        const Vec2 at{fw / 2, h * (i + 0.5f) / hubs};
        c.fill(circle(at, hub_r + 0.8f), rgb(20, 20, 22));
        const Shape hub = circle(at, hub_r);
        c.fill(hub, metal(hub, sphere(at, hub_r, rgb(150, 152, 156), 0.25f), 1.2f, 0.8f));
        for (int k = 0; k < 3; ++k) {
            const float a = k * 2 * pi / 3 + frame * 2 * pi / 9 + i;
            const Vec2 dir{std::cos(a), std::sin(a)};
            c.fill(capsule(at + dir * (hub_r * 0.3f), at + dir * (hub_r * 0.85f), 1.3f), rgb(16, 16, 20));
        }
        c.fill(circle(at, hub_r * 0.3f), rgb(190, 184, 160));
    }
    return c.to_opaque_image(rgb(34, 32, 30));
}

Image wheels(int w, int h) {
    return strip_of(3, [w, h](int i) { return wheel_frame(w, h, i); });
}

void engine_grille(Canvas& c, Vec2 lo, Vec2 hi) {
    c.fill(rect(lo, hi, 1), rgb(30, 28, 26));
    for (float y = lo.y + 2; y < hi.y - 1; y += 3) c.fill(capsule({lo.x + 2, y}, {hi.x - 2, y}, 1), rgb(90, 84, 72));
}

// Kind eleven: a desert tank, hull 108 x 139.
Image tank_eleven_hull() {
    Canvas c(108, 139);
    const Shape body = polygon(mirrored({{54, 14}, {34, 16}, {30, 24}, {30, 118}, {36, 130}, {54, 132}}, 54));
    c.fill(body, metal(body, camo(camo_sand, camo_brown, 1101), 4, 0.7f));
    for (float s : {-1.0f, 1.0f}) {
        // Fenders between the wheel pairs.
        const Shape fender = rect({54 + s * 27 - 4, 64}, {54 + s * 27 + 4, 76}, 2);
        hull(c, fender, camo_sand * 0.8f, 1102, 2);
    }
    engine_grille(c, {38, 18}, {70, 30});
    const Shape glacis = polygon(mirrored({{54, 104}, {34, 104}, {36, 128}, {54, 130}}, 54));
    c.paint_over(glacis, metal(glacis, solid(camo_sand * 0.85f), 3, 0.8f));
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, {54 + s * 14, 124}, 1.8f, rgb(255, 220, 120));
    seam(c, {32, 100}, {76, 100});
    return c.to_image();
}

// Twin barrels whose tips end at columns 5 and 17 of the bottom edge.
Image tank_eleven_turret() {
    Canvas c(22, 44);
    for (float x : {5.5f, 16.5f}) gun_barrel(c, {x, 16}, {x, 43}, 3.5f);
    const Shape dome = circle({11, 14}, 10);
    c.fill(dome, metal(dome, camo(camo_sand, camo_brown, 1103), 3, 0.8f));
    hull(c, rect({7, 20}, {15, 26}, 1.5f), camo_sand * 0.8f, 1104, 1.5f);
    canopy(c, {8, 10}, 2.5f, 2.5f, rgb(90, 160, 190));
    return c.to_image();
}

// Kind twelve: a dark green heavy tank, hull 103 x 130.
Image tank_twelve_hull() {
    Canvas c(103, 130);
    const Shape body = polygon(mirrored({{51.5f, 6}, {36, 8}, {31, 14}, {31, 116}, {36, 124}, {51.5f, 126}}, 51.5f));
    hull(c, body, tank_green, 1201, 4);
    for (float s : {-1.0f, 1.0f}) {
        const Shape fender = rect({51.5f + s * 32 - 11, 54}, {51.5f + s * 32 + 11, 74}, 2);
        hull(c, fender, tank_green * 0.85f, 1202, 2);
        seam(c, {51.5f + s * 32 - 9, 64}, {51.5f + s * 32 + 9, 64});
    }
    engine_grille(c, {38, 10}, {65, 24});
    // Hazard chevrons on the front plate.
    const Shape plate = rect({35, 108}, {68, 122}, 2);
    c.paint_over(plate, [](Vec2 p) { return std::fmod(p.x + p.y, 8.0f) < 4 ? rgb(230, 180, 40) : rgb(30, 28, 26); });
    return c.to_image();
}

// Four barrels at right angles; the one pointing down is the longest, so the spin shows.
Image tank_twelve_turret() {
    Canvas c(57, 57);
    const Vec2 centre{28.5f, 28.5f};
    for (int i = 0; i < 4; ++i) {
        const float a = pi / 2 * (i + 1);  // down first, then left, up, right
        const Vec2 dir{std::cos(a), std::sin(a)};
        gun_barrel(c, centre + dir * 12, centre + dir * (i == 0 ? 27.5f : 24.0f), i == 0 ? 5.0f : 4.0f);
    }
    const Shape dome = circle(centre, 16);
    hull(c, dome, tank_green * 1.15f, 1203, 4);
    hull(c, circle(centre, 8), tank_green * 0.8f, 1204, 3);
    fleet_eye(c, centre + Vec2{0, 11}, 1.8f);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> tank_pictures() {
    return {
        {"gfx/enemies/enemy_eleven/enemy.png", tank_eleven_hull},
        {"gfx/enemies/enemy_eleven/bullet.gif", [] { return hostile_bolt(6, 12, hostile::scarlet, -1); }},
        {"gfx/enemies/enemy_eleven/hit.png", [] { return silhouette(tank_eleven_hull(), {255, 255, 255}); }},
        {"gfx/enemies/enemy_eleven/turret.png", tank_eleven_turret},
        {"gfx/enemies/enemy_eleven/wheels.png", [] { return wheels(10, 29); }},
        {"gfx/enemies/enemy_twelve/enemy.png", tank_twelve_hull},
        {"gfx/enemies/enemy_twelve/bullet.gif", [] { return hostile_orb(8, 8, hostile::scarlet); }},
        {"gfx/enemies/enemy_twelve/hit.png", [] { return silhouette(tank_twelve_hull(), {255, 255, 255}); }},
        {"gfx/enemies/enemy_twelve/turret.png", tank_twelve_turret},
        {"gfx/enemies/enemy_twelve/wheels.png", [] { return wheels(20, 28); }},
    };
}

}  // namespace datagen::art
