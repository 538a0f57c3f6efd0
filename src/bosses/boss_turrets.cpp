#include "bosses/boss_turrets.h"

#include <cstdlib>

#include "engine/soundclip.h"
#include "player/player.h"
#include "player/ship_weapons.h"

namespace {

// {speed, type, frames, w, h, damage}
constexpr ShotKind turret_shot{4.5f, bullet_up, 1, 0, 0, 2};
constexpr int turret_volley_chance = 100;
// The two shots of a side turret: where they leave its bottom edge, and their headings.
constexpr float shot_left_x = 3.0f, shot_right_x = 10.0f;
constexpr float shot_left_heading = 72.0f, shot_right_heading = 56.0f;

constexpr int main_turret_hit_points = 500;
constexpr int main_turret_warning = 75;
constexpr int weak_above = 74;  // the weak picture shows only at this many hit points or fewer
constexpr int tint_every = 10;
constexpr float main_explosion_scale = 3.0f;
constexpr int explosion_half_width = 34;
// Both turrets turn about this point of their picture, and the beam hangs below it.
constexpr int pivot = 45;
constexpr float beam_pivot_y = -77.0f;
constexpr float beam_offset_x = 9.5f;
constexpr float at_rest = 64.0f;  // straight down
constexpr float drawn_turn = 192.0f;
constexpr float sweep_step = 0.1f;
constexpr float beam_turn_step = 0.127f;
// {picture, frames, x, y, w, h}
constexpr PartRow beam_row{"gfx/boss10/turret_blast.png", 9, 246, 115, 73, 480};
constexpr const char* charge_path = "gfx/boss2/boss2_phaser_charge.png";
constexpr float charge_offset_x = 15.5f;
constexpr int charge_size = 123;
constexpr int charge_drawn_lower = 25;

// Turret 1 sweeps down from rest and back, turret 2 up from rest and back.
struct SweepBounds {
    float lo, hi;
};
constexpr SweepBounds sweep_bounds[2] = {{53.0f, at_rest}, {at_rest, 75.0f}};

fixed turned(float heading) { return ftofix(heading + drawn_turn); }

}  // namespace

void BossTurret::init(const PartRow& row, int start_hit_points, BITMAP* shot_picture) {
    init_part_life(row, start_hit_points, shot_picture, turret_shot);
    frame = 0;
    enter_play();
}

void BossTurret::update(int bx, int by) {
    if (!in_play) return;
    wreck_step(true, x + static_cast<float>(25 + bx), y + static_cast<float>(20 + by));
    take_hits(bx, by);
    if (explosion.active) explosion.animate();
    fire(bx, by);
}

void BossTurret::fire(int bx, int by) {
    const bool lucky = std::rand() % turret_volley_chance == 0;
    if (!lucky || destroyed || bullets[0].active || bullets[1].active) return;
    const float sy = y + static_cast<float>(by + h);
    launch_shot(bullets[0], x + static_cast<float>(bx) + shot_left_x, sy, shot_left_heading);
    launch_shot(bullets[1], x + static_cast<float>(bx) + shot_right_x, sy, shot_right_heading);
}

void BossTurret::update_shots(int mode) {
    for (Sprite& shot : bullets) fly_boss_bullet(shot, mode != 2);
}

BossTurretBlast::~BossTurretBlast() { destroy_bitmap_safely(hit_box); }

void BossTurretBlast::init(const PartRow& row) {
    init_part(*this, row);
    init_phases(core_blast);
    slope = intercept = ground_x = 0.0f;
    destroy_bitmap_safely(hit_box);
    hit_box = create_bitmap(w, box_height);
    clear_to_color(hit_box, makecol(255, 0, 0));
}

void BossTurretBlast::update(float mx, float my, float heading) {
    x = mx + beam_offset_x;
    y = my;
    slope = fixtof(fixtan(ftofix(heading)));
    intercept = y - slope * x;
    ground_x = (ground_y - intercept) / slope;
    using ship_weapons::at;
    if (!player.blinking && has_status(burning) &&
        pixel_collision(hit_box, at(ground_x), at(ground_y), player.hit_picture, at(player.hull_x()), at(player.y)))
        strike_ship(damage);
    step_phases();
}

