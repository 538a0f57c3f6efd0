#pragma once
// A kind that flies straight legs at its speed along a heading from a start point, drawn turned
// to its heading. After a hit it shows its white hit picture for one drawn frame; a kind without
// one blinks out instead.
#include <cstddef>

#include "enemies/armed_enemy.h"

template <std::size_t n>
class CourseEnemy : public ArmedEnemy<n> {
public:
    float heading = heading_down;  // Allegro angle units, 64 straight down
    float travelled = 0.0f;        // along the current leg
    float start_x = 0.0f, start_y = 0.0f;
    BITMAP* hit_picture = nullptr;  // shared by the kind's records

    void draw(BITMAP* target);

protected:
    // Puts the record at the start of a new leg from (x0, y0).
    void start_from(float x0, float y0);
    // A new leg from where the record is.
    void start_leg() { start_from(this->x, this->y); }
    // One step along the leg: the position is worked out from the start point, so rounding
    // never builds up.
    void fly_on();
    // The body, or the hit picture once after a hit, turned to the heading.
    void draw_hull(BITMAP* target);
};

extern template class CourseEnemy<1>;
extern template class CourseEnemy<2>;
extern template class CourseEnemy<3>;
extern template class CourseEnemy<4>;
