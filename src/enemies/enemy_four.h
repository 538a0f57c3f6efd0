#pragma once
// Sweeps and wraps like kind three, banking as it goes, and fires a three-shot volley straight
// down, flashing as it does.
#include <array>

#include "enemies/enemy.h"

class EnemyFour : public Enemy {
public:
    std::array<Sprite, 3> bullets;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* explosion_sound = nullptr;
    int steering = wrapping_left;  // a Steering

    void init(float x0, float y0);
    void update();
    void draw(BITMAP* target);

    void set_direction(int n) { steering = n; }
    void steer_left();
    void steer_right();

private:
    // Turns one bank frame toward `step` (-1 left, +1 right) every few steps.
    void bank(int step);
    void fire();
};
