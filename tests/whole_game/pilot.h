#pragma once
// A scripted session of the whole game in one process, headless: the game's own screen table runs
// from a first screen on, and before every pass of every screen the pilot hands it one tick and the
// input its script gives for that screen. Stages are flown by direct hits: the enemies in view are
// shot down, the ship cannot be hit, dialogues are talked through and bosses beaten, with most
// logic steps run between two drawn frames.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/screen_table.h"
#include "support/pictures.h"

class StageRunner;

namespace whole_game {

struct Spot {
    int x, y;
};

// One screen of the script, in the order the game should give them.
struct Leg {
    Screen screen;
    int arg = 0;                    // the screen's first argument
    // Input, once the screen has settled: spots clicked in turn (the last one until the screen
    // ends) and keys pressed on every other pass. A stage given none is flown to its end.
    std::vector<Spot> clicks = {};
    std::vector<int> taps = {};
};

// What a player could tell of one visit.
struct Visit {
    Screen screen;
    int arg;
    std::uintptr_t stack;  // where the screen's row was called: the same for every screen
    int passes = 0;
    int money_in = 0;
    int shields_in = 0, shields_out = 0;
    bool bosses_paid_once = true;  // every boss of a stage paid its reward exactly once
};

class Pilot {
public:
    // Input starts on the pass after `settle` passes of each screen: by 40 every screen has
    // faded in, and shows what it looks like.
    explicit Pilot(std::vector<Leg> script, int settle = 40);
    ~Pilot();
    Pilot(const Pilot&) = delete;
    Pilot& operator=(const Pilot&) = delete;

    // Runs the screens from `first` on. The run ends where the game ends it, at the first screen
    // off the script, or when a visit stalls.
    void fly(NextScreen first);

    const std::vector<Visit>& visits() const { return visits_; }
    bool stalled() const { return stalled_; }
    int lowest_money() const { return lowest_money_; }
    // The last visits as "screen(arg) passes" for failure messages.
    std::string trail(std::size_t count = 12) const;
    // The first visits as they stood once faded in, small, in visit order.
    BITMAP* contact_sheet() const { return sheet_.get(); }

    // Called as each visit ends, with the count of visits so far.
    std::function<void(std::size_t)> after_visit;

    // Passes a visit may take before the run is given up as stalled.
    static constexpr int pass_limit = 20000;

    // For the screen table's rows and the frame loop's hook.
    NextScreen visit(Screen screen, const ScreenArgs& args, std::uintptr_t stack);
    void before_pass();

private:
    NextScreen run_stage(std::unique_ptr<StageRunner> stage);
    void fly_stage();
    void step_stage();
    void press_and_click();
    void tick();
    void snapshot();

    std::vector<Leg> script_;
    int settle_;
    std::vector<ScreenRow> table_;
    std::vector<Visit> visits_;
    const Leg* leg_ = nullptr;
    StageRunner* stage_ = nullptr;
    int stage_steps_ = 0;
    bool stalled_ = false;
    int lowest_money_;
    testing_support::Picture sheet_;
};

// The game loaded headless as start-up leaves it, once per process.
void load_game();

}  // namespace whole_game
