// Boss4: a bronze manta with no parts; its two fans leave the nozzles at the tips of its prongs.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(168, 134, 82), rgb(92, 70, 44), rgb(255, 170, 50)};
constexpr float axis = 150;

Image body() {
    Canvas c(300, 173);
    const Shape manta = polygon(mirrored({{axis, 0}, {112, 4}, {52, 22}, {12, 56}, {0, 92}, {14, 118}, {46, 126},
                                          {60, 150}, {72, 166}, {88, 166}, {100, 140}, {120, 126}, {axis, 122}}, axis));
    hull(c, manta, palette.armour, 401, 6);
    for (const boss::Side& at : boss::sides(axis)) {
        seam(c, at(20, 80), at(110, 40));
        seam(c, at(40, 110), at(120, 70));
        seam(c, at(80, 128), at(84, 158));
        c.paint_over(polygon({at(8, 96), at(40, 104), at(36, 112), at(10, 108)}), solid(rgb(60, 40, 24)), 0.8f);
        fleet_eye(c, at(8, 92), 2.5f);
        fleet_eye(c, at(54, 108), 2);
        // Intakes on the back.
        const Shape intake = at.box(70, 14, 110, 30, 6);
        c.fill(intake, rgb(24, 20, 18));
        for (float x = 74; x < 108; x += 6) seam(c, at(x, 16), at(x, 28), 0.7f);
    }
    boss::fan_nozzle(c, {79, 173}, palette, 402);
    boss::fan_nozzle(c, {226, 173}, palette, 403);
    const Shape dome = ellipse({axis, 62}, 34, 44);
    hull(c, dome, palette.armour * 1.15f, 404, 5);
    canopy(c, {axis, 70}, 14, 20, rgb(255, 190, 90));
    fleet_eye(c, {axis, 34}, 3);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss4_pictures() {
    return {
        {"gfx/boss4/boss.png", body},
        {"gfx/boss4/bullet.gif", [] { return hostile_orb(10, 10, hostile::scarlet); }},
    };
}

}  // namespace datagen::art
