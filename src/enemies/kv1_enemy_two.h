#pragma once
// The KV1 kind that circles a fixed point above the ship, four at a time.
#include "enemies/kv1_enemy.h"

class Kv1EnemyTwo : public Kv1Enemy<1> {
public:
    float circle_angle = 0.0f;  // radians; its speed limit is the turn per step

    void init(float x0, float y0);
    // Puts the record on the circle at angle a.
    void place_on_circle(float a);
    void update();
};
