// Drawing the ship with everything it has out: bombs, charge, flashes, shield, explosion,
// helpers and bullets.
#include "player/player.h"

namespace {

constexpr int flash_frames = 3;  // a muzzle flash shows on this many drawn frames

// Shows a flash while `fired`, for three drawn frames after the last shot.
bool flash_shows(bool& fired, int& draws) {
    if (!fired) return false;
    if (++draws > flash_frames - 1) {
        draws = 0;
        fired = false;
    }
    return true;
}

}  // namespace

void Player::draw(BITMAP* dest) {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    bomb1.draw(dest, static_cast<int>(beam_x()), 0);
    for (const Bomb2Part& part : bomb2_parts)
        if (part.moving_left()) part.draw(dest);
    if (!exploding) {
        charge.draw(dest, left - 50, top - 50);
        if (flash_shows(main_fired, main_flash_draws)) draw_sprite(dest, muzzle_picture, left + 25, top - 9);
        if (side_guns && flash_shows(side_fired, side_flash_draws)) {
            draw_sprite(dest, side_muzzle_picture, left + 15, top + 14);
            draw_sprite(dest, side_muzzle_picture, left + 33, top + 14);
        }
        if (!blinking || blink_timer % 2 == 0) draw_sprite(dest, frames[bank_frame], left, top);
        if (shield_on && shield_count >= 1) draw_sprite(dest, shield_frames[shield_frame], left - 4, top - 1);
    }
    if (explosion.active) explosion.draw(dest);
    if (one_shot_selected && one_shot_count > 0)
        for (int i : {0, 1}) helpers[i].draw(dest);
    if (three_shot_selected && three_shot_count > 0)
        for (int i : {2, 3}) helpers[i].draw(dest);
    for (auto& group : bullets)
        for (int i = 0; i < bullet_limit; ++i)
            if (group[i].active) group[i].draw_rotated(dest);
    for (const Bomb2Part& part : bomb2_parts)
        if (part.moving_right()) part.draw(dest);
}
