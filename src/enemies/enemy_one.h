#pragma once
// A small ship that flies in formation: it sweeps sideways, and at the edge the whole formation
// drops a row and turns, a little faster each time.
#include "enemies/enemy.h"

class EnemyOne : public Enemy {
public:
    Sprite bullet;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* explosion_sound = nullptr;

    void init(float x0, float y0);
    void update();
    void draw(BITMAP* target);

    void steer_left();
    void steer_right();
    void drop();

private:
    void reach_edge();
    void fire();
};
