// The helper drones that fly beside the ship, and their shots. Both kinds share the ship's steel
// with green running lights; each frame flickers the engine and steps the beacon.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

const Colour drone_hull = rgb(150, 160, 172);
const Colour drone_light = rgb(90, 255, 120);
const Colour drone_shot = rgb(140, 255, 150);

const Colour wing_tip = rgb(40, 150, 80);

// At their own small size the drones must stand off the dark sky: a bright, high-contrast hull
// inside a dark rim.
void outlined_hull(Canvas& c, const Shape& s, uint32_t seed) {
    c.fill(grown(s, 0.9f), rgb(10, 12, 18));
    hull(c, s, drone_hull * 1.25f, seed, 1.5f);
}

// A glowing green cockpit, the brightest thing on the drone.
void cockpit(Canvas& c, Vec2 at, float rx, float ry) {
    c.glow(ellipse(at, rx, ry), drone_light, 1.5f, 0.45f);
    canopy(c, at, rx, ry, drone_light * 0.9f);
}

float flicker(int frame) { return 0.75f + 0.25f * std::sin(frame * pi / 2 + 0.6f); }

// The hot mouth of an engine, so the drone shows which way it flies.
void nozzle(Canvas& c, Vec2 at, int frame) { light(c, at, 0.8f, mix(kv2::thrust_blue, white, 0.3f * flicker(frame))); }

Image one_shot_frame(int frame) {
    Canvas c(14, 16);
    flame(c, {7, 12.5f}, {0, 1}, 3.5f * flicker(frame), 4.5f, mix(kv2::thrust_blue, white, 0.2f));
    const Shape body = polygon(mirrored({{7, 0.5f}, {5, 5}, {1, 11}, {1.5f, 13.5f}, {5, 12}, {6, 13.5f}}, 7));
    outlined_hull(c, body, 31);
    for (float s : {-1.0f, 1.0f}) c.paint_over(polygon({{7 + s * 3.5f, 8.5f}, {7 + s * 6, 11}, {7 + s * 5.5f, 13.5f}, {7 + s * 3.5f, 12}}), solid(wing_tip), 0.9f);
    seam(c, {4, 10}, {10, 10}, 0.35f);
    cockpit(c, {7, 6.5f}, 1.6f, 2.4f);
    light(c, {frame % 2 ? 2.0f : 12.0f, 12.0f}, 0.7f, drone_light);
    nozzle(c, {7, 13.5f}, frame);
    return c.to_image();
}

Image three_shot_frame(int frame) {
    Canvas c(21, 15);
    for (float x : {7.0f, 14.0f}) flame(c, {x, 11.5f}, {0, 1}, 3.5f * flicker(frame + (x > 10)), 3.5f, mix(kv2::thrust_blue, white, 0.2f));
    const Shape wing = polygon(mirrored({{10.5f, 5}, {3, 8}, {0.5f, 11.5f}, {2, 13}, {10.5f, 11}}, 10.5f));
    outlined_hull(c, wing, 32);
    c.paint_over(wing - rect({4, 0}, {17, 15}), solid(wing_tip), 0.9f);
    for (float x : {1.5f, 10.5f, 19.5f}) {
        const bool middle = x == 10.5f;
        const float half = middle ? 1.5f : 1.2f, top = middle ? 0.5f : 3.5f;
        hull(c, rect({x - half, top}, {x + half, top + (middle ? 8 : 6)}, 1.1f), kv2::gunmetal * 1.3f, 33, 1.2f);
    }
    const Shape pod = ellipse({10.5f, 7.5f}, 3.5f, 5.5f);
    c.fill(grown(pod, 0.9f), rgb(10, 12, 18));
    hull(c, pod, drone_hull, 34, 1.5f);
    cockpit(c, {10.5f, 7}, 1.5f, 2.2f);
    light(c, {10.5f + (frame - 1.5f) * 2.5f, 11.5f}, 0.7f, drone_light);
    for (float x : {7.0f, 14.0f}) nozzle(c, {x, 12}, frame + (x > 10));
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> helper_pictures() {
    return {
        {"gfx/helpers/one_shot.gif", [] { return strip_of(4, one_shot_frame); }},
        {"gfx/helpers/3_shot.png", [] { return strip_of(4, three_shot_frame); }},
        {"gfx/helpers/one_shot_bullet.png", [] { return bolt(6, 10, drone_shot, -1); }},
        {"gfx/helpers/three_shot_bullet.png", [] { return bolt(3, 8, drone_shot, -1); }},
    };
}

}  // namespace datagen::art
