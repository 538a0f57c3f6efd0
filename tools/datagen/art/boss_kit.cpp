#include "art/boss_kit.h"

#include <algorithm>
#include <cmath>

namespace datagen::art::boss {

using namespace draw;

namespace {

const Colour soot = rgb(22, 20, 24);
const Colour recess = rgb(14, 15, 22);

// Scorched, darker armour.
Colour burnt(Colour c) { return mix(c, rgb(40, 30, 26), 0.6f); }

// A ragged outline around a box: the edge of torn plating.
Points ragged(Box b, int teeth, Random& r) {
    Points pts;
    const float w = b.x1 - b.x0, h = b.y1 - b.y0;
    for (int i = 0; i <= teeth; ++i) pts.push_back({b.x0 + w * i / teeth, b.y0 + r.range(0, h * 0.35f)});
    for (int i = teeth; i >= 0; --i) pts.push_back({b.x0 + w * i / teeth, b.y1 - r.range(0, h * 0.3f)});
    return pts;
}

}  // namespace

Shape Side::box(float x0, float y0, float x1, float y1, float corner) const {
    const Vec2 a = (*this)(x0, y0), b = (*this)(x1, y1);
    return rect({std::min(a.x, b.x), a.y}, {std::max(a.x, b.x), b.y}, corner);
}

std::vector<Side> sides(float axis) { return {{axis, -1}, {axis, 1}}; }

Vec2 heading(float angle) {
    const float a = angle * 2 * pi / 256;
    return {std::cos(a), std::sin(a)};
}

Mouth mouth_of(float x, float y, float shot_w, float angle) { return {{x + shot_w / 2, y}, angle}; }

void barrel(Canvas& c, const Mouth& m, float length, float width) {
    const Vec2 dir = heading(m.angle);
    const Vec2 tip = m.at - dir * (width / 2);
    gun_barrel(c, tip - dir * length, tip, width);
    // A muzzle collar, then the dark bore.
    const Shape collar = capsule(tip - dir * 3, tip, width + 1.5f);
    c.fill(collar, metal(collar, solid(kv2::gunmetal * 0.8f), 1.5f, 0.8f));
    c.fill(circle(tip, width * 0.28f), recess);
}

void gun_head(Canvas& c, Vec2 centre, float radius, const std::vector<Mouth>& mouths, const Palette& p, float barrel_width) {
    c.fill(circle(centre, radius + 1.5f), recess);
    const Shape ring_mount = ring(centre, radius - 1.5f, 3);
    c.fill(ring_mount, metal(ring_mount, solid(p.frame), 1.5f, 0.8f));
    const Shape dome = circle(centre, radius * 0.72f);
    c.fill(grown(dome, 1), recess);
    c.fill(dome, metal(dome, sphere(centre, radius * 0.72f, p.armour, 0.5f), 2.5f, 0.7f));
    seam(c, centre - Vec2{radius * 0.5f, 0}, centre + Vec2{radius * 0.5f, 0}, 0.3f);
    for (const Mouth& m : mouths) {
        // Each barrel rides on the dome from the point level with its centre, a breech block
        // where it joins.
        const Vec2 dir = heading(m.angle);
        const float reach = std::max(dot(m.at - centre, dir) - barrel_width / 2, 6.0f);
        barrel(c, m, reach, barrel_width);
        const Vec2 breech = m.at - dir * (reach + barrel_width * 0.2f);
        const Shape block = capsule(breech, breech + dir * (barrel_width * 1.2f), barrel_width * 1.7f);
        c.fill(grown(block, 0.8f), recess);
        c.fill(block, metal(block, solid(p.frame * 1.4f), 2, 0.8f));
    }
    fleet_eye(c, centre + Vec2{0, -radius * 0.25f}, std::max(1.5f, radius * 0.14f));
}

Image hanging_gun(int w, int h, const std::vector<Mouth>& mouths, float barrel_width, const Palette& p, int frame, uint32_t seed) {
    Canvas c(w, h);
    const float cx = w / 2.0f, fh = static_cast<float>(h);
    const Shape pylon = rect({cx - w * 0.18f, 0}, {cx + w * 0.18f, fh * 0.5f}, 2);
    hull(c, pylon, p.frame * 1.2f, seed, 2.5f);
    for (float y = 4; y < fh * 0.4f; y += 6) seam(c, {cx - w * 0.15f, y}, {cx + w * 0.15f, y}, 0.35f);
    for (const Mouth& m : mouths) {
        barrel(c, m, m.at.y - fh * 0.55f, barrel_width);
        // Coils that light one after another while the gun fires.
        const Vec2 dir = heading(m.angle);
        for (int k = 0; k < 3; ++k) {
            const Vec2 at = m.at - dir * (barrel_width * 0.5f + 4 + k * (fh * 0.11f));
            const bool lit = (k + frame) % 2 == 0;
            c.fill(capsule(at - Vec2{barrel_width * 0.6f, 0}, at + Vec2{barrel_width * 0.6f, 0}, 1.6f),
                   lit ? mix(p.energy, white, 0.5f) : p.energy * 0.35f);
        }
    }
    const Shape housing = rect({w * 0.1f, fh * 0.28f}, {w * 0.9f, fh * 0.72f}, w * 0.18f);
    c.fill(grown(housing, 1), recess);
    hull(c, housing, p.armour, seed + 1, std::max(2.0f, w * 0.08f));
    seam(c, {w * 0.16f, fh * 0.5f}, {w * 0.84f, fh * 0.5f}, 0.4f);
    fleet_eye(c, {cx, fh * 0.4f}, std::max(1.5f, w * 0.06f), frame % 2 ? mix(kv2::enemy_light, white, 0.3f) : kv2::enemy_light);
    return c.to_image();
}

Image side_turret(const Palette& p, uint32_t seed) {
    return hanging_gun(27, 39, {mouth_of(3, 39, 8, 72), mouth_of(10, 39, 8, 56)}, 4, p, 0, seed);
}

void fan_nozzle(Canvas& c, Vec2 mouth, const Palette& p, uint32_t seed) {
    const Shape cowl = rect(mouth - Vec2{10, 18}, mouth + Vec2{10, -5}, 4);
    hull(c, cowl, p.frame * 1.3f, seed, 2.5f);
    const Shape nozzle = rect(mouth - Vec2{6, 8}, mouth + Vec2{6, 0}, 2);
    c.fill(nozzle, metal(nozzle, solid(kv2::gunmetal), 2, 0.8f));
    c.fill(rect(mouth - Vec2{3.5f, 4}, mouth + Vec2{3.5f, 0}, 1), mix(p.energy, white, 0.3f));
}

void mount(Canvas& c, const Shape& socket, const Palette& p, uint32_t seed) {
    c.fill(grown(socket, 2), recess);
    hull(c, socket, p.frame, seed, 3);
    c.paint_over(grown(socket, -4), solid(recess), 0.55f);
}

void open_channel(Canvas& c, float x0, float x1, float from) {
    c.apply([=](Vec2 p, Colour&, float& a) {
        if (p.x > x0 && p.x < x1 + 1 && p.y > from) a = 0;
    });
}

Image shield(int w, int h, int frames, int first_opening, const Palette& p, uint32_t seed) {
    const int opening_frames = frames - first_opening;
    return strip_of(frames, [=](int f) {
        Canvas c(w, h);
        const float t = f < first_opening ? 0.0f : static_cast<float>(f - first_opening + 1) / opening_frames;
        const float half = w / 2.0f, stub = std::max(4.0f, w * 0.1f), reach = half - (half - stub) * t;
        if (t < 1) c.glow(rect({half - 2, 3}, {half + 2, h - 3.0f}), p.energy, 6, 1.4f * (1 - t));
        for (float side : {-1.0f, 1.0f}) {
            const float outer = side < 0 ? 0.0f : static_cast<float>(w), inner = side < 0 ? reach : w - reach;
            const Shape door = rect({std::min(outer, inner), 0.5f}, {std::max(outer, inner), h - 0.5f}, 1.5f);
            hull(c, door, p.armour, seed + (side > 0), 2.5f);
            for (float y = 5; y < h - 3; y += 6) seam(c, {std::min(outer, inner) + 2, y}, {std::max(outer, inner) - 2, y}, 0.3f);
            // Hazard stripes along the meeting edge.
            const Shape edge = rect({inner - (side < 0 ? 4.0f : -1.0f), 1}, {inner + (side < 0 ? 1.0f : 4.0f), h - 1.0f});
            c.paint_over(edge, [](Vec2 q) { return std::fmod(q.y + 200, 6.0f) < 3 ? rgb(230, 180, 40) : rgb(30, 28, 26); });
            // A chaser light runs along each closed door.
            if (f < first_opening) {
                const int lights = std::max(2, static_cast<int>(reach / 10));
                for (int i = 0; i < lights; ++i) {
                    const float x = outer + (inner - outer) * (i + 0.5f) / lights;
                    const bool lit = (i + f) % 4 == 0;
                    c.fill(circle({x, h / 2.0f}, 1.6f), lit ? mix(p.energy, white, 0.6f) : p.energy * 0.35f);
                }
            }
        }
        if (t < 1) c.fill(rect({half - 0.8f, 2}, {half + 0.8f, h - 2.0f}), mix(p.energy, white, 0.7f * (1 - t)), 1 - t);
        return c.to_image();
    });
}

Image charge(int size, int frames, Colour energy, uint32_t seed) {
    return strip_of(frames, [=](int f) {
        Canvas c(size, size);
        const Vec2 centre{size / 2.0f, size / 2.0f};
        const float g = static_cast<float>(f + 1) / frames;
        const float r = size * (0.06f + 0.22f * g);
        c.glow(circle(centre, r * 1.5f), energy * 0.8f, r, 0.9f);
        c.glow(ring(centre, r * 1.45f, 2), energy, 4, 0.8f * g);
        // Arcs crackling out of the ball, reaching further as it grows.
        Random rnd(seed + f * 977);
        for (int i = 0; i < 5 + f * 2; ++i) {
            const float a = rnd.range(0, 2 * pi), len = r * rnd.range(1.2f, 1.9f);
            Vec2 at = centre + Vec2{std::cos(a), std::sin(a)} * (r * 0.6f);
            for (int k = 0; k < 4; ++k) {
                const float step = len / 4, wobble = rnd.range(-0.6f, 0.6f);
                const Vec2 next = at + Vec2{std::cos(a + wobble), std::sin(a + wobble)} * step;
                c.fill(capsule(at, next, 1.2f), mix(energy, white, 0.6f), 0.9f);
                at = next;
            }
        }
        c.fill(circle(centre, r), radial(centre, r, {{0, white}, {0.45f, mix(energy, white, 0.6f)}, {1, energy}}));
        return c.to_image(space_black, 0.45f);
    });
}

Image beam(int w, int h, int frames, int firing, Colour energy, float core_width) {
    return strip_of(frames, [=](int f) {
        Canvas c(w, h);
        const float mid = w / 2.0f;
        const bool burning = f < firing;
        const float fade = burning ? 1.0f : 1.0f - static_cast<float>(f - firing + 1) / (frames - firing + 1);
        const float half = core_width / 2 * (burning ? 1 + 0.12f * std::sin(f * pi / 2) : fade * 0.8f);
        const float hh = static_cast<float>(h);
        c.glow(rect({mid - half * 1.6f, 0}, {mid + half * 1.6f, hh}), energy, std::min(w * 0.2f, half * 2 + 4), 0.9f * fade + 0.1f);
        c.fill(rect({mid - half, -2}, {mid + half, hh + 2}),
               linear({mid - half, 0}, {mid + half, 0}, {{0, energy}, {0.3f, mix(energy, white, 0.7f)}, {0.5f, white},
                                                         {0.7f, mix(energy, white, 0.7f)}, {1, energy}}));
        // Bright pulses running down the beam while it burns.
        if (burning)
            for (float y = std::fmod(f * 23.0f, 64.0f) - 64; y < hh; y += 64)
                c.glow(ellipse({mid, y + 16}, half * 0.9f, 10), white, 6, 0.8f);
        // The flare where the beam leaves the emitter.
        c.glow(ellipse({mid, 2}, half * 2.2f + 6, 10 * fade + 3), mix(energy, white, 0.5f), 8, 1.2f * fade);
        return c.to_image(space_black, 0.5f);
    });
}

Image core(int w, int h, Vec2 emitter, const Palette& p, uint32_t seed) {
    Canvas c(w, h);
    const Shape housing = rect({0.5f, 0.5f}, {w - 0.5f, h - 0.5f}, std::min(w, h) * 0.3f);
    hull(c, housing, p.frame, seed, 3);
    const Vec2 centre{w / 2.0f, h * 0.45f};
    const float rx = w * 0.3f, ry = h * 0.28f;
    c.fill(ellipse(centre, rx + 2, ry + 2), recess);
    c.fill(ellipse(centre, rx, ry), radial(centre, std::max(rx, ry), {{0, white}, {0.35f, mix(p.energy, white, 0.5f)}, {1, p.energy * 0.7f}}));
    c.glow(ellipse(centre, rx * 0.6f, ry * 0.6f), p.energy, 4, 0.5f);
    const Vec2 e{std::clamp(emitter.x, 4.5f, w - 4.5f), std::min(emitter.y, h - 0.5f)};
    const Shape nozzle = rect({e.x - 4, e.y - 6}, {e.x + 4, e.y}, 1.5f);
    c.fill(nozzle, metal(nozzle, solid(kv2::gunmetal), 1.5f));
    c.fill(rect({e.x - 2, e.y - 4}, {e.x + 2, e.y}, 1), mix(p.energy, white, 0.4f));
    for (float s : {-1.0f, 1.0f}) fleet_eye(c, {w / 2.0f + s * (rx + 5), h * 0.45f}, 1.6f);
    return c.to_image();
}

Image broken_core(int w, int h, const Palette& p, uint32_t seed) {
    Canvas c(w, h);
    const Shape housing = rect({0.5f, 0.5f}, {w - 0.5f, h - 0.5f}, std::min(w, h) * 0.3f);
    hull(c, housing, burnt(p.frame), seed, 3);
    const Vec2 centre{w / 2.0f, h * 0.45f};
    c.fill(ellipse(centre, w * 0.3f + 2, h * 0.28f + 2), soot);
    Random r(seed);
    for (int i = 0; i < 6; ++i) {
        const float a = r.range(0, 2 * pi);
        c.paint_over(capsule(centre, centre + Vec2{std::cos(a) * w * 0.4f, std::sin(a) * h * 0.4f}, 1.2f), solid(recess), 0.9f);
    }
    c.fill(circle(centre, 2), p.energy * 0.6f);
    return c.to_image();
}

Image pulsing_orb(int size, int frames, Colour colour) {
    return strip_of(frames, [=](int f) {
        Canvas c(size, size);
        const Vec2 centre{size / 2.0f, size / 2.0f};
        const float r = size / 2.0f, hot = 0.35f + 0.15f * std::sin(f * 2 * pi / frames);
        c.fill(circle(centre, r), hostile_rim(colour));
        c.fill(circle(centre, r - 1), radial(centre, r - 1, {{0, white}, {hot, white}, {hot + 0.25f, colour}, {1, colour * 0.8f}}));
        c.fill(ring(centre, (r - 1) * (0.55f + 0.1f * f), 0.8f), mix(colour, white, 0.5f), 0.6f);
        return c.to_image(space_black, 0.4f);
    });
}

Image wreck(int w, int h, int frames, const Palette& p, uint32_t seed) {
    return strip_of(frames, [=](int f) {
        Canvas c(w, h);
        Random shape(seed);
        const Shape plate = polygon(ragged({2, 1, w - 2.0f, h - 1.0f}, 8, shape));
        c.fill(grown(plate, 1), soot);
        hull(c, plate, burnt(p.armour), seed, 2.5f);
        for (int i = 0; i < 4; ++i) seam(c, {shape.range(4, w - 4.0f), 2}, {shape.range(4, w - 4.0f), h - 2.0f}, 0.6f);
        // Fire that flickers differently every frame, and sparks thrown off.
        Random fire(seed * 31 + f);
        for (int i = 0; i < 3; ++i) {
            const Vec2 at{fire.range(w * 0.2f, w * 0.8f), fire.range(h * 0.35f, h * 0.75f)};
            flame(c, at, {0, -1}, fire.range(6, 12), fire.range(4, 7), kv2::thrust_orange);
        }
        for (int i = 0; i < 5; ++i) c.fill(circle({fire.range(2, w - 2.0f), fire.range(2, h - 2.0f)}, 0.9f), rgb(255, 230, 150));
        return c.to_image();
    });
}

}  // namespace datagen::art::boss
