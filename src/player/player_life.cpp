// Helper selection, hits, death, respawn and the resets that stages call.
#include "engine/gameengine.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"
#include "player/resources.h"

namespace {

constexpr int respawn_cost = 500;
constexpr int continue_money = 1500;
constexpr int respawn_wait = 30;  // steps after the explosion before the ship comes back
constexpr int hit_shake = 25;

}  // namespace

void Player::set_helper_type(int kind) {
    if (kind != Helper::one_shot && kind != Helper::three_shot) return;
    const bool one_shot = kind == Helper::one_shot;
    one_shot_selected = one_shot;
    three_shot_selected = !one_shot;
    Helper* chosen = one_shot ? &helpers[0] : &helpers[2];
    Helper* other = one_shot ? &helpers[2] : &helpers[0];
    for (int i = 0; i < 2; ++i) {
        chosen[i].activate();
        other[i].deactivate();
        other[i].reset();
    }
}

void Player::deselect_helpers() {
    one_shot_selected = three_shot_selected = false;
    for (Helper& helper : helpers) helper.deactivate();
    for (Helper& helper : helpers) helper.reset();
}

// A pair flies only while its kind's count is at least one.
void Player::update_helpers() {
    if (one_shot_selected && one_shot_count > 0)
        for (int i : {0, 1}) helpers[i].update(x, y);
    if (three_shot_selected && three_shot_count > 0)
        for (int i : {2, 3}) helpers[i].update(x, y);
}

// With both keys down the three-shot pair ends selected.
void Player::poll_helper_keys() {
    if (key[KEY_A]) set_helper_type(Helper::one_shot);
    if (key[KEY_S]) set_helper_type(Helper::three_shot);
}

void Player::hit() {
    if (exploding) return;
    start_shake(hit_shake);
    bomb1.close();
    for (Bomb2Part& part : bomb2_parts) part.close();
    hit_count += 1;
}

void Player::update_death() {
    if (hit_count > 0 && !explosion.active && explosion_rounds < 1) {
        exploding = true;
        explosion.start();
        play_on_free_channel(explosion_sound, channel);
        fmod_result = FMOD_Channel_SetChannelGroup(channel, master_group);
        fmod_check_channel(fmod_result);
        explosion_rounds += 1;
    }
    if (hit_count >= 1 && !explosion.active && explosion_rounds >= 1) {
        stop_shake();
        if (money < respawn_cost)
            alive = false;
        else if (++respawn_delay > respawn_wait)
            respawn();
    }
}

// A death costs the flying pair one helper; a pair that runs out hands over to the other kind.
void Player::respawn() {
    blinking = true;
    money -= respawn_cost;
    place_for_take_off();
    const bool had_one_shot = one_shot_selected;
    const bool had_three_shot = three_shot_selected;
    deselect_helpers();
    if (had_one_shot && --one_shot_count <= 0) {
        one_shot_count = 0;
        if (three_shot_count > 0) set_helper_type(Helper::three_shot);
    }
    if (had_three_shot && --three_shot_count <= 0) {
        three_shot_count = 0;
        if (one_shot_count > 0) set_helper_type(Helper::one_shot);
    }
}

void Player::place_for_take_off() {
    x = centred_x();
    y = 480.0f;
    hit_count = 0;
    vx = vy = 0.0f;
    explosion_rounds = 0;
    explosion.rounds = 0;
    state = request_take_off;
    exploding = false;
    respawn_delay = 0;
}

void Player::switch_bullets_off() {
    for (auto& group : bullets)
        for (Sprite& bullet : group) bullet.deactivate();
}

void Player::stage_reset() {
    place_for_take_off();
    stage_cleared = false;
    switch_bullets_off();
    for (Helper& helper : helpers) helper.reset();
}

void Player::continue_reset() {
    money = continue_money;
    place_for_take_off();
    alive = true;
}
