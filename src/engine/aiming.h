#pragma once
// Headings toward a target and pictures turned to a heading, in Allegro angle units: 256 to a
// turn, 0 pointing right, 64 down the screen.
#include <allegro.h>

#include "engine/sprite.h"

// The heading from (from_x, from_y) toward (to_x, to_y), in 0 to 256.
float aimed_angle(float from_x, float from_y, float to_x, float to_y);

// Draws a picture that faces down at rest turned to `heading`, its top-left corner at (x, y)
// truncated; it turns about its centre.
void draw_rotated(BITMAP* target, BITMAP* picture, float x, float y, float heading);
// A part's current frame, turned to `heading`, at its position offset by (ox, oy): a turret on
// the body that carries it.
void draw_rotated(BITMAP* target, const SpriteHead& part, float heading, float ox, float oy);
