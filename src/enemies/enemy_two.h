#pragma once
// A large ship with no steering of its own: it rides the scroll and fires straight down.
#include "enemies/enemy.h"

class EnemyTwo : public Enemy {
public:
    Sprite bullet;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* explosion_sound = nullptr;

    void init(float x0, float y0);
    void update();
    void draw(BITMAP* target);

private:
    void fire();
};
