#pragma once
// The small KV1 formation ship.
#include "enemies/kv1_enemy.h"

class Kv1EnemyFour : public Kv1Enemy<1> {
public:
    void init(float x0, float y0);
    void update();
};
