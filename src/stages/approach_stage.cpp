#include "stages/approach_stage.h"

#include "engine/game_state.h"
#include "engine/timing.h"

std::vector<ScrollMark> planet_approach::marks() {
    std::vector<ScrollMark> rows;
    for (int start : {-1440, -3360, -5280, -7200, -10080}) rows.push_back({start, nullptr, ScrollMark::none, 0, 0});
    return rows;
}

void ApproachStage::play() {
    fly_ship();
    step_boss();
    step_enemies();
    approach();
    for (ColorStar& star : color_stars) star.update(scroll_speed);
    step_scenery();
    speed_up();
    relaunch_trains();
    take_turns();
    start_phases();
    if (end_phase_on_quota()) phase_ended();
    close_step();
    move_approach_rows();
}

void ApproachStage::step_boss() {
    boss->update_state();
    boss->update();
}

void ApproachStage::draw_layers() {
    draw_approach_stars();
    for (const ColorStar& star : color_stars) star.draw(buffer);
    draw_ground();
    draw_scenery();
    draw_planet();
    draw_enemies();
}
