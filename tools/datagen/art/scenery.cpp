// Scenery: clouds and islands over the sea, the fortress statue, floating debris, backdrop rocks,
// the star and dust particles, the meteor datafile and the bonus pick-up.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

// A lumpy blob: an ellipse whose edge wanders by up to `roughness` of its radius.
Shape blob(Vec2 centre, float rx, float ry, float roughness, uint32_t seed, float detail = 1.5f) {
    return Shape(
        [=](Vec2 p) {
            const Vec2 q{(p.x - centre.x) / rx, (p.y - centre.y) / ry};
            const float r = length(q);
            const float a = std::atan2(q.y, q.x);
            // Noise read around a circle, so the edge closes on itself.
            const float n = fractal_noise({std::cos(a) * detail + 7, std::sin(a) * detail + 7}, seed, 3);
            return (r - (1 - roughness + roughness * 2 * n)) * std::min(rx, ry);
        },
        {centre.x - rx * (1 + roughness), centre.y - ry * (1 + roughness), centre.x + rx * (1 + roughness),
         centre.y + ry * (1 + roughness)});
}

// A rock: lit as a ball, pitted by craters and grain.
Image rock(int w, int h, Colour base, uint32_t seed) {
    Canvas c(w, h);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const float rx = w / 2.0f - 1, ry = h / 2.0f - 1;
    const Shape body = blob(centre, rx * 0.86f, ry * 0.86f, 0.14f, seed);
    const Paint ball = sphere(centre, std::max(rx, ry), base, 0.15f);
    c.fill(body, textured(metal(body, ball, std::max(2.0f, rx * 0.12f), 0.3f), std::max(2.0f, w / 16.0f), 0.18f, seed + 1));
    Random rnd(seed);
    const int craters = 3 + w / 24;
    for (int i = 0; i < craters; ++i) {
        const Vec2 at = centre + Vec2{rnd.range(-0.55f, 0.55f) * rx, rnd.range(-0.55f, 0.55f) * ry};
        const float r = rnd.range(0.07f, 0.16f) * std::min(rx, ry) + 0.8f;
        // A bowl: its far wall (bottom right) faces the light, its near wall lies in shadow.
        c.paint_over(circle(at, r), [ball, at, r](Vec2 p) { return ball(p) * (0.7f + 0.5f * dot((p - at) * (1 / r), light_direction * -1)); });
    }
    return c.to_image();
}

// A thin cloud seen from above, lit on its sunward puffs and grey in its hollows: a veil, dithered
// thickest in its middle, so the sea and whatever flies over it show through.
Image cloud(int w, int h, uint32_t seed) {
    Canvas c(w, h);
    Random rnd(seed);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    Shape puffs = ellipse(centre, w * 0.3f, h * 0.28f);
    for (int i = 0; i < 9; ++i) {
        const float a = i * 2 * pi / 9 + rnd.range(-0.3f, 0.3f);
        const Vec2 at = centre + Vec2{std::cos(a) * w * 0.26f, std::sin(a) * h * 0.22f};
        const float r = rnd.range(0.16f, 0.24f) * h;
        puffs = puffs | circle(at, r);
    }
    const Paint shade = [puffs, h](Vec2 p) {
        const float lit = dot(puffs.normal(p), light_direction) * smoothstep(-h * 0.25f, 0, puffs.distance(p));
        return mix(rgb(64, 80, 108), rgb(128, 138, 156), 0.55f + 0.45f * lit);
    };
    c.fill(puffs, textured(shade, h / 8.0f, 0.06f, seed));
    return dithered(c.to_image(rgb(40, 90, 150)), [puffs, h, seed](int x, int y) {
        const Vec2 p{x + 0.5f, y + 0.5f};
        const float wisps = fractal_noise(p * (4.0f / h), seed + 1, 3);
        return 0.6f * smoothstep(0, h * 0.3f, -puffs.distance(p)) * (0.55f + 0.45f * wisps);
    });
}

