#pragma once
// Stage 6: the star field with fifty scaled rocks drifting far to near, stage 4's formations and
// trains, and Boss6 with its two dialogues.
#include <array>

#include "bosses/boss6.h"
#include "enemies/backdrop.h"
#include "engine/screen_flow.h"
#include "stages/formation_waves.h"

class StageSix : public FormationStage {
public:
    StageSix();

    std::array<BackdropMeteor, 50> meteors;

protected:
    void set_up_with_star(std::size_t i) override;
    void step_scenery() override;
    void draw_scenery() override;
};

// The stage as a screen: it returns the upgrade store for stage 7, or the main menu after a quit.
NextScreen stage_six(const ScreenArgs& args);
