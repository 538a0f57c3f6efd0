#pragma once
// Stage 1: a star field past a turning planet and a moon, four waves of kinds one to four
// marching as one formation, a meteor field, and Boss1 with its two dialogues.
#include <array>

#include "enemies/meteor.h"
#include "enemies/stars.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

class StageOne : public StageRunner {
public:
    static constexpr int star_count = 100;
    static constexpr int meteor_count = 40;

    StageOne();
    ~StageOne() override;

    std::array<ColorStar, star_count> stars;
    std::array<Meteor, meteor_count> meteors;
    int earth_x = 0, earth_y = 0;  // top-left corner of the planet
    float earth_angle = 0.0f;      // Allegro angle units

    BossAdapter<Boss1>& boss1() const;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;

private:
    void turn_planet();
};

// The stage as a screen: it returns the upgrade store for stage 2, or the main menu after a quit.
NextScreen stage_one(const ScreenArgs& args);
