#include "enemies/kv1_enemy_two.h"

#include <cmath>

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &kv1_enemy_two_strip, 1, 64, 64, 0,  // one frame of 64 x 64
    0, 0.02f, 0,                         // hit points, radians per step, reward (unused)
    kv1_death,
};
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &kv1_enemy_two_bullet_strip, 4.0f,
    {{{2.0f, 64.0f, heading_down, bullet_down}}},
    1000, "sfx/enemy_one_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};

constexpr float centre_x = 320.0f;
constexpr float centre_y = 170.0f;
constexpr float radius = 150.0f;
constexpr float full_turn = 6.2831853f;

}  // namespace

void Kv1EnemyTwo::init(float x0, float y0) {
    build(kind, gun, x0, y0);
    circle_angle = 0.0f;
    in_play = true;
}

void Kv1EnemyTwo::place_on_circle(float a) {
    circle_angle = a;
    x = centre_x + radius * std::cos(a);
    y = centre_y + radius * std::sin(a);
}

void Kv1EnemyTwo::update() {
    if (!in_play) return;
    place_on_circle(circle_angle);
    circle_angle += max_speed;
    // A whole turn less is the same place, so the angle never grows without bound.
    if (circle_angle > full_turn) circle_angle -= full_turn;
    finish_step(gun, std::nullopt);
}
