#include "enemies/enemy_seven.h"

#include "engine/aiming.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "player/player.h"

namespace {

constexpr EnemyKind kind{
    &enemy_seven_strip, 1, 131, 111, 0,  // one frame of 131 x 111, facing down
    1, 5.0f, 16,                         // hit points, speed, reward
    {0, false, false},                   // nothing charged: it leaves at any edge
};
// Aimed as it fires.
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_seven_bullet_strip, 3.5f,
    {{{30.0f, 59.0f, 0.0f, bullet_up}}},
    300, "sfx/enemy_three_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};

}  // namespace

void EnemySeven::init(float x0, float y0) {
    hit_picture = enemy_picture("gfx/enemies/enemy_seven/hit.png");
    build(kind, gun, x0, y0);
    released = entered = false;
    bullets_out = false;
    pick_side();
}

void EnemySeven::reset() {
    Enemy::reset();
    released = entered = false;
    pick_side();
}

void EnemySeven::pick_side() {
    if (random_range(1, 2) == 1) {
        heading = from_right;
        start_from(field_right, static_cast<float>(-h));
    } else {
        heading = from_left;
        start_from(static_cast<float>(-w), static_cast<float>(-h));
    }
}

bool EnemySeven::in_view() const {
    if (y <= 0.0f) return false;
    return (heading == from_left && x > 0.0f) || (heading == from_right && x < field_right);
}

void EnemySeven::update() {
    if (in_play && released) {
        fly_on();
        if (in_view()) entered = true;
        leaving_step(kind.death, explosion_sound, false, entered);
        take_aimed_shot();
    }
    out_of_play_step();
}

void EnemySeven::take_aimed_shot() {
    // The draw comes first, on every step.
    if (!one_in(gun.fire_chance) || dying) return;
    fire_when_spent(gun, {aimed_angle(x, y, player.x, player.y)});
}
