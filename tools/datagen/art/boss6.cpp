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
    const Shape shell = ellipse({axis, 116}, 64, 110);
    c.fill(grown(shell, 1.2f), rgb(10, 24, 28));
    hull(c, shell, palette.armour * 0.8f, 601, 7);
    // Overlapping carapace plates, each lit along its front edge.
    for (int i = 0; i < 5; ++i) {
        const float y = 30 + i * 34, rx = 56 - std::abs(i - 2) * 6.0f;
        const Shape plate = ellipse({axis, y + 18}, rx, 26) & shell;
        c.fill(grown(plate, 1), rgb(10, 24, 28), 0.8f);
        hull(c, plate, palette.armour * (1.05f - 0.04f * i), 611 + i, 4);
    }
    for (const boss::Side& at : boss::sides(axis)) {
        // Spines along the rim, hips where the legs join, and a pincer each side of the head.
        for (float y : {40.0f, 90.0f, 140.0f}) c.fill(polygon({at(12, y), at(2, y + 8), at(14, y + 14)}), palette.frame * 1.6f);
        for (float y : {65.0f, 195.0f}) boss::mount(c, circle(at(24, y), 12), palette, 602);
        const Shape pincer = polygon({at(30, 176), at(48, 184), at(47, 214), at(44, 240), at(48, 258), at(34, 246), at(22, 214)});
        c.fill(grown(pincer, 1.2f), rgb(10, 24, 28));
        hull(c, pincer, palette.armour * 1.1f, 603, 3);
        seam(c, at(30, 200), at(44, 206), 0.5f);
        fleet_eye(c, at(36, 116), 2.5f);
    }
    canopy(c, {axis, 110}, 14, 26, rgb(120, 240, 230));
    // The head's notch, open to the bottom so shots reach it past the shell.
    c.fill(rect({55, 194}, {91, 205}, 3), rgb(14, 26, 30));
    boss::open_channel(c, 51, 94, 205);
    return c.to_image();
}

// The lower-left leg: the hip at the top right, the foot at the bottom left. Shots leave (22, 20)
// of every flipped copy, so the gun pod covers (22..33, 20..35) of the file.
Image leg() {
    Canvas c(55, 56);
    const Vec2 hip{45, 10}, knee{12, 24}, foot{6, 53};
    for (auto [a, b, w] : {std::tuple{hip, knee, 13.0f}, std::tuple{knee, foot, 9.0f}}) {
        const Shape bone = capsule(a, b, w);
        c.fill(grown(bone, 1.2f), rgb(10, 22, 26));
        hull(c, bone, palette.armour * 0.95f, 604, 3);
        seam(c, lerp(a, b, 0.3f) + Vec2{0, -w * 0.3f}, lerp(a, b, 0.7f) + Vec2{0, -w * 0.3f}, 0.4f);
    }
    hull(c, circle(knee, 7.5f), palette.frame * 1.5f, 605, 2.5f);
    hull(c, circle(hip, 8.5f), palette.frame * 1.5f, 606, 2.5f);
    const Shape pod = rect({19, 17}, {37, 38}, 5);
    c.fill(grown(pod, 1.2f), rgb(10, 22, 26));
    hull(c, pod, palette.armour * 1.15f, 607, 3);
    c.fill(circle({28, 28}, 5), rgb(12, 20, 26));
    light(c, {28, 28}, 3.5f, palette.energy);
    // A claw on the foot, pointing one way only.
    c.fill(polygon({{0, 48}, {15, 46}, {11, 55.5f}, {0, 55.5f}}), palette.frame * 1.7f);
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
