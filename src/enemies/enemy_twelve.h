#pragma once
// A tank that drives straight across the field from one of its edges, in fours, firing four shots
// at right angles from a turret that spins on its own.
#include "enemies/tank.h"

class EnemyTwelve : public Tank<4> {
public:
    void init(float x0, float y0);
    // Entries 1 to 8 round the edges of the field.
    void set_entry(int n_entry);
    void update();
    void draw(BITMAP* target);
};