void BossTurretBlast::draw(BITMAP* dest, float heading) const {
    if (idle) return;
    pivot_sprite_anywhere(dest, current_frame(), static_cast<int>(x + pivot), static_cast<int>(y + beam_pivot_y), pivot,
                 static_cast<int>(beam_pivot_y), turned(heading));
}

void BossMainTurret::init(const PartRow& row, int new_id, const MainTurretArt& art) {
    init_part_life(row, main_turret_hit_points, nullptr, {});
    explosion.set_scale(main_explosion_scale);
    warning_below = main_turret_warning;
    frame = 0;
    beam_angle = sweep = at_rest;
    channel = nullptr;
    sweep_pause = 0;
    sweeping_up = sweeping_down = false;
    charges = 0;
    charge.init({charge_path, 5, static_cast<int>(static_cast<float>(row.x) - charge_offset_x), row.y, charge_size,
                 charge_size},
                main_turret_charge);
    beam.init(beam_row);
    shielded = true;
    id = new_id;
    art_ = art;
}

void BossMainTurret::update(int bx, int by) {
    wreck(bx, by);
    sweep_beam(bx, by);
    clear_spent_beam();
    // The side turrets' shield swallows the shots that reach it.
    if (shielded)
        absorb_shots(placed_part(*this, bx, by));
    else
        take_hits(bx, by);
    if (explosion.active) explosion.animate();
    charge_and_fire();
}

// A wrecked turret falls silent at once: its blaster, its beam and any charge under way.
void BossMainTurret::wreck(int bx, int by) {
    const bool standing = !destroyed;
    wreck_step(true, x + static_cast<float>(w / 2 - explosion_half_width + bx), y + static_cast<float>(20 + by));
    if (standing && destroyed) {
        stop_channel_quietly(channel);
        beam.stop();
        beam.idle = true;
        charge.running = false;
    }
}

void BossMainTurret::sweep_beam(int bx, int by) {
    if (beam.idle) return;
    const SweepBounds& bounds = sweep_bounds[id - 1];
    // One leg of the sweep; past its bound the turret holds for a pause, then turns back.
    auto leg = [this](float step, float bound, bool& going, bool& turning_to) {
        sweep += step * sweep_step;
        if (step * (bound - sweep) > 0.0f) beam_angle += step * beam_turn_step;
        if (step * (sweep - bound) <= 0.0f) return;
        sweep = bound;
        if (++sweep_pause <= sweep_pause_steps) return;
        sweep_pause = 0;
        turning_to = true;
        going = false;
    };
    if (sweeping_down) leg(-1.0f, bounds.lo, sweeping_down, sweeping_up);
    if (sweeping_up) leg(1.0f, bounds.hi, sweeping_up, sweeping_down);
    beam.update(x + static_cast<float>(bx), y + static_cast<float>(by + h), beam_angle);
}

void BossMainTurret::clear_spent_beam() {
    if (!beam.idle || charges <= 0 || charge.running) return;
    stop_channel_quietly(channel);
    sweep = beam_angle = at_rest;
    sweeping_up = sweeping_down = false;
    charges = 0;
}

void BossMainTurret::charge_and_fire() {
    const bool lucky = std::rand() % charge_chance == 0;
    if (lucky && !destroyed && beam.idle && charges < 1) {
        charge.start();
        charges += 1;
    }
    if (!charge.step()) return;
    play_on_free_channel(art_.blaster_sound, channel);
    (id == 1 ? sweeping_down : sweeping_up) = true;
    beam.start();
}

void BossMainTurret::draw(BITMAP* dest, int bx, int by) {
    if (!destroyed) {
        BITMAP* picture = current_frame();
        if (hit_flash)
            picture = art_.hit_picture;
        else if (remaining() <= weak_above && low_hp_counter % tint_every == 0)
            picture = art_.weak_picture;
        pivot_sprite_anywhere(dest, picture, static_cast<int>(x + static_cast<float>(bx + pivot)),
                     static_cast<int>(y + static_cast<float>(by + pivot)), pivot, pivot, turned(sweep));
        hit_flash = false;
    }
    if (explosion.active) explosion.draw(dest);
    beam.draw(dest, sweep);
    charge.draw(dest, bx, by + charge_drawn_lower);
}
