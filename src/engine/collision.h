#pragma once
// Pixel-perfect hit test of two bitmaps placed at two positions.
#include <allegro.h>

// 1 when some position holds a pixel of a (drawn at ax, ay) and of b (at bx, by) that are both
// not their bitmap's mask colour, else 0. Boxes that only touch never collide.
int pixel_collision(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by);
