#include "enemies/wrapping_enemy.h"

void WrappingEnemy::build(const EnemyKind& kind, const Gun<3>& gun, float x0, float y0) {
    ArmedEnemy::build(kind, gun, x0, y0);
    steering = wrapping_left;
}

void WrappingEnemy::steer() {
    switch (steering) {
    case wrapping_left: steer_left(); break;
    case wrapping_right: steer_right(); break;
    }
}

void WrappingEnemy::steer_left() {
    accelerate_left();
    bank(-1, ticks_per_frame);
    if (x < static_cast<float>(-w)) x = field_right;
}

void WrappingEnemy::steer_right() {
    accelerate_right();
    bank(+1, ticks_per_frame);
    if (x > field_right) x = static_cast<float>(-w);
}
