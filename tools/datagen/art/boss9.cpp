// Boss9: a black and gold gantry that rides a rail across the screen. Its one gun turret hangs
// left of centre, the fan nozzle under it; the rail and its end pieces are drawn at its height.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(74, 70, 82), rgb(40, 38, 46), rgb(255, 200, 70)};
const Colour gold = rgb(200, 160, 70);

Image body() {
    Canvas c(378, 200);
    // The bogie on the rail, the hangers, then the hull hanging from them.
    for (float x : {96.0f, 280.0f}) hull(c, rect({x, 20}, {x + 22, 50}, 3), palette.frame * 1.8f, 911, 3);
    const Shape bogie = rect({40, 0}, {338, 30}, 8);
    hull(c, bogie, palette.frame * 1.5f, 901, 4);
    for (float x = 60; x < 330; x += 40) c.fill(circle({x, 14}, 9), rgb(24, 22, 26)), hull(c, circle({x, 14}, 7), gold, 902, 2);
    const Shape hull_shape = polygon({{4, 40}, {374, 40}, {378, 70}, {340, 140}, {260, 160}, {190, 164}, {170, 190}, {92, 190},
                                      {72, 164}, {30, 140}, {0, 80}});
    hull(c, hull_shape, palette.armour, 903, 6);
    c.paint_over(rect({0, 52}, {378, 60}), plating(hull_shape, gold, 904), 0.9f);
    // A raised deck with the bridge, vents along the flanks.
    const Shape deck = polygon({{200, 66}, {352, 66}, {326, 128}, {250, 146}, {208, 130}});
    c.fill(grown(deck, 1.2f), rgb(16, 14, 20));
    hull(c, deck, palette.armour * 1.25f, 912, 5);
    for (float y = 74; y < 122; y += 8) c.fill(rect({30 + (y - 74) * 0.3f, y}, {70 + (y - 74) * 0.3f, y + 3}, 1), rgb(18, 16, 22));
    for (float x : {60.0f, 190.0f}) seam(c, {x, 64}, {x + 10, 150});
    hull(c, rect({256, 80}, {304, 100}, 5), palette.frame * 1.6f, 913, 3);
    c.fill(rect({262, 86}, {298, 94}, 3), rgb(255, 190, 80) * 0.9f);
    for (float x : {232.0f, 276.0f, 320.0f}) fleet_eye(c, {x, 116}, 2.5f);
    boss::mount(c, rect({92, 104}, {170, 128}, 6), palette, 905);
    boss::fan_nozzle(c, {131, 200}, palette, 906);
    return c.to_image();
}

Image rail() {
    Canvas c(546, 24);
    const Shape bar = rect({-2, 4}, {548, 20}, 2);
    hull(c, bar, palette.frame * 1.6f, 907, 2.5f);
    for (float x = 6; x < 546; x += 20) c.fill(rect({x, 2}, {x + 4, 22}, 1), gold * 0.8f);
    seam(c, {0, 12}, {546, 12}, 0.6f);
    return c.to_image();
}

// The left end of the rail, a clamp on the screen's edge; the right end is this mirrored.
Image side() {
    Canvas c(47, 48);
    const Shape clamp = polygon({{0, 0}, {30, 0}, {47, 12}, {47, 36}, {30, 48}, {0, 48}});
    hull(c, clamp, palette.armour, 908, 4);
    c.paint_over(rect({0, 20}, {47, 28}), [](Vec2 q) { return std::fmod(q.x + q.y, 8.0f) < 4 ? gold : rgb(30, 28, 26); });
    fleet_eye(c, {14, 10}, 2.5f);
    hull(c, circle({16, 38}, 5), gold, 909, 2);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss9_pictures() {
    return {
        {"gfx/boss9/base.png", body},
        {"gfx/boss9/rail.png", rail},
        {"gfx/boss9/turret.png",
         [] { return boss::hanging_gun(66, 82, {boss::mouth_of(7, 82, 6), boss::mouth_of(45, 82, 6)}, 8, palette, 0, 910); }},
        {"gfx/boss9/side.png", side},
        {"gfx/boss9/bullet.png", [] { return hostile_bolt(6, 16, hostile::crimson, -1); }},
    };
}

}  // namespace datagen::art
