#pragma once
// Sweeps one way across the field, wrapping round its sides, and fires a three-way spread.
#include "enemies/wrapping_enemy.h"

class EnemyThree : public WrappingEnemy {
public:
    void init(float x0, float y0);
    void update();
};
