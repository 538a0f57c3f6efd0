#pragma once
// The ship's weapons as its targets meet them: where each one is tested, whether it counts this
// step, and every shot of the ship and its helpers in the order targets take them. Enemies and
// bosses share these, so both see the same weapons in the same order.
#include <allegro.h>

#include "engine/collision.h"
#include "engine/sprite.h"
#include "player/player.h"

namespace ship_weapons {

constexpr int helper_pairs = 2;  // helpers 0 and 1 fire one shot, helpers 2 and 3 three

inline int at(float v) { return static_cast<int>(v); }

inline bool touches(BITMAP* a, float ax, float ay, BITMAP* b, float bx, float by) {
    return pixel_collision(a, at(ax), at(ay), b, at(bx), at(by)) != 0;
}

inline bool bullet_touches(const Sprite& bullet, BITMAP* picture, float px, float py) {
    return touches(bullet.bitmap, bullet.x, bullet.y, picture, px, py);
}

// The beam of bomb 1 hurts only while it is not idle; it stands from the top of the screen.
inline bool beam_counts() { return !player.bomb1.idle; }
inline bool beam_touches(BITMAP* picture, float px, float py) {
    return beam_counts() && touches(player.bomb1.current_frame(), player.beam_x(), 0.0f, picture, px, py);
}
inline bool laser_touches(const Bomb2Part& laser, BITMAP* picture, float px, float py) {
    return !laser.idle && touches(laser.current_frame(), laser.x, laser.y, picture, px, py);
}

// Every weapon of one gun group after another: the group's laser column, then (first two groups
// only) the one-shot helper's shot and the three-shot helper's three, then the group's bullets
// below the slot limit. Shots come with the damage they add (a helper's shot always 1).
template <class Laser, class Shot>
void for_each_group_weapon(Laser&& laser, Shot&& shot) {
    for (int i = 0; i < Player::bullet_groups; ++i) {
        laser(player.bomb2_parts[i]);
        if (i < helper_pairs) {
            shot(player.helpers[i].bullets[0], 1);
            for (Sprite& bullet : player.helpers[i + helper_pairs].bullets) shot(bullet, 1);
        }
        for (int slot = 0; slot < player.bullet_limit; ++slot) {
            Sprite& bullet = player.bullets[i][slot];
            shot(bullet, bullet.damage);
        }
    }
}

template <class Shot>
void for_each_ship_shot(Shot&& shot) {
    for_each_group_weapon([](const Bomb2Part&) {}, shot);
}

}  // namespace ship_weapons
