#include "enemies/enemy_three.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_three_strip, 1, 93, 93, 0,  // one frame of 93 x 93, the first
    6, 0.85f, 50,                      // hit points, speed, reward
    {150, false, true},                // escape cost; explosion as it plays; escape before the kill
};
// The spread: left, middle and right shot.
constexpr Gun<3> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_three_bullet_strip, 4.0f,
    {{{24.0f, 85.0f, 80.0f, bullet_diagonal}, {44.0f, 90.0f, heading_down, bullet_down},
      {61.0f, 85.0f, 48.0f, bullet_spread}}},
    400, "sfx/enemy_three_bullet.ogg", true, false,  // chance, sound at master volume, no flash
};

}  // namespace

void EnemyThree::init(float x0, float y0) { build(kind, gun, x0, y0); }

void EnemyThree::update() {
    if (in_play) {
        steer();
        common_step(kind.death, explosion_sound);
        fire(gun);
    } else {
        out_of_play_step();
    }
    fly_bullets();
}
