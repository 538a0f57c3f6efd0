#pragma once
// Stage 5: down toward a desert planet, trains of kinds five to seven with two tank pools that
// take turns, and the ground boss Boss5 with its two dialogues. The ship starts at gun level 4.
#include "bosses/boss5.h"
#include "engine/screen_flow.h"
#include "stages/approach_stage.h"

class StageFive : public ApproachStage {
public:
    enum Turn { twelves_turn = 1, elevens_turn = 2 };

    StageFive();
    ~StageFive() override;

    int turn = twelves_turn;  // the tank pool that moves; the other stands and waits

    BossAdapter<Boss5>& boss5() const;

protected:
    void set_up_stage() override;
    // The ground boss's state is left as it stands.
    void step_boss() override;
    void step_enemies() override;
    void draw_enemies() override;
    // The tank pools take turns.
    void take_turns() override;
    // Until the last phase, the tanks' ways in and turn are drawn anew.
    void phase_ended() override;
};

// The stage as a screen: it returns the challenge stage after 5, or the main menu after a quit.
NextScreen stage_five(const ScreenArgs& args);
