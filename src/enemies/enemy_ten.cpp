#include "enemies/enemy_ten.h"

#include <algorithm>

#include "engine/loaders.h"
#include "engine/slots.h"

namespace {

constexpr EnemyKind kind{
    &enemy_ten_strip, 1, 117, 117, 0,  // one frame of 117 x 117, facing down
    4, 7.5f, 30,                       // hit points, speed, reward
    {0, false, false},                 // nothing charged: it leaves at any edge
};
// The fan: down and left, straight down, down and right.
constexpr Gun<3> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &enemy_ten_bullet_strip, 6.5f,
    {{{22.0f, 44.0f, 80.0f, bullet_down}, {49.0f, 44.0f, heading_down, bullet_down},
      {49.0f, 44.0f, 48.0f, bullet_down}}},
    1, "sfx/enemy_one_bullet.ogg", false, false,  // fires as it halts, shot as it plays, no flash
};

struct Lane {
    float start_x;
    float heading_after;  // where it veers to after the halt
};
constexpr Lane lanes[] = {{98.0f, 80.0f}, {262.5f, heading_down}, {427.0f, 48.0f}};
constexpr float veer_step = 8.0f;
constexpr int hold_steps = 10;  // the halt ends once past this many

}  // namespace

void EnemyTen::init(float x0, float y0) {
    build(kind, gun, x0, y0);
    x = static_cast<float>(random_range(100, 540 - w));
    y = static_cast<float>(-h);
    hold_line = 10.0f;
    bullets_out = false;
    heading = heading_down;
    hold_done = hold_ticks = 0;
    travelled = 0.0f;
    lane = 0;
}

void EnemyTen::reset() {
    Enemy::reset();
    state = dropping;
    hold_done = 0;
    heading = heading_down;
    travelled = 0.0f;
    hold_ticks = 0;
}

void EnemyTen::set_lane(int n) {
    lane = n;
    if (n >= 1 && n <= 3) x = lanes[n - 1].start_x;
    start_from(x, static_cast<float>(-h));
    hold_line = 10.0f;
}

void EnemyTen::update() {
    if (in_play) {
        dive();
        hold();
        leaving_step(kind.death, explosion_sound, false, true);
    }
    out_of_play_step();
}

void EnemyTen::dive() {
    if (hold_done == 0 && hold_ticks == 0) fly_on();
    if (hold_done == 0) return;
    if (lane >= 1 && lane <= 3) {
        // Veer a step at a time toward the lane's heading.
        const float target = lanes[lane - 1].heading_after;
        heading = heading < target ? std::min(heading + veer_step, target) : std::max(heading - veer_step, target);
    }
    fly_on();
}

void EnemyTen::hold() {
    if (y <= hold_line || hold_done != 0) return;
    start_leg();
    hold_ticks += 1;
    // The fan goes out even while the record is dying.
    fire_when_spent(gun);
    if (hold_ticks > hold_steps) hold_done = 1;
}
