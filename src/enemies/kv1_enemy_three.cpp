#include "enemies/kv1_enemy_three.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &kv1_enemy_three_strip, 1, 64, 64, 0,  // one frame of 64 x 64
    0, 0.45f, 0,                           // hit points, speed, reward (unused)
    kv1_death,
};
// The fan: right, middle and left of straight down, all from one muzzle.
constexpr Gun<3> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &kv1_enemy_three_bullet_strip, 2.5f,
    {{{30.0f, 51.0f, 72.0f, bullet_down}, {30.0f, 51.0f, heading_down, bullet_down},
      {30.0f, 51.0f, 56.0f, bullet_down}}},
    2000, "sfx/enemy_one_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};

// Slow and steady: it settles at 0.2 px a step in the drop and never gains speed.
constexpr Formation formation{0.0f, 64.0f, 0.1f, 0.0f, 0};  // edges, drop step, gain
constexpr float wrap_offset = 0.0f;

}  // namespace

void Kv1EnemyThree::init(float x0, float y0) { build(kind, gun, x0, y0); }

void Kv1EnemyThree::update() {
    if (in_play) formation_step(formation, wrap_offset, gun);
}
