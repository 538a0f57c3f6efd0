#pragma once
// Stage 4: star fields and the far planets again, a pick-up half-way, formations of kinds two to
// four among the trains of kinds five to eight, and Boss4 with its two dialogues.
#include <array>

#include "bosses/boss4.h"
#include "enemies/backdrop.h"
#include "enemies/meteor.h"
#include "enemies/power_up.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/formation_waves.h"

class StageFour : public StageRunner {
public:
    StageFour();
    ~StageFour() override;

    std::array<ColorStar, 100> stars;
    std::array<Debris, 10> debris;
    std::array<Meteor, 40> meteors;  // ride the scroll unseen
    PowerUp pick_up;

    BossAdapter<Boss4>& boss4() const;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;
    void draw_over_ship() override;

private:
    void set_up_pools();
};

// The stage as a screen: it returns the upgrade store for stage 5, or the main menu after a quit.
NextScreen stage_four(const ScreenArgs& args);
