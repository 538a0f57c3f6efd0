// The explosion strip and its flash: a white-hot burst that swells into rolling fire, cools
// through orange and red, and breaks up into smoke.
#include <cmath>

#include "draw/draw.h"
#include "shared/shared.h"

namespace datagen::shared {

using namespace draw;

namespace {

constexpr int frames = 13, frame_w = 68, frame_h = 64;

Colour fire(float heat) {
    return at_stop({{0.0f, rgb(46, 40, 40)},
                    {0.12f, rgb(86, 64, 54)},
                    {0.22f, rgb(170, 40, 12)},
                    {0.4f, rgb(250, 110, 20)},
                    {0.62f, rgb(255, 196, 60)},
                    {0.85f, rgb(255, 246, 200)},
                    {1.0f, white}},
                   heat);
}

Image explosion_frame(int i) {
    const float t = static_cast<float>(i) / (frames - 1);
    const Vec2 centre{frame_w / 2.0f, frame_h / 2.0f};
    const float radius = 7 + 22 * (1 - (1 - t) * (1 - t));
    Canvas c(frame_w, frame_h);
    c.apply([=](Vec2 p, Colour& col, float& a) {
        Vec2 q = (p - centre) * (1 / radius);
        float r = length(q);
        // Billows scale with the ball, and drift up a little as the smoke rises.
        float billow = fractal_noise(q * 2.6f + Vec2{0, t * 1.5f}, 77, 4);
        float tatter = fractal_noise(q * 4.5f + Vec2{3, t * 2}, 91, 3);
        float edge = r + 0.45f * (billow - 0.5f);
        float density = 1 - smoothstep(0.72f, 1.0f, edge);
        density -= smoothstep(0.45f, 1.0f, t) * smoothstep(0.35f, 0.75f, tatter) * 1.3f;  // smoke tears apart
        float heat = (1 - r * 0.9f) * (1.25f - 1.2f * t) + 0.35f * (billow - 0.5f);
        col = fire(clamp01(heat));
        a = clamp01(density * 2);
    });
    if (i <= 6) {  // sparks flung out by the blast
        Random r(400);
        for (int k = 0; k < 14; ++k) {
            float angle = r.range(0, 2 * pi), speed = r.range(0.7f, 1.2f);
            Vec2 dir{std::cos(angle), std::sin(angle)};
            Vec2 head = centre + dir * (radius * speed + 4 + 10 * t);
            if (head.x < 2 || head.y < 2 || head.x > frame_w - 2 || head.y > frame_h - 2) continue;
            c.fill(capsule(head - dir * (3 - 2 * t), head, 1.3f), fire(0.8f - 0.5f * t));
        }
    }
    if (i == 0) c.glow(circle(centre, 5), rgb(255, 240, 200), 8, 1.5f);
    return c.to_image(space_black, 0.5f);
}

}  // namespace

Image explosion_strip() {
    std::vector<Image> all;
    for (int i = 0; i < frames; ++i) all.push_back(explosion_frame(i));
    return strip(all);
}

Image explosion_flash() {
    Canvas c(128, 128);
    const Vec2 centre{64, 64};
    c.apply([centre](Vec2 p, Colour& col, float& a) {
        Vec2 d = p - centre;
        float r = length(d) / 60;
        float rays = 0.06f * std::cos(12 * std::atan2(d.y, d.x));
        col = at_stop({{0, white}, {0.2f, rgb(255, 250, 220)}, {0.5f, rgb(255, 210, 90)}, {0.85f, rgb(255, 130, 30)},
                       {1, rgb(220, 70, 20)}},
                      r);
        a = 1 - smoothstep(0.88f, 1.02f, r + rays);
    });
    return c.to_image(space_black, 0.5f);
}

}  // namespace datagen::shared
