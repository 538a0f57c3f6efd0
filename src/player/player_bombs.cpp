// Releasing the charged bomb and driving both bombs every step.
#include "engine/gameengine.h"
#include "engine/soundclip.h"
#include "player/player.h"
#include "player/resources.h"

namespace {

// Parts 0, 2 and 4 sweep right first, 1 and 3 left, all from the bottom edge.
constexpr int laser_sweeps[5] = {2, 1, 2, 1, 2};
constexpr float laser_starts[5] = {70.0f, 170.0f, 270.0f, 370.0f, 470.0f};
constexpr float laser_start_y = 489.0f;

}  // namespace

void Player::update_bombs() {
    if (charge.step()) release_bomb();
    bomb1.update();
    for (Bomb2Part& part : bomb2_parts) {
        part.update();
        if (part.is_off()) stop_channel_quietly(bomb_two_channel);
    }
}

void Player::put_bombs_away() {
    charge.active = false;
    bomb1.put_away();
    for (Bomb2Part& part : bomb2_parts) part.put_away();
    stop_channel_quietly(bomb_one_channel);
    stop_channel_quietly(bomb_two_channel);
}

// Runs on every step on which the charge is ready: the beam only restarts an opening under way,
// and the columns refuse once they burn.
void Player::release_bomb() {
    if (bomb_kind == 1) {
        bomb1.start();
        play_on_free_channel(bomb_one_sound, bomb_one_channel);
    } else if (bomb_kind == 2) {
        for (int i = 0; i < 5; ++i) {
            bomb2_parts[i].set_sweep(laser_sweeps[i]);
            bomb2_parts[i].place(laser_starts[i], laser_start_y);
            bomb2_parts[i].launch();
        }
        // The hum loops: restarting it on its own channel keeps one voice, where a free channel
        // each ready step would leave the earlier voices looping for ever.
        fmod_result = FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_REUSE, bomb_two_sound, false, &bomb_two_channel);
        fmod_check(fmod_result);
    }
}
