#pragma once
// Sweeps and wraps like kind three, banking as it goes, and fires a three-shot volley straight
// down, flashing as it does.
#include "enemies/wrapping_enemy.h"

class EnemyFour : public WrappingEnemy {
public:
    void init(float x0, float y0);
    void update();
};
