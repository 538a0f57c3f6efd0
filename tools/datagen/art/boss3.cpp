// Boss3: a broad violet crescent. Two plasma cannons hang under it, each with one wide mouth; the
// fan leaves a nozzle in the middle of its bottom edge.
#include <cmath>

#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(110, 86, 150), rgb(60, 48, 84), rgb(255, 110, 210)};
constexpr float axis = 151.5f;

Image body() {
    Canvas c(303, 192);
    const Shape crescent = polygon(mirrored({{axis, 2}, {110, 4}, {44, 22}, {6, 52}, {0, 82}, {18, 108}, {58, 124},
                                             {100, 128}, {124, 146}, {136, 172}, {axis, 180}}, axis));
    hull(c, crescent, palette.armour, 301, 6);
    for (const boss::Side& at : boss::sides(axis)) {
        // Ribs sweeping back along each horn.
        for (float k : {0.0f, 1.0f, 2.0f}) seam(c, at(30 + k * 26, 40 + k * 4), at(22 + k * 30, 110 + k * 6), 0.5f);
        c.paint_over(polygon({at(8, 62), at(60, 30), at(66, 38), at(14, 74)}), plating(crescent, palette.energy * 0.5f, 302), 0.8f);
        fleet_eye(c, at(10, 80), 2.5f);
        fleet_eye(c, at(112, 120), 1.8f);
        boss::mount(c, circle(at(77.5f, 114), 17), palette, 303);
    }
    const Shape spine = polygon(mirrored({{axis, 0}, {128, 0}, {116, 40}, {118, 120}, {134, 150}, {axis, 156}}, axis));
    hull(c, spine, palette.armour * 1.15f, 304, 5);
    canopy(c, {axis, 60}, 12, 22, rgb(240, 120, 220));
    boss::fan_nozzle(c, {152, 192}, palette, 305);
    return c.to_image();
}

// The cannon's shot: a ball of plasma with a tail, pointing up, flickering through three frames;
// white-hot at its heart and rimmed dark like every shot that can hurt the ship.
Image plasma_frame(int frame) {
    Canvas c(32, 31);
    const Vec2 head{16, 12};
    const float r = 8.5f + frame * 0.8f;
    const Shape tail = polygon({head + Vec2{-r * 0.8f, 2}, {16 + (frame - 1) * 2.0f, 30}, head + Vec2{r * 0.8f, 2}});
    const Shape shot = tail | circle(head, r);
    c.fill(grown(shot, 1.2f), hostile_rim(hostile::crimson));
    c.fill(tail, linear(head, {16, 30}, {{0, hostile::crimson}, {1, hostile::crimson * 0.6f}}));
    c.fill(circle(head, r), radial(head, r, {{0, white}, {0.5f, white}, {0.75f, hostile::crimson}, {1, hostile::crimson * 0.8f}}));
    return c.to_image(space_black, 0.45f);
}

}  // namespace

std::vector<PictureFile> boss3_pictures() {
    return {
        {"gfx/boss3/base.png", body},
        {"gfx/boss3/turret.png",
         [] { return strip_of(2, [](int f) { return boss::hanging_gun(51, 117, {boss::mouth_of(16, 117, 32)}, 14, palette, f, 306); }); }},
        {"gfx/boss3/bullet_2.png", [] { return strip_of(3, plasma_frame); }},
    };
}

}  // namespace datagen::art
