#include "enemies/enemy.h"

#include <algorithm>
#include <map>
#include <string>

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/soundclip.h"
#include "player/kv1player.h"
#include "player/player.h"

int enemy_count = 0;
FMOD_CHANNEL* enemy_explosion_channel = nullptr;
FMOD_CHANNEL* enemy_bullet_channel = nullptr;

namespace {

constexpr float reward_rise = 25.0f;
constexpr float drop_speed = 0.2f;
constexpr float drop_depth = 15.0f;
constexpr int kv1_kill_pay = 100;

}  // namespace

FMOD_SOUND* enemy_sound(const char* path) {
    static std::map<std::string, FMOD_SOUND*> streams;
    FMOD_SOUND*& stream = streams[path];
    if (!stream) stream = open_sound_stream_unchecked(path, false);
    return stream;
}

BITMAP* enemy_picture(const char* path) {
    // Never destroyed: the pictures stay reachable for the whole run, past the static destructors.
    static auto& pictures = *new std::map<std::string, BITMAP*>;
    BITMAP*& picture = pictures[path];
    if (!picture) picture = load_png_ex(path);
    return picture;
}

void play_enemy_sound(FMOD_CHANNEL*& channel, FMOD_SOUND* sound, bool at_master_volume) {
    if (at_master_volume) set_channel_volume(channel, master_volume);
    fmod_result = FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_REUSE, sound, 0, &channel);
    if (at_master_volume) set_channel_volume(channel, master_volume);
}

void Enemy::set_up(const EnemyKind& kind, float x0, float y0) {
    set_frames(*this, *kind.strip, kind.frames, static_cast<int>(x0), static_cast<int>(y0), kind.frame_w,
               kind.frame_h);
    state = sweeping_right;
    frame = kind.first_frame;
    hit_flash = false;
    at_edge = false;
    explosion.init(x0, y0, explosion_flash);
    dying = false;
    damage = 0;
    hit_points = max_hit_points = kind.hit_points;
    reward_shown = false;
    reward = kind.reward;
    max_speed = initial_speed = kind.speed;
    death_started = 0;
}

void Enemy::reset() {
    state = sweeping_right;
    leave_play();
    alive = true;
    frame = 0;
    dx = dy = 0.0f;
    hit_flash = false;
    at_edge = false;
    dying = false;
    damage = 0;
    reward_shown = false;
    max_speed = initial_speed;
    death_started = 0;
}

void Enemy::scroll(int delta) {
    if (!in_play) y += static_cast<float>(delta);
}

void Enemy::stop() {
    dx = 0.0f;
    anchor_y = y;
    state = dropping;
}

void Enemy::place_explosion() {
    explosion.x = x + static_cast<float>(w / 2 - explosion.w / 2);
    explosion.y = y + static_cast<float>(h / 2 - explosion.h / 2);
}

void Enemy::common_step(const DeathRules& rules, FMOD_SOUND* explosion_sound) {
    start_death(rules, explosion_sound);
    if (rules.escape_before_kill) escape_below(rules.escape_cost);
    continue_death(rules.payee);
    if (!rules.escape_before_kill) escape_below(rules.escape_cost);
    check_hits();
    animate_explosion();
}

bool Enemy::leaving_step(const DeathRules& rules, FMOD_SOUND* explosion_sound, bool over_top, bool hittable) {
    const bool started = start_death(rules, explosion_sound);
    continue_death(rules.payee);
    leave_field(over_top);
    if (hittable) check_hits();
    animate_explosion();
    return started;
}

void Enemy::kv1_step(const DeathRules& rules, FMOD_SOUND* explosion_sound, std::optional<float> wrap_offset) {
    start_death(rules, explosion_sound);
    finish_death(rules.payee);
    follow_with_explosion();
    if (wrap_offset && !dying && y + *wrap_offset > escape_line) {
        anchor_y -= y;
        y = 0.0f;
    }
    meet_kv1_ship();
    animate_explosion();
}

bool Enemy::start_death(const DeathRules& rules, FMOD_SOUND* explosion_sound) {
    if (damage <= hit_points || explosion.active || death_started >= 1 || dying) return false;
    dying = true;
    place_explosion();
    explosion.start();
    if (rules.payee == Payee::ship) show_reward();
    play_enemy_sound(enemy_explosion_channel, explosion_sound, rules.explosion_at_master_volume);
    death_started += 1;
    return true;
}

