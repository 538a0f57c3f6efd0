#include "bosses/boss1.h"

#include <cstdlib>

#include "engine/loaders.h"
#include "player/player.h"

namespace {

// Part rows: {picture, frames, x, y, w, h}
constexpr PartRow left_gun_row{"gfx/boss1/boss1_left_gun.gif", 3, 152, 136, 53, 45};
constexpr PartRow right_gun_row{"gfx/boss1/boss1_right_gun.gif", 3, 404, 136, 53, 45};
constexpr PartRow left_broken_row{"gfx/boss1/boss1_break_left_sheet.gif", 4, 152, 136, 53, 29};
constexpr PartRow right_broken_row{"gfx/boss1/boss1_break_right_sheet.gif", 4, 404, 136, 53, 29};
constexpr PartRow top_shield_row{"gfx/boss1/boss1_top_shield.gif", 8, 264, 147, 81, 24};
constexpr PartRow bottom_shield_row{"gfx/boss1/boss1_bottom_shield.gif", 8, 264, 147, 81, 50};
constexpr PartRow charge_row{"gfx/boss1/boss1_phaser_charge.gif", 5, 242, 80, 123, 123};
constexpr PartRow beam_row{"gfx/boss1/boss1_phaser_blast.gif", 9, 231, 152, 146, 327};
constexpr PartRow phaser_row{"gfx/boss1/boss1_healthy_phaser.gif", 1, 278, 123, 53, 29};
// {hit points, aim, bullet, bullet speed, frames, w, h, damage}
constexpr PhaserKind boss1_phaser{160, PhaserAim::fixed_fan, "gfx/boss1/boss1_phaser_bullet.gif", 5.0f, 1, 0, 0, 1};

constexpr int gun_hit_points = 80;
// {speed, type, frames, w, h, damage}
constexpr ShotKind gun_shot{5.0f, bullet_up, 1, 0, 0, 1};
constexpr int gun_volley_chance = 100;

// Where a gun's set of three leaves it, and their headings, by gun and aim.
struct GunVolley {
    float x, y;
    float headings[Boss1Gun::set_size];
};
constexpr GunVolley gun_volleys[2][3] = {
    {{15, 38, {80, 64, 48}}, {44, 40, {64, 48, 32}}, {50, 33, {48, 32, 16}}},
    {{2, 33, {112, 96, 80}}, {8, 40, {96, 80, 64}}, {37, 38, {80, 64, 48}}},
};

// {limit, left turn, right turn}
constexpr SlideRow boss1_slide{2.0f, -152.0f, 191.0f};
// The body circles the screen's corner as it dies.
// {body, broken phaser, its x, y, charge, beam, phaser rows, phaser, x at load, slide, core rests for beam,
//  dies with core, death {x, y, circles, reward}}
constexpr CoreBossKind boss1_kind{"gfx/boss1/boss1.gif", "gfx/boss1/boss1_broke_phaser.gif", 278.0f, 123.0f,
                                  charge_row, beam_row, phaser_row, boss1_phaser, 15.0f, &boss1_slide, false,
                                  false, {0.0f, 0.0f, true, Boss1::reward}};

int truncated(float v) { return static_cast<int>(v); }

}  // namespace

void Boss1Gun::init(const PartRow& row, int new_id, BITMAP* shot_picture) {
    init_part_life(row, gun_hit_points, shot_picture, gun_shot);
    volley_slot = 0;
    frame = aim_down;
    id = new_id;
}

void Boss1Gun::update(int bx, int by) {
    wreck_step(false, 0.0f, 0.0f);
    explosion.set_position(x + static_cast<float>(bx), y + static_cast<float>(by));
    aim(bx);
    take_hits(bx, by);
    if (explosion.active) explosion.animate();
    fire(bx, by);
    fly_shots();
}

void Boss1Gun::aim(int bx) {
    const float gx = x + static_cast<float>(bx);
    const float gw = static_cast<float>(w);
    const float sx = player.x;
    if (gx > sx + static_cast<float>(player.width)) frame = aim_left;
    if (gx < sx && sx < gx + gw) frame = aim_down;
    if (sx > gx + gw) frame = aim_right;
}

void Boss1Gun::fire(int bx, int by) {
    const bool lucky = std::rand() % gun_volley_chance == 0;
    if (!lucky || destroyed) return;
    Sprite* set = &bullets[volley_slot * set_size];
    for (int i = 0; i < set_size; ++i)
        if (set[i].active) return;
    const GunVolley& volley = gun_volleys[id - 1][frame];
    for (int i = 0; i < set_size; ++i)
        launch_shot(set[i], x + static_cast<float>(bx) + volley.x, y + static_cast<float>(by) + volley.y,
                    volley.headings[i]);
    volley_slot = 1 - volley_slot;
}

Boss1::Boss1() : GunnedCoreBoss(boss1_kind) {}

void Boss1::load() {
    BITMAP* gun_shot = own(load_bitmap_ex("gfx/boss1/boss1_bullet.gif"));
    left_gun.init(left_gun_row, 1, gun_shot);
    right_gun.init(right_gun_row, 2, gun_shot);
    init_part(left_broken_gun, left_broken_row);
    init_part(right_broken_gun, right_broken_row);
    top_shield.init(top_shield_row, boss1_shield);
    bottom_shield.init(bottom_shield_row, boss1_shield);
    load_core();
}

void Boss1::update() {
    if (!active) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    if (update_gun(left_gun, left_broken_gun, bx, by)) top_shield.open();
    if (update_gun(right_gun, right_broken_gun, bx, by)) bottom_shield.open();
    arm_once(guns_down() && top_shield.is_open() && bottom_shield.is_open());
    top_shield.update(bx, by);
    bottom_shield.update(bx, by);
    update_core(bx, by);
}

void Boss1::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    draw_sprite(dest, body, bx, by);
    draw_guns(dest, bx, by);
    top_shield.draw(dest, bx, by);
    bottom_shield.draw(dest, bx, by);
    draw_core(dest, bx, by);
}
