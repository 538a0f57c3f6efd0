#pragma once
// The stage tests' world: the game started headless with everything loaded as at start-up, the
// pilot's ship in `player`, and a stage driven pass by pass through the frame loop.
#include <allegro.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/timing.h"
#include "stages/enemy_groups.h"
#include "stages/stage_one.h"
#include "support/test_support.h"

namespace stage_world {

// Loads everything once; then, for every test, the pilot's ship and face, clear keys and mouse,
// an unpaused game at difficulty 1, a still scroll and rand() from its first draw.
void prepare(int character = 1);

// The sound playing on the music channel, or null.
FMOD_SOUND* music();

// A stage entered and set up, run in the data tree.
class Driver {
public:
    explicit Driver(std::unique_ptr<StageRunner> stage);
    ~Driver();

    StageRunner& stage() { return *stage_; }
    StageOne& one() { return static_cast<StageOne&>(*stage_); }
    Boss1& boss1() { return one().boss1().boss; }

    // One pass of the frame loop with one tick pending: a logic step and a drawn frame.
    void pass(int n = 1);
    // Logic steps alone, for the long stretches, until `done` or `limit` steps; true if done.
    bool steps_until(const std::function<bool()>& done, int limit = 20000);
    // A press of `scancode` for one pass, then its release for one.
    void press(int scancode);
    // Play after the fade-in and the title, with the scroll started.
    void skip_title();
    // Damage beyond the hit points on every record of the groups in play.
    void kill_in_play(const Groups& groups);

private:
    testing_support::WorkingDirectory in_tree_;
    std::unique_ptr<StageRunner> stage_;
    FrameLoop loop_;
};

// The four ranges of the first stage's formation.
const Groups& stage_one_ranges();

// Whether `target` shows `text` in the font at (x, y): every pixel of the text drawn alone on
// black is found there.
bool shows(BITMAP* target, FONT* f, const std::string& text, int x, int y);

// The page the last pass presented, and its picture saved for looking at.
BITMAP* page();
void save_page(const char* name);

}  // namespace stage_world
