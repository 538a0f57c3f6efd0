#include "bosses/boss2.h"

#include "enemies/armed_enemy.h"
#include "engine/loaders.h"
#include "player/player.h"

namespace {

// Part rows: {picture, frames, x, y, w, h}
constexpr PartRow left_gun_row{"gfx/boss2/boss2_gun.gif", 3, 83, 71, 73, 75};
constexpr PartRow right_gun_row{"gfx/boss2/boss2_gun.gif", 3, 484, 71, 73, 75};
constexpr PartRow left_broken_row{"gfx/boss2/boss2_gun_broke.gif", 3, 92, 71, 55, 46};
constexpr PartRow right_broken_row{"gfx/boss2/boss2_gun_broke.gif", 3, 493, 71, 55, 46};
constexpr PartRow shield_row{"gfx/boss2/boss2_shield.gif", 6, 252, 87, 137, 54};
constexpr PartRow charge_row{"gfx/boss2/boss2_phaser_charge.png", 5, 261, 62, 123, 123};
constexpr PartRow beam_row{"gfx/boss2/boss2_phaser_blast_2.png", 9, 246, 115, 146, 480};
constexpr PartRow phaser_row{"gfx/boss2/boss2_healthy_phaser.gif", 1, 301, 84, 0, 0};
// {hit points, aim, bullet, bullet speed, frames, w, h, damage}
constexpr PhaserKind boss2_phaser{400, PhaserAim::aimed, "gfx/boss2/boss2_phaser_bullet.gif", 6.0f, 4, 12, 12, 3};

// It stands still and dies where it stands.
// {body, broken phaser, its x, y, charge, beam, phaser rows, phaser, x at load, slide, core rests for beam,
//  dies with core, death {x, y, circles, reward}}
constexpr CoreBossKind boss2_kind{"gfx/boss2/boss2_top.png", "gfx/boss2/boss2_broke_phaser.gif", 301.0f, 84.0f,
                                  charge_row, beam_row, phaser_row, boss2_phaser, -1.0f, nullptr, true,
                                  true, {0.0f, 0.0f, false, Boss2::reward}};

constexpr int gun_hit_points = 200;
// {speed, type, frames, w, h, damage}
constexpr ShotKind gun_bullet{5.5f, bullet_up, 1, 0, 0, 2};
constexpr ShotKind gun_laser{5.7f, bullet_down, 1, 0, 0, 2};
constexpr float explosion_x = 25.0f, explosion_y = 20.0f;

// Where each shot of a volley leaves the gun, and its heading, by aim.
struct Muzzle {
    float x, y, heading;
};
constexpr std::array<std::array<Muzzle, 3>, 3> volleys{{
    {{{-13, 66, 112}, {-5, 68, 96}, {9, 66, 80}}},  // left, right gun only
    {{{21, 67, 80}, {29, 71, 64}, {38, 67, 48}}},   // down
    {{{54, 66, 48}, {64, 68, 32}, {72, 66, 16}}},   // right, left gun only
}};

int truncated(float v) { return static_cast<int>(v); }

}  // namespace

void Boss2Gun::init(const PartRow& row, int new_id, BITMAP* shot_picture, BITMAP* laser_picture) {
    init_part_life(row, gun_hit_points, shot_picture, gun_bullet);
    set_up_shot(bullets[laser], laser_picture, gun_laser);
    frame = aim_down;
    id = new_id;
}

void Boss2Gun::update(int bx, int by) {
    wreck_step(true, x + explosion_x + static_cast<float>(bx), y + explosion_y + static_cast<float>(by));
    aim(bx);
    take_hits(bx, by);
    if (explosion.active) explosion.animate();
    fire(bx, by);
    fly_shots();
}

void Boss2Gun::aim(int bx) {
    const float gx = x + static_cast<float>(bx);
    const float gw = static_cast<float>(w);
    const float sx = player.x;
    if (id == 1) {
        if (gx + gw >= sx) frame = aim_down;
        if (sx > gx + gw) frame = aim_right;
    } else {
        if (gx > sx + static_cast<float>(player.width)) frame = aim_left;
        if (sx >= gx) frame = aim_down;
    }
}

void Boss2Gun::fire(int bx, int by) {
    if (!one_in(volley_chance) || destroyed || !none_in_flight(bullets.data(), 3)) return;
    const auto& volley = volleys[frame];
    for (int i = 0; i < 3; ++i)
        launch_shot(bullets[i], x + static_cast<float>(bx) + volley[i].x, y + static_cast<float>(by) + volley[i].y,
                    volley[i].heading);
}

Boss2::Boss2() : GunnedCoreBoss(boss2_kind) {}

void Boss2::load() {
    BITMAP* gun_shot = own(load_bitmap_ex("gfx/boss2/boss2_gun_bullet.gif"));
    BITMAP* gun_laser = own(load_bitmap_ex("gfx/boss2/boss2_gun_laser.gif"));
    left_gun.init(left_gun_row, 1, gun_shot, gun_laser);
    right_gun.init(right_gun_row, 2, gun_shot, gun_laser);
    init_part(left_broken_gun, left_broken_row);
    init_part(right_broken_gun, right_broken_row);
    shield.init(shield_row, boss2_shield);
    load_core();
}

void Boss2::update() {
    if (!active) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    update_gun(left_gun, left_broken_gun, bx, by);
    update_gun(right_gun, right_broken_gun, bx, by);
    if (guns_down()) shield.open();
    arm_once(guns_down() && shield.is_open());
    shield.update(bx, by);
    update_core(bx, by);
}

void Boss2::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    draw_sprite(dest, body, bx, by);
    draw_guns(dest, bx, by);
    shield.draw(dest, bx, by);
    draw_core(dest, bx, by);
}
