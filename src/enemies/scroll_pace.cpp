#include "enemies/scroll_pace.h"

#include "engine/loaders.h"

void ScrollPace::renew(int v) { step = v > 0 ? random_range(v + 1, 2 * v) : 0; }

int ScrollPace::advance(int v, bool starts) {
    scroll = v;
    if (!moving) {
        renew(v);
        moving = starts;
    }
    int moved = 0;
    if (moving) {
        if (v == 0) {
            step = 0;
            moving = false;
        } else if (v != last_scroll) {
            renew(v);
        }
        moved = step;
    }
    last_scroll = v;
    return moved;
}
