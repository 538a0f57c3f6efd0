// Boss8: a navy battleship with forward-swept wings. Twin cannons hang under each wing, the fan
// leaves a nozzle in the middle of the bottom edge.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(70, 92, 140), rgb(40, 50, 78), rgb(100, 190, 255)};
constexpr float axis = 151.5f;

Image body() {
    Canvas c(303, 192);
    const Shape wings = polygon(mirrored({{axis, 30}, {110, 30}, {30, 56}, {0, 92}, {4, 104}, {40, 100}, {100, 112}, {axis, 116}}, axis));
    hull(c, wings, palette.armour * 0.9f, 801, 5);
    for (float s : {-1.0f, 1.0f}) {
        const auto at = [s](float x, float y) { return Vec2{axis + s * (axis - x), y}; };
        seam(c, at(20, 84), at(120, 60));
        seam(c, at(50, 98), at(60, 60));
        fleet_eye(c, at(6, 98), 2.5f);
        // Engine pods on the wing roots, flames trailing up.
        const Shape pod = rect(at(s < 0 ? 96 : 118, 6), at(s < 0 ? 118 : 96, 50), 8);
        flame(c, at(107, 8), {0, -1}, 10, 10, palette.energy);
        hull(c, pod, palette.frame * 1.4f, 802, 3);
        boss::mount(c, rect(at(s < 0 ? 58 : 97, 96), at(s < 0 ? 97 : 58, 124), 5), palette, 803);
    }
    const Shape hull_shape = polygon(mirrored({{axis, 0}, {136, 2}, {124, 30}, {122, 120}, {130, 160}, {140, 180}, {axis, 184}}, axis));
    hull(c, hull_shape, palette.armour * 1.1f, 804, 5);
    for (float y : {40.0f, 70.0f, 100.0f, 130.0f}) seam(c, {126, y}, {177, y});
    canopy(c, {axis, 52}, 9, 16, rgb(110, 200, 255));
    boss::fan_nozzle(c, {152, 192}, palette, 805);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss8_pictures() {
    return {
        {"gfx/boss8/base.png", body},
        {"gfx/boss8/turret.png", [] {
             return strip_of(2, [](int f) {
                 return boss::hanging_gun(51, 117, {boss::mouth_of(16, 117, 6), boss::mouth_of(30, 117, 6)}, 7, palette, f, 806);
             });
         }},
    };
}

}  // namespace datagen::art
