#include "enemies/enemy_nine.h"

#include "engine/slots.h"

float enemies_hit = 0.0f;

namespace {

constexpr EnemyKind kind{
    &enemy_nine_strip, 5, 83, 83, 2,  // five bank poses of 83 x 83, level first
    4, 4.0f, 0,                       // hit points, speed, reward
    {0, false, false},                // nothing charged: it leaves at any edge
};
// No shots; the sound is opened like every kind's but never played.
// {bullet strip, speed, muzzles, chance, sound, sound at master volume, flashes}
constexpr Gun<0> gun{nullptr, 0.0f, {}, 1, "sfx/enemy_one_bullet.ogg", false, false};
// Out of reach until well in view.
// {climbs, entry depth, hit depth, turn}
constexpr TrainRoute route{false, 50.0f, 50.0f, TrainTurn::at_random};

}  // namespace

void EnemyNine::init(float x0, float y0) { build(kind, gun, route, x0, y0); }

void EnemyNine::place() { start_at(static_cast<float>(-h)); }

void EnemyNine::update() {
    if (step(kind, gun, route)) enemies_hit += 1.0f;
}
