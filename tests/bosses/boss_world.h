#pragma once
// What the boss tests share beyond the enemy tests' world: bosses loaded from the data tree,
// stepped and drawn as a stage does, shots held still where a test wants them, and a count of
// the shakes stopped.
#include <allegro.h>

#include <string>

#include "engine/sprite.h"
#include "support/enemy_world.h"
#include "support/test_support.h"

namespace boss_world {

// The enemy world, the ship parked, and the shake counter at 0.
void prepare();
int shakes_stopped();

template <class Boss>
void load(Boss& boss) {
    testing_support::WorkingDirectory in_data(testing_support::data_dir());
    boss.load();
}

// The frame every step draws into.
BITMAP* scratch();

// Logic steps and drawn frames as a stage runs them; only a draw clears a hit flash.
template <class Boss>
void step(Boss& boss, int n = 1) {
    for (int i = 0; i < n; ++i) {
        boss.update_state();
        boss.update();
        boss.draw(scratch());
    }
}

// Arranges rand() so that, after `skipped` draws, the next draw % chance is 0.
void lucky_draw(int skipped, int chance);

// A shot that stays at (x, y) as it moves, in flight.
void hold(Sprite& shot, float x, float y);

// The ship flying low in the middle, unshielded and not blinking.
void fly_ship();
// A point of the ship's hull picture, for shots to hit.
float hull_x();
float hull_y();

// Bomb 1's beam burning over the ship's x; a laser column burning with its corner at (x, y).
void burn_beam();
void burn_laser(int i, float x, float y);

// A picture of the fight over a starry backdrop with the ship drawn last, saved for looking at;
// gives the path.
BITMAP* backdrop();
std::string save_with_ship(BITMAP* frame, const char* name);
template <class Boss>
std::string save_scene(Boss& boss, const char* name) {
    BITMAP* frame = backdrop();
    boss.draw(frame);
    return save_with_ship(frame, name);
}

}  // namespace boss_world
