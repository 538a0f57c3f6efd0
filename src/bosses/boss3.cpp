#include "bosses/boss3.h"

#include "enemies/armed_enemy.h"
#include "engine/loaders.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss3_kind{"gfx/boss3/base.png",
                                   "gfx/enemies/enemy_five/bullet.gif",
                                   6.0f,
                                   1,
                                   0,
                                   0,
                                   3,
                                   1000,
                                   {3.0f, 4.0f, 4.5f, 5.0f, 75},
                                   {168.5f, 75.0f, true, 3000}};

// {highest, lowest, step}
constexpr BobRow boss3_bob{60.0f, 70.0f, 0.1f};

// Nothing is launched once the body is this far down.
constexpr float firing_above = 150.0f;
constexpr float fan_x = 148.0f, fan_y = 192.0f;
constexpr FanRows<3> boss3_fans{{{104, 84, 64}, {84, 64, 44}, {64, 44, 24}}};

constexpr int burst_chance = 100;
// {speed, type, frames, w, h, damage}
constexpr ShotKind turret_shot{5.0f, bullet_up, 3, 32, 31, 4};
constexpr float muzzle_x = 16.0f;
constexpr float straight_down = 64.0f;

}  // namespace

void Boss3Turret::init(BITMAP* sheet, int index, BITMAP* shot_picture) {
    init_frames(sheet, index);
    firing = false;
    shot_index = pairs_fired = 0;
    set_up_shots(shots, shot_picture, turret_shot);
}

void Boss3Turret::fire_volley(int bx, int by) {
    if (!firing && one_in(burst_chance)) firing = true;
    if (!firing) return;
    turn_frame();
    if (static_cast<float>(by) >= firing_above) return;
    const float muzzle_y = y + static_cast<float>(by + frame_h);
    const float sx = x + static_cast<float>(bx) + muzzle_x;
    auto launch = [&](int shot) {
        launch_shot(shots[shot], sx, muzzle_y, straight_down);
        launch_y = muzzle_y;
    };
    if (step_spaced_burst(shots.data(), 1, shot_index, launch_y, launch) && ++pairs_fired >= pairs_per_burst) {
        pairs_fired = 0;
        firing = false;
    }
}

void Boss3Turret::update(int mode) { fly_turret_shots(shots, mode); }

void Boss3Turret::draw(BITMAP* dest, float bx, float by, TurretMode mode) const {
    draw_turret(*this, shots, dest, bx, by, mode);
}

Boss3::Boss3() : FrameBoss(boss3_kind) {}

void Boss3::load() {
    FrameBoss::load();
    turret_picture = own(load_png_ex("gfx/boss3/turret.png"));
    BITMAP* shot_picture = own(load_png_ex("gfx/boss3/bullet_2.png"));
    for (int i = 0; i < 2; ++i) turrets[i].init(turret_picture, i, shot_picture);
}

void Boss3::update() {
    if (active && state != dying) {
        set_speed_by_hit_points();
        take_hits({{body, static_cast<int>(x), static_cast<int>(y)}});
        bob(*this, boss3_bob);
        if (!dead) {
            for (Boss3Turret& turret : turrets) turret.fire_volley(static_cast<int>(x), static_cast<int>(y));
            for (Boss3Turret& turret : turrets) turret.update(1);
        }
        if (fan_due(*this, firing_above)) launch_fan_row(bullets.data(), x + fan_x, y + fan_y, boss3_fans);
    } else {
        for (Boss3Turret& turret : turrets) turret.update(2);
    }
    fly_bullets();
    animate_explosions();
}

void Boss3::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const TurretMode mode = turret_mode(*this);
    draw_body(dest);
    for (const Boss3Turret& turret : turrets) turret.draw(dest, x, y, mode);
    draw_explosions(dest);
    draw_bullets(dest);
}
