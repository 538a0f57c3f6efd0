#include "bosses/boss3.h"

#include "enemies/armed_enemy.h"
#include "engine/loaders.h"

namespace {

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

constexpr BobRow boss3_bob{60.0f, 70.0f, 0.1f};

// Nothing is launched once the body is this far down.
constexpr float firing_above = 150.0f;
constexpr float fan_x = 148.0f, fan_y = 192.0f;
constexpr FanRows<3> boss3_fans{{{104, 84, 64}, {84, 64, 44}, {64, 44, 24}}};

constexpr int burst_chance = 100;
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
    const float muzzle_y = y + static_cast<float>(by + frame_h);
    const float sx = x + static_cast<float>(bx) + muzzle_x;
    const bool high_enough = static_cast<float>(by) < firing_above;
    if (shot_index == 0 && high_enough && !shots[0].active) {
        launch_shot(shots[0], sx, muzzle_y, straight_down);
        launch_y = muzzle_y;
        shot_index = 1;
    }
    // Shot 0 has not moved since its launch until the turrets' shots are flown, so shot 1 waits a
    // step unless shot 0's last flight ended lower down.
    if (shot_index == 1 && high_enough && !shots[1].active && shots[0].y > launch_y) {
        launch_shot(shots[1], sx, muzzle_y, straight_down);
        launch_y = muzzle_y;
        shot_index = 0;
        if (++pairs_fired >= pairs_per_burst) {
            pairs_fired = 0;
            firing = false;
        }
    }
}

void Boss3Turret::update(int mode) {
    for (Sprite& shot : shots) fly_boss_bullet(shot, mode != 2);
}

void Boss3Turret::draw(BITMAP* dest, float bx, float by, TurretMode mode) const {
    draw_frame(dest, bx, by, mode);
    for (const Sprite& shot : shots)
        if (shot.active) shot.draw_rotated(dest);
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
