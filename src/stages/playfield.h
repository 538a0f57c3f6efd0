#pragma once
// The field every stage plays on, and the one way its pictures are laid over it.
#include <allegro.h>

constexpr int screen_w = 640;
constexpr int screen_h = 480;
constexpr int last_row = 479;  // a scrolling row below it is off the field

// The whole picture onto `dest` at (x, y), mask colour left out.
void draw_masked(BITMAP* picture, BITMAP* dest, int x, int y);
