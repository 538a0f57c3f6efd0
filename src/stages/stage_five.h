#pragma once
// Stage 5: down toward a desert planet, trains of kinds five to seven with two tank pools that
// take turns, and the ground boss Boss5 with its two dialogues. The ship starts at gun level 4.
#include <array>

#include "bosses/boss5.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

class StageFive : public StageRunner {
public:
    enum Turn { twelves_turn = 1, elevens_turn = 2 };

    StageFive();
    ~StageFive() override;

    std::array<ColorStar, 100> stars;
    int turn = twelves_turn;  // the tank pool that moves; the other stands and waits

    BossAdapter<Boss5>& boss5() const;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;

private:
    void step_tanks();
    void take_tank_turns();
    void rearm_tanks();
};

// The stage as a screen: it returns the challenge stage after 5, or the main menu after a quit.
NextScreen stage_five(const ScreenArgs& args);
