#include "enemies/kv1_enemy_four.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &kv1_enemy_four_strip, 1, 25, 28, 0,  // one frame of 25 x 28
    0, 0.3f, 0,                           // hit points, speed, reward (unused)
    kv1_death,
};
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &kv1_enemy_four_bullet_strip, 1.0f,
    {{{11.0f, 28.0f, heading_down, bullet_down}}},
    1000, "sfx/enemy_one_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};

constexpr Formation formation{0.0f, 25.0f, 1.0f, 0.1f, 0};  // edges, drop step, gain
constexpr float wrap_offset = 0.0f;

}  // namespace

void Kv1EnemyFour::init(float x0, float y0) { build(kind, gun, x0, y0); }

void Kv1EnemyFour::update() {
    if (in_play) formation_step(formation, wrap_offset, gun);
}
