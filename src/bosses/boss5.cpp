#include "bosses/boss5.h"

#include "bosses/boss_moves.h"
#include "bosses/boss_parts.h"
#include "enemies/armed_enemy.h"
#include "engine/aiming.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

constexpr int explosion_size = 64;
constexpr int fire_chance = 100;

// The turret.
constexpr float turret_x = 48.0f, turret_y = 51.0f;
constexpr int turret_hit_points = 700;
constexpr int core_offset = 25;
constexpr int pivot = 45;
constexpr float upright = 192.0f;  // pictures point down at heading 64
constexpr float wander_turn = 0.5f, volley_turn = 1.5f, sweep_turn = 0.8f;
constexpr float first_angle[] = {96.0f, 32.0f};  // by volley kind
constexpr float group_spacing = 16.0f;
constexpr std::array<float, Boss5Turret::group_size> muzzles{29.0f, 42.0f, 55.0f};
// {speed, type, frames, w, h, damage}
constexpr ShotKind turret_shot{6.0f, bullet_up, 1, 0, 0, 5};

// The weak spot.
constexpr float weak_spot_x = 74.0f, weak_spot_y = 72.0f;
constexpr int weak_spot_hit_points = 750;
constexpr int weak_spot_warning = 75;
constexpr float weak_muzzle_x = 20.0f, weak_muzzle_y = 29.0f;
// Aimed at points level with the ship: the middle shot at it, the others 192 pixels aside.
constexpr std::array<float, 3> weak_aim_offsets{-160.0f, 32.0f, 224.0f};
// {speed, type, frames, w, h, damage}
constexpr ShotKind weak_spot_shot{3.5f, bullet_up, 4, 12, 12, 3};

// The boss.
constexpr std::array<std::array<int, 2>, 4> wheel_spots{{{0, 0}, {0, 109}, {141, 0}, {141, 109}}};
constexpr int wheel_w = 46, wheel_h = 90;
constexpr std::array<float, 4> route_headings{64.0f, 0.0f, 32.0f, 96.0f};
constexpr float accel = 0.1f;
constexpr float turn_on_spot = 0.5f;
// {at load, below 300, below 150, warning, warning below}: top speeds by hit points left
constexpr SpeedBands boss5_speeds{3.0f, 4.0f, 5.0f, 6.0f, weak_spot_warning};
// {x, y, circles, reward}
constexpr DeathRow boss5_death{0.0f, 0.0f, false, Boss5::reward};

int truncated(float v) { return static_cast<int>(v); }

}  // namespace

void Boss5Turret::init(BITMAP* picture, BITMAP* core, BITMAP* hit, BITMAP* shot_picture, FMOD_SOUND* sound) {
    set_frames(*this, picture, 1, 0, 0, picture->w, picture->h);
    enter_play();
    show();
    state = fighting;
    fading = explosion_index = explosion_started = volley_on = group_step = group = 0;
    alpha = 1;
    core_picture = core;
    hit_picture = hit;
    angle = aim = sweep_end = 0.0f;
    hit_flash = sweeping = destroyed = false;
    volley_kind = 1;
    damage = 0;
    hit_points = turret_hit_points;
    for (Explosion& explosion : explosions) {
        const int ex = random_range(0, w - explosion_size);
        const int ey = random_range(0, h - explosion_size);
        explosion.init(static_cast<float>(ex), static_cast<float>(ey), explosion_scaled);
        explosion.set_scale(1.0f);
    }
    explosion_sound = sound;
    explosion_channel = nullptr;
    set_up_shots(shots, shot_picture, turret_shot);
}

void Boss5Turret::update(float bx, float by) {
    if (!in_play) return;
    if (state == exploding) death_step(bx, by);
    fade();
    if (beaten() && state != exploding) {
        for (Explosion& explosion : explosions) place_explosion(explosion, bx, by);
        state = exploding;
    }
    if (state != exploding) {
        take_weapon_hits({{core_picture, truncated(x + bx) + core_offset, truncated(y + by) + core_offset}}, {},
                         destroyed);
        if (!sweeping) wander();
        if (sweeping) sweep(bx, by);
        for (Sprite& shot : shots) fly_boss_bullet(shot, true);
    }
    for (Explosion& explosion : explosions)
        if (explosion.active) explosion.animate();
}

