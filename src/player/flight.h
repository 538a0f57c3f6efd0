#pragma once
// Flight rules both ships keep, for `Ship` = Player or Kv1Player: turning and stopping under the
// direction keys, the blink after a (re)start, and the climb off the top at the end of a stage.
#include <allegro.h>

// While the ship moves towards `ahead_key`: the key the other way turns it round, letting go
// stops it; either way it halts at once.
template <class Ship>
void stop_or_turn(Ship& ship, int ahead_key, int back_key, int turn_request) {
    if (key[back_key]) {
        ship.vx = 0.0f;
        ship.state = turn_request;
    } else if (!key[ahead_key]) {
        ship.vx = 0.0f;
        ship.state = Ship::request_stand;
    }
}

// One step of the blink; it ends on the 61st.
template <class Ship>
void count_down_blink(Ship& ship) {
    constexpr int blink_steps = 60;
    if (ship.blinking && ++ship.blink_timer > blink_steps) {
        ship.blink_timer = 0;
        ship.blinking = false;
    }
}

// Gathers speed upwards to 20 a step; the stage is cleared once the ship is past the top, and it
// climbs on.
template <class Ship>
void climb_off(Ship& ship) {
    constexpr float climb_step = 0.5f;
    constexpr float top_speed = -20.0f;
    if (ship.vy > top_speed) ship.vy -= climb_step;
    ship.y += ship.vy;
    if (ship.y < -ship.height) ship.stage_cleared = true;
}
