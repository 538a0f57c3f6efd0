// Masked scenery pictures of the stages: stage 1's drifting wreckage.
#include "art/catalogue.h"
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
        const Image& piece = pieces[static_cast<size_t>(r.below(12))];
        const Image placed = r.next() < 0.35f ? enlarged(piece, 2) : piece;
        const int x = static_cast<int>(r.range(0, 640.0f - placed.width));
        const int y = static_cast<int>(r.range(0, 480.0f - placed.height));
        overlay(out, placed, x, y);
    }
    return out;
}

}  // namespace

std::vector<PictureFile> stage_scenery() {
    return {
        {"gfx/first_stage/debris_level_1_1.gif", debris_field},
    };
}

}  // namespace datagen::scenes
