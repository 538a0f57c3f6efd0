#pragma once
// The unarmed target of the challenge stage: it drops in from above in trains of five, banks away
// to a random side at mid-field and pays nothing; every kill counts in the stage's tally instead.
#include "enemies/train_enemy.h"

// The challenge stage's kills: each record adds 1 as its death starts.
extern float enemies_hit;

class EnemyNine : public TrainEnemy<0> {
public:
    void init(float x0, float y0);
    // A new start above the field at a random x.
    void place();
    void update();
};
