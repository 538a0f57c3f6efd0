#include "enemies/enemy_eight.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_eight_strip, 5, 76, 105, 2,  // five bank poses of 76 x 105, level first
    5, 5.5f, 25,                        // hit points, speed, reward
    {0, false, false},                  // nothing charged: it leaves at any edge
};
constexpr Gun<2> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_eight_bullet_strip, 5.75f,
    {{{22.0f, 44.0f, heading_down, bullet_down}, {49.0f, 44.0f, heading_down, bullet_down}}},
    1, "sfx/enemy_four_bullet.ogg", false, false,  // fires at its line, shot as it plays, no flash
};
// {climbs, entry depth, hit depth, turn}
constexpr TrainRoute route{true, 0.0f, 5.0f, TrainTurn::at_random};

}  // namespace

void EnemyEight::init(float x0, float y0) { build(kind, gun, route, x0, y0); }

void EnemyEight::place() { start_at(static_cast<float>(playfield_height)); }

void EnemyEight::update() { step(kind, gun, route); }
