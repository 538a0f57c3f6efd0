// Grounds the stages scroll over: sea, desert, three forests that follow each other in any order,
// the fortress floor and its side wall, and KV1's backdrop.
#include <cmath>

#include "art/kit.h"
#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

constexpr int screen_w = 640, screen_h = 480, fold = 80;

// Drawn `fold` rows taller and folded, so the picture repeats downwards.
Image repeating(int w, const std::function<void(Canvas&)>& paint) {
    Canvas c(w, screen_h + fold);
    paint(c);
    return fold_rows(c.to_opaque_image(black), fold);
}

void sea(Canvas& c) {
    c.apply([](Vec2 p, Colour& col, float& a) {
        const float depth = fractal_noise(p * (1 / 160.0f), 801, 4);
        const float swell = std::sin(p.y / 7 + 6 * fractal_noise(p * (1 / 60.0f), 802, 3));
        const float ripple = fractal_noise({p.x / 30, p.y / 6}, 803, 3);
        col = mix(rgb(10, 52, 120), rgb(30, 120, 170), smoothstep(0.45f, 0.8f, depth));
        col = col * (0.9f + 0.08f * swell + 0.12f * ripple);
        // Sun glints on the crests, more towards the top left.
        const float glint = smoothstep(0.78f, 0.9f, ripple) * smoothstep(0.6f, 1, swell);
        col = col + rgb(200, 230, 255) * (0.5f * glint);
        a = 1;
    });
}

void sand(Canvas& c) {
    c.apply([](Vec2 p, Colour& col, float& a) {
        const float warp = 40 * fractal_noise(p * (1 / 120.0f), 811, 3);
        const float ridge = std::sin((p.y + warp + 0.3f * p.x) / 18);
        // Dune faces towards the light are bright, the lee sides in shade.
        const float lit = 0.5f + 0.5f * std::cos((p.y + warp + 0.3f * p.x) / 18 + 0.9f);
        col = mix(rgb(170, 112, 58), rgb(240, 198, 128), lit) * (0.9f + 0.15f * fractal_noise(p * (1 / 5.0f), 812, 2));
        col = col * (0.92f + 0.08f * ridge);
        const float rock = smoothstep(0.74f, 0.78f, fractal_noise(p * (1 / 40.0f), 813, 3));
        col = mix(col, rgb(110, 70, 44), rock * 0.8f);
        a = 1;
    });
}

// A canopy of round crowns lit from the top left, darker in the gaps between them.
void canopy(Canvas& c, uint32_t seed, int crowns, Colour leaf) {
    c.apply([](Vec2, Colour& col, float& a) { col = rgb(8, 30, 14), a = 1; });
    Random r(seed);
    for (int i = 0; i < crowns; ++i) {
        const Vec2 at{r.range(-10, c.width() + 10.0f), r.range(-10, c.height() + 10.0f)};
        const float radius = r.range(9, 19);
        const Colour tone = leaf * r.range(0.75f, 1.2f);
        c.fill(circle(at + Vec2{3, 4}, radius), rgb(4, 16, 8), 0.6f);
        c.fill(circle(at, radius), textured(sphere(at, radius, tone, 0.15f), 4, 0.25f, seed + i));
    }
}

// What sets each forest apart: a river, clearings, or nothing but trees.
void river(Canvas& c) {
    const auto bend = [](float y) { return 330 + 90 * std::sin(y / 90) + 30 * std::sin(y / 37); };
    c.apply([&bend](Vec2 p, Colour& col, float&) {
        const float d = std::abs(p.x - bend(p.y));
        const Colour water = mix(rgb(40, 110, 150), rgb(90, 170, 200), fractal_noise({p.x / 12, p.y / 4}, 821, 2));
        col = mix(col, rgb(120, 110, 70), smoothstep(34, 26, d));
        col = mix(col, water, smoothstep(26, 20, d));
    });
}

// Glades of long grass, shaded by the crowns round their rim, a few lone trees and rocks in them.
void clearings(Canvas& c) {
    Random r(831);
    for (int i = 0; i < 5; ++i) {
        const Vec2 at{r.range(60, 580), r.range(120, 400)};
        const float rx = r.range(30, 60), ry = r.range(24, 44);
        const Shape glade = ellipse(at, rx, ry);
        c.fill(grown(glade, 6), rgb(6, 22, 10), 0.7f);
        c.fill(glade, [at, rx](Vec2 p) {
            const float grass = fractal_noise({p.x / 3, p.y / 7}, 832, 3);
            const float shade = smoothstep(rx * 0.4f, rx * 1.1f, length(p - at - Vec2{-6, -6}));
            return mix(rgb(120, 150, 60), rgb(70, 110, 40), grass) * (1 - 0.45f * shade);
        });
        for (int k = 0; k < 3; ++k) {
            const Vec2 tree = at + Vec2{r.range(-rx, rx) * 0.6f, r.range(-ry, ry) * 0.6f};
            const float radius = r.range(5, 9);
            c.fill(circle(tree + Vec2{3, 4}, radius), rgb(20, 40, 14), 0.6f);
            c.fill(circle(tree, radius), sphere(tree, radius, rgb(50, 120, 50), 0.15f));
        }
        const Vec2 rock = at + Vec2{rx * 0.4f, ry * 0.3f};
        c.fill(ellipse(rock, 5, 4), sphere(rock, 5, rgb(140, 136, 126), 0.3f));
    }
}