// An island: turquoise shallows, a sand beach, then jungle with darker groves and a rocky peak.
Image island(int w, int h, uint32_t seed) {
    Canvas c(w, h);
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const Shape land = blob(centre, w * 0.4f, h * 0.4f, 0.3f, seed, 2.2f);
    c.fill(grown(land, 5), rgb(70, 190, 190));
    const Paint ground = [land, seed, centre, w, h](Vec2 p) {
        const float depth = -land.distance(p);
        const float n = fractal_noise(p * (1 / 18.0f), seed, 4);
        const Colour jungle = mix(rgb(40, 110, 50), rgb(70, 150, 60), n);
        Colour g = n > 0.58f ? rgb(28, 80, 40) : jungle;
        // A rocky peak near the middle.
        const float r = length({(p.x - centre.x) / w, (p.y - centre.y) / h});
        g = mix(g, rgb(136, 124, 104) * (0.8f + 0.4f * n), smoothstep(0.16f, 0.08f, r - 0.08f * n));
        return mix(rgb(226, 208, 150), g, smoothstep(3, 9, depth));
    };
    c.fill(land, metal(land, ground, 6, 0.35f));
    return c.to_image(rgb(40, 90, 150));
}

// The fortress statue: a guardian obelisk on a stepped plinth, with a glowing crest.
Image statue() {
    Canvas c(128, 192);
    const Colour stone = rgb(150, 146, 140);
    hull(c, rect({10, 150}, {118, 188}, 3), stone * 0.8f, 3001, 4);
    hull(c, rect({20, 136}, {108, 158}, 3), stone * 0.9f, 3002, 4);
    for (float s : {-1.0f, 1.0f}) {
        const Shape wing = polygon(Points{{64 + s * 14, 60}, {64 + s * 56, 30}, {64 + s * 52, 70}, {64 + s * 40, 100}, {64 + s * 18, 120}});
        hull(c, wing, stone * 0.85f, 3003, 4);
        for (int i = 0; i < 3; ++i) seam(c, {64 + s * (20 + i * 10), 70 + i * 6.0f}, {64 + s * (40 + i * 5), 44 + i * 14.0f});
    }
    const Shape column = polygon(mirrored({{64, 6}, {52, 24}, {48, 140}}, 64));
    hull(c, column, stone, 3004, 5);
    for (float y : {50.0f, 80.0f, 110.0f}) seam(c, {52, y}, {76, y});
    light(c, {64, 34}, 5, rgb(90, 220, 255));
    return c.to_image();
}

// Wreckage of the KV2 fleet: torn hull plates, snapped girders and pipes, charred at the edges.
// Long pieces lie along their picture's long axis, slightly turned.
struct Wreck {
    Vec2 a, b;     // the long axis, end to end
    float across;  // the room across it

    Vec2 along() const { return normalised(b - a); }
    Vec2 side() const { return {-along().y, along().x}; }
};

Wreck wreck_axis(int w, int h, Random& rnd) {
    const bool wide = w >= h;
    const float len = (wide ? w : h) - 3.0f, room = (wide ? h : w) - 3.0f;
    const float tilt = rnd.range(-0.25f, 0.25f) * room;
    const Vec2 centre{w / 2.0f, h / 2.0f};
    const Vec2 half = wide ? Vec2{len / 2, tilt / 2} : Vec2{tilt / 2, len / 2};
    return {centre - half, centre + half, room * 0.9f};
}

// Every piece sits in a dark rim so it stands off the sky.
void rimmed(Canvas& c, const Shape& s) { c.fill(grown(s, 0.8f), rgb(14, 14, 20)); }

