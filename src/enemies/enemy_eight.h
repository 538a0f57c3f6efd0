#pragma once
// A train craft that climbs in from below the field, fires two shots straight down as it passes
// mid-field and banks away to a random side.
#include "enemies/train_enemy.h"

class EnemyEight : public TrainEnemy<2> {
public:
    void init(float x0, float y0);
    // A new start below the field at a random x.
    void place();
    void update();
};
