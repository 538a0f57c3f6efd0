#pragma once
// Stage 9: the star field under two pictures of its own drifting faster than the stars, one under
// the play and one over the ship; a lock-step grid of kind one in every phase among stage 4's
// formations, trains and stage 8's trio; the last ten of a phase hurry; Boss9 with its dialogues.
#include <array>

#include "bosses/boss9.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/formation_waves.h"

class StageNine : public FormationStage {
public:
    StageNine();
    ~StageNine() override;

    std::array<ColorStar, 100> stars;
    BITMAP* top = nullptr;
    BITMAP* bottom = nullptr;
    int top_row = 0, bottom_row = 0;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;
    void draw_over_ship() override;

private:
    // Still while the scroll stands; otherwise 2 and 1 px a step faster than it.
    void drift_pictures();
};

// The stage as a screen: it returns the upgrade store for stage 10, or the main menu after a quit.
NextScreen stage_nine(const ScreenArgs& args);