void Enemy::continue_death(Payee payee) {
    finish_death(payee);
    rise_reward();
    follow_with_explosion();
}

void Enemy::finish_death(Payee payee) {
    if (damage <= hit_points || explosion.active || death_started <= 0) return;
    alive = false;
    leave_play();
    hide();
    enemy_count -= 1;
    switch (payee) {
    case Payee::ship: player.money += reward; break;
    case Payee::kv1_ship: kv1_player.money += kv1_kill_pay; break;
    }
}

void Enemy::show_reward() {
    reward_x = x + static_cast<float>(w / 2);
    reward_y = explosion.y;
    reward_target_y = reward_y - reward_rise;
    reward_shown = true;
}

void Enemy::rise_reward() {
    if (!reward_shown) return;
    reward_y -= 1.0f;
    if (reward_target_y > reward_y) hide_reward();
}

void Enemy::out_of_play_step() {
    if (in_play) return;
    rise_reward();
    block_shots();
}

void Enemy::follow_with_explosion() {
    if (!dying) place_explosion();
}

void Enemy::escape_below(int cost) {
    if (dying || y <= escape_line) return;
    enemy_count -= 1;
    player.money -= cost;
    dying = true;
    hide();
}

void Enemy::leave_field(bool over_top) {
    if (dying) return;
    const bool out = y > escape_line || x < static_cast<float>(-w) || x > field_right ||
                     (over_top && y < static_cast<float>(-h));
    if (!out) return;
    enemy_count -= 1;
    leave_play();
    dying = true;
    alive = false;
    hide();
}

void Enemy::animate_explosion() {
    if (explosion.active) explosion.animate();
}

void Enemy::accelerate_left(float gain) {
    direction = went_left;
    if (dx > -max_speed) dx -= gain;
    x += dx;
}

void Enemy::accelerate_right(float gain) {
    direction = went_right;
    if (dx < max_speed) dx += gain;
    x += dx;
}

void Enemy::sweep(const Formation& formation) {
    switch (state) {
    case sweeping_left: steer_left(formation); break;
    case sweeping_right: steer_right(formation); break;
    case dropping: drop(formation); break;
    }
}

void Enemy::reach_edge() {
    at_edge = true;
    stop();
}

void Enemy::steer_left(const Formation& formation) {
    accelerate_left();
    bank(-1, formation.bank_period);
    if (x + formation.left_edge < 0.0f) reach_edge();
}

void Enemy::steer_right(const Formation& formation) {
    accelerate_right();
    bank(+1, formation.bank_period);
    if (x + formation.right_edge > field_right) reach_edge();
}

void Enemy::drop(const Formation& formation) {
    if (dy < drop_speed) dy += formation.drop_step;
    y += dy;
    frame = level_pose();
    if (y > anchor_y + drop_depth) {
        dy = 0.0f;
        max_speed += formation.turn_gain;
        at_edge = false;
        // Back the way it came.
        if (direction == went_right) state = sweeping_left;
        if (direction == went_left) state = sweeping_right;
    }
}

void Enemy::bank(int step, int period) {
    if (last_frame == 0) return;  // no bank poses
    tick += 1;
    if (tick > period) {
        tick = 0;
        frame = std::max(0, std::min(last_frame, frame + step));
    }
}

void Enemy::draw_figure(BITMAP* target) {
    BITMAP* picture = current_frame();
    if (!hit_flash) {
        masked_blit(picture, target, 0, 0, static_cast<int>(x), static_cast<int>(y), picture->w, picture->h);
    } else {
        set_trans_blender(255, 255, 255, 255);
        draw_lit_sprite(target, picture, static_cast<int>(x), static_cast<int>(y), 255);
        hit_flash = false;
    }
}

void Enemy::draw_body(BITMAP* target) {
    if (visible && !dying) draw_figure(target);
    if (explosion.active) explosion.draw(target);
}

void Enemy::draw_reward(BITMAP* target) const {
    if (!reward_shown) return;
    const int text_x = static_cast<int>(reward_x);
    const int text_y = static_cast<int>(reward_y);
    textprintf_centre_ex(target, font, text_x - 1, text_y + 1, makecol(0, 0, 200), -1, "+ $%d", reward);
    textprintf_centre_ex(target, font, text_x, text_y, makecol(255, 255, 255), -1, "+ $%d", reward);
}
