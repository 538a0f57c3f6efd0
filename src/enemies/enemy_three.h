#pragma once
// Sweeps one way across the field, wrapping round its sides, and fires a three-way spread.
#include <array>

#include "enemies/enemy.h"

class EnemyThree : public Enemy {
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
    void fire();
};
