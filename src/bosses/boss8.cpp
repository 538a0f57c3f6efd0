#include "bosses/boss8.h"

#include "bosses/six_shot_fans.h"
#include "engine/loaders.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss8_kind{"gfx/boss8/base.png",
                                   "gfx/enemies/enemy_five/bullet.gif",
                                   6.0f,
                                   1,
                                   0,
                                   0,
                                   6,
                                   2500,
                                   {5.0f, 6.0f, 6.5f, 7.0f, 10},
                                   {168.5f, 75.0f, true, 7000}};

// {highest, lowest, step}
constexpr BobRow boss8_bob{60.0f, 70.0f, 0.1f};
constexpr float fans_above = 150.0f;
constexpr float fan_x = 148.0f, fan_y = 192.0f;

}  // namespace

Boss8::Boss8() : FrameBoss(boss8_kind) {}

void Boss8::load() {
    FrameBoss::load();
    turret_picture = own(load_png_ex("gfx/boss8/turret.png"));
    BITMAP* shot = own(load_png_ex("gfx/boss5/bullet.png"));
    for (int i = 0; i < 2; ++i) {
        const TurretSpot& spot = broad_turret_spots[i];
        turrets[i].init(turret_picture, broad_turret_frames, spot.x, spot.y, broad_turret_w, broad_turret_h, shot,
                        boss8_volleys);
    }
}

void Boss8::update() {
    if (active && state != dying) {
        set_speed_by_hit_points();
        if (beaten())
            for (BossGunTurret& turret : turrets) turret.leave_play();
        take_hits({{body, static_cast<int>(x), static_cast<int>(y)}});
        bob(*this, boss8_bob);
        for (BossGunTurret& turret : turrets) turret.fire_volley(static_cast<int>(x), static_cast<int>(y));
        for (BossGunTurret& turret : turrets) turret.update(1);
        if (fan_due(*this, fans_above) && turrets[0].in_play)
            launch_fan_row(bullets.data(), x + fan_x, y + fan_y, six_shot_fans);
    } else {
        for (BossGunTurret& turret : turrets) turret.update(2);
    }
    fly_bullets();
    animate_explosions();
}

void Boss8::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const TurretMode mode = turret_mode(*this);
    draw_body(dest);
    for (const BossGunTurret& turret : turrets) turret.draw(dest, x, y, mode);
    draw_explosions(dest);
    draw_bullets(dest);
}
