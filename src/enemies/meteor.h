#pragma once
// A decorative rock that rides down with the scroll, drawn turned and scaled about its centre.
#include <allegro.h>

#include "engine/sprite.h"

class Meteor : public SpriteHead {
public:
    int state = 0;
    int angle = 0;  // drawing angle, Allegro units
    float scale = 1.0f;
    int x_min = 0, x_max = 0;
    int speed_class = 0;  // 2 draws the picture at 1.0, 3 the strip's frame at 1.5
    int last_scroll = 0;
    BITMAP* strip = nullptr;    // both point into "meteor.dat", shared by every meteor
    BITMAP* picture = nullptr;
    DATAFILE* datafile = nullptr;

    // At random within the columns x_min to x_max (less its width and 2) and the rows y_min to
    // y_max; at x_min when those columns are too few.
    void init(int new_x_min, int new_x_max, int y_min, int y_max);
    void scroll(int dy);
    void draw(BITMAP* target) const;
};
