// Boss6: a teal crab. Its armoured shell leaves an open notch for the head between two pincers;
// four legs, one picture flipped into each corner, carry the guns.
#include <cmath>
#include <tuple>

#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(54, 120, 124), rgb(30, 64, 70), rgb(90, 235, 255)};
constexpr float axis = 73;

Image body() {
    Canvas c(146, 261);
    const Shape shell = ellipse({axis, 118}, 66, 112);
    hull(c, shell, palette.armour, 601, 7);
    for (float s : {-1.0f, 1.0f}) {
        const auto at = [s](float x, float y) { return Vec2{axis + s * (axis - x), y}; };
        // Hips where the legs join, and a pincer each side of the head.
        for (float y : {65.0f, 195.0f}) boss::mount(c, circle(at(24, y), 12), palette, 602);
        const Shape pincer = polygon({at(38, 180), at(48, 186), at(47, 236), at(42, 258), at(30, 236), at(26, 200)});
        hull(c, pincer, palette.armour * 0.85f, 603, 3);
        for (float k : {0.0f, 1.0f, 2.0f}) seam(c, at(20 + k * 10, 40 + k * 30), at(20 + k * 10, 190 - k * 20), 0.4f);
        fleet_eye(c, at(34, 118), 2.5f);
    }
    for (float y : {60.0f, 100.0f, 140.0f}) seam(c, {axis - 40, y}, {axis + 40, y});
    canopy(c, {axis, 118}, 16, 28, rgb(120, 240, 230));
    // The head's notch, open to the bottom so shots reach it past the shell.
    c.fill(rect({55, 196}, {91, 204}, 3), rgb(14, 26, 30));
    boss::open_channel(c, 51, 94, 205);
    return c.to_image();
}

// The lower-left leg: the hip at the top right, the foot at the bottom left. Shots leave (22, 20)
// of every flipped copy, so the gun pod covers (22..33, 20..35) of the file.
Image leg() {
    Canvas c(55, 56);
    const Vec2 hip{46, 9}, knee{12, 22}, foot{6, 53};
    for (auto [a, b, w] : {std::tuple{hip, knee, 9.0f}, std::tuple{knee, foot, 6.5f}}) {
        const Shape bone = capsule(a, b, w);
        c.fill(grown(bone, 1), rgb(12, 22, 26));
        hull(c, bone, palette.armour * 0.95f, 604, 2.5f);
    }
    hull(c, circle(knee, 6), palette.frame * 1.4f, 605, 2);
    hull(c, circle(hip, 7.5f), palette.frame * 1.4f, 606, 2);
    const Shape pod = rect({20, 18}, {36, 37}, 4);
    c.fill(grown(pod, 1), rgb(12, 22, 26));
    hull(c, pod, palette.armour * 1.1f, 607, 3);
    light(c, {28, 28}, 3.5f, palette.energy);
    // A claw on the foot, pointing one way only.
    c.fill(polygon({{2, 50}, {14, 48}, {10, 55.5f}, {0, 55.5f}}), palette.frame * 1.6f);
    return c.to_image();
}

Image broken_leg() {
    Image picture = leg();
    for (Rgb& p : picture.pixels)
        if (p != mask_colour) p = {static_cast<uint8_t>(p.r / 2 + 20), static_cast<uint8_t>(p.g / 3), static_cast<uint8_t>(p.b / 3)};
    return picture;
}

Image head() {
    Canvas c(36, 36);
    const Vec2 centre{18, 17};
    hull(c, ellipse(centre, 17.5f, 17), palette.armour * 1.1f, 608, 4);
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, centre + Vec2{s * 8, -2}, 3.5f);
    c.fill(polygon({{10, 25}, {26, 25}, {18, 34}}), rgb(20, 30, 34));
    fleet_eye(c, centre + Vec2{0, 8}, 2.5f, palette.energy);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss6_pictures() {
    return {
        {"gfx/boss6/base.png", body},
        {"gfx/boss6/leg.png", leg},
        {"gfx/boss6/head.png", head},
        {"gfx/boss6/broke_leg.png", broken_leg},
    };
}

}  // namespace datagen::art
