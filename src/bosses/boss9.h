#pragma once
// The boss of stage 9: a body on a rail across the screen, sweeping from side to side, firing
// fans of six and carrying one gun turret whose pairs leave as soon as they are free.
#include <allegro.h>

#include "bosses/boss_gun_turret.h"
#include "bosses/boss_head.h"

class Boss9 : public FrameBoss {
public:
    static constexpr float stage_x = 131.0f;

    Boss9();

    BossGunTurret turret;
    BITMAP* rail_picture = nullptr;
    BITMAP* turret_picture = nullptr;
    BITMAP* side_picture = nullptr;

    void load();
    void update();
    void draw(BITMAP* dest);
};
