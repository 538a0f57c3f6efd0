#pragma once
// A large craft that crosses the field on a slant from one of the top corners, in trains of five,
// taking aimed shots at the ship now and then.
#include "enemies/course_enemy.h"

class EnemySeven : public CourseEnemy<1> {
public:
    static constexpr float from_left = 24.0f;    // heading from the top-left corner
    static constexpr float from_right = 104.0f;  // heading from the top-right corner

    bool released = false;  // the stage lets it move
    bool entered = false;   // in view: it can be hit, and the next record may go

    void init(float x0, float y0);
    // Ready for a new pass from a corner picked at random.
    void reset();
    void update();

private:
    void pick_side();
    bool in_view() const;
    void take_aimed_shot();
};
