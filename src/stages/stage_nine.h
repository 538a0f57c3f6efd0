#pragma once
// Stage 9: the star field under two pictures of its own drifting faster than the stars, one under
// the play and one over the ship; a lock-step grid of kind one in every phase among stage 4's
// formations, trains and stage 8's trio; the last ten of a phase hurry; Boss9 with its dialogues.
#include "bosses/boss9.h"
#include "engine/screen_flow.h"
#include "stages/formation_waves.h"

class StageNine : public FormationStage {
public:
    StageNine();
    ~StageNine() override;

    BITMAP* top = nullptr;
    BITMAP* bottom = nullptr;
    int top_row = 0, bottom_row = 0;

protected:
    void set_up_scenery() override;
    void draw_scenery() override;
    void after_scroll() override;
    void draw_over_ship() override;
};

// The stage as a screen: it returns the upgrade store for stage 10, or the main menu after a quit.
NextScreen stage_nine(const ScreenArgs& args);
