#pragma once
// The stages that fly down to a planet (3, 5 and 7): the ship and the boss, the stage's enemies,
// the approach with its colour stars and scenery, the trains relaunched, the phases, the fight and
// the approach rows; drawn as stars, ground, scenery, planet, then the enemies.
#include <array>
#include <vector>

#include "enemies/stars.h"
#include "stages/stage_runner.h"

namespace planet_approach {

enum Mark { phase1_mark, phase2_mark, phase3_mark, phase4_mark, boss_mark };

// The phases' and the boss's marks, with no pictures: the approach draws the scenery.
std::vector<ScrollMark> marks();

}  // namespace planet_approach

class ApproachStage : public StageRunner {
public:
    using StageRunner::StageRunner;

    std::array<ColorStar, 100> color_stars;

protected:
    void play() final;
    void draw_layers() final;

    // The boss's state, then its step.
    virtual void step_boss();
    virtual void step_enemies() = 0;
    // What the stage adds to the approach, stepped after the colour stars and drawn over the ground.
    virtual void step_scenery() {}
    virtual void draw_scenery() {}
    virtual void draw_enemies() = 0;
    // After the trains are relaunched, before the phases start.
    virtual void take_turns() {}
    // On the step a phase ends, once the phase's own end is done.
    virtual void phase_ended() {}
};
