#include "bosses/boss_gun_turret.h"

#include "enemies/armed_enemy.h"

namespace {

// {speed, type, frames, w, h, damage}
constexpr ShotKind gun_shot{10.5f, bullet_up, 1, 0, 0, 4};
constexpr float straight_down = 64.0f;

}  // namespace

void BossGunTurret::init(BITMAP* sheet, int frames, int x0, int y0, int w0, int h0, BITMAP* shot_picture,
                         const GunVolleyRule& rule) {
    set_frames(*this, sheet, frames, x0, y0, w0, h0);
    frame = tick = 0;
    enter_play();
    volley_running = false;
    volley_count = pair_index = cycle = 0;
    last_launch_y = 0.0f;
    rule_ = &rule;
    set_up_shots(turret_bullets, shot_picture, gun_shot);
}

void BossGunTurret::fire_volley(int bx, int by) {
    if (!in_play) return;
    if (!volley_running && one_in(volley_chance) && volley_count < 1) {
        volley_count = 1;
        volley_running = true;
    }
    if (!volley_running) return;
    turn_frame();
    if (rule_->spaced)
        spaced_step(bx, by);
    else
        quick_step(bx, by);
}

bool BossGunTurret::pair_free(int pair) const {
    return !turret_bullets[2 * pair].active && !turret_bullets[2 * pair + 1].active;
}

void BossGunTurret::launch_pair(int pair, int bx, int by) {
    const float sx = x + static_cast<float>(bx);
    const float sy = y + static_cast<float>(by + h);
    launch_shot(turret_bullets[2 * pair], sx + rule_->left_muzzle, sy, straight_down);
    launch_shot(turret_bullets[2 * pair + 1], sx + rule_->right_muzzle, sy, straight_down);
    last_launch_y = sy;
}

// Pairs 0 and 1 spaced apart, five rounds.
void BossGunTurret::spaced_step(int bx, int by) {
    if (static_cast<float>(by) >= muzzles_above) return;
    auto launch = [&](int pair) { launch_pair(pair, bx, by); };
    if (step_spaced_burst(turret_bullets.data(), 2, pair_index, last_launch_y, launch) && ++cycle >= cycles)
        end_volley();
}

// Each pair leaves as soon as its own shots are gone: 0, 1, 2, then 1, 2 …, a cycle counted at
// each pair 2.
void BossGunTurret::quick_step(int bx, int by) {
    if (!pair_free(pair_index)) return;
    launch_pair(pair_index, bx, by);
    if (pair_index > 1) {
        cycle += 1;
        pair_index = 0;
    }
    if (cycle >= cycles) end_volley();
    pair_index += 1;
}

void BossGunTurret::end_volley() {
    pair_index = volley_count = cycle = 0;
    volley_running = false;
}

void BossGunTurret::update(int mode) { fly_turret_shots(turret_bullets, mode); }

void BossGunTurret::draw(BITMAP* dest, float bx, float by, TurretMode mode) const {
    draw_turret(*this, turret_bullets, dest, bx, by, mode);
}
