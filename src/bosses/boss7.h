#pragma once
// The boss of stage 7: a body hanging between two rails that come down with the scenery. It
// bobs, fires fans of three from its middle and carries three small turrets that can be shot
// away one by one; only the body's own damage beats it.
#include <allegro.h>

#include <array>

#include "bosses/boss_head.h"
#include "bosses/boss_turrets.h"

class Boss7 : public FrameBoss {
public:
    static constexpr float stage_x = 170.5f;

    Boss7();

    std::array<BossTurret, 3> turrets;
    BITMAP* rail_picture = nullptr;
    float rail_y = 0.0f;  // the top of both rails; never below the top edge

    void load();
    // It never moves sideways: only the death and the fade.
    void update_state() { step_state(nullptr); }
    void update();
    void draw(BITMAP* dest);
    void set_rail_y(float new_y) { rail_y = new_y; }
    // The rails come down with the scenery until their tops reach the top edge.
    void scroll_rail(int dy);
};
