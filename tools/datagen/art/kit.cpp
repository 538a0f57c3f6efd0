#include "art/kit.h"

#include <algorithm>
#include <cmath>

namespace datagen::art {

using namespace draw;

namespace {

float side_factor(float bank, float dipped, float raised) {
    return 1 - dipped * std::max(0.0f, bank) - raised * std::max(0.0f, -bank);
}

}  // namespace

Vec2 Bank::operator()(Vec2 p) const {
    const float dx = p.x - axis_x;
    // The right side dips in a right turn (bank > 0), the left side in a left turn.
    const float k = dx >= 0 ? side_factor(bank, 0.34f, 0.12f) : side_factor(-bank, 0.34f, 0.12f);
    return {axis_x + dx * k, p.y};
}

Points Bank::operator()(const Points& pts) const {
    Points out;
    for (Vec2 p : pts) out.push_back((*this)(p));
    return out;
}

Paint Bank::shade(Paint base) const {
    return [base = std::move(base), b = bank, axis = axis_x](Vec2 p) {
        const float t = std::clamp((p.x - axis) / 28, -1.0f, 1.0f);
        return base(p) * (1 - 0.32f * b * t);
    };
}

void Bank::light(Canvas& c) const {
    if (bank == 0) return;
    const Paint factor = shade(solid(white));
    c.apply([&factor](Vec2 p, Colour& col, float&) { col = col * factor(p); });
}

float bank_of_frame(int frame, int frames) {
    const int middle = frames / 2;
    return static_cast<float>(frame - middle) / middle;
}

Paint plating(const Shape& s, Colour base, uint32_t seed, float bevel) {
    const Box b = s.bounds();
    Paint gradient = linear({b.x0, b.y0}, {b.x1, b.y1}, {{0, base * 1.25f}, {0.55f, base}, {1, base * 0.62f}});
    return metal(s, textured(gradient, 5, 0.07f, seed), bevel, 0.75f);
}

void hull(Canvas& c, const Shape& s, Colour base, uint32_t seed, float bevel) { c.fill(s, plating(s, base, seed, bevel)); }

void seam(Canvas& c, Vec2 a, Vec2 b, float opacity) { c.paint_over(capsule(a, b, 1.0f), solid(rgb(16, 18, 26)), opacity); }

void canopy(Canvas& c, Vec2 centre, float rx, float ry, Colour glass) {
    c.fill(ellipse(centre, rx + 1, ry + 1), rgb(20, 22, 30));
    const float r = std::max(rx, ry);
    const Paint ball = sphere(centre, r, glass, 0.9f);
    c.fill(ellipse(centre, rx, ry), [ball, centre, rx, ry, r](Vec2 p) {
        // Squash the ellipse onto the ball so that the highlight sits on the glass.
        return ball({centre.x + (p.x - centre.x) * r / rx, centre.y + (p.y - centre.y) * r / ry});
    });
}

void flame(Canvas& c, Vec2 at, Vec2 dir, float len, float width, Colour colour) {
    const Vec2 side{-dir.y, dir.x};
    const Vec2 tip = at + dir * len;
    const Shape plume = polygon({at + side * (width / 2), tip, at - side * (width / 2)}) | circle(at, width / 2);
    c.glow(plume, colour * 0.8f, width, 1.2f);
    c.fill(plume, linear(at, tip, {{0, mix(colour, white, 0.5f)}, {1, colour * 0.6f}}));
    const Shape core = polygon({at + side * (width / 4), at + dir * (len * 0.55f), at - side * (width / 4)}) | circle(at, width / 4);
    c.fill(core, mix(colour, white, 0.85f));
}

void light(Canvas& c, Vec2 at, float radius, Colour colour) {
    c.glow(circle(at, radius), colour, radius * 2, 1.3f);
    c.fill(circle(at, radius), radial(at, radius, {{0, mix(colour, white, 0.7f)}, {1, colour}}));
}

void fleet_eye(Canvas& c, Vec2 at, float r, Colour colour) {
    c.fill(circle(at, r + 1.2f), rgb(18, 14, 20));
    light(c, at, r, colour);
}

void gun_barrel(Canvas& c, Vec2 from, Vec2 to, float width) {
    const Shape b = capsule(from, to, width);
    c.fill(grown(b, 0.75f), rgb(16, 16, 22));
    c.fill(b, metal(b, solid(kv2::gunmetal), width / 2, 0.8f));
}

void kv1_hull(Canvas& c, const Shape& s, Colour base) {
    c.fill(grown(s, 1), rgb(20, 20, 36));
    const Box b = s.bounds();
    c.fill(s, metal(s, linear({b.x0, b.y0}, {b.x1, b.y1}, {{0, base * 1.15f}, {1, base * 0.7f}}), 2, 0.35f));
}

Image bolt(int w, int h, Colour colour, int dir) {
    Canvas c(w, h);
    const float cx = w / 2.0f, r = w / 2.0f;
    const Vec2 lead{cx, dir < 0 ? r : h - r}, tail{cx, dir < 0 ? h - 1.0f : 1.0f};
    const Shape body = capsule(lead, tail, w * 0.95f) | ellipse(lead, r, r * 1.2f);
    c.fill(body, linear(lead, tail, {{0, mix(colour, white, 0.6f)}, {0.5f, colour}, {1, colour * 0.55f}}));
    c.fill(capsule(lead, lead + (tail - lead) * 0.55f, std::max(1.0f, w * 0.4f)), mix(colour, white, 0.85f));
    return c.to_image(space_black, 0.35f);
}

Image orb(int w, int h, Colour colour) {
    Canvas c(w, h);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const float r = std::min(w, h) / 2.0f;
    c.fill(circle(centre, r), radial(centre, r, {{0, white}, {0.35f, mix(colour, white, 0.6f)}, {0.75f, colour}, {1, colour * 0.5f}}));
    return c.to_image(space_black, 0.4f);
}

Colour hostile_rim(Colour colour) { return colour * 0.16f; }

Image hostile_bolt(int w, int h, Colour colour, int dir) {
    Canvas c(w, h);
    const float cx = w / 2.0f, r = w / 2.0f;
    const Vec2 lead{cx, dir < 0 ? r : h - r}, tail{cx, dir < 0 ? h - 1.0f : 1.0f};
    const Shape body = capsule(lead, tail, w * 0.95f) | ellipse(lead, r, r * 1.2f);
    c.fill(body, hostile_rim(colour));
    // The rim thins on the narrowest shots, so their colour still shows beside the core.
    c.fill(grown(body, -std::min(1.0f, w / 6.0f)), linear(lead, tail, {{0, mix(colour, white, 0.3f)}, {0.6f, colour}, {1, colour * 0.7f}}));
    c.fill(capsule(lead, lead + (tail - lead) * 0.6f, w % 2 ? 1.0f : 2.0f), white);  // on the middle pixels
    return c.to_image(space_black, 0.35f);
}

Image hostile_orb(int w, int h, Colour colour) {
    Canvas c(w, h);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const float r = std::min(w, h) / 2.0f;
    c.fill(circle(centre, r), hostile_rim(colour));
    c.fill(circle(centre, r - 1), radial(centre, r - 1, {{0, white}, {0.45f, white}, {0.6f, colour}, {1, colour * 0.8f}}));
    return c.to_image(space_black, 0.4f);
}

Image muzzle_flash(int w, int h, Colour colour) {
    Canvas c(w, h);
    const Vec2 centre{w / 2.0f, h * 0.6f};
    const float rx = w / 2.0f, ry = h * 0.6f;
    Points star;
    for (int i = 0; i < 16; ++i) {
        const float a = i * pi / 8 - pi / 2;
        const float k = i % 2 ? 0.38f : (i % 4 ? 0.75f : 1.0f);
        star.push_back(centre + Vec2{std::cos(a) * rx * k, std::sin(a) * ry * k});
    }
    const Shape s = polygon(star);
    c.glow(s, colour, 3, 1.0f);
    c.fill(s, radial(centre, std::max(rx, ry), {{0, white}, {0.4f, mix(colour, white, 0.6f)}, {1, colour}}));
    return c.to_image(space_black, 0.5f);
}

}  // namespace datagen::art
