// The KV2 ships of the two pilots, their shots, shield and hit area.
//   Adam: a silver and blue delta with one long canopy and twin blue engines.
//   Kim: a red and gold twin-nacelle ship with forward-swept crescent wings and orange engines.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

constexpr int ship_size = 64;
constexpr int bank_frames = 5;

struct Livery {
    Colour hull, trim, glass, thrust, shot, side_shot, shield;
};

const Livery adam{kv2::adam_trim * 0.82f, kv2::adam_blue,       kv2::canopy_blue,    kv2::thrust_blue,
                  rgb(110, 220, 255),     rgb(150, 255, 200),   rgb(90, 190, 255)};
const Livery kim{kv2::kim_red,      kv2::kim_gold,      kv2::canopy_amber, kv2::thrust_orange,
                 rgb(255, 120, 170), rgb(255, 210, 90), rgb(255, 170, 90)};

Image adam_frame(float bank_amount) {
    Canvas c(ship_size, ship_size);
    const Bank b{bank_amount, 32};
    const Livery& l = adam;
    // Engines first: their flames lie under the tail.
    for (float ex : {25.0f, 39.0f}) flame(c, b({ex, 55}), {0, 1}, 9, 5, l.thrust);
    const Shape wings = polygon(b(mirrored({{29, 20}, {9, 44}, {4, 52}, {7, 54}, {22, 50}, {27, 55}}, 32)));
    hull(c, wings, l.hull * 0.9f, 11);
    // Blue stripes along the wings' leading edges.
    for (float s : {-1.0f, 1.0f}) {
        const Shape stripe = polygon(b(Points{{32 + s * 9, 28}, {32 + s * 25, 46}, {32 + s * 27, 51}, {32 + s * 21, 50}, {32 + s * 10, 39}}));
        c.paint_over(stripe, b.shade(plating(wings, l.trim, 12)));
    }
    const Shape body = polygon(b(mirrored({{32, 1}, {29, 10}, {27, 24}, {26, 44}, {24, 54}, {27, 57}}, 32)));
    hull(c, body, l.hull, 13, 4);
    for (float s : {-1.0f, 1.0f}) {
        // Engine pods and the side guns on the wing roots.
        const float ex = 32 + s * 7;
        hull(c, transformed(rect({-3, 42}, {3, 56}, 2), Affine::translate({b({ex, 0}).x, 0})), kv2::gunmetal, 14, 2);
        const Vec2 gun = b({32 + s * 9.5f, 0});
        hull(c, rect({gun.x - 1.5f, 13}, {gun.x + 1.5f, 30}, 1), kv2::gunmetal, 15, 1.5f);
        seam(c, b({32 + s * 12, 38}), b({32 + s * 22, 50}));
    }
    seam(c, b({29, 34}), b({35, 34}));
    seam(c, b({28, 44}), b({36, 44}));
    b.light(c);
    canopy(c, b.raised({32, 18}), 3.2f, 8, l.glass);
    light(c, b({5.5f, 52}), 1.2f, rgb(255, 60, 60));
    light(c, b({58.5f, 52}), 1.2f, rgb(60, 255, 90));
    return c.to_image();
}

