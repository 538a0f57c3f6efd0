#include "enemies/enemy_six.h"

#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_six_strip, 5, 85, 85, 2,  // five bank poses of 85 x 85, level first
    3, 4.2f, 15,                     // hit points, speed, reward
    {0, false, false},               // nothing charged: it leaves at any edge
};
constexpr Gun<2> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_six_bullet_strip, 4.1f,
    {{{22.0f, 44.0f, heading_down, bullet_up}, {49.0f, 44.0f, heading_down, bullet_up}}},
    1, "sfx/enemy_one_bullet.ogg", false, false,  // fires at its line, shot as it plays, no flash
    2,                                            // each shot costs the shield two
};
// {climbs, entry depth, hit depth, turn}
constexpr TrainRoute route{false, 0.0f, 5.0f, TrainTurn::to_own_edge};

}  // namespace

void EnemySix::init(float x0, float y0) { build(kind, gun, route, x0, y0); }

void EnemySix::place(float, float y0) { start_at(y0 - static_cast<float>(h)); }

void EnemySix::update() { step(kind, gun, route); }
