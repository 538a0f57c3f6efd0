#include "enemies/enemy_one.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_one_strip, 1, 64, 64, 0,  // one frame of 64 x 64, the first
    3, 0.2f, 25,                     // hit points, speed, reward
    {100, true, false},              // escape cost; explosion at master volume; escape after the kill
};
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_one_bullet_strip, 2.0f,
    {{{30.0f, 59.0f, heading_down, bullet_down}}},
    1000, "sfx/enemy_one_bullet.ogg", true, false,  // chance, sound at master volume, no flash
};

// The body spans columns 6 to 58 of its frame; the formation turns when that leaves the field.
constexpr Formation formation{6.0f, 58.0f, 0.1f, 0.1f, 0};  // edges, drop step, gain per turn

}  // namespace

void EnemyOne::init(float x0, float y0) { build(kind, gun, x0, y0); }

void EnemyOne::update() {
    if (in_play) {
        sweep(formation);
        common_step(kind.death, explosion_sound);
        fire(gun);
    } else {
        out_of_play_step();
    }
    fly_bullets();
}