// Ten explosions one after another, then nothing more; the ninth starts the fade.
void Boss5Turret::death_step(float bx, float by) {
    Explosion& current = explosions[explosion_index];
    if (!explosion_started) {
        place_explosion(current, bx, by);
        current.start();
        play_on_free_channel(explosion_sound, explosion_channel);
        explosion_started = 1;
    }
    if (explosion_started && current.frame > 3 && explosion_index < 9) {
        explosion_index += 1;
        explosion_started = 0;
    }
    if (explosion_index > 7 && explosions[explosion_index].frame > 1) fading = 1;
    if (explosion_index > 8 && fading && alpha == 1) fading = 0;
}

void Boss5Turret::fade() {
    if (fade_alpha(alpha, fading)) {
        destroyed = true;
        hide();
    }
}

void Boss5Turret::place_explosion(Explosion& explosion, float bx, float by) {
    const int left = truncated(x + bx), top = truncated(y + by);
    const int ex = random_range(left, left + w - explosion_size);
    const int ey = random_range(top, top + h - explosion_size);
    explosion.set_position(static_cast<float>(ex), static_cast<float>(ey));
}

// Idle, the barrel drifts after an aim drawn anew every step; once a volley is called it turns to
// the volley's first angle.
void Boss5Turret::wander() {
    if (volley_on < 1) {
        aim = static_cast<float>(random_range(0, 180));
        const fixed off = (ftofix(angle) - ftofix(aim)) & 0xFFFFFF;
        angle += off < itofix(128) ? -wander_turn : wander_turn;
        angle = fixtof(ftofix(angle) & 0xFFFFFF);
    }
    if (one_in(fire_chance) && volley_on < 1) {
        volley_kind = random_range(1, 2);
        volley_on += 1;
    }
    if (volley_on <= 0) return;
    const float first = first_angle[volley_kind - 1];
    if (angle > first) {
        angle -= volley_turn;
        if (angle < first) angle = first;
    }
    if (angle < first) {
        angle += volley_turn;
        if (angle > first) angle = first;
    }
    if (angle == first) {
        sweep_end = first;
        sweeping = true;
    }
}

// Each group fires at its angle once the group before it is out of play, then the barrel sweeps
// on by 16.
void Boss5Turret::sweep(float bx, float by) {
    const float way = volley_kind == 1 ? -1.0f : 1.0f;  // kind 1 sweeps down the angles
    if (angle == sweep_end && !destroyed && none_in_flight(&shots[group * group_size], group_size)) {
        if (group_step == 0) fire_group(bx, by);
        if (group < group_count - 1) {
            group_step += 1;
            if (group_step > 1) sweep_end += way * group_spacing;
        } else {
            group = volley_on = 0;
            sweeping = false;
        }
    }
    const bool downward = volley_kind == 1;
    if (downward ? angle > sweep_end : angle < sweep_end) {
        angle += way * sweep_turn;
        if (downward ? angle < sweep_end : angle > sweep_end) {
            group += 1;
            group_step = 0;
            angle = sweep_end;
        }
    }
}

void Boss5Turret::fire_group(float bx, float by) {
    for (int i = 0; i < group_size; ++i) {
        Sprite& shot = shots[group * group_size + i];
        shot.launch_from(x + bx + muzzles[i], y + by);
        // They appear at the muzzle, a frame's height along.
        shot.set_angle(angle, static_cast<float>(frame_h));
        shot.active = true;
    }
}

