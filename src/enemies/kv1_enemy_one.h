#pragma once
// The KV1 rocket ship: flies in formation, banking as it sweeps, with a flickering flame.
#include <array>

#include "enemies/kv1_enemy.h"

class Kv1EnemyOne : public Kv1Enemy<1> {
public:
    int thruster_frame = 0;  // 0 to 2
    int thruster_tick = 0;
    std::array<BITMAP*, 3> thruster_frames{};  // shared by every record

    void init(float x0, float y0);
    void update();
    void draw(BITMAP* target);
};
