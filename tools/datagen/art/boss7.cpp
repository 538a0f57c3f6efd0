// Boss7: a rust-red gantry hanging between two rails. Its three turrets sit at the heads of
// slots that run open to the bottom, so shots rising from below reach them before the body; the
// fan leaves the mouth of the middle slot.
#include "art/boss_kit.h"
#include "art/catalogue.h"

namespace datagen::art {

using namespace draw;

namespace {

const boss::Palette palette{rgb(150, 80, 54), rgb(78, 44, 34), rgb(200, 120, 255)};
constexpr float axis = 149.5f;

// The slots: the columns of each turret, 4 px wider a side, open from the turret's top down.
struct Slot {
    float x0, x1, top;
};
const Slot slots[3] = {{35, 70, 34}, {132, 167, 85}, {229, 264, 34}};

Image body() {
    Canvas c(299, 260);
    const Shape beam = rect({0, 0}, {299, 40}, 6) | polygon(mirrored({{axis, 0}, {110, 0}, {110, 90}, {axis, 90}}, axis));
    hull(c, beam, palette.armour * 0.9f, 701, 5);
    // Four pillars between the slots, each ending in a pointed shoe.
    const float edges[4][2] = {{0, 34}, {71, 131}, {168, 228}, {265, 299}};
    for (int i = 0; i < 4; ++i) {
        const float x0 = edges[i][0], x1 = edges[i][1], mid = (x0 + x1) / 2, bottom = i == 0 || i == 3 ? 236.0f : 258.0f;
        const Shape pillar = polygon({{x0, 20}, {x1, 20}, {x1, bottom - 14}, {mid, bottom}, {x0, bottom - 14}});
        hull(c, pillar, palette.armour, 702 + i, 5);
        for (float y = 60; y < bottom - 20; y += 34) seam(c, {x0 + 3, y}, {x1 - 3, y});
        fleet_eye(c, {mid, bottom - 22}, 2);
    }
    for (const Slot& s : slots) boss::mount(c, rect({s.x0 - 2, s.top - 14}, {s.x1 + 2, s.top}, 4), palette, 706);
    // Emitters glowing at the mouth of the middle slot.
    for (float x : {128.0f, 171.0f}) c.glow(rect({x - 2, 236}, {x + 2, 258}), palette.energy, 6, 1.2f);
    canopy(c, {axis, 52}, 12, 12, rgb(220, 150, 255));
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, {axis + s * 60, 16}, 2.5f);
    for (const Slot& s : slots) boss::open_channel(c, s.x0, s.x1, s.top);
    return c.to_image();
}

Image rail() {
    Canvas c(11, 480);
    const Shape r = rect({1, -2}, {10, 482}, 1);
    hull(c, r, palette.frame * 1.3f, 707, 2);
    for (float y = 8; y < 480; y += 24) {
        c.fill(rect({0, y}, {11, y + 4}), rgb(30, 24, 22));
        c.fill(circle({5.5f, y + 12}, 1.3f), rgb(200, 180, 160));
    }
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> boss7_pictures() {
    return {
        {"gfx/boss7/base.png", body},
        {"gfx/boss7/rail.png", rail},
        {"gfx/boss7/turret.png", [] { return boss::side_turret(palette, 708); }},
    };
}

}  // namespace datagen::art
