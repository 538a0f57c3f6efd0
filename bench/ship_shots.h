#pragma once
// What the benchmarks against the ship's weapons share: every gun slot in flight.
#include "player/player.h"

// Every slot below the limit of every group in flight, spread over the field.
inline void fly_ship_shots() {
    for (int g = 0; g < Player::bullet_groups; ++g)
        for (int slot = 0; slot < player.bullet_limit; ++slot) {
            Sprite& bullet = player.bullets[g][slot];
            bullet.x = static_cast<float>((slot * 13 + g * 111) % 630);
            bullet.y = static_cast<float>((slot * 37 + g * 53) % 470);
            bullet.bitmap = bullet.current_frame();
            bullet.active = true;
        }
}
