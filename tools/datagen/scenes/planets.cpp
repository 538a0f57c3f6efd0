// Planets seen from space: discs lit from the top left, magenta around them.
#include <cmath>

#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

struct PlanetLook {
    Colour low, high;     // the surface from its lowest ground to its highest
    float land_from;      // noise level where `high` begins (1 = all low)
    Colour atmosphere;    // the rim's haze
    float clouds;         // how much of the sky is cloud
    float banded;         // 0 a world of continents, 1 a gas giant's belts
    float craters;        // how pitted the surface is
};

const PlanetLook earth{rgb(18, 56, 140), rgb(70, 120, 60), 0.52f, rgb(110, 180, 255), 0.55f, 0, 0};
const PlanetLook moon{rgb(86, 86, 92), rgb(170, 168, 164), 0.45f, rgb(0, 0, 0), 0, 0, 1};
const PlanetLook ocean_world{rgb(14, 60, 150), rgb(200, 190, 120), 0.72f, rgb(120, 200, 255), 0.45f, 0, 0};
const PlanetLook desert_world{rgb(150, 92, 44), rgb(230, 190, 120), 0.45f, rgb(255, 200, 140), 0.15f, 0, 0.2f};
const PlanetLook forest_world{rgb(24, 80, 40), rgb(70, 130, 50), 0.5f, rgb(140, 230, 200), 0.5f, 0, 0};
const PlanetLook gas_giant{rgb(110, 50, 100), rgb(230, 170, 120), 0.5f, rgb(255, 170, 200), 0, 1, 0};

// Surface noise is read on the sphere, so the features curve round the limb.
Image planet(int size, const PlanetLook& look, uint32_t seed) {
    const float r = size / 2.0f;
    const Vec2 centre{r, r};
    Canvas c(size, size);
    const Shape disc = circle(centre, r - 0.5f);
    const float k = 3.2f;  // features across the disc
    c.fill(disc, [=](Vec2 p) {
        const Vec2 q = (p - centre) * (1 / r);
        const float z = std::sqrt(std::max(0.0f, 1 - dot(q, q)));
        const Vec2 s{q.x / (1 + 0.35f * z), q.y / (1 + 0.35f * z)};  // a little bulge towards the limb
        float n = fractal_noise(s * k + Vec2{5, 5}, seed, 5);
        n += (0.5f + 0.5f * std::sin(s.y * 14 + 3 * n) - n) * look.banded;
        Colour ground = mix(look.low, look.high, smoothstep(look.land_from - 0.04f, look.land_from + 0.08f, n));
        ground = ground * (0.8f + 0.4f * fractal_noise(s * 18, seed + 1, 3));
        if (look.craters > 0) {
            const float pits = fractal_noise(s * 9 + Vec2{2, 9}, seed + 2, 2);
            ground = ground * (1 - look.craters * 0.45f * smoothstep(0.62f, 0.7f, pits));
        }
        const float cloud = look.clouds * smoothstep(0.5f, 0.75f, fractal_noise({s.x * 4 + 1, s.y * 9 + 1}, seed + 3, 4));
        ground = mix(ground, rgb(235, 240, 250), cloud);
        // Day on the upper left, night towards the lower right; haze thickens at the limb.
        const float day = clamp01(0.15f + 1.05f * (-q.x * 0.6f - q.y * 0.8f) * 0.6f + 0.55f * z);
        const float limb = std::pow(1 - z, 3.0f);
        return ground * (0.08f + 0.95f * day) + look.atmosphere * (limb * (0.2f + 0.8f * day));
    });
    return c.to_image(black);
}

// Planets the play passes over are held back too.
const Tone held_back{0.6f, 0, 0.75f};

}  // namespace

std::vector<PictureFile> planet_pictures() {
    return {
        {"gfx/first_stage/kv2_earth_3.gif", [] { return toned(planet(200, earth, 501), held_back); }},
        {"gfx/first_stage/kv2_moon.gif", [] { return toned(planet(200, moon, 502), held_back); }},
        {"gfx/third_stage/planet.gif", [] { return toned(planet(634, ocean_world, 503), sea_tone); }},
        {"gfx/fourth_stage/planet.png", [] { return toned(planet(400, gas_giant, 504), Tone{0.55f, 0, 0.6f}); }},
        {"gfx/fifth_stage/planet.png", [] { return toned(planet(650, desert_world, 505), sand_tone); }},
        {"gfx/seventh_stage/planet.png", [] { return toned(planet(650, forest_world, 507), forest_tone); }},
    };
}

}  // namespace datagen::scenes
