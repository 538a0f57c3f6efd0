#pragma once
// The boss of stage 8: a broad body that sweeps from side to side and bobs, fires fans of six and
// carries two gun turrets that send pairs of fast shots straight down.
#include <allegro.h>

#include <array>

#include "bosses/boss_gun_turret.h"
#include "bosses/boss_head.h"

class Boss8 : public FrameBoss {
public:
    static constexpr float stage_x = 168.5f;

    Boss8();

    std::array<BossGunTurret, 2> turrets;
    BITMAP* turret_picture = nullptr;

    void load();
    void update();
    void draw(BITMAP* dest);
};