void Boss5Turret::draw(BITMAP* dest, float bx, float by) {
    if (!destroyed && visible) {
        for (const Sprite& shot : shots)
            if (shot.active) shot.draw_rotated(dest);
        const fixed turn = ftofix(angle + upright);
        const int left = truncated(x + bx), top = truncated(y + by);
        if (hit_flash) {
            pivot_sprite_anywhere(dest, hit_picture, left + pivot, top + pivot, pivot, pivot, turn);
            hit_flash = false;
        } else {
            pivot_sprite_anywhere(dest, current_frame(), left + pivot, top + pivot, pivot, pivot, turn);
            rotate_sprite_anywhere(dest, core_picture, left + core_offset, top + core_offset, turn);
        }
    }
    for (Explosion& explosion : explosions)
        if (explosion.active) explosion.draw(dest);
}

void Boss5Wheel::animate(int way) { turn_every_second_step(*this, way == forward ? 1 : -1); }

void Boss5Wheel::draw(BITMAP* dest) const {
    masked_blit(current_frame(), dest, 0, 0, truncated(x), truncated(y), w, h);
}

void Boss5WeakSpot::init(BITMAP* picture, BITMAP* shot_picture, float at_x, float at_y) {
    set_frames(*this, picture, 1, truncated(at_x), truncated(at_y), picture->w, picture->h);
    hit_flash = false;
    damage = low_hp_counter = 0;
    hit_points = weak_spot_hit_points;
    warning_below = weak_spot_warning;
    set_up_shots(shots, shot_picture, weak_spot_shot);
}

void Boss5WeakSpot::arm() {
    enter_play();
    park_shots(shots, false);
}

void Boss5WeakSpot::disarm() {
    leave_play();
    park_shots(shots, true);
}

void Boss5WeakSpot::update(float bx, float by) {
    if (!in_play) return;
    count_low_step();
    const float left = x + bx, top = y + by;
    take_weapon_hits({{current_frame(), truncated(left), truncated(top)}});
    if (!one_in(fire_chance) || !none_in_flight(shots.data(), 3)) return;
    for (int i = 0; i < 3; ++i)
        launch_shot(shots[i], left + weak_muzzle_x, top + weak_muzzle_y,
                    aimed_angle(left, top, player.x + weak_aim_offsets[i], player.y));
}

void Boss5WeakSpot::update_shots(int mode) {
    for (Sprite& shot : shots) fly_boss_bullet(shot, mode != 2);
}

void Boss5WeakSpot::draw(BITMAP* dest, float offset_x, float offset_y, BITMAP* screen) {
    draw_part(dest, {current_frame(), truncated(x + offset_x), truncated(y + offset_y)});
    for (const Sprite& shot : shots)
        if (shot.active) shot.draw_rotated(screen);
}

void Boss5::load() {
    explosion_channel = nullptr;
    // Its own copy: the weak spot is painted into it.
    set_body(load_png_ex("gfx/boss5/base.png"));
    start_over(-1.0f, back_to_centre);
    weak_spot_armed = 0;
    scatter_explosions();
    turret_picture = own(load_png_ex("gfx/boss5/turret.png"));
    wheels_picture = own(load_png_ex("gfx/boss5/wheels.png"));
    weak_spot_picture = own(load_png_ex("gfx/boss5/weak_spot.png"));
    // Loaded with the weak spot since its first version, though never drawn.
    own(load_png_ex("gfx/boss5/weak_spot_hit.png"));
    own(load_png_ex("gfx/boss5/weak_spot_hurt.png"));
    weak_spot.init(weak_spot_picture, own(load_bitmap_ex("gfx/boss2/boss2_phaser_bullet.gif")), weak_spot_x,
                   weak_spot_y);
    turret.init(turret_picture, weak_spot_picture, own(load_png_ex("gfx/boss5/turret_hit.png")),
                own(load_png_ex("gfx/boss5/bullet.png")), own(open_sound_stream("sfx/enemy_explosion.ogg", false)));
    turret.set_position(turret_x, turret_y);
    for (std::size_t i = 0; i < wheels.size(); ++i)
        set_frames(wheels[i], wheels_picture, 2, wheel_spots[i][0], wheel_spots[i][1], wheel_w, wheel_h);
    wheels_bitmap = own(create_bitmap(width, height));
    clear_to_color(wheels_bitmap, makecol(255, 0, 255));
    heading = 64.0f;
    radius = 100.0f;
    retreating = false;
    charging = true;
    max_speed = boss5_speeds.at_load;
    hit_points = 600;
    route = random_range(1, 4);
    open_explosion_sound();
}

