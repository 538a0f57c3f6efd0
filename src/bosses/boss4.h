#pragma once
// The boss of stage 4 (and the third of stage 10): one body that sweeps from side to side, swings
// up and down through the top half of the screen and fires two fans of three at once. Found
// beaten by its own update, it starts its death itself.
#include <allegro.h>

#include "bosses/boss_head.h"

class Boss4 : public FrameBoss {
public:
    static constexpr float stage_x = 170.0f;

    Boss4();

    void update();
    void draw(BITMAP* dest);
};
