#include "enemies/enemy_four.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_four_strip, 5, 95, 95, 2,  // five bank poses of 95 x 95, level first
    7, 0.9f, 75,                      // hit points, speed, reward
    {200, false, false},              // escape cost; explosion as it plays; escape after the kill
};
// The volley: three shots straight down.
constexpr Gun<3> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_four_bullet_strip, 4.1f,
    {{{37.0f, 59.0f, heading_down, bullet_down}, {46.0f, 84.0f, heading_down, bullet_down},
      {55.0f, 59.0f, heading_down, bullet_down}}},
    300, "sfx/enemy_four_bullet.ogg", false, true,  // chance, shot as it plays, flashes
};

}  // namespace

void EnemyFour::init(float x0, float y0) { build(kind, gun, x0, y0); }

// While in play the bullets move twice a step, and are tested against the ship only after the
// first move.
void EnemyFour::update() {
    if (in_play) {
        steer();
        common_step(kind.death, explosion_sound);
        fly_bullets();
        fire(gun);
    } else {
        out_of_play_step();
    }
    for (Sprite& bullet : bullets)
        if (bullet.active) bullet.move_bullet();
}
