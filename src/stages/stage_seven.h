#pragma once
// Stage 7: down toward a forest planet, trains of kinds five to eight with the kind-ten trio,
// and Boss7 on its rails with its two dialogues.
#include "bosses/boss7.h"
#include "engine/screen_flow.h"
#include "stages/approach_stage.h"

class StageSeven : public ApproachStage {
public:
    StageSeven();
    ~StageSeven() override;

protected:
    void set_up_stage() override;
    void step_enemies() override;
    void draw_enemies() override;
};

// The stage as a screen: it returns the challenge stage after 7, or the main menu after a quit.
NextScreen stage_seven(const ScreenArgs& args);
