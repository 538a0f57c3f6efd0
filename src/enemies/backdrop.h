#pragma once
// Records that drift down behind the play at a pace tied to the stage's scroll: rocks, clouds
// and debris. None of them collides with anything. Stages hold them as local arrays, call
// `init` once, `update` every logic step with the scroll and `draw` every drawn frame.
#include <allegro.h>

#include "enemies/scroll_pace.h"
#include "engine/sprite.h"

// What sets a backdrop kind apart.
struct BackdropLook {
    BITMAP** pictures;  // the slot array of its pictures
    int kinds;          // how many
    int respawn_rise;   // comes back this many picture heights above the top
    bool leaves_whole;  // recycles only once wholly below the screen, not as its top passes
};

class Backdrop : public SpriteHead {
public:
    BITMAP* picture = nullptr;
    float scale = 1.0f;  // rocks drawn scaled
    int kind = 0;        // the picture
    bool hidden = false;
    ScrollPace pace;
    bool recycling = false;  // comes back at the top after leaving the bottom
    float alpha = 0.0f;      // translucency given by the stage; only clouds use it
    int scaled = 0;          // 1: drawn scaled
    int speed_class = 0;     // rocks: 1 to 3, choosing the scale

    // One logic step at scroll v. Past the bottom a recycling record comes back at the top;
    // one that does not is parked at row 480, and never starts moving by itself.
    void update(int v, float a);
    // A new picture and pace, just above the top.
    void respawn(int v);

protected:
    explicit Backdrop(const BackdropLook& look) : look_(look) {}

    void choose_kind();
    // Placement 0: above the screen, waiting for its owner; 1: on the screen, recycling.
    void place(int placement);
    // Rocks and debris: plain, or scaled when `scaled`, while some of the picture may show.
    void draw_piece(BITMAP* target) const;
    void choose_speed_class();

private:

    const BackdropLook& look_;
};

class BackdropMeteor : public Backdrop {
public:
    BackdropMeteor();
    void init(int placement, int scaled_draw);
    void draw(BITMAP* target) const { draw_piece(target); }
};

class Cloud : public Backdrop {
public:
    Cloud();
    // Anywhere on or just off the screen; clouds always recycle.
    void init();
    // Translucent by the alpha of the last update.
    void draw(BITMAP* target) const;
};

class Debris : public Backdrop {
public:
    Debris();
    void init(int placement);
    void set_recycling() { recycling = true; }
    void draw(BITMAP* target) const { draw_piece(target); }
};
