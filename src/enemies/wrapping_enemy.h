#pragma once
// A kind that sweeps one way across the field, wrapping round its sides, and fires a volley of
// three. A kind with bank poses turns through them as it steers.
#include "enemies/armed_enemy.h"

class WrappingEnemy : public ArmedEnemy<3> {
public:
    int steering = wrapping_left;  // a Steering

    void set_direction(int n) { steering = n; }
    void steer_left();
    void steer_right();

protected:
    void build(const EnemyKind& kind, const Gun<3>& gun, float x0, float y0);
    // Steers as `steering` says.
    void steer();
};
