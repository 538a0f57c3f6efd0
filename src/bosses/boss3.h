#pragma once
// The boss of stage 3: a broad base sweeping from side to side near the top and bobbing, with fans
// of three from its middle and two turrets that fire bursts of shots straight down. Only the body
// takes hits.
#include <allegro.h>

#include <array>

#include "bosses/boss_gun_turret.h"
#include "bosses/boss_head.h"

class Boss3Turret : public BroadTurret {
public:
    static constexpr int pairs_per_burst = 5;

    int shot_index = 0;  // which shot leaves next
    float launch_y = 0.0f;
    int pairs_fired = 0;
    bool firing = false;
    std::array<Sprite, 2> shots;

    void init(BITMAP* sheet, int index, BITMAP* shot_picture);
    // The burst: started on a chance, then spaced shots from one muzzle, shot 1 after shot 0.
    void fire_volley(int bx, int by);
    // Mode 2 only moves the shots; otherwise they are hostile.
    void update(int mode);
    void draw(BITMAP* dest, float bx, float by, TurretMode mode) const;
};

class Boss3 : public FrameBoss {
public:
    static constexpr float stage_x = 168.5f;

    Boss3();

    std::array<Boss3Turret, 2> turrets;
    BITMAP* turret_picture = nullptr;

    void load();
    void update();
    void draw(BITMAP* dest);
};
