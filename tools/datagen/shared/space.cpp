// Space backdrops, the splash logo and the loading screen.
#include <cmath>

#include "shared/shared.h"
#include "shared/text_shape.h"
#include "shared/title.h"

namespace datagen::shared {

using namespace draw;

namespace {

// A four-pointed sparkle with a round glow.
void sparkle(Canvas& c, Vec2 at, float size, Colour colour) {
    c.glow(circle(at, size * 0.25f), colour, size * 0.8f, 1.2f);
    for (Vec2 dir : {Vec2{1, 0}, Vec2{0, 1}}) c.glow(capsule(at - dir * size, at + dir * size, 1.2f), colour, 2, 1.5f);
    c.fill(circle(at, std::max(1.0f, size * 0.12f)), white);
}

void draw_planet_limb(Canvas& c, Vec2 centre, float radius, uint32_t seed) {
    Shape planet = circle(centre, radius);
    c.glow(outline(planet, 6), rgb(60, 150, 255), 40, 0.9f);
    Paint ground = [centre, radius, seed](Vec2 p) {
        float land = smoothstep(0.48f, 0.62f, fractal_noise(p * (1 / 70.0f), seed, 5));
        Colour sea = rgb(14, 40, 96), earth = rgb(40, 70, 60);
        Colour base = mix(sea, earth, land);
        float cloud = smoothstep(0.58f, 0.8f, fractal_noise({p.x / 90, p.y / 30}, seed + 7, 4));
        base = mix(base, rgb(170, 185, 215), cloud * 0.6f);
        // Lit from the top left: day on the upper left of the limb, night towards the lower right.
        float rim = 1 - smoothstep(0, 90, radius - length(p - centre));
        float day = clamp01(1.1f - (p.x - centre.x + radius * 0.55f) / (radius * 1.1f) - (p.y - (centre.y - radius)) / 400);
        return base * (0.15f + 1.0f * day) + rgb(90, 170, 255) * (rim * (0.25f + 0.5f * day));
    };
    c.fill(planet, ground);
    c.fill(outline(planet, 2.5f) & grown(planet, 1), rgb(150, 215, 255), 0.8f);
}

Shape title_letters(Vec2 centre, int pixel_size, const char* text) {
    const float s = pixel_size / 110.0f;
    return text_shape(Face::sans_condensed_bold, pixel_size, text, centre, static_cast<int>(4 * s), static_cast<int>(std::ceil(10 * s)));
}

}  // namespace

void draw_space(Canvas& c, unsigned seed, int star_count) {
    const float h = static_cast<float>(c.height());
    c.apply([seed, h](Vec2 p, Colour& col, float& a) {
        Colour base = mix(rgb(3, 5, 16), rgb(8, 16, 46), p.y / h);
        float cloud = smoothstep(0.42f, 0.85f, fractal_noise(p * (1 / 150.0f), seed, 5));
        float detail = fractal_noise(p * (1 / 40.0f), seed + 1, 4);
        float hue = fractal_noise(p * (1 / 260.0f), seed + 2, 3);
        Colour tint = mix(mix(rgb(30, 70, 170), rgb(120, 50, 160), smoothstep(0.35f, 0.7f, hue)), rgb(30, 130, 150),
                          smoothstep(0.6f, 0.8f, hue) * 0.6f);
        col = base + tint * (cloud * (0.35f + 0.5f * detail));
        a = 1;
    });
    Random r(seed * 7919u + 13);
    for (int i = 0; i < star_count; ++i) {
        Vec2 at{r.range(0, static_cast<float>(c.width())), r.range(0, h)};
        float bright = r.next();
        Colour tone = mix(rgb(170, 200, 255), rgb(255, 240, 210), r.next());
        if (bright > 0.985f) sparkle(c, at, r.range(5, 9), tone);
        else c.fill(circle(at, 0.45f + bright * 0.5f), tone, 0.35f + 0.65f * bright * bright);
    }
}

void draw_title_halo(Canvas& c, Vec2 centre, int pixel_size, const char* text) {
    const float s = pixel_size / 110.0f;
    c.glow(grown(title_letters(centre, pixel_size, text), 4 * s), rgb(40, 130, 255), 26 * s, 0.9f);
}

void draw_title(Canvas& c, Vec2 centre, int pixel_size, const char* text) {
    const float s = pixel_size / 110.0f;
    const Shape title = title_letters(centre, pixel_size, text);
    Box b = title.bounds();
    // Extruded depth towards the lower right, away from the light.
    const int depth = static_cast<int>(std::lround(7 * s));
    for (int k = depth; k >= 1; --k) {
        Shape slice = transformed(grown(title, 5 * s), Affine::translate({0.5f * k, 1.0f * k}));
        c.fill(slice, mix(rgb(4, 8, 26), rgb(30, 50, 100), static_cast<float>(depth - k) / depth));
    }
    c.fill(grown(title, 5 * s), rgb(4, 8, 26));
    c.fill(grown(title, 2.5f * s), linear({b.x0, b.y0}, {b.x1, b.y1}, {{0, rgb(220, 235, 255)}, {1, rgb(60, 80, 120)}}));
    Paint chrome = linear({0, b.y0}, {0, b.y1}, {{0, rgb(240, 248, 255)},
                                                 {0.44f, rgb(150, 180, 228)},
                                                 {0.5f, rgb(26, 44, 104)},
                                                 {0.72f, rgb(64, 116, 206)},
                                                 {1, rgb(196, 228, 255)}});
    c.fill(title, metal(title, chrome, 5 * s, 0.9f));
    sparkle(c, {b.x0 + 10 * s, b.y0 + 6 * s}, 22 * s, rgb(200, 230, 255));
}

Image space_backdrop(unsigned seed) {
    Canvas c(640, 480);
    draw_space(c, seed, 700);
    return c.to_opaque_image(black);
}

Image logo() {
    Canvas c(640, 480);
    draw_space(c, 3, 650);
    draw_planet_limb(c, {250, 1210}, 860, 5);
    sparkle(c, {70, 60}, 40, rgb(255, 244, 220));
    draw_title_halo(c, {320, 190}, 94);
    draw_title(c, {320, 190}, 94);
    Shape subtitle = text_shape(Face::sans_bold, 24, "THE SERIES", {320, 268}, 9);
    Box b = subtitle.bounds();
    for (float side : {-1.0f, 1.0f}) {
        float inner = side < 0 ? b.x0 - 18 : b.x1 + 18, outer = inner + side * 110;
        Shape line = capsule({inner, 268}, {outer, 268}, 2);
        c.glow(line, rgb(60, 160, 255), 6, 1);
        c.fill(line, linear({inner, 0}, {outer, 0}, {{0, rgb(200, 235, 255)}, {1, rgb(40, 90, 170)}}));
    }
    c.fill(grown(subtitle, 2), rgb(4, 8, 26));
    c.fill(subtitle, linear({0, b.y0}, {0, b.y1}, {{0, white}, {1, rgb(150, 190, 240)}}));
    return c.to_opaque_image(black);
}

Image loader_background() {
    Canvas c(640, 480);
    draw_space(c, 21, 500);
    draw_planet_limb(c, {460, 1300}, 900, 9);
    draw_title_halo(c, {320, 150}, 84);
    draw_title(c, {320, 150}, 84);
    // A mid-toned plate behind "Loading..." and the progress frame.
    Shape plate = rect({180, 318}, {460, 396}, 10);
    c.fill(grown(plate, 2), rgb(8, 12, 28));
    c.fill(plate, metal(plate, linear({0, 318}, {0, 396}, {{0, rgb(92, 106, 134)}, {1, rgb(58, 68, 92)}}), 4, 0.7f));
    return c.to_opaque_image(black);
}

}  // namespace datagen::shared
