#pragma once
// Stage 8: the star field crossed by forty drifting rocks, stage 4's formations and trains with a
// trio of kind ten on three lanes, and Boss8 with its two dialogues.
#include <array>

#include "bosses/boss8.h"
#include "enemies/backdrop.h"
#include "engine/screen_flow.h"
#include "stages/formation_waves.h"

class StageEight : public FormationStage {
public:
    StageEight();

    std::array<BackdropMeteor, 40> meteors;

protected:
    void set_up_with_star(std::size_t i) override;
    void step_scenery() override;
    void draw_scenery() override;
};

// The stage as a screen: it returns the upgrade store for stage 9, or the main menu after a quit.
NextScreen stage_eight(const ScreenArgs& args);
