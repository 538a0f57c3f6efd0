// Boss7: a rust-red gantry hanging between two rails. Its three turrets sit at the heads of
// slots that run open to the bottom, so shots rising from below reach them before the body; the
// fan leaves the mouth of the middle slot.
#include <cmath>

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

// An armoured column: plating in bands, a violet conduit down its middle, a thruster at its foot.
void pillar(Canvas& c, float x0, float x1, float bottom, uint32_t seed) {
    const float mid = (x0 + x1) / 2, w = x1 - x0;
    const Shape column = polygon({{x0, 20}, {x1, 20}, {x1, bottom - 18}, {x1 - w * 0.2f, bottom - 4}, {x0 + w * 0.2f, bottom - 4},
                                  {x0, bottom - 18}});
    c.fill(grown(column, 1.2f), rgb(26, 16, 14));
    hull(c, column, palette.armour, seed, 5);
    for (float y = 56; y < bottom - 30; y += 30) {
        const Shape band = rect({x0 + 1, y}, {x1 - 1, y + 7}, 1);
        c.paint_over(band, plating(band, palette.frame * 1.5f, seed + 1, 2));
        for (float x = x0 + 5; x < x1 - 3; x += 8) c.fill(circle({x, y + 3.5f}, 1.1f), rgb(220, 190, 150));
    }
    if (w > 40) {
        const Shape slotline = rect({mid - 3, 48}, {mid + 3, bottom - 30}, 2);
        c.fill(slotline, rgb(24, 14, 30));
        c.glow(rect({mid - 1, 50}, {mid + 1, bottom - 32}), palette.energy, 4, 0.9f);
        c.fill(rect({mid - 1, 50}, {mid + 1, bottom - 32}), mix(palette.energy, white, 0.5f));
    }
    const Shape thruster = rect({mid - w * 0.22f, bottom - 12}, {mid + w * 0.22f, bottom}, 3);
    c.fill(thruster, metal(thruster, solid(kv2::gunmetal), 2, 0.8f));
    c.fill(rect({mid - w * 0.14f, bottom - 3}, {mid + w * 0.14f, bottom}, 1), mix(palette.energy, white, 0.3f));
    fleet_eye(c, {mid, bottom - 26}, 2.2f);
}

Image body() {
    Canvas c(299, 260);
    // The girder the pillars hang from, trussed, with the command pod in the middle.
    const Shape girder = rect({0, 0}, {299, 40}, 6);
    hull(c, girder, palette.armour * 0.8f, 701, 5);
    for (float x = 0; x < 299; x += 24) {
        seam(c, {x, 6}, {x + 12, 34}, 0.6f);
        seam(c, {x + 24, 6}, {x + 12, 34}, 0.6f);
    }
    c.paint_over(rect({0, 36}, {299, 40}), [](Vec2 q) { return std::fmod(q.x, 10.0f) < 5 ? rgb(230, 180, 40) : rgb(30, 26, 24); });
    const float edges[4][2] = {{0, 34}, {71, 131}, {168, 228}, {265, 299}};
    for (int i = 0; i < 4; ++i) pillar(c, edges[i][0], edges[i][1], i == 0 || i == 3 ? 232.0f : 258.0f, 702 + 2 * i);
    // Clamps where the rails pass the outer pillars.
    for (float x : {7.0f, 281.0f})
        for (float y : {60.0f, 150.0f}) {
            const Shape clamp = rect({x - 3, y}, {x + 14, y + 14}, 3);
            hull(c, clamp, palette.frame * 1.6f, 710, 2);
            c.fill(circle({x + 5.5f, y + 7}, 2), rgb(220, 190, 150));
        }
    const Shape pod = polygon(mirrored({{axis, 30}, {112, 30}, {104, 60}, {118, 84}, {axis, 84}}, axis));
    hull(c, pod, palette.armour * 1.2f, 711, 5);
    canopy(c, {axis, 54}, 16, 12, rgb(220, 150, 255));
    for (const Slot& s : slots) boss::mount(c, rect({s.x0 - 2, s.top - 14}, {s.x1 + 2, s.top}, 4), palette, 706);
    // Emitters along the mouth of the middle slot, where the fan leaves.
    for (float x : {129.0f, 170.0f}) {
        c.glow(rect({x - 1.5f, 226}, {x + 1.5f, 256}), palette.energy, 6, 1.3f);
        c.fill(rect({x - 1, 226}, {x + 1, 256}), mix(palette.energy, white, 0.6f));
    }
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, {axis + s * 70, 16}, 2.5f);
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
