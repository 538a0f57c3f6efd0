#pragma once
// A fast heavy craft that comes in threes, one per lane: it dives in from above, halts just inside
// the field while it fires a fan of three, then dives on, the outer lanes veering outward.
#include "enemies/course_enemy.h"

class EnemyTen : public CourseEnemy<3> {
public:
    int lane = 0;             // 1 left, 2 middle, 3 right; 0 until set
    int hold_done = 0;        // 1 once the halt is over
    float hold_line = 10.0f;  // it halts once below this
    int hold_ticks = 0;       // steps spent halted

    void init(float x0, float y0);
    void reset();
    // Puts the record above the field at its lane's x; other lanes keep the x it has.
    void set_lane(int n);
    void update();

private:
    // Down to the hold line; once the halt is over, on along the lane's slant.
    void dive();
    // Past the hold line: held still for a while, firing its fan when the last one is spent.
    void hold();
};
