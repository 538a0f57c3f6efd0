#pragma once
// The moving parts of a tank: a gun turret that aims at the ship or spins, and a wheel whose
// frames turn. Their positions are offsets from the tank's corner.
#include <allegro.h>

#include "engine/sprite.h"

class Turret : public SpriteHead {
public:
    enum Mode { aims = 1, spins = 2 };

    int mode = aims;
    BITMAP* picture = nullptr;  // not owned
    float angle = 0.0f;         // Allegro angle units; the picture points down at 64

    void init(BITMAP* new_picture, int new_mode);
    // One step: toward the ship from the turret's corner with the tank at (ox, oy), or a step
    // round for a spinning turret.
    void aim(float ox, float oy);
};

class Wheel : public SpriteHead {
public:
    enum Mode { plain = 1, mirrored = 3 };  // 1 and 2 plain, 3 and 4 mirrored left to right

    int mode = plain;
    BITMAP* picture = nullptr;  // not owned

    void init(BITMAP* new_picture, int new_mode, int n, int frame_width, int frame_height);
    void draw(BITMAP* target) const;
};
