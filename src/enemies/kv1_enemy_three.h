#pragma once
// The KV1 formation kind that fires a fan of three.
#include "enemies/kv1_enemy.h"

class Kv1EnemyThree : public Kv1Enemy<3> {
public:
    void init(float x0, float y0);
    void update();
};
