#pragma once
// The boss of stage 6: an armoured body circling a centre that sweeps from side to side, a small
// head that alone takes damage, and four legs at its corners that fire fans of four.
#include <allegro.h>

#include <array>

#include "bosses/boss_head.h"

class Boss6Leg : public SpriteHead {
public:
    static constexpr int shot_count = 4;
    static constexpr int volley_chance = 300;

    int id = 1;  // 1 to 4, which also mirrors the picture
    std::array<Sprite, shot_count> leg_bullets;
    BITMAP* broken_picture = nullptr;  // the boss's; the fight never breaks a leg

    // Mode 2 only moves the shots; mode 1 flies them as harmful shots.
    void update(int mode);
    void volley(int bx, int by);
    void draw(BITMAP* dest, int bx, int by) const;
};

class Boss6 : public FrameBoss {
public:
    static constexpr int head_x = 55, head_y = 205;

    Boss6();

    std::array<Boss6Leg, 4> legs;
    BITMAP* leg_picture = nullptr;
    BITMAP* head = nullptr;
    float circle_angle = 96.0f;
    float circle_centre_x = 0.0f;

    void load();
    // The stage's x is the centre of the circle.
    void set_position(float new_x, float new_y);
    void update_state() { step_state(&circle_centre_x); }
    void update();
    void draw(BITMAP* dest);

private:
    void circle();
};