Image kim_frame(float bank_amount) {
    Canvas c(ship_size, ship_size);
    const Bank b{bank_amount, 32};
    const Livery& l = kim;
    for (float ex : {17.0f, 47.0f}) flame(c, b({ex, 55}), {0, 1}, 9, 6, l.thrust);
    // The crescent wing: swept forward to pointed tips.
    const Shape wing = polygon(b(mirrored({{30, 25}, {15, 27}, {5, 11}, {1, 13}, {2, 32}, {12, 43}, {30, 41}}, 32)));
    hull(c, wing, l.hull, 21);
    c.paint_over(polygon(b(mirrored({{28, 35}, {12, 36}, {3, 26}, {2, 31}, {12, 43}, {28, 41}}, 32))), b.shade(plating(wing, l.trim, 22)));
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 n = b({32 + s * 15, 0});
        const Shape nacelle = rect({n.x - 4.5f, 10}, {n.x + 4.5f, 57}, 4.5f);
        hull(c, nacelle, l.hull * 0.85f, 23, 3);
        c.paint_over(nacelle & rect({n.x - 5, 10}, {n.x + 5, 19}), b.shade(plating(nacelle, l.trim, 24)));
        seam(c, {n.x - 3, 48}, {n.x + 3, 48});
        const Vec2 gun = b({32 + s * 9.5f, 0});
        hull(c, rect({gun.x - 1.5f, 16}, {gun.x + 1.5f, 32}, 1), kv2::gunmetal, 25, 1.5f);
    }
    const Shape pod = ellipse(b({32, 29}), 7 * (1 - 0.1f * std::abs(bank_amount)), 25);
    hull(c, pod, l.hull * 1.1f, 26, 4);
    seam(c, b({27, 38}), b({37, 38}));
    b.light(c);
    canopy(c, b.raised({32, 21}), 4, 6.5f, l.glass);
    light(c, b({2.5f, 14}), 1.2f, rgb(255, 60, 60));
    light(c, b({61.5f, 14}), 1.2f, rgb(60, 255, 90));
    return c.to_image();
}

Image ship_sheet(Image (*frame)(float)) {
    std::vector<Image> frames;
    for (int i = 0; i < bank_frames; ++i) frames.push_back(frame(bank_of_frame(i, bank_frames)));
    return strip(frames);
}

// A bubble of energy, drawn as a sparse grid of lit pixels inside a bright rim: the ship shows
// through, yet every 2x2 block of the disc holds a solid pixel, so any shot that reaches the disc
// touches the shield.
Image shield_frame(int frame, Colour colour) {
    constexpr int w = 72, h = 66;
    Image out(w, h);
    const float cx = w / 2.0f, cy = h / 2.0f, rx = w / 2.0f - 0.5f, ry = h / 2.0f - 0.5f;
    const float sweep = frame * pi / 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            const float r = std::sqrt(dx * dx + dy * dy);
            if (r > 1) continue;
            const float angle = std::atan2(dy, dx);
            const float wave = 0.5f + 0.5f * std::cos(2 * angle - sweep + r * 6);
            const bool rim = r > 0.9f;
            const bool grid = (x % 2 == 0 && y % 2 == 0) || (r > 0.78f && (x + y) % 2 == 0 && wave > 0.5f);
            if (!rim && !grid) continue;
            // The rim is lit on its top-left side; the veil inside shimmers in bands.
            const float lit = std::max(0.0f, dx * light_direction.x + dy * light_direction.y);
            const Colour c = rim ? mix(colour * (0.8f + 0.2f * wave), white, 0.3f + 0.5f * lit) : mix(colour, white, 0.3f + 0.35f * wave) * (0.65f + 0.35f * r);
            out.at(x, y) = to_rgb(c);
        }
    return out;
}

Image shield_strip(Colour colour) {
    std::vector<Image> frames;
    for (int i = 0; i < 8; ++i) frames.push_back(shield_frame(i, colour));
    return strip(frames);
}

// The vulnerable core shared by both ships: the fuselage, not the wing tips.
Image hit_picture() {
    Canvas c(38, 64);
    c.fill(polygon(mirrored({{19, 2}, {13, 14}, {9, 30}, {8, 50}, {11, 60}}, 19)), rgb(255, 255, 255));
    return c.to_image(white);
}

// Twin pellets side by side in one picture.
Image twin_bolt(int w, int h, Colour colour) {
    const Image one = bolt(w / 2, h, colour, -1);
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x) {
            out.at(x, y) = one.at(x, y);
            out.at(w - w / 2 + x, y) = one.at(x, y);
        }
    return out;
}

