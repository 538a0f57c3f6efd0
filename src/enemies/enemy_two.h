#pragma once
// A large ship with no steering of its own: it rides the scroll and fires straight down.
#include "enemies/armed_enemy.h"

class EnemyTwo : public ArmedEnemy<1> {
public:
    void init(float x0, float y0);
    void update();
};
