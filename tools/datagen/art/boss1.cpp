// Boss1: a wide steel carrier with crimson trim. Two gun pods hang under the wings, two shields
// close over the phaser socket in the middle; everything below a gun or the phaser is left open
// so rising shots reach them before the armour takes them.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;
using boss::Mouth;

namespace {

const boss::Palette palette{rgb(118, 128, 148), rgb(70, 74, 92), rgb(255, 84, 60)};
const Colour crimson = rgb(150, 36, 50);
constexpr float axis = 304.5f;

constexpr int gun_w = 53, gun_h = 45;

// The middle shot of each fan, by gun and aim frame (left gun first): the launch point of a 6 px
// shot and its angle.
const Mouth gun_mouths[2][3] = {
    {boss::mouth_of(15, 38, 6, 64), boss::mouth_of(44, 40, 6, 48), boss::mouth_of(50, 33, 6, 32)},
    {boss::mouth_of(2, 33, 6, 96), boss::mouth_of(8, 40, 6, 80), boss::mouth_of(37, 38, 6, 64)},
};

Image gun(int side) {
    return strip_of(3, [side](int frame) {
        Canvas c(gun_w, gun_h);
        boss::gun_head(c, {26.5f, 17.5f}, 16, {gun_mouths[side][frame]}, palette, 7);
        return c.to_image();
    });
}

Image body() {
    Canvas c(609, 200);
    const Shape wing = polygon(mirrored({{axis, 6}, {230, 8}, {150, 24}, {60, 48}, {10, 72}, {2, 90}, {10, 104}, {60, 110},
                                         {150, 118}, {230, 124}, {axis, 126}}, axis));
    hull(c, wing, palette.armour * 0.9f, 101, 5);
    for (const boss::Side& at : boss::sides(axis)) {
        // Crimson bands and panel lines along the wing.
        c.paint_over(polygon({at(20, 70), at(120, 44), at(124, 54), at(24, 82)}), plating(wing, crimson, 102), 0.9f);
        for (float x : {70.0f, 110.0f, 190.0f}) seam(c, at(x, 30 + (150 - x) * 0.15f), at(x, 112));
        seam(c, at(40, 96), at(220, 110));
        fleet_eye(c, at(8, 88), 2.5f);
        fleet_eye(c, at(60, 92), 1.8f);
        // The gun pod and the pylon flanking the shields.
        const Shape pod = at.box(146, 96, 212, 170, 12);
        hull(c, pod, palette.armour, 103, 4);
        boss::mount(c, circle(at(178.5f, 152), 20), palette, 104);
        const Shape pylon = polygon({at(244, 118), at(280, 118), at(280, 198), at(262, 198), at(248, 186)});
        hull(c, pylon, palette.frame * 1.2f, 105, 3);
        fleet_eye(c, at(255, 182), 2);
    }
    const Shape keel = polygon(mirrored({{axis, 0}, {262, 0}, {232, 12}, {218, 40}, {214, 100}, {222, 140}, {240, 152}, {axis, 152}}, axis));
    hull(c, keel, palette.armour * 1.05f, 106, 5);
    c.paint_over(rect({axis - 6, 4}, {axis + 6, 110}), plating(keel, crimson, 107), 0.9f);
    for (float y : {30.0f, 60.0f, 90.0f}) seam(c, {222, y}, {387, y});
    canopy(c, {axis, 40}, 14, 10, rgb(230, 70, 60));
    boss::mount(c, rect({268, 112}, {341, 152}, 6), palette, 108);
    // Shots rise from below into the guns and the phaser.
    boss::open_channel(c, 152, 205, 181);
    boss::open_channel(c, 404, 457, 181);
    boss::open_channel(c, 278, 331, 152);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss1_pictures() {
    const std::string dir = "gfx/boss1/";
    return {
        {dir + "boss1_phaser_blast.gif", [] { return boss::beam(146, 327, 9, 4, palette.energy, 34); }},
        {dir + "boss1.gif", body},
        {dir + "boss1_phaser_charge.gif", [] { return boss::charge(123, 5, palette.energy, 110); }},
        {dir + "boss1_top_shield.gif", [] { return boss::shield(81, 24, 8, 4, palette, 111); }},
        {dir + "boss1_bottom_shield.gif", [] { return boss::shield(81, 50, 8, 4, palette, 112); }},
        {dir + "boss1_left_gun.gif", [] { return gun(0); }},
        {dir + "boss1_right_gun.gif", [] { return gun(1); }},
        {dir + "boss1_break_left_sheet.gif", [] { return boss::wreck(53, 29, 4, palette, 113); }},
        {dir + "boss1_break_right_sheet.gif", [] { return boss::wreck(53, 29, 4, palette, 114); }},
        {dir + "boss1_healthy_phaser.gif", [] { return boss::core(53, 29, {25, 29}, palette, 115); }},
        {dir + "boss1_broke_phaser.gif", [] { return boss::broken_core(53, 29, palette, 116); }},
        {dir + "boss1_bullet.gif", [] { return hostile_bolt(6, 14, hostile::crimson, -1); }},
        {dir + "boss1_phaser_bullet.gif", [] { return hostile_orb(10, 10, hostile::scarlet); }},
    };
}

}  // namespace datagen::art