void Boss5::update() {
    if (active) {
        // While the turret blows up the boss stands still.
        if (turret.state != Boss5Turret::exploding || turret.destroyed) {
            if (state == back_to_centre) return_to_centre();
            else if (state == charging_out) charge();
            else if (state == dying) death_step(boss5_death, explosion_channel);
        }
        fade();
        weak_spot.apply_speed(boss5_speeds, max_speed);
        if (weak_spot.beaten()) weak_spot.disarm();
        turret.update(x, y);
        if (turret.destroyed && !turret.visible && weak_spot_armed < 1) {
            weak_spot.arm();
            weak_spot_armed += 1;
        }
        if (state != dying) weak_spot.update(x, y);
    }
    weak_spot.update_shots(state == dying ? 2 : 1);
    animate_explosions();
}

// Brakes back to the centre, then turns on the spot to the next charge's heading.
void Boss5::return_to_centre() {
    if (radius < 0.0f) {
        roll(Boss5Wheel::forward);
        if (radius > 0.0f) radius = 0.0f;
    }
    if (radius > 0.0f) {
        roll(Boss5Wheel::back);
        if (radius < 0.0f) radius = 0.0f;
    }
    if (radius == 0.0f) {
        speed = 0.0f;
        const float h = route_headings[route - 1];
        if (heading > h) heading -= turn_on_spot;
        if (heading < h) heading += turn_on_spot;
        if (heading == h) {
            retreating = true;
            charging = false;
            state = charging_out;
        }
    }
    place_on_line();
}

// Backs away off the near edge, then runs out through the centre to the far limit.
void Boss5::charge() {
    if (charging) {
        roll(Boss5Wheel::forward);
        place_on_line();
        if (past_far_limit()) {
            speed = 0.0f;
            retreating = charging = false;
            route = random_range(1, 4);
            state = back_to_centre;
        }
    }
    if (retreating) {
        roll(Boss5Wheel::back);
        place_on_line();
        if (off_the_near_edge()) {
            speed = 0.0f;
            charging = true;
            retreating = false;
        }
    }
}

void Boss5::roll(int way) {
    for (Boss5Wheel& wheel : wheels) wheel.animate(way);
    if (way == Boss5Wheel::forward) {
        if (speed < max_speed) speed += accel;
    } else if (speed > -max_speed) {
        speed -= accel;
    }
    radius += speed;
}

void Boss5::place_on_line() {
    y = centre_y + radius * sin_turn(heading);
    x = centre_x + radius * cos_turn(heading);
}

bool Boss5::past_far_limit() const {
    switch (truncated(heading)) {
    case 0:
        return x > 500.0f;
    case 32:
    case 96:
        return y > 300.0f;
    case 64:
        return y > 160.0f;
    default:
        return false;
    }
}

bool Boss5::off_the_near_edge() const { return truncated(heading) == 0 ? x < -150.0f : y < -10.0f; }

void Boss5::draw(BITMAP* dest) {
    if (!visible || dead) return;
    for (const Boss5Wheel& wheel : wheels) wheel.draw(wheels_bitmap);
    const fixed turn = ftofix(heading + upright);
    rotate_sprite_anywhere(dest, wheels_bitmap, truncated(x), truncated(y), turn);
    rotate_sprite_anywhere(dest, body, truncated(x), truncated(y), turn);
    // Painted into the body, it shows turned with it from the next frame on.
    weak_spot.draw(body, 0.0f, 0.0f, dest);
    turret.draw(dest, x, y);
    draw_explosions(dest);
}

void Boss5::start_death() {
    place_for_death(x, y);
    weak_spot.disarm();
    start_shake(death_shake);
    state = dying;
}