Image forest_edge() { return repeating(screen_w, [](Canvas& c) { canopy(c, 840, 1500, rgb(40, 120, 50)); }); }

Image forest(uint32_t seed, void (*feature)(Canvas&)) {
    Canvas c(screen_w, screen_h);
    canopy(c, seed, 1300, rgb(44, 126, 52));
    if (feature) feature(c);
    return framed_by(forest_edge(), c.to_opaque_image(black), 90);
}

// Fortress plating: 80-px plates with seams and rivets, lit strips between rows of plates. The
// rows of plates are offset by half a plate, so no seam falls on the picture's edge.
void plating(Canvas& c) {
    c.apply([](Vec2 q, Colour& col, float& a) {
        const Vec2 p = q + Vec2{0, 40};
        const float fx = std::fmod(p.x, 80.0f), fy = std::fmod(p.y, 80.0f);
        const float seam_x = smoothstep(1.5f, 0, std::min(fx, 80 - fx)), seam_y = smoothstep(1.5f, 0, std::min(fy, 80 - fy));
        const float bevel = smoothstep(6, 0, fx) - smoothstep(6, 0, 80 - fx) + smoothstep(6, 0, fy) - smoothstep(6, 0, 80 - fy);
        const int plate = static_cast<int>(p.x / 80) * 7 + static_cast<int>(p.y / 80) % 6;
        const float tone = 0.85f + 0.15f * unit(hash(static_cast<uint32_t>(plate), 851));
        col = rgb(74, 82, 98) * tone * (1 + 0.25f * bevel) * (1 - 0.6f * std::max(seam_x, seam_y));
        col = col * (0.93f + 0.1f * fractal_noise(p * (1 / 8.0f), 852, 2));
        a = 1;
    });
    for (int y = -40; y < c.height(); y += 80)
        for (int x = 0; x < screen_w; x += 80)
            for (Vec2 corner : {Vec2{8, 8}, Vec2{72, 8}, Vec2{8, 72}, Vec2{72, 72}}) {
                const Vec2 at = Vec2{static_cast<float>(x), static_cast<float>(y)} + corner;
                c.fill(circle(at, 2.2f), sphere(at, 2.2f, rgb(150, 160, 176), 0.5f));
            }
    for (int y = 0; y < c.height(); y += 160) {
        const Shape strip = rect({300, y - 3.0f}, {340, y + 3.0f}, 3);
        c.glow(strip, rgb(40, 90, 200), 10, 0.6f);
        c.fill(strip, rgb(100, 140, 190));
    }
}

// The wall beside the floor: one half drawn and mirrored, so the same picture serves both sides.
Image wall() {
    Canvas c(48, screen_h + fold);
    for (int y = 0; y < c.height(); y += 80) {
        const Shape block = rect({0, y + 1.0f}, {24, y + 79.0f}, 3);
        art::hull(c, block, rgb(96, 100, 112), 860 + static_cast<uint32_t>(y % screen_h));
        c.fill(rect({14, y + 30.0f}, {24, y + 50.0f}), rgb(30, 32, 40));
        c.glow(circle({22, y + 40.0f}, 2.5f), rgb(255, 80, 40), 6, 0.9f);
    }
    return mirrored_left(fold_rows(c.to_opaque_image(rgb(20, 22, 28)), fold));
}

// KV1's own look, in its brighter palette: a saturated blue sky with violet clouds and white stars,
// none of them in the reds of the shots; it darkens towards the bottom, where the HUD's line lies.
Image kv1_backdrop() {
    Canvas c(screen_w, screen_h);
    c.apply([](Vec2 p, Colour& col, float& a) {
        const float cloud = smoothstep(0.35f, 0.85f, fractal_noise(p * (1 / 140.0f), 871, 5));
        const float violet = smoothstep(0.5f, 0.8f, fractal_noise(p * (1 / 90.0f), 873, 4));
        const float under_hud = smoothstep(420, 450, p.y);
        const Colour sky = mix(art::kv1::blue * 0.18f, art::kv1::blue * 0.7f, cloud) + rgb(120, 70, 200) * (0.35f * cloud * violet);
        col = sky * (1 - 0.6f * under_hud);
        a = 1;
    });
    Random r(872);
    for (int i = 0; i < 180; ++i) {
        const Vec2 at{r.range(0, screen_w), r.range(0, screen_h)};
        c.fill(circle(at, 0.5f + 0.5f * r.next()), mix(rgb(170, 200, 255), white, r.next()), 0.6f);
    }
    return c.to_opaque_image(black);
}

}  // namespace

std::vector<PictureFile> ground_pictures() {
    return {
        {"gfx/third_stage/water.png", [] { return toned(repeating(screen_w, sea), sea_tone); }},
        {"gfx/fifth_stage/desert.png", [] { return toned(repeating(screen_w, sand), sand_tone); }},
        {"gfx/seventh_stage/forest1_2.gif", [] { return toned(forest(841, nullptr), forest_tone); }},
        {"gfx/seventh_stage/forest2_2.gif", [] { return toned(forest(842, river), forest_tone); }},
        {"gfx/seventh_stage/forest3_2.gif", [] { return toned(forest(843, clearings), forest_tone); }},
        {"gfx/tenth_stage/floor.png", [] { return repeating(screen_w, plating); }},
        {"gfx/tenth_stage/side.png", wall},
        {"gfx/kv1/background.png", kv1_backdrop},
    };
}

}  // namespace datagen::scenes
