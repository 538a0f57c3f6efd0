#include "enemies/backdrop.h"

#include "enemies/scenery_art.h"
#include "engine/loaders.h"
#include "engine/slots.h"

namespace {

constexpr int bottom_row = 479;

// {pictures, kinds, respawn rise, leaves whole}
const BackdropLook rocks{meteor_bitmaps, 2, 1, false};
const BackdropLook clouds{cloud_bitmaps, 4, 3, false};
const BackdropLook debris{debris_bitmaps, 12, 1, true};

// Rock picture 0 is drawn enlarged, picture 1 reduced; the faster the class, the bigger.
constexpr float rock_scales[3][2] = {{1.15f, 0.25f}, {1.4f, 0.6f}, {1.75f, 0.85f}};

}  // namespace

void Backdrop::choose_kind() {
    kind = random_range(0, look_.kinds - 1);
    picture = look_.pictures[kind];
}

void Backdrop::choose_speed_class() {
    speed_class = random_range(1, 3);
    scale = rock_scales[speed_class - 1][kind];
}

void Backdrop::place(int placement) {
    x = static_cast<float>(random_range(-picture->w, playfield_width));
    if (placement == 0) {
        y = static_cast<float>(random_range(-playfield_height, -picture->h));
        recycling = false;
    } else {
        y = static_cast<float>(random_range(0, playfield_height - picture->h));
        recycling = true;
    }
}

void Backdrop::update(int v, float a) {
    alpha = a;
    y += static_cast<float>(pace.advance(v, recycling));
    const int leaving_row = bottom_row + (look_.leaves_whole ? picture->h : 0);
    if (y > static_cast<float>(leaving_row)) {
        if (recycling)
            respawn(v);
        else
            y = static_cast<float>(playfield_height);
    }
}

void Backdrop::respawn(int v) {
    pace.scroll = v;
    pace.renew(v);
    choose_kind();
    x = static_cast<float>(random_range(-picture->w, playfield_width));
    y = static_cast<float>(-look_.respawn_rise * picture->h);
    if (scaled == 1) choose_speed_class();
}

void Backdrop::draw_piece(BITMAP* target) const {
    if (y <= static_cast<float>(-picture->h) || y >= static_cast<float>(playfield_height + picture->h)) return;
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    if (scaled == 1)
        rotate_scaled(target, picture, px, py, 0, ftofix(scale));
    else
        masked_blit(picture, target, 0, 0, px, py, picture->w, picture->h);
}

BackdropMeteor::BackdropMeteor() : Backdrop(rocks) {}

void BackdropMeteor::init(int placement, int scaled_draw) {
    choose_kind();
    scaled = scaled_draw;
    place(placement);
    speed_class = 0;
    pace.moving = false;
    if (scaled == 1) choose_speed_class();
}

Cloud::Cloud() : Backdrop(clouds) {}

void Cloud::init() {
    choose_kind();
    x = static_cast<float>(random_range(-picture->w, playfield_width));
    y = static_cast<float>(random_range(-picture->h, playfield_height));
    hidden = false;
    pace.moving = false;
    alpha = 0.0f;
    recycling = true;
}

void Cloud::draw(BITMAP* target) const {
    if (!hidden) draw_with_alpha(target, picture, x, y, alpha);
}

Debris::Debris() : Backdrop(debris) {}

void Debris::init(int placement) {
    choose_kind();
    place(placement);
    pace.moving = false;
}
