#pragma once
// What the scenery, star and pick-up records load for themselves: each file once per run, shared
// by every record, so entering a stage again opens nothing new. And the translucent draw of the
// pieces that fade in with the ground.
#include <allegro.h>

// The picture at `path`, loaded on first use (a failure ends the game) and kept for the run.
BITMAP* shared_picture(const char* path);
// The datafile at `path`, loaded the same way.
DATAFILE* shared_datafile(const char* path);
// Object 0 of the datafile nested as object `index` of `datafile`.
BITMAP* nested_picture(const DATAFILE* datafile, int index);

// Makes `copy` a copy of `source` that the caller owns, releasing the copy it held before.
void renew_copy(BITMAP*& copy, BITMAP* source);

// Allegro's pivot_scaled_sprite and rotate_scaled_sprite, for pictures that may lie partly off
// the top or left: Allegro's inline forms shift negative coordinates, which C++ leaves undefined.
void pivot_scaled(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle, fixed scale);
void rotate_scaled(BITMAP* target, BITMAP* sprite, int x, int y, fixed angle, fixed scale);

// Translucent by `alpha`, masked at 255, nothing at 0; only while -h < y < 480, where some of
// the picture may show.
void draw_with_alpha(BITMAP* target, BITMAP* picture, float x, float y, float alpha);
