#pragma once
// A train craft that drops in from above, fires two heavy shots straight down at mid-field and
// banks away toward its own edge.
#include "enemies/train_enemy.h"

class EnemySix : public TrainEnemy<2> {
public:
    void init(float x0, float y0);
    // A new start above the field at a random x; the x given is not used.
    void place(float x0, float y0);
    void update();
};
