#include "enemies/enemy_one.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_one_strip, 1, 64, 64, 0,  // one frame of 64 x 64, the first
    3, 0.2f, 25,                     // hit points, speed, reward
    {100, true, false},              // escape cost; explosion at master volume; escape after the kill
};
constexpr Gun<1> gun{
    &enemy_one_bullet_strip, 2.0f,
    {{{30.0f, 59.0f, heading_down, bullet_down}}},
    1000, "sfx/enemy_one_bullet.ogg", true, false,  // chance, sound at master volume, no flash
};

// The body spans columns 6 to 58 of its frame; the formation turns when that leaves the field.
constexpr float left_edge = 6.0f;
constexpr float right_edge = 58.0f;
constexpr float drop_speed = 0.2f;
constexpr float drop_depth = 15.0f;
constexpr float turn_speed_gain = 0.1f;

}  // namespace

void EnemyOne::init(float x0, float y0) { build(kind, gun, x0, y0); }

void EnemyOne::update() {
    if (in_play) {
        switch (state) {
        case sweeping_left: steer_left(); break;
        case sweeping_right: steer_right(); break;
        case dropping: drop(); break;
        }
        common_step(kind.death, explosion_sound);
        fire(gun);
    } else {
        block_shots();
    }
    fly_bullets();
}

void EnemyOne::reach_edge() {
    at_edge = true;
    stop();
}

void EnemyOne::steer_left() {
    accelerate_left();
    if (x + left_edge < 0.0f) reach_edge();
}

void EnemyOne::steer_right() {
    accelerate_right();
    if (x + right_edge > field_right) reach_edge();
}

void EnemyOne::drop() {
    if (dy < drop_speed) dy += 0.1f;
    y += dy;
    if (y > anchor_y + drop_depth) {
        dy = 0.0f;
        max_speed += turn_speed_gain;
        at_edge = false;
        // Back the way it came.
        if (direction == went_right) state = sweeping_left;
        if (direction == went_left) state = sweeping_right;
    }
}
