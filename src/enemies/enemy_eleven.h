#pragma once
// A tank that rolls in from the top in threes, swings onto a slant once 100 pixels down and fires
// one aimed pair of shots a pass from a turret that follows the ship.
#include "enemies/tank.h"

class EnemyEleven : public Tank<2> {
public:
    float turn_line = 100.0f;  // it swings once below this
    int shots_fired = 0;       // pairs fired this pass

    void init(float x0, float y0);
    void reset();
    // Entries 1 to 3: from the top left, centre and right.
    void set_entry(int n_entry);
    void update();
    void draw(BITMAP* target);

private:
    void swing();
    void fire_pair();
};
