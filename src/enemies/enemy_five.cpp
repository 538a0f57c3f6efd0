#include "enemies/enemy_five.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_five_strip, 5, 94, 94, 2,  // five bank poses of 94 x 94, level first
    3, 4.0f, 15,                      // hit points, speed, reward
    {0, false, false},                // nothing charged: it leaves at any edge
};
constexpr Gun<2> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_five_bullet_strip, 4.0f,
    {{{32.0f, 58.0f, heading_down, bullet_up}, {55.0f, 58.0f, heading_down, bullet_up}}},
    1, "sfx/enemy_one_bullet.ogg", false, false,  // fires at its line, shot as it plays, no flash
};
// {climbs, entry depth, hit depth, turn}
constexpr TrainRoute route{false, 0.0f, 5.0f, TrainTurn::to_other_half};

}  // namespace

void EnemyFive::init(float x0, float y0) { build(kind, gun, route, x0, y0); }

void EnemyFive::place(float, float y0) { start_at(y0 - static_cast<float>(h)); }

void EnemyFive::update() { step(kind, gun, route); }