// A torn hull plate, bent along a crease: the far side turns from the light; a rivet row beside
// the crease.
Shape torn_plate(Canvas& c, Colour metal, Random& rnd, uint32_t seed) {
    const float w = c.width(), h = c.height();
    Points corners;
    const int n = 8 + rnd.below(4);
    for (int i = 0; i < n; ++i) {
        const float a = i * 2 * pi / n + rnd.range(-0.2f, 0.2f);
        const float r = i % 2 ? rnd.range(0.55f, 0.8f) : rnd.range(0.85f, 1.0f);
        corners.push_back({w / 2 + std::cos(a) * r * (w / 2 - 1), h / 2 + std::sin(a) * r * (h / 2 - 1)});
    }
    const Shape plate = polygon(corners);
    rimmed(c, plate);
    hull(c, plate, metal, seed, 2);
    const Box b = plate.bounds();
    const Vec2 p0{b.x0, b.y0 + (b.y1 - b.y0) * rnd.range(0.3f, 0.7f)}, p1{b.x1, b.y0 + (b.y1 - b.y0) * rnd.range(0.3f, 0.7f)};
    c.paint_over(polygon({p0, p1, {b.x1, b.y1 + 1}, {b.x0, b.y1 + 1}}) & plate, solid(rgb(20, 22, 34)), 0.5f);
    c.paint_over(capsule(p0, p1, 1), solid(rgb(200, 210, 224)), 0.5f);
    const Vec2 step = normalised(p1 - p0) * 4;
    for (Vec2 at = p0 + Vec2{0, -3}; at.x < b.x1; at = at + step)
        if (plate.distance(at) < -2.5f) c.paint_over(circle(at, 0.8f), solid(rgb(200, 204, 214)), 0.8f);
    return plate;
}

// A flanged girder with lightening holes, snapped at both ends.
Shape girder(Canvas& c, const Wreck& k, Colour metal, uint32_t seed) {
    const Vec2 along = k.along(), side = k.side();
    const float half = std::min(k.across / 2, 6.0f), len = length(k.b - k.a);
    Shape beam = polygon({k.a + side * half, k.b + side * (half * 0.6f) + along * 1.5f, k.b - side * half,
                          k.a - side * (half * 0.5f) - along * 1.5f});
    for (float t = half + 2; t < len - half; t += half * 1.8f) beam = beam - circle(k.a + along * t, half * 0.38f);
    rimmed(c, beam);
    hull(c, beam, metal, seed, 1.5f);
    for (float s : {-1.0f, 1.0f}) seam(c, k.a + side * (s * half * 0.55f), k.b + side * (s * half * 0.55f), 0.5f);
    return beam;
}

// A pipe shaded round, with collars and a dark bore at its broken end.
Shape pipe(Canvas& c, const Wreck& k, Colour metal, Random& rnd) {
    const Vec2 along = k.along(), side = k.side();
    const float r = std::min(k.across / 2, 5.0f), len = length(k.b - k.a);
    const Shape tube = capsule(k.a + along * r, k.b - along * r, r * 2);
    const Vec2 mid = (k.a + k.b) * 0.5f;
    rimmed(c, tube);
    c.fill(tube, linear(mid - side * r, mid + side * r,
                        {{0, metal * 0.45f}, {0.3f, metal * 1.1f}, {0.45f, mix(metal, white, 0.5f)}, {1, metal * 0.4f}}));
    for (float t = rnd.range(4, 8); t < len - 4; t += rnd.range(8, 14))
        c.paint_over(capsule(k.a + along * t - side * r, k.a + along * t + side * r, 1.5f), solid(metal * 0.5f), 0.8f);
    c.fill(circle(k.b - along * r, r * 0.6f), rgb(18, 16, 20));
    return tube;
}

// Charring creeps in from the edge; a few embers still smoulder just inside it, too dim to pass
// for shots.
void scorch(Canvas& c, const Shape& s, int embers, Random& rnd, uint32_t seed) {
    c.paint_over(outline(s, 3.5f), textured(solid(rgb(26, 16, 12)), 3, 0.6f, seed), 0.8f);
    const Box b = s.bounds();
    for (int placed = 0, tries = 0; placed < embers && tries < 60; ++tries) {
        const Vec2 at{rnd.range(b.x0, b.x1), rnd.range(b.y0, b.y1)};
        const float d = s.distance(at);
        if (d > -1.5f || d < -3.5f) continue;
        light(c, at, 0.9f, rgb(200, 110, 60));
        ++placed;
    }
}

