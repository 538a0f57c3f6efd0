#pragma once
// Stage 3: down from the stars toward a sea planet, trains of kinds five to eight over the water
// among clouds and islands, and Boss3 with its two dialogues.
#include <array>

#include "bosses/boss3.h"
#include "enemies/backdrop.h"
#include "enemies/scenery.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/approach_stage.h"

class StageThree : public ApproachStage {
public:
    StageThree();
    ~StageThree() override;

    std::array<Star, 100> stars;
    std::array<Cloud, 15> clouds;
    std::array<Island, 4> islands;

    BossAdapter<Boss3>& boss3() const;

protected:
    void set_up_stage() override;
    void step_enemies() override;
    void step_scenery() override;
    void draw_scenery() override;
    void draw_enemies() override;
};

// The stage as a screen: it returns the challenge stage after 3, or the main menu after a quit.
NextScreen stage_three(const ScreenArgs& args);
