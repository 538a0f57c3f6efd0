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

// Sparks spiral in and a ring closes on the ship; from frame 11 (the release) the ring bursts
// outward and fades.
Image charge_frame(int frame) {
    Canvas c(charge_size, charge_size);
    const float t = frame / 16.0f;
    const bool burst = frame >= 11;
    const float ring_r = burst ? 36 + (frame - 10) * 7.0f : 76 - 42 * (frame / 10.0f);
    const float heat = burst ? 1 - (frame - 11) / 7.0f : 0.4f + 0.6f * frame / 10.0f;
    c.glow(circle(charge_centre, 10 + 22 * std::min(t * 1.6f, 1.0f)), beam_gold, 18, 1.6f * heat);
    c.glow(ring(charge_centre, ring_r, 4), beam_gold, 8, 1.8f * heat);
    c.fill(ring(charge_centre, ring_r, burst ? 2.5f : 2 + 2 * t), mix(beam_gold, beam_hot, 0.4f + 0.5f * heat));
    if (!burst)
        for (int i = 0; i < 12; ++i) {
            const float a = i * pi / 6 + t * 5;
            const float r = ring_r + 16 - 10 * t + 6 * std::sin(i * 2.3f);
            const Vec2 head = charge_centre + Vec2{std::cos(a), std::sin(a)} * r;
            const Vec2 tail = charge_centre + Vec2{std::cos(a - 0.22f), std::sin(a - 0.22f)} * (r + 12);
            c.glow(capsule(head, tail, 2), beam_gold, 3, 1.2f);
            c.fill(capsule(head, tail, 2.5f), linear(head, tail, {{0, beam_hot}, {1, beam_gold}}));
        }
    return c.to_image();
}

Image charge_middle() {
    Canvas c(charge_size, charge_size);
    c.glow(circle(charge_centre, 26), beam_gold, 20, 1.6f);
    c.fill(circle(charge_centre, 22), radial(charge_centre, 22, {{0, beam_hot}, {1, beam_gold}}), 0.9f);
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
