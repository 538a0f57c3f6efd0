#include "engine/aiming.h"

float aimed_angle(float from_x, float from_y, float to_x, float to_y) {
    // fixatan2 answers -128 to 128; its low 24 bits are the same heading in 0 to 256.
    const fixed angle = fixatan2(ftofix(to_y - from_y), ftofix(to_x - from_x)) & 0xFFFFFF;
    return static_cast<float>(fixtof(angle));
}

void draw_rotated(BITMAP* target, BITMAP* picture, float x, float y, float heading) {
    // Pictures face down at rest: heading 64 must draw them unturned.
    rotate_sprite_anywhere(target, picture, static_cast<int>(x), static_cast<int>(y),
                  ftofix(heading) + ftofix(64) + ftofix(128));
}

void draw_rotated(BITMAP* target, const SpriteHead& part, float heading, float ox, float oy) {
    draw_rotated(target, part.current_frame(), static_cast<float>(static_cast<int>(part.x)) + ox,
                 static_cast<float>(static_cast<int>(part.y)) + oy, heading);
}
