#pragma once
// The fourteen-mark star-field stages from stage 4 on: kinds two to four in formation among the
// trains of kinds five to eight, four phases, white fades. Stages 6, 8 and 9 run as a
// `FormationStage`; stage 8 adds a trio of kind ten, stage 9 the trio and a lock-step grid of kind
// one. Each stage adds its backdrop, its scenery and its boss. Stage 4, which sets up and steps its
// scenery in between, shares the waves alone.
#include <array>
#include <vector>

#include "enemies/stars.h"
#include "stages/stage_runner.h"

namespace formation_waves {

// The marks, in drawing order.
enum Mark { m1, m2, m3, boss_mark, w1, s1, s2, w3, s3, s4, w2, m14, m12, w4 };

extern const Group twos_first, twos_last;
extern const Groups formations;
extern const Groups trains;  // in the order they move
// Kinds two to four waiting below their marks, with their bonus.
extern const std::array<StartRow, 6> start_rows;
extern const Group trio;  // kind ten, one a lane
extern const Group grid;  // kind one, four rows of nine
extern const Placement grid_rearmed;

struct Extras {
    bool trio;
    bool grid;
    float boss_x;
    int boss_below_mark;
    bool holds_last_count = false;  // the last phase leaves a count standing, as the grid does
};

// Stars at marks 1 to 13, with `last` (the fourteenth mark's picture) drawn before marks 12, 13.
std::vector<ScrollMark> star_marks(BITMAP* const* last);
std::vector<WavePhase> phases(Extras extras);

}  // namespace formation_waves

class FormationStage : public StageRunner {
public:
    FormationStage(const StageData& data, std::unique_ptr<StageBoss> boss, formation_waves::Extras extras);

    const formation_waves::Extras extras;
    std::array<ColorStar, 100> stars;

protected:
    void set_up_stage() final;
    void play() final;
    void draw_layers() final;

    // The stage's own scenery: set up after the stars, stepped before them, drawn over them; a
    // record of it may be set up with each star instead, the i-th after the i-th star.
    virtual void set_up_scenery() {}
    virtual void set_up_with_star(std::size_t) {}
    virtual void step_scenery() {}
    virtual void draw_scenery() = 0;
    // After the marks have moved.
    virtual void after_scroll() {}

private:
    // Places and arms every record the stage uses, with its difficulty bonus, and sends the
    // first trains.
    void set_up_formations();
    // Kinds two to four, the trains, the trio, then the grid turning as one at an edge.
    void step_formations();
    // Only what this stage set up, so nothing left of a quit game shows.
    void draw_formations() const;
};
