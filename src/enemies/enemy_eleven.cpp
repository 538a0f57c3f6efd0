#include "enemies/enemy_eleven.h"

#include <algorithm>

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_eleven_strip, 1, 108, 139, 0,  // one hull frame of 108 x 139, facing down
    2, 4.0f, 40,                          // hit points, speed, reward
    {0, false, false},                    // nothing charged: it leaves at any edge
};
constexpr TankKind tank{
    // hit, turret and wheels pictures, turret mode, turret at, wheel w, h, wheels at
    "gfx/enemies/enemy_eleven/hit.png", "gfx/enemies/enemy_eleven/turret.png",
    "gfx/enemies/enemy_eleven/wheels.png", Turret::aims, {38.0f, 30.0f},
    10, 29, {{{14.0f, 36.0f}, {21.0f, 78.0f}, {81.0f, 36.0f}, {76.0f, 78.0f}}},
    false,  // shots under the hull
};
// The turret's two barrels; the pair leaves along the turret's aim.
constexpr Gun<2> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_eleven_bullet_strip, 5.0f,
    {{{tank.turret_at.x + 5.0f, tank.turret_at.y, 0.0f, bullet_up},
      {tank.turret_at.x + 17.0f, tank.turret_at.y, 0.0f, bullet_up}}},
    400, "sfx/enemy_three_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};
constexpr int entries = 3;

// Each side swings 5 units a step until it runs on its slant.
constexpr float swing_step = 5.0f;
constexpr float from_left = 24.0f, left_slant = 96.0f;
constexpr float from_right = 104.0f, right_slant = 32.0f;

}  // namespace

void EnemyEleven::init(float, float) {
    build(kind, gun, tank);
    turn_line = 100.0f;
    shots_fired = 0;
}

void EnemyEleven::reset() {
    Tank::reset();
    shots_fired = 0;
}

void EnemyEleven::set_entry(int n_entry) {
    start_y = y = static_cast<float>(-h);
    Tank::set_entry(n_entry, entries);
    turn_line = 100.0f;
}

void EnemyEleven::update() {
    if (in_play) {
        fly_on();
        swing();
        drive_step(kind, false);
        fire_pair();
    }
    out_of_play_step();
}

void EnemyEleven::swing() {
    if (y <= turn_line) return;
    switch (entry) {
    case 1:
        heading += swing_step;
        // Each step of the swing is a new short leg; the last runs on.
        if (heading < left_slant) start_leg();
        heading = std::min(heading, left_slant);
        break;
    case 2: heading = heading_down; break;
    case 3:
        heading -= swing_step;
        if (heading > right_slant) start_leg();
        heading = std::max(heading, right_slant);
        break;
    }
}

void EnemyEleven::fire_pair() {
    // The draw comes first, on every step; a dying tank still fires.
    if (!one_in(gun.fire_chance) || shots_fired != 0) return;
    // The shots appear at the barrels' tips.
    if (fire_when_spent(gun, {turret.angle, 0.0f, 0.0f, static_cast<float>(turret_picture->h)})) shots_fired += 1;
}

void EnemyEleven::draw(BITMAP* target) { draw_tank(target, tank); }
