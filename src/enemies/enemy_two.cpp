#include "enemies/enemy_two.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_two_strip, 1, 125, 125, 0,  // one frame of 125 x 125, the first
    23, 0.8f, 25,                      // hit points, speed, reward
    {100, true, false},                // escape cost; explosion at master volume; escape after the kill
};
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_two_bullet_strip, 3.0f,
    {{{59.0f, 106.0f, heading_down, bullet_down}}},
    400, "sfx/enemy_one_bullet.ogg", true, false,  // chance, sound at master volume, no flash
};

}  // namespace

void EnemyTwo::init(float x0, float y0) { build(kind, gun, x0, y0); }

void EnemyTwo::update() {
    if (in_play) {
        common_step(kind.death, explosion_sound);
        fire(gun);
    } else {
        out_of_play_step();
    }
    fly_bullets();
}