enum class WreckKind { plate, girder, pipe };

struct DebrisLook {
    WreckKind kind;
    Colour metal;
    int embers;
};

// Pieces 1 to 12.
const DebrisLook debris_looks[12] = {
    {WreckKind::plate, kv2::steel, 0},            {WreckKind::pipe, kv2::gunmetal * 1.4f, 0},
    {WreckKind::plate, kv2::gunmetal * 1.3f, 1},  {WreckKind::plate, kv2::adam_blue * 0.9f, 2},
    {WreckKind::plate, kv2::steel * 0.85f, 0},    {WreckKind::plate, kv2::steel, 3},
    {WreckKind::girder, kv2::gunmetal * 1.5f, 1}, {WreckKind::plate, kv2::kim_red * 0.9f, 2},
    {WreckKind::pipe, kv2::steel, 1},             {WreckKind::girder, kv2::steel * 0.9f, 0},
    {WreckKind::plate, kv2::steel * 0.95f, 4},    {WreckKind::girder, kv2::gunmetal * 1.4f, 2},
};

Image debris(int w, int h, int index) {
    Canvas c(w, h);
    const uint32_t seed = 4200 + static_cast<uint32_t>(index);
    Random rnd(seed);
    const DebrisLook& look = debris_looks[index];
    const Wreck axis = wreck_axis(w, h, rnd);
    const Shape piece = look.kind == WreckKind::plate    ? torn_plate(c, look.metal, rnd, seed)
                        : look.kind == WreckKind::girder ? girder(c, axis, look.metal, seed)
                                                         : pipe(c, axis, look.metal, rnd);
    scorch(c, piece, look.embers, rnd, seed);
    return c.to_image();
}

// A dust particle of the menus: a bright centre, dimmer arms, clear corners.
Image dust(Colour colour) {
    Image out(3, 3);
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {2, 1}, {1, 2}}) out.at(x, y) = to_rgb(colour * 0.7f);
    out.at(1, 1) = to_rgb(mix(colour, white, 0.5f));
    return out;
}

// The bonus pick-up: a gold crystal in a cyan ring, solid all over its disc.
Image pickup() {
    Canvas c(40, 40);
    const Vec2 centre{20, 20};
    c.fill(circle(centre, 19.5f), radial(centre, 19.5f, {{0, rgb(20, 60, 90)}, {0.8f, rgb(30, 110, 150)}, {1, rgb(80, 220, 255)}}));
    c.fill(ring(centre, 17, 2.5f), metal(ring(centre, 17, 2.5f), solid(rgb(90, 220, 255)), 1.5f, 0.8f));
    const Shape gem = polygon({{20, 5}, {31, 20}, {20, 35}, {9, 20}});
    c.glow(gem, rgb(255, 200, 60), 5, 1.2f);
    c.fill(gem, metal(gem, linear({9, 5}, {31, 35}, {{0, rgb(255, 240, 160)}, {1, rgb(200, 120, 20)}}), 5, 0.9f));
    c.fill(polygon({{20, 9}, {26, 20}, {20, 20}}), rgb(255, 250, 220), 0.7f);
    return c.to_image();
}

// The banner the bonus slides in on: a dark plate with gold edges and chevrons; no text.
Image banner() {
    constexpr int w = 302, h = 60;
    Canvas c(w, h);
    const Shape plate = polygon({{20, 4}, {w - 20.0f, 4}, {w - 2.0f, h / 2.0f}, {w - 20.0f, h - 4.0f}, {20, h - 4.0f}, {2, h / 2.0f}});
    c.fill(plate, metal(plate, linear({0, 0}, {0, static_cast<float>(h)}, {{0, rgb(40, 60, 120)}, {1, rgb(12, 18, 44)}}), 4, 0.6f));
    c.fill(outline(plate, 3), metal(outline(plate, 3), solid(rgb(230, 180, 70)), 1.5f, 0.8f));
    for (float s : {-1.0f, 1.0f})
        for (int i = 0; i < 3; ++i) {
            const float x = w / 2.0f + s * (112 + i * 10);
            c.fill(polygon({{x, 18}, {x + s * 7, h / 2.0f}, {x, h - 18.0f}, {x - s * 3, h - 18.0f}, {x + s * 4, h / 2.0f}, {x - s * 3, 18}}),
                   rgb(255, 210, 90));
        }
    return c.to_image();
}

