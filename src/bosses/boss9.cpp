#include "bosses/boss9.h"

#include <limits>

#include "bosses/six_shot_fans.h"
#include "engine/loaders.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss9_kind{"gfx/boss9/base.png",
                                   "gfx/boss2/boss2_phaser_bullet.gif",
                                   6.0f,
                                   4,
                                   12,
                                   12,
                                   6,
                                   3000,
                                   {5.0f, 6.0f, 7.0f, 8.0f, 75},
                                   {131.0f, 1.0f, true, 7500}};

constexpr int turret_x = 98, turret_y = 116, turret_w = 66, turret_h = 82;
constexpr float fan_x = 125.0f;
constexpr float anywhere = std::numeric_limits<float>::max();  // its fans have no height limit
constexpr int rail_x = 47;
constexpr int right_side_x = 593;

}  // namespace

Boss9::Boss9() : FrameBoss(boss9_kind) {}

void Boss9::load() {
    FrameBoss::load();
    rail_picture = own(load_png_ex("gfx/boss9/rail.png"));
    turret_picture = own(load_png_ex("gfx/boss9/turret.png"));
    side_picture = own(load_png_ex("gfx/boss9/side.png"));
    turret.init(turret_picture, 1, turret_x, turret_y, turret_w, turret_h, own(load_png_ex("gfx/boss9/bullet.png")),
                boss9_volleys);
}

void Boss9::update() {
    if (active && state != dying) {
        turret.fire_volley(static_cast<int>(x), static_cast<int>(y));
        turret.update(1);
        set_speed_by_hit_points();
        if (beaten()) turret.leave_play();
        take_hits({{body, static_cast<int>(x), static_cast<int>(y)}});
        if (fan_due(*this, anywhere))
            launch_fan_row(bullets.data(), x + fan_x, y + static_cast<float>(height), six_shot_fans);
    } else {
        turret.update(2);
    }
    fly_bullets();
    animate_explosions();
}

void Boss9::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int rail_top = static_cast<int>(y - 1.0f);
    draw_masked(dest, {rail_picture, rail_x, rail_top});
    const TurretMode mode = hit_flash ? turret_white : turret_plain;
    draw_body(dest);
    turret.draw(dest, x, y, mode);
    draw_sprite_h_flip(dest, side_picture, right_side_x, rail_top);
    draw_masked(dest, {side_picture, 0, rail_top});
    draw_explosions(dest);
    draw_bullets(dest);
}
