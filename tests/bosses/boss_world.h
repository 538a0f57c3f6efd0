#pragma once
// What the boss tests share beyond the enemy tests' world: bosses loaded from the data tree,
// stepped and drawn as a stage does, shots held still where a test wants them, and a count of
// the shakes stopped.
#include <allegro.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "audio/audio.h"
#include "engine/sprite.h"
#include "player/player.h"
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

// Whether a sound plays on the channel.
bool playing(FMOD_CHANNEL* channel);

// The frame every step draws into.
BITMAP* scratch();

template <class Boss, class = void>
struct has_state_step : std::false_type {};
template <class Boss>
struct has_state_step<Boss, std::void_t<decltype(std::declval<Boss&>().update_state())>> : std::true_type {};

// Logic steps and drawn frames as a stage runs them; only a draw clears a hit flash.
template <class Boss>
void step(Boss& boss, int n = 1) {
    for (int i = 0; i < n; ++i) {
        if constexpr (has_state_step<Boss>::value) boss.update_state();
        boss.update();
        boss.draw(scratch());
    }
}

// From `start_death` to `dead`, then the reward the step after, once; the money it paid.
template <class Boss>
int money_from_death(Boss& boss) {
    const int before = player.money;
    boss.start_death();
    for (int i = 0; i < 3000 && !boss.dead; ++i) step(boss);
    EXPECT_TRUE(boss.dead);
    EXPECT_EQ(player.money, before) << "nothing paid before the body has gone";
    step(boss, 300);
    EXPECT_EQ(boss.reward_paid, 1);
    return player.money - before;
}

// Arranges rand() so that, after `skipped` draws, the next draws give these remainders.
struct Draw {
    int modulus, remainder;
};
void draws_give(int skipped, std::initializer_list<Draw> draws);
// After `skipped` draws, the next draw % chance is 0.
inline void lucky_draw(int skipped, int chance) { draws_give(skipped, {{chance, 0}}); }

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

// How high and how low the body went over `steps` steps (the smaller y is the higher), and how
// often its bob turned.
struct Swing {
    float highest, lowest;
    int turns;
};
template <class Boss>
Swing swing(Boss& boss, int steps) {
    Swing s{boss.y, boss.y, 0};
    bool was_down = boss.bob_down;
    for (int i = 0; i < steps; ++i) {
        step(boss);
        s.lowest = std::max(s.lowest, boss.y);
        s.highest = std::min(s.highest, boss.y);
        s.turns += boss.bob_down != was_down;
        was_down = boss.bob_down;
    }
    return s;
}

BITMAP* starry_frame();
// Saves and releases the frame; returns its near-white pixel count.
int save_frame(BITMAP* frame, const char* name);

// The boss and the ship drawn over a starry backdrop, saved as a picture under `name`; returns
// the frame's near-white pixel count.
template <class Boss>
int render(Boss& boss, const char* name) {
    BITMAP* frame = starry_frame();
    boss.draw(frame);
    player.draw(frame);
    return save_frame(frame, name);
}
}  // namespace boss_world
