#pragma once
// Stage 7: down toward a forest planet, trains of kinds five to eight with the kind-ten trio,
// and Boss7 on its rails with its two dialogues.
#include <array>

#include "bosses/boss7.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

class StageSeven : public StageRunner {
public:
    StageSeven();
    ~StageSeven() override;

    std::array<ColorStar, 100> stars;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;
};

// The stage as a screen: it returns the challenge stage after 7, or the main menu after a quit.
NextScreen stage_seven(const ScreenArgs& args);
