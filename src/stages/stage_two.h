#pragma once
// Stage 2: the star field again, four waves of one lock-step formation of kinds one to four
// (only the first kind turns the formation), drifting rocks, and Boss2 with its two dialogues.
#include <array>

#include "enemies/backdrop.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

class StageTwo : public StageRunner {
public:
    static constexpr int star_count = 100;
    static constexpr int meteor_count = 40;

    StageTwo();

    std::array<ColorStar, star_count> stars;
    std::array<BackdropMeteor, meteor_count> meteors;

    BossAdapter<Boss2>& boss2() const;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;

private:
    void set_up_pools();
};

// The stage as a screen: it returns the upgrade store for stage 3, or the main menu after a quit.
NextScreen stage_two(const ScreenArgs& args);
