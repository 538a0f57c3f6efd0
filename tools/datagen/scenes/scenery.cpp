// Masked scenery pictures of the stages: stage 1's drifting wreckage, stage 9's gate.
#include "art/catalogue.h"
#include "art/kit.h"
#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

Image art_picture(const std::string& path) {
    for (const art::PictureFile& p : art::scenery_pictures())
        if (p.path == path) return p.draw();
    return {};
}

// The fleet's floating wreckage, scattered loosely so the stars show between the pieces.
Image debris_field() {
    std::vector<Image> pieces;
    for (int i = 1; i <= 12; ++i) pieces.push_back(art_picture("gfx/objects/debris/" + std::to_string(i) + ".png"));
    Image out(640, 480);
    Random r(701);
    for (int i = 0; i < 22; ++i) {
        const Image& piece = pieces[static_cast<size_t>(i % 12)];
        const Image placed = r.next() < 0.35f ? enlarged(piece, 2) : piece;
        const int x = static_cast<int>(r.range(0, 640.0f - placed.width));
        const int y = static_cast<int>(r.range(0, 480.0f - placed.height));
        overlay(out, placed, x, y);
    }
    return out;
}

// A girder of the gate, with lit struts across it.
void beam(Canvas& c, Vec2 a, Vec2 b, float width, uint32_t seed) {
    const Shape girder = capsule(a, b, width);
    art::hull(c, girder, rgb(96, 104, 124), seed, 3);
    const Vec2 along = normalised(b - a), across{-along.y, along.x};
    for (float t = 12; t < length(b - a) - 8; t += 24) {
        const Vec2 at = a + along * t;
        art::seam(c, at - across * (width / 2 - 2), at + across * (width / 2 - 2), 0.6f);
    }
}

// The gate the ship flies under: pylons on both sides, each within 120 px of its edge, with warning
// lights; open in the middle, because it is drawn over the ship.
Image gate_top() {
    Canvas c(640, 240);
    for (float side : {0.0f, 640.0f}) {
        const float in = side == 0 ? 1.0f : -1.0f;
        beam(c, {side + in * 30, -20}, {side + in * 30, 260}, 34, 951);
        beam(c, {side + in * 60, 40}, {side + in * 112, 110}, 16, 952);
        beam(c, {side + in * 60, 200}, {side + in * 112, 130}, 16, 953);
        const Shape clamp = rect({std::min(side + in * 96, side + in * 118), 100}, {std::max(side + in * 96, side + in * 118), 140}, 4);
        art::hull(c, clamp, art::kv2::gunmetal * 1.3f, 954);
        art::light(c, {side + in * 107, 120}, 3, rgb(255, 80, 40));
    }
    return c.to_image();
}

// The floor of the gate far below the play: cross beams and a docking ring between open space.
Image gate_bottom() {
    Canvas c(640, 240);
    beam(c, {-20, 60}, {660, 60}, 26, 961);
    beam(c, {-20, 190}, {660, 190}, 20, 962);
    for (float x : {120.0f, 520.0f}) beam(c, {x, 60}, {x, 190}, 14, 963 + static_cast<uint32_t>(x));
    const Shape ring_shape = ring({320, 125}, 46, 12);
    art::hull(c, ring_shape, rgb(84, 92, 110), 966);
    c.glow(circle({320, 125}, 30), rgb(60, 150, 255), 20, 0.5f);
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> stage_scenery() {
    return {
        {"gfx/first_stage/debris_level_1_1.gif", debris_field},
        {"gfx/ninth_stage/top.png", gate_top},
        {"gfx/ninth_stage/bottom.png", [] { return toned(gate_bottom(), Tone{0.6f, 0, 0.8f}); }},
    };
}

}  // namespace datagen::scenes
