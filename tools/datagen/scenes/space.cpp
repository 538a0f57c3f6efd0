// Deep space: the small-star tile and the backdrops built on it.
#include <algorithm>

#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

constexpr int tile_w = 640, tile_h = 480, fold = 64, blend_band = 72;
const Colour deep = rgb(4, 6, 20);

// Faint dust over the dark: a slow wash of blue, darker lanes.
void dust(Canvas& c, uint32_t seed, float amount) {
    c.apply([seed, amount](Vec2 p, Colour& col, float& a) {
        const float wash = fractal_noise(p * (1 / 170.0f), seed, 4);
        const float grain = fractal_noise(p * (1 / 3.0f), seed + 1, 2);
        col = deep + rgb(12, 18, 50) * (amount * smoothstep(0.3f, 1.0f, wash)) + rgb(6, 8, 16) * (0.5f * grain);
        a = 1;
    });
}

void stars(Canvas& c, uint32_t seed, int count, float size, float brightness) {
    Random r(seed);
    for (int i = 0; i < count; ++i) {
        const Vec2 at{r.range(0, static_cast<float>(c.width())), r.range(0, static_cast<float>(c.height()))};
        const float b = r.next();
        const Colour tone = mix(rgb(160, 190, 255), rgb(255, 236, 200), r.next());
        c.fill(circle(at, 0.45f + size * b), tone, brightness * (0.3f + 0.7f * b * b));
    }
}

// A bright star with a halo and four spikes.
void sparkle(Canvas& c, Vec2 at, float size, Colour colour) {
    c.glow(circle(at, size * 0.25f), colour, size * 0.8f, 1.1f);
    for (Vec2 dir : {Vec2{1, 0}, Vec2{0, 1}}) c.glow(capsule(at - dir * size, at + dir * size, 1.1f), colour, 2, 1.3f);
    c.fill(circle(at, std::max(1.0f, size * 0.12f)), white);
}

// Nebulae glow greyer and dimmer than anything in play.
const Tone held_back{0.45f, 0, 0.8f};

// Nebula clouds lit in two colours, with darker lanes of dust through them.
std::function<void(Canvas&)> nebula(uint32_t seed, Colour inner, Colour outer, float strength) {
    return [=](Canvas& c) {
        c.apply([=, &c](Vec2 p, Colour& col, float&) {
            const float cloud = smoothstep(0.3f, 0.75f, fractal_noise(p * (1 / 220.0f), seed, 5));
            const float core = smoothstep(0.55f, 0.9f, fractal_noise(p * (1 / 110.0f), seed + 1, 4));
            const float lane = smoothstep(0.5f, 0.7f, fractal_noise({p.x / 60, p.y / 140}, seed + 2, 3));
            // Thickest across the middle, thinning out before the picture's ends.
            const float envelope = smoothstep(0, 0.45f, std::min(p.y, c.height() - p.y) / c.height());
            const Colour glow = toned(mix(outer, inner, core), held_back) * (strength * envelope * cloud * (1 - 0.6f * lane));
            col = col * (1 - 0.35f * cloud * lane) + glow;
        });
        stars(c, seed + 3, c.width() * c.height() / 900, 0.8f, 1);
    };
}

}  // namespace

Image star_tile() {
    Canvas c(tile_w, tile_h + fold);
    dust(c, 101, 0.6f);
    stars(c, 102, 420, 0.5f, 0.8f);
    return fold_rows(c.to_opaque_image(black), fold);
}

Image starfield_backdrop(int height, uint32_t seed, const std::function<void(Canvas&)>& paint) {
    const Image tile = star_tile();
    Canvas c(tile_w, height);
    c.apply([&tile](Vec2 p, Colour& col, float& a) {
        const Rgb t = tile.at(static_cast<int>(p.x), static_cast<int>(p.y) % tile_h);
        col = rgb(t.r, t.g, t.b);
        a = 1;
    });
    paint(c);
    Random r(seed);
    for (int i = 0; i < height / 240; ++i)
        sparkle(c, {r.range(20, tile_w - 20.0f), r.range(blend_band, height - blend_band * 1.0f)}, r.range(4, 8),
                mix(rgb(170, 200, 255), rgb(255, 240, 210), r.next()));
    return framed_by(tile, c.to_opaque_image(black), blend_band);
}

void paint_space(Canvas& c, uint32_t seed, int count) {
    dust(c, seed, 0.8f);
    stars(c, seed + 1, count, 0.7f, 1);
}

std::vector<PictureFile> star_backdrops() {
    const auto backdrop = [](uint32_t seed, Colour inner, Colour outer) {
        return [=] { return starfield_backdrop(tile_h, seed, nebula(seed, inner, outer, 1.15f)); };
    };
    return {
        {"stage1_small_stars.png", star_tile},
        {"stage1_stars.png", [] { return starfield_backdrop(1440, 110, [](Canvas& c) { stars(c, 111, 900, 1.0f, 1); }); }},
        {"gfx/first_stage/stage1_b.gif", backdrop(120, rgb(140, 200, 255), rgb(30, 70, 200))},
        {"gfx/first_stage/stage1_p.gif", backdrop(130, rgb(240, 130, 230), rgb(90, 30, 140))},
        {"gfx/first_stage/stage1_b_g.gif", backdrop(140, rgb(120, 255, 200), rgb(30, 110, 190))},
        {"gfx/first_stage/stage1_r_y.gif", backdrop(150, rgb(230, 210, 150), rgb(150, 70, 50))},
    };
}

}  // namespace datagen::scenes
