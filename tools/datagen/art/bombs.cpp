// The two bombs: the charge that gathers around the ship, the gold beam of bomb 1 and the
// rose laser columns of bomb 2. Burning frames are solid where they hurt.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

const Colour beam_gold = rgb(255, 190, 60);
const Colour beam_hot = rgb(255, 248, 214);
const Colour laser_rose = rgb(255, 70, 130);
const Colour laser_hot = rgb(255, 226, 240);

constexpr int charge_size = 164;
const Vec2 charge_centre{82, 82};

// How far the charge has grown: 0 at frame 0, 1 at the release (frame 11) and after.
float charge_growth(int frame) { return std::min(frame / 11.0f, 1.0f); }

// Energy gathers around the ship: an aura swells outward and brightens over frames 0-10, sparks
// stream in along spirals to feed it. From the release (frame 11) it holds at full size and pulses
// white-hot, ready. The ship's own pixels (the middle) stay clear so it shows through.
Image charge_frame(int frame) {
    Canvas c(charge_size, charge_size);
    const float g = charge_growth(frame);
    const bool ready = frame >= 11;
    const float pulse = ready ? 0.5f + 0.5f * std::cos((frame - 11) * pi / 2) : 0;  // 1, 0, -, 0, 1 ...
    const float radius = 30 + 30 * g + 3 * pulse;
    const float heat = 0.35f + 0.65f * g;
    const Colour edge = mix(beam_gold, beam_hot, ready ? 0.55f + 0.45f * pulse : 0.6f * g);
    c.glow(ring(charge_centre, radius - 3, 4 + 8 * g), beam_gold, 8 + 6 * g, 0.9f * heat);
    c.glow(ring(charge_centre, radius, 3), edge, 5, 1.4f * heat);
    c.fill(ring(charge_centre, radius, 1.5f + 1.5f * g + pulse), edge);
    if (ready)
        for (int i = 0; i < 8; ++i) {
            const float a = i * pi / 4 + (frame - 11) * 0.2f;
            const Vec2 dir{std::cos(a), std::sin(a)};
            const Vec2 from = charge_centre + dir * (radius + 3), to = charge_centre + dir * (radius + 8 + 6 * pulse);
            c.glow(capsule(from, to, 2), beam_gold, 3, 1.2f);
            c.fill(capsule(from, to, 2), beam_hot);
        }
    // Crackling arcs from the aura towards the ship, more of them as the charge grows.
    const int arcs = static_cast<int>(1 + 5 * g);
    for (int i = 0; i < arcs; ++i) {
        Random rnd(hash(frame, i, 0xa5c));
        const float a0 = rnd.range(0, 2 * pi);
        Vec2 from = charge_centre + Vec2{std::cos(a0), std::sin(a0)} * radius;
        for (int k = 1; k <= 4; ++k) {
            const float a = a0 + rnd.range(-0.25f, 0.25f);
            const Vec2 to = charge_centre + Vec2{std::cos(a), std::sin(a)} * (radius - k * (radius - 34) / 4.5f);
            c.glow(capsule(from, to, 1), beam_gold, 2.5f, 0.6f + 0.6f * g);
            c.fill(capsule(from, to, 1.2f), mix(beam_gold, beam_hot, 0.7f));
            from = to;
        }
    }
    const int sparks = ready ? 6 : 10;
    for (int i = 0; i < sparks; ++i) {
        // Each spark starts outside and falls onto the aura along a spiral; later frames have them
        // closer to the edge and longer.
        const float phase = std::fmod(i * 0.37f + frame * 0.23f, 1.0f);
        const float a = i * 2 * pi / sparks - phase * 1.4f;
        const float r = radius + 6 + (1 - phase) * (78 - radius);
        const Vec2 head = charge_centre + Vec2{std::cos(a), std::sin(a)} * r;
        const Vec2 tail = charge_centre + Vec2{std::cos(a + 0.18f), std::sin(a + 0.18f)} * (r + 6 + 6 * g);
        c.glow(capsule(head, tail, 2), beam_gold, 3, 0.8f + 0.6f * g);
        c.fill(capsule(head, tail, 1.5f + g), linear(head, tail, {{0, beam_hot}, {1, beam_gold}}));
    }
    return c.to_image();
}

// Early frames: a soft halo hugging the ship, clear over the ship itself.
Image charge_middle() {
    Canvas c(charge_size, charge_size);
    c.glow(ring(charge_centre, 30, 6), beam_gold, 10, 0.9f);
    c.fill(ring(charge_centre, 30, 1.5f), mix(beam_gold, beam_hot, 0.5f), 0.9f);
    return c.to_image();
}

// A vertical beam of half width `half(y)` centred on `cx`, its core rippling with `phase`.
Shape column(float cx, float half_width, float ripple, float phase, int h) {
    return Shape([=](Vec2 p) { return std::abs(p.x - cx) - half_width * (1 + ripple * std::sin(p.y * 0.09f + phase)); },
                 {cx - half_width * 1.3f, 0, cx + half_width * 1.3f, static_cast<float>(h)});
}

Image beam_frame(int w, int h, float open, int flicker, Colour colour, Colour hot, uint32_t seed) {
    Canvas c(w, h);
    const float cx = w / 2.0f, half = (w / 2.0f - 6) * open;
    if (half < 0.5f) return c.to_image();
    const float phase = flicker * 2.1f;
    c.glow(column(cx, half, 0.05f, phase, h), colour, 10, 1.3f);
    const Paint body = [=](Vec2 p) {
        const float n = fractal_noise({p.x / 9, p.y / 14 - flicker * 1.7f}, seed + flicker, 3);
        const float across = std::abs(p.x - cx) / std::max(half, 1.0f);
        return mix(hot, colour, smoothstep(0.15f, 1.0f, across)) * (0.85f + 0.3f * n);
    };
    c.fill(column(cx, half, 0.05f, phase, h), body);
    c.fill(column(cx, half * 0.3f, 0.15f, phase * 1.7f, h), hot);
    return c.to_image();
}

// Frames 0-2 burn at full width; 3 to 10 go from almost open to shut.
Image bomb1_frame(int frame) {
    const float open = frame <= 2 ? 1.0f : std::max(0.0f, 1 - (frame - 2) / 8.5f);
    return beam_frame(146, 480, open * (frame <= 2 ? 1 - 0.04f * frame : 0.9f), frame, beam_gold, beam_hot, 41);
}

// Frames 0-3 burn; 4 to 7 close.
Image bomb2_frame(int frame) {
    const float open = frame <= 3 ? 1 - 0.06f * (frame % 2) : std::max(0.0f, 1 - (frame - 3) / 4.5f);
    return beam_frame(50, 640, open, frame, laser_rose, laser_hot, 42);
}

}  // namespace

std::vector<PictureFile> bomb_pictures() {
    return {
        {"gfx/player_bombs/bomb_charge.png", [] { return strip_of(17, charge_frame); }},
        {"gfx/player_bombs/charge_middle.png", charge_middle},
        {"gfx/player_bombs/bomb_1.png", [] { return strip_of(11, bomb1_frame); }},
        {"gfx/player_bombs/bomb_2_laser_2.png", [] { return strip_of(8, bomb2_frame); }},
    };
}

}  // namespace datagen::art
