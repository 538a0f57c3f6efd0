#include "enemies/enemy_twelve.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_twelve_strip, 1, 103, 130, 0,  // one hull frame of 103 x 130, facing down
    3, 4.0f, 40,                          // hit points, speed, reward
    {0, false, false},                    // nothing charged: it leaves at any edge
};
constexpr TankKind tank{
    // hit, turret and wheels pictures, turret mode, turret at, wheel w, h, wheels at
    "gfx/enemies/enemy_twelve/hit.png", "gfx/enemies/enemy_twelve/turret.png",
    "gfx/enemies/enemy_twelve/wheels.png", Turret::spins, {23.0f, 31.0f},
    20, 28, {{{13.0f, 23.0f}, {13.0f, 78.0f}, {73.0f, 23.0f}, {73.0f, 78.0f}}},
    true,  // shots over the hull
};
// Four shots at right angles, from the tank's centre, turned with the turret.
constexpr Gun<4> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_twelve_bullet_strip, 4.0f,
    {{{0.0f, 0.0f, 128.0f, bullet_diagonal}, {0.0f, 0.0f, 0.0f, bullet_diagonal},
      {0.0f, 0.0f, 64.0f, bullet_diagonal}, {0.0f, 0.0f, 192.0f, bullet_diagonal}}},
    200, "sfx/enemy_four_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};
constexpr int entries = 8;

}  // namespace

void EnemyTwelve::init(float, float) { build(kind, gun, tank); }

void EnemyTwelve::set_entry(int n_entry) { Tank::set_entry(n_entry, entries); }

void EnemyTwelve::update() {
    if (in_play) {
        fly_on();
        drive_step(kind, true);
        // The draw comes first, on every step; a dying tank still fires.
        if (one_in(gun.fire_chance)) {
            const Sprite& shot = bullets[0];
            fire_when_spent(gun, {turret.angle, static_cast<float>(w / 2 - shot.w / 2),
                                  static_cast<float>(h / 2 - shot.h / 2), 0.0f});
        }
    }
    out_of_play_step();
}

void EnemyTwelve::draw(BITMAP* target) { draw_tank(target, tank); }
