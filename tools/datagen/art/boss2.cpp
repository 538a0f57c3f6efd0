// Boss2: an olive fortress across the top of the screen. Two triple-barrelled guns sit in bays
// at either end, one wide shield closes over the phaser in the middle; under the guns and the
// phaser the armour is cut away so rising shots reach them.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;
using boss::Mouth;
using boss::mouth_of;

namespace {

const boss::Palette palette{rgb(112, 124, 82), rgb(62, 70, 50), rgb(130, 255, 90)};
const Colour amber = rgb(214, 160, 52);
constexpr float axis = 320;

// Bullets are 6 wide, the laser in the middle 4; by aim frame: left, down, right.
const std::vector<Mouth> gun_mouths[3] = {
    {mouth_of(-13, 66, 6, 112), mouth_of(-5, 68, 4, 96), mouth_of(9, 66, 6, 80)},
    {mouth_of(21, 67, 6, 80), mouth_of(29, 71, 4, 64), mouth_of(38, 67, 6, 48)},
    {mouth_of(54, 66, 6, 48), mouth_of(64, 68, 4, 32), mouth_of(72, 66, 6, 16)},
};

Image gun() {
    return strip_of(3, [](int frame) {
        Canvas c(73, 75);
        boss::gun_head(c, {36.5f, 30}, 24, gun_mouths[frame], palette, 6);
        return c.to_image();
    });
}

Image body() {
    Canvas c(640, 150);
    const Shape wall = polygon(mirrored({{axis, 0}, {0, 0}, {0, 46}, {30, 60}, {180, 66}, {236, 76}, {axis, 78}}, axis));
    hull(c, wall, palette.armour * 0.85f, 201, 5);
    for (const boss::Side& at : boss::sides(axis)) {
        // Battlements along the lower edge, amber warning bands, lights.
        for (float x : {12.0f, 44.0f, 186.0f, 218.0f}) {
            const Shape block = rect(at(x, 50) - Vec2{9, 0}, at(x, 50) + Vec2{9, 18}, 3);
            hull(c, block, palette.armour * 0.75f, 202, 3);
        }
        c.paint_over(at.box(0, 30, 70, 38),
                     [](Vec2 q) { return std::fmod(q.x + q.y, 12.0f) < 6 ? amber : rgb(40, 36, 26); }, 0.9f);
        for (float x : {20.0f, 60.0f, 200.0f}) fleet_eye(c, at(x, 16), 2);
        seam(c, at(4, 24), at(236, 24));
        seam(c, at(70, 4), at(70, 56));
        // The gun bay.
        const Shape bay = at.box(72, 36, 167, 120, 14);
        hull(c, bay, palette.armour, 203, 5);
        boss::mount(c, circle(at(119.5f, 101), 26), palette, 204);
        // The pylon beside the shield.
        const Shape pylon = polygon({at(234, 70), at(256, 70), at(256, 148), at(244, 148), at(234, 134)});
        hull(c, pylon, palette.frame * 1.3f, 205, 3);
        fleet_eye(c, at(245, 138), 2);
    }
    const Shape keep = polygon(mirrored({{axis, 0}, {262, 0}, {240, 20}, {236, 70}, {250, 92}, {290, 96}, {axis, 96}}, axis));
    hull(c, keep, palette.armour * 1.1f, 206, 5);
    canopy(c, {axis, 34}, 22, 14, rgb(150, 230, 110));
    for (float y : {12.0f, 58.0f}) seam(c, {244, y}, {396, y});
    boss::mount(c, rect({292, 78}, {348, 124}, 6), palette, 207);
    boss::open_channel(c, 83, 156, 146);
    boss::open_channel(c, 484, 557, 146);
    boss::open_channel(c, 301, 339, 124);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss2_pictures() {
    const std::string dir = "gfx/boss2/";
    return {
        {dir + "boss2_phaser_blast_2.png", [] { return boss::beam(146, 480, 9, 4, palette.energy, 40); }},
        {dir + "boss2_top.png", body},
        {dir + "boss2_phaser_charge.png", [] { return boss::charge(123, 5, palette.energy, 210); }},
        {dir + "boss2_shield.gif", [] { return boss::shield(137, 54, 6, 1, palette, 211); }},
        {dir + "boss2_gun.gif", gun},
        {dir + "boss2_gun_broke.gif", [] { return boss::wreck(55, 46, 3, palette, 212); }},
        {dir + "boss2_healthy_phaser.gif", [] { return boss::core(38, 40, {26, 29}, palette, 213); }},
        {dir + "boss2_broke_phaser.gif", [] { return boss::broken_core(38, 40, palette, 214); }},
        {dir + "boss2_phaser_bullet.gif", [] { return boss::pulsing_orb(12, 4, hostile::crimson); }},
        {dir + "boss2_gun_bullet.gif", [] { return hostile_bolt(6, 14, hostile::scarlet, -1); }},
        {dir + "boss2_gun_laser.gif", [] { return hostile_bolt(4, 24, hostile::crimson, 1); }},
    };
}

}  // namespace datagen::art
