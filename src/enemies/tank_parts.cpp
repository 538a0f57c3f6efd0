#include "enemies/tank_parts.h"

#include "engine/aiming.h"
#include "player/player.h"

namespace {

constexpr float spin_step = 1.5f;
constexpr float last_spin_angle = 255.0f;

}  // namespace

void Turret::init(BITMAP* new_picture, int new_mode) {
    picture = new_picture;
    set_frames(*this, picture, 1, 0, 0, picture->w, picture->h);
    frame = 0;
    angle = 0.0f;
    mode = new_mode;
}

void Turret::aim(float ox, float oy) {
    if (mode == aims) {
        angle = aimed_angle(x + ox, y + oy, player.x, player.y);
    } else if (mode == spins) {
        angle += spin_step;
        if (angle > last_spin_angle) angle = 0.0f;
    }
}

void Wheel::init(BITMAP* new_picture, int new_mode, int n, int frame_width, int frame_height) {
    picture = new_picture;
    set_frames(*this, picture, n, 0, 0, frame_width, frame_height);
    frame = 0;
    mode = new_mode;
}

void Wheel::draw(BITMAP* target) const {
    BITMAP* picture_now = current_frame();
    const int at_x = static_cast<int>(x);
    const int at_y = static_cast<int>(y);
    if (mode >= mirrored)
        draw_sprite_h_flip(target, picture_now, at_x, at_y);
    else
        masked_blit(picture_now, target, 0, 0, at_x, at_y, picture_now->w, picture_now->h);
}
