#pragma once
// A small ship that flies in formation: it sweeps sideways, and at the edge the whole formation
// drops a row and turns, a little faster each time.
#include "enemies/armed_enemy.h"

class EnemyOne : public ArmedEnemy<1> {
public:
    void init(float x0, float y0);
    void update();
};
