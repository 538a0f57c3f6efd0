// The KV1 enemies in the episode's bright, simple look: flat colours, dark outlines.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

// The rocket ship, nose down, body within x 11 to 49; its top rows stay clear for the exhaust.
Image rocketship(float bank_amount) {
    Canvas c(64, 64);
    const Bank b{bank_amount, 30};
    kv1_hull(c, polygon(b(mirrored({{30, 18}, {20, 22}, {12.5f, 34}, {13, 40}, {22, 36}}, 30))), kv1::blue);
    kv1_hull(c, polygon(b(mirrored({{30, 14}, {24, 16}, {23, 44}, {27, 56}, {30, 60}}, 30))), kv1::hull);
    kv1_hull(c, polygon(b(mirrored({{30, 47}, {26, 48}, {27, 56}, {30, 60}}, 30))), kv1::red);
    for (float y : {24.0f, 30.0f}) seam(c, b({24, y}), b({36, y}), 0.3f);
    b.light(c);
    canopy(c, b.raised({30, 38}), 3, 4.5f, rgb(120, 220, 255));
    return c.to_image();
}

// Exhaust flames out of the rocket's rear (top), flickering over three frames.
Image rocket_exhaust(int frame) {
    Canvas c(64, 64);
    const float len = 11 + 3 * std::sin(frame * 2.1f);
    flame(c, {30, 16}, {0, -1}, len, 8 - frame, kv1::orange);
    flame(c, {30, 16}, {0, -1}, len * 0.6f, 4, kv1::yellow);
    return c.to_image();
}

Image rocket_still() {
    Image still = rocket_exhaust(0);
    const Image ship = rocketship(0);
    for (size_t i = 0; i < still.pixels.size(); ++i)
        if (ship.pixels[i] != mask_colour) still.pixels[i] = ship.pixels[i];
    return still;
}

// A green saucer that circles; its gun hangs at the bottom-left corner, firing from (2, 64).
Image saucer() {
    Canvas c(64, 64);
    gun_barrel(c, {14, 44}, {3.5f, 61}, 4);
    kv1_hull(c, ellipse({32, 34}, 29, 17), kv1::green);
    c.paint_over(ring({32, 34}, 22, 2), solid(rgb(30, 90, 40)));
    for (int i = 0; i < 6; ++i) c.fill(circle({12 + i * 8.0f, 38 + (i % 2) * 2.0f}, 1.8f), kv1::yellow);
    canopy(c, {32, 28}, 11, 8, rgb(150, 230, 255));
    return c.to_image();
}

// A purple crab gunship, its triple gun at (30, 51).
Image crab() {
    Canvas c(64, 64);
    for (float s : {-1.0f, 1.0f}) {
        kv1_hull(c, polygon(Points{{32 + s * 8, 20}, {32 + s * 28, 26}, {32 + s * 30, 48}, {32 + s * 22, 40}, {32 + s * 10, 36}}), kv1::yellow);
    }
    gun_barrel(c, {32, 36}, {32, 51}, 5);
    kv1_hull(c, ellipse({32, 28}, 14, 18), rgb(150, 70, 200));
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, {32 + s * 6, 36}, 2.2f);
    c.fill(capsule({24, 18}, {40, 18}, 2), rgb(220, 190, 255));
    return c.to_image();
}

// The small orange dart of the formations; gun at (11, 28).
Image dart() {
    Canvas c(25, 28);
    kv1_hull(c, polygon(mirrored({{12, 2}, {6, 4}, {1.5f, 12}, {2, 16}, {8, 14}, {10, 24}, {12, 26.5f}}, 12)), kv1::orange);
    c.paint_over(polygon(mirrored({{12, 6}, {9, 8}, {9, 14}, {12, 16}}, 12)), solid(kv1::red));
    canopy(c, {12, 11}, 2, 3, rgb(120, 220, 255));
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> kv1_enemy_pictures() {
    const std::string dir = "gfx/kv1/enemies/";
    return {
        {dir + "enemy_one/rocketship.gif", [] { return strip_of(3, [](int i) { return rocketship(bank_of_frame(i, 3)); }); }},
        {dir + "enemy_one/rocketship_thrusters.gif", [] { return strip_of(3, rocket_exhaust); }},
        {dir + "enemy_one/frame.png", rocket_still},
        {dir + "enemy_two/enemytwo.gif", saucer},
        {dir + "enemy_two/bullet.png", [] { return hostile_bolt(4, 10, hostile::crimson, 1); }},
        {dir + "enemy_three/enemythree.png", crab},
        {dir + "enemy_three/bullet.png", [] { return hostile_bolt(4, 10, hostile::scarlet, 1); }},
        {dir + "enemy_four/enemy_four.png", dart},
        {dir + "enemy_four/bullet.png", [] { return hostile_bolt(3, 8, hostile::crimson, 1); }},
        {dir + "enemy_four/frame.png", dart},
    };
}

}  // namespace datagen::art
