#include "bosses/boss7.h"

#include "bosses/boss_moves.h"
#include "engine/loaders.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss7_kind{"gfx/boss7/base.png",
                                   "gfx/boss4/bullet.gif",
                                   5.5f,
                                   1,
                                   0,
                                   0,
                                   3,
                                   2300,
                                   {5.0f, 4.0f, 5.0f, 6.0f, 75},
                                   {170.5f, -133.0f, true, 6500}};

// {highest, lowest, step}
constexpr BobRow boss7_bob{-133.0f, -68.0f, 0.3f};
constexpr std::array<PartRow, 3> turret_rows{{
    // {picture, frames, x, y, w, h}
    {"gfx/boss7/turret.png", 1, 39, 34, 27, 39},
    {"gfx/boss7/turret.png", 1, 136, 85, 27, 39},
    {"gfx/boss7/turret.png", 1, 233, 34, 27, 39},
}};
constexpr int turret_hit_points = 100;  // the difficulty bonus leaves them as they are
constexpr const char* turret_shot_path = "gfx/enemies/enemy_twelve/bullet.gif";

constexpr float fans_above = 125.0f;
constexpr float fan_x = 147.0f;
constexpr FanRows<3> fan_rows{{{96, 80, 64}, {80, 64, 48}, {64, 48, 32}}};
constexpr float left_rail_x = 7.0f, right_rail_x = 281.0f;

}  // namespace

Boss7::Boss7() : FrameBoss(boss7_kind) {}

void Boss7::load() {
    FrameBoss::load();
    rail_picture = own(load_png_ex("gfx/boss7/rail.png"));
    BITMAP* turret_shot = own(load_bitmap_ex(turret_shot_path));
    for (int i = 0; i < 3; ++i) turrets[i].init(turret_rows[i], turret_hit_points, turret_shot);
    rail_y = 0.0f;
}

void Boss7::scroll_rail(int dy) {
    rail_y += static_cast<float>(dy);
    if (rail_y > 0.0f) rail_y = 0.0f;
}

void Boss7::update() {
    if (active && state != dying) {
        set_speed_by_hit_points();
        if (beaten())
            for (BossTurret& turret : turrets) turret.leave_play();
        take_hits({{body, static_cast<int>(x), static_cast<int>(y)}});
        bob(*this, boss7_bob);
        if (!dead) {
            for (BossTurret& turret : turrets) turret.update(static_cast<int>(x), static_cast<int>(y));
            for (BossTurret& turret : turrets) turret.update_shots(1);
        }
        if (fan_due(*this, fans_above)) launch_fan_row(bullets.data(), x + fan_x, y + static_cast<float>(height), fan_rows);
    } else {
        for (BossTurret& turret : turrets) turret.update_shots(2);
    }
    fly_bullets();
    animate_explosions();
}

void Boss7::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int rail_top = static_cast<int>(rail_y);
    draw_masked(dest, {rail_picture, static_cast<int>(x + left_rail_x), rail_top});
    draw_masked(dest, {rail_picture, static_cast<int>(x + right_rail_x), rail_top});
    draw_body(dest);
    draw_explosions(dest);
    draw_bullets(dest);
    for (BossTurret& turret : turrets) turret.draw(dest, static_cast<int>(x), static_cast<int>(y));
}
