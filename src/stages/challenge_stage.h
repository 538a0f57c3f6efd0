#pragma once
// The bonus stage after stages 3, 5 and 7: unarmed trains fly through, and the share of them shot
// down is paid out as bonus money on the results.
#include <array>

#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

struct ChallengeRow;

class ChallengeStage : public StageRunner {
public:
    static constexpr int first_line_ticks = 120, second_line_ticks = 170, ratio_ticks = 220;
    static constexpr int paid_ticks = 226;

    explicit ChallengeStage(int prev);
    ~ChallengeStage() override;

    // The share hit in whole percent, and the bonus it pays.
    static int percent(float enemies_hit, float enemies_launched);
    static int bonus(int percent);

    const ChallengeRow& row;
    int launch_mark = -1440;
    int train_launched = 0;
    int train_relaunches = 0;
    float enemies_launched = 0.0f;
    float hit_ratio = 0.0f;
    int results_ticks = 0;
    std::array<int, 2> rows{-480, 0};
    std::array<int, 2> ground_pick{0, 1};
    std::array<Star, 100> stars;
    std::array<BITMAP*, 3> backdrops{};

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;
    void draw_over_ship() override;

private:
    bool results_due() const;
    void move_rows();
    void draw_results();

    int entry_stage;
};

NextScreen challenge_stage(const ScreenArgs& args);