// A crescent wave, bowed forward (up).
Image wave_shot(int w, int h, Colour colour) {
    Canvas c(w, h);
    const Shape arc = ellipse({w / 2.0f, h * 0.85f}, w / 2.0f, h * 0.8f) - ellipse({w / 2.0f, h * 1.05f}, w * 0.42f, h * 0.7f);
    c.glow(arc, colour, 3, 1.2f);
    c.fill(arc, linear({0, 0}, {0, static_cast<float>(h)}, {{0, white}, {0.5f, mix(colour, white, 0.4f)}, {1, colour}}));
    c.fill(capsule({w / 2.0f, 3}, {w / 2.0f, h - 3.0f}, 3), mix(colour, white, 0.7f));
    return c.to_image(space_black, 0.4f);
}

// A long lance: bright core, wide glowing sheath.
Image lance(int w, int h, Colour colour) {
    Canvas c(w, h);
    const Shape sheath = polygon({{w / 2.0f, 0}, {static_cast<float>(w), h * 0.3f}, {w * 0.75f, static_cast<float>(h)},
                                  {w * 0.25f, static_cast<float>(h)}, {0, h * 0.3f}});
    c.glow(sheath, colour, 3, 1.0f);
    c.fill(sheath, linear({0, 0}, {0, static_cast<float>(h)}, {{0, mix(colour, white, 0.3f)}, {1, colour * 0.6f}}));
    c.fill(capsule({w / 2.0f, 2}, {w / 2.0f, h - 3.0f}, w * 0.35f), mix(colour, white, 0.85f));
    return c.to_image(space_black, 0.4f);
}

Image placeholder() { return Image(1, 1, Rgb{0, 0, 0}); }

// What tells the two pilots' datafiles apart: livery, ship frames and main-gun shots of levels 1 to 3.
struct Pilot {
    const Livery& livery;
    Image (*frame)(float bank);
    Image (*shots[3])(Colour);
};

const Pilot adam_pilot{adam,
                       adam_frame,
                       {[](Colour c) { return bolt(4, 12, c, -1); }, [](Colour c) { return bolt(6, 14, mix(c, white, 0.2f), -1); },
                        [](Colour c) { return bolt(4, 16, mix(c, white, 0.45f), -1); }}};
const Pilot kim_pilot{kim,
                      kim_frame,
                      {[](Colour c) { return bolt(6, 12, c, -1); }, [](Colour c) { return twin_bolt(12, 14, c); },
                       [](Colour c) { return wave_shot(14, 16, c); }}};

DatafileContents ship_objects(const Pilot& p) {
    const Livery& l = p.livery;
    return pictures({
        {"SHOT_1", p.shots[0](l.shot)},
        {"SHOT_2", p.shots[1](l.shot)},
        {"SHOT_3", p.shots[2](l.shot)},
        {"SHOT_4", lance(8, 24, l.shot)},
        {"MUZZLE", muzzle_flash(14, 12, l.shot)},
        {"SPARE_SHOT", bolt(4, 12, l.shot, -1)},
        {"UNUSED", placeholder()},
        {"UNUSED", placeholder()},
        {"SIDE_SHOT_1", bolt(5, 10, l.side_shot, -1)},
        {"SIDE_SHOT_2", orb(9, 12, l.side_shot)},
        {"SIDE_SHOT_3", wave_shot(11, 14, l.side_shot)},
        {"SHIELD", shield_strip(l.shield)},
        {"SHIP", ship_sheet(p.frame)},
        {"SIDE_MUZZLE", muzzle_flash(16, 10, l.side_shot)},
    });
}

}  // namespace

std::vector<PictureFile> ship_pictures() {
    return {{"hit_pic.png", hit_picture}};
}

std::vector<DatafileFile> ship_datafiles() {
    return {
        {"adam_ship.dat", [] { return ship_objects(adam_pilot); }},
        {"kim_ship.dat", [] { return ship_objects(kim_pilot); }},
    };
}

}  // namespace datagen::art
