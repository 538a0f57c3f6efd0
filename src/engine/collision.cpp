#include "engine/collision.h"

#include <algorithm>

int pixel_collision(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by) {
    if (ax + a->w <= bx || bx + b->w <= ax || ay + a->h <= by || by + b->h <= ay) return 0;
    int left = std::max(ax, bx);
    int right = std::min(ax + a->w, bx + b->w);
    int top = std::max(ay, by);
    int bottom = std::min(ay + a->h, by + b->h);
    int mask_a = bitmap_mask_color(a);
    int mask_b = bitmap_mask_color(b);
    for (int sx = left; sx < right; ++sx)
        for (int sy = top; sy < bottom; ++sy)
            if (getpixel(a, sx - ax, sy - ay) != mask_a && getpixel(b, sx - bx, sy - by) != mask_b) return 1;
    return 0;
}
