#pragma once
// The one explosion animation: thirteen frames of 68x64, a frame every two logic steps, in mode 2
// with a flash that grows and then opens into a widening transparent ring.
#include <allegro.h>

#include "engine/sprite.h"

enum ExplosionMode { explosion_scaled = 1, explosion_flash = 2 };

class Explosion : public SpriteHead {
public:
    Explosion() = default;
    ~Explosion();

    bool active = false;
    BITMAP* flash = nullptr;  // scratch picture of the flash, owned; mode 2 only
    float alpha = 0.0f;       // growth of the flash, 0 to 1
    int mode = 0;             // an ExplosionMode
    int ring = 0;             // radius growth of the hole in the flash, pixels
    int rounds = 0;           // flashes completed
    float scale = 1.0f;       // size of the frames in mode 1

    // Set-up at (x, y): the centre in mode 1, the frame's top-left corner in mode 2.
    void init(float x, float y, int new_mode);
    void set_scale(float v) { scale = v; }
    // Restarts the flash; the frames go on from where they are.
    void start();
    void stop() { active = false; }
    // One logic step; the explosion stops itself after its 26th.
    void animate();
    void draw(BITMAP* dest);
};