// What the ship flies over is held back behind what can hurt it: darker and greyer.
const Tone island_tone{0.6f, 0, 0.6f};
const Tone statue_tone{0.5f, 0, 0.6f};
const Tone wreckage_tone{0.6f, 0, 0.62f};
const Tone rock_tone{0.9f, 0, 0.64f};

}  // namespace

std::vector<PictureFile> scenery_pictures() {
    std::vector<PictureFile> out = {
        {"gfx/third_stage/cloud_small.png", [] { return cloud(96, 48, 4001); }},
        {"gfx/third_stage/cloud_medium_1.png", [] { return cloud(160, 80, 4002); }},
        {"gfx/third_stage/cloud_medium_2.png", [] { return cloud(192, 96, 4003); }},
        {"gfx/third_stage/cloud_big.png", [] { return cloud(320, 160, 4004); }},
        {"gfx/third_stage/island_1.png", [] { return toned(island(240, 180, 4101), island_tone); }},
        {"gfx/third_stage/island_2.png", [] { return toned(island(200, 150, 4102), island_tone); }},
        {"gfx/third_stage/island_3.png", [] { return toned(island(280, 200, 4103), island_tone); }},
        {"gfx/tenth_stage/statue.png", [] { return toned(statue(), statue_tone); }},
    };
    const int sizes[12][2] = {{24, 24}, {32, 20}, {16, 16}, {40, 28}, {28, 36}, {48, 32},
                              {20, 44}, {36, 36}, {56, 24}, {24, 48}, {64, 40}, {32, 32}};
    for (int i = 0; i < 12; ++i) {
        const int w = sizes[i][0], h = sizes[i][1];
        out.push_back({"gfx/objects/debris/" + std::to_string(i + 1) + ".png",
                       [w, h, i] { return toned(debris(w, h, i), wreckage_tone); }});
    }
    for (PictureFile& p : std::vector<PictureFile>{
             {"gfx/objects/meteors/1.gif", [] { return toned(rock(64, 64, rgb(128, 110, 96), 4301), rock_tone); }},
             {"gfx/objects/meteors/2.gif", [] { return toned(rock(256, 256, rgb(124, 106, 92), 4302), rock_tone); }},
             {"gfx/stars/stage/star.gif", [] { return Image(1, 1, {255, 255, 255}); }},
             {"gfx/stars/menu/star.gif", [] { return dust(rgb(190, 176, 255)); }},
             {"gfx/stars/story/star.gif", [] { return dust(rgb(160, 255, 180)); }},
             {"gfx/stars/character_select/star.gif", [] { return dust(rgb(255, 246, 170)); }},
         })
        out.push_back(std::move(p));
    return out;
}

std::vector<DatafileFile> scenery_datafiles() {
    const auto nested = [](const std::string& name, Image picture) {
        return DatafileObject{name, {}, pictures({{"PICTURE", std::move(picture)}})};
    };
    return {
        {"meteor.dat", [nested] {
             return DatafileContents{nested("PICTURE", toned(rock(28, 23, rgb(140, 118, 96), 4401), rock_tone)),
                                     nested("STRIP", toned(rock(28, 23, rgb(120, 112, 108), 4402), rock_tone))};
         }},
        {"powerups.dat", [nested] {
             return DatafileContents{nested("PICKUP", pickup()), nested("BANNER", banner())};
         }},
    };
}

}  // namespace datagen::art
