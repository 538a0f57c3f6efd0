#include "bosses/boss6.h"

#include <cstdlib>

#include "bosses/boss_parts.h"
#include "engine/loaders.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss6_kind{"gfx/boss6/base.png",
                                   "gfx/boss2/boss2_phaser_bullet.gif",
                                   6.0f,
                                   4,
                                   12,
                                   12,
                                   6,
                                   2000,
                                   {2.0f, 3.0f, 4.0f, 5.0f, 75},
                                   {247.0f, 30.0f, true, 6000}};

constexpr int leg_w = 55, leg_h = 56;
constexpr const char* leg_shot_path = "gfx/enemies/enemy_twelve/bullet.gif";
// {speed, type, frames, w, h, damage}
constexpr ShotKind leg_shot_kind{4.0f, bullet_up, 1, 0, 0, 4};
constexpr float leg_muzzle_x = 22.0f, leg_muzzle_y = 20.0f;
constexpr std::array<float, Boss6Leg::shot_count> leg_fan{88, 72, 56, 40};

using Flip = void (*)(BITMAP*, BITMAP*, int, int);
void plain(BITMAP* dest, BITMAP* picture, int x, int y) { draw_sprite(dest, picture, x, y); }
void v_flip(BITMAP* dest, BITMAP* picture, int x, int y) { draw_sprite_v_flip(dest, picture, x, y); }
void vh_flip(BITMAP* dest, BITMAP* picture, int x, int y) { draw_sprite_vh_flip(dest, picture, x, y); }
void h_flip(BITMAP* dest, BITMAP* picture, int x, int y) { draw_sprite_h_flip(dest, picture, x, y); }

// Each corner's leg, mirrored so that the four face outwards.
struct LegRow {
    int x, y;
    Flip draw;
};
constexpr std::array<LegRow, 4> leg_rows{{{-22, 186, plain}, {-22, 19, v_flip}, {113, 19, vh_flip}, {113, 186, h_flip}}};

constexpr float circle_radius = 75.0f;
constexpr float circle_centre_y = 10.0f;
constexpr float circle_speed_step = 0.3f;

}  // namespace

void Boss6Leg::update(int mode) {
    for (Sprite& shot : leg_bullets) fly_boss_bullet(shot, mode != 2);
}

void Boss6Leg::volley(int bx, int by) {
    if (!in_play) return;
    const bool lucky = std::rand() % volley_chance == 0;
    if (!lucky) return;
    for (const Sprite& shot : leg_bullets)
        if (shot.active) return;
    const float sx = static_cast<float>(bx) + x + leg_muzzle_x;
    const float sy = static_cast<float>(by) + y + leg_muzzle_y;
    for (int i = 0; i < shot_count; ++i) launch_shot(leg_bullets[i], sx, sy, leg_fan[i]);
}

void Boss6Leg::draw(BITMAP* dest, int bx, int by) const {
    leg_rows[id - 1].draw(dest, current_frame(), static_cast<int>(x) + bx, static_cast<int>(y) + by);
    for (const Sprite& shot : leg_bullets)
        if (shot.active) shot.draw_rotated(dest);
}

Boss6::Boss6() : FrameBoss(boss6_kind) {}

void Boss6::load() {
    FrameBoss::load();
    head = own(load_png_ex("gfx/boss6/head.png"));
    leg_picture = own(load_png_ex("gfx/boss6/leg.png"));
    BITMAP* leg_shot = own(load_bitmap_ex(leg_shot_path));
    for (int i = 0; i < 4; ++i) {
        Boss6Leg& leg = legs[i];
        set_frames(leg, leg_picture, 1, leg_rows[i].x, leg_rows[i].y, leg_w, leg_h);
        leg.frame = 0;
        leg.enter_play();
        leg.id = i + 1;
        leg.broken_picture = own(load_png_ex("gfx/boss6/broke_leg.png"));
        set_up_shots(leg.leg_bullets, leg_shot, leg_shot_kind);
    }
    circle_angle = 96.0f;
    circle_centre_x = 0.0f;
    speed = 0.0f;
}

void Boss6::set_position(float new_x, float new_y) {
    FrameBoss::set_position(new_x, new_y);
    circle_centre_x = new_x;
}

void Boss6::update() {
    if (active && state != dying) {
        const int bx = static_cast<int>(x), by = static_cast<int>(y);
        if (!dead)
            for (Boss6Leg& leg : legs) leg.volley(bx, by);
        for (Boss6Leg& leg : legs) leg.update(1);
        if (hit_points > damage) circle();
        set_speed_by_hit_points();
        if (beaten())
            for (Boss6Leg& leg : legs) leg.leave_play();
        // Only the head scores; the body swallows the shots that reach it.
        take_hits({{head, static_cast<int>(x + head_x), static_cast<int>(y + head_y)}},
                  {{body, static_cast<int>(x), static_cast<int>(y)}});
    } else {
        for (Boss6Leg& leg : legs) leg.update(2);
    }
    animate_explosions();
}

void Boss6::circle() {
    if (speed < max_speed) speed += circle_speed_step;
    circle_angle += speed;
    if (circle_angle > 256.0f) circle_angle = 0.0f;
    y = circle_centre_y + circle_radius * sin_turn(circle_angle);
    x = circle_centre_x + circle_radius * cos_turn(circle_angle);
}

void Boss6::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const Placed head_at{head, static_cast<int>(x + head_x), static_cast<int>(y + head_y)};
    draw_marked(dest, {body, static_cast<int>(x), static_cast<int>(y)});
    if (hit_flash)
        draw_marked(dest, head_at);
    else
        draw_sprite(dest, head, head_at.x, head_at.y);
    hit_flash = false;
    for (const Boss6Leg& leg : legs) leg.draw(dest, static_cast<int>(x), static_cast<int>(y));
    draw_explosions(dest);
}
