#include "bosses/boss1.h"

#include <cstdlib>

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "player/player.h"
#include "player/resources.h"

namespace {

constexpr PartRow left_gun_row{"gfx/boss1/boss1_left_gun.gif", 3, 152, 136, 53, 45};
constexpr PartRow right_gun_row{"gfx/boss1/boss1_right_gun.gif", 3, 404, 136, 53, 45};
constexpr PartRow left_broken_row{"gfx/boss1/boss1_break_left_sheet.gif", 4, 152, 136, 53, 29};
constexpr PartRow right_broken_row{"gfx/boss1/boss1_break_right_sheet.gif", 4, 404, 136, 53, 29};
constexpr PartRow top_shield_row{"gfx/boss1/boss1_top_shield.gif", 8, 264, 147, 81, 24};
constexpr PartRow bottom_shield_row{"gfx/boss1/boss1_bottom_shield.gif", 8, 264, 147, 81, 50};
constexpr PartRow charge_row{"gfx/boss1/boss1_phaser_charge.gif", 5, 242, 80, 123, 123};
constexpr PartRow beam_row{"gfx/boss1/boss1_phaser_blast.gif", 9, 231, 152, 146, 327};
constexpr PartRow phaser_row{"gfx/boss1/boss1_healthy_phaser.gif", 1, 278, 123, 53, 29};
constexpr PhaserKind boss1_phaser{160, PhaserAim::fixed_fan, "gfx/boss1/boss1_phaser_bullet.gif", 5.0f, 1, 0, 0, 1};

constexpr int gun_hit_points = 80;
constexpr float gun_shot_speed = 5.0f;
constexpr int gun_shot_damage = 1;
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

// The body slides between these, at up to this speed, and stops dead at each turn.
constexpr float left_turn = -152.0f;
constexpr float right_turn = 191.0f;
constexpr float slide_limit = 2.0f;
constexpr DeathRow boss1_death{0.0f, 0.0f, true, Boss1::reward};
constexpr float broken_phaser_x = 278.0f, broken_phaser_y = 123.0f;

int truncated(float v) { return static_cast<int>(v); }

}  // namespace

void Boss1Gun::init(const PartRow& row, int new_id, BITMAP* shot_picture) {
    init_part_life(row, gun_hit_points, shot_picture, gun_shot_speed, gun_shot_damage);
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

void Boss1::load() {
    channel = nullptr;
    set_body(load_bitmap_ex("gfx/boss1/boss1.gif"));
    broken_phaser = own(load_bitmap_ex("gfx/boss1/boss1_broke_phaser.gif"));
    BITMAP* gun_shot = own(load_bitmap_ex("gfx/boss1/boss1_bullet.gif"));
    left_gun.init(left_gun_row, 1, gun_shot);
    right_gun.init(right_gun_row, 2, gun_shot);
    init_part(left_broken_gun, left_broken_row);
    init_part(right_broken_gun, right_broken_row);
    top_shield.init(top_shield_row, boss1_shield);
    bottom_shield.init(bottom_shield_row, boss1_shield);
    charge.init(charge_row, core_charge);
    beam.init(beam_row, core_blast);
    phaser.init(phaser_row, boss1_phaser, own(load_bitmap_ex(boss1_phaser.bullet_path)));
    x = 15.0f;
    y = 0.0f;
    active = false;
    direction = at_load;
    vx = 0.0f;
    state = moving_left;
    visible = dead = false;
    fading = 0;
    shake_angle = 0.0f;
    explosion_started = explosion_index = reward_paid = phaser_armings = blasts_started = 0;
    alpha = 255;
    line_up_explosions(explosion_scales);
    open_explosion_sound();
    replace_stream(blaster_sound, "sfx/blaster.ogg", true);
    own(blaster_sound);
}

void Boss1::add_hit_points(int k) {
    phaser.hit_points += k;
    left_gun.hit_points += k / 3;
    right_gun.hit_points += k / 3;
}

void Boss1::update_state() {
    if (!active) return;
    if (state == dying)
        death_step(boss1_death, channel);
    else
        move_sideways(x, slide_limit, left_turn, right_turn, 0.0f);
    fade();
}

void Boss1::update() {
    if (!active) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    update_gun(left_gun, top_shield, left_broken_gun, bx, by);
    update_gun(right_gun, bottom_shield, right_broken_gun, bx, by);
    arm_when_open();
    top_shield.update(bx, by);
    bottom_shield.update(bx, by);
    if (!beam.idle) beam.update(bx, by);
    clear_spent_beam();
    if (!phaser.destroyed) phaser.update(bx, by);
    // The beam dies with the core, in the very step that destroys it.
    if (phaser.destroyed) beam.stop();
    if (phaser.volleys > 4) start_charge();
    if (charge.running) fire_when_charged();
    if (!dead) absorb_shots({body, bx, by});
    animate_explosions();
}

void Boss1::update_gun(Boss1Gun& gun, BossShield& shield, BossBrokenPart& broken, int bx, int by) {
    gun.update(bx, by);
    if (!gun.destroyed) return;
    shield.open();
    broken.animate();
}

void Boss1::arm_when_open() {
    if (left_gun.destroyed && right_gun.destroyed && top_shield.is_open() && bottom_shield.is_open() &&
        phaser_armings < 1) {
        phaser.arm();
        phaser_armings += 1;
    }
}

void Boss1::clear_spent_beam() {
    if (!beam.idle || blasts_started <= 0) return;
    stop_channel_quietly(channel);
    phaser.may_fire = true;
    blasts_started = 0;
}

// The core holds its fire from the start of the charge until its beam has gone.
void Boss1::start_charge() {
    play_on_free_channel(blaster_sound, channel);
    fmod_check_channel(FMOD_Channel_SetChannelGroup(channel, master_group));
    phaser.may_fire = false;
    charge.start();
    phaser.volleys = 0;
}

void Boss1::fire_when_charged() {
    if (charge.step() && blasts_started < 1) {
        beam.start();
        blasts_started += 1;
    }
}

void Boss1::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    draw_sprite(dest, body, bx, by);
    draw_gun(dest, left_gun, left_broken_gun, bx, by);
    draw_gun(dest, right_gun, right_broken_gun, bx, by);
    top_shield.draw(dest, bx, by);
    bottom_shield.draw(dest, bx, by);
    beam.draw(dest, bx, by);
    if (phaser.destroyed)
        draw_masked(dest, {broken_phaser, truncated(x + broken_phaser_x), truncated(y + broken_phaser_y)});
    else
        phaser.draw(dest, bx, by);
    charge.draw(dest, bx, by);
    draw_explosions(dest);
}

void Boss1::draw_gun(BITMAP* dest, Boss1Gun& gun, const BossBrokenPart& broken, int bx, int by) {
    if (gun.destroyed) broken.draw(dest, bx, by);
    gun.draw(dest, bx, by);
}

void Boss1::start_death() {
    beam.idle = true;
    stop_channel_quietly(channel);
    state = dying;
}
