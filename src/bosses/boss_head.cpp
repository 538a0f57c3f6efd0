#include "bosses/boss_head.h"

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

constexpr float speed_step = 0.1f;
constexpr float shake_turn = 20.0f;
constexpr float shake_radius = 10.0f;
constexpr int explosion_size = 64;
constexpr int last_explosion = BossHead::explosion_count - 1;
// The row of explosions of the part-built bosses, on the screen wherever the body is.
constexpr int row_start_x = 34;
constexpr int row_y = 117;
constexpr int row_step = 70;
constexpr int row_wrap = 590;

}  // namespace

float cos_turn(float angle) { return fixtof(fixcos(ftofix(angle))); }
float sin_turn(float angle) { return fixtof(fixsin(ftofix(angle))); }

BossHead::~BossHead() {
    for (BITMAP* picture : pictures_) destroy_bitmap_safely(picture);
    for (FMOD_SOUND* sound : sounds_) FMOD_Sound_Release(sound);
}

BITMAP* BossHead::own(BITMAP* picture) {
    pictures_.push_back(picture);
    return picture;
}

FMOD_SOUND* BossHead::own(FMOD_SOUND* sound) {
    sounds_.push_back(sound);
    return sound;
}

void BossHead::set_body(BITMAP* picture) {
    body = own(picture);
    width = body->w;
    height = body->h;
}

void BossHead::start_over(float x0, int first_state) {
    x = x0;
    y = 0.0f;
    direction = at_load;
    state = first_state;
    vx = speed = 0.0f;
    active = visible = dead = false;
    fading = 0;
    shake_angle = 0.0f;
    alpha = 255;
    explosion_index = explosion_started = reward_paid = 0;
}

void BossHead::open_explosion_sound() { explosion_sound = own(open_sound_stream("sfx/enemy_explosion.ogg", false)); }

void BossHead::move_sideways(float& coordinate, float limit, float left_edge, float right_edge, float turn_speed) {
    if (state == moving_left) {
        direction = went_left;
        if (vx > -limit) vx -= speed_step;
        coordinate += vx;
        if (coordinate < left_edge) {
            vx = turn_speed;
            state = moving_right;
        }
    } else if (state == moving_right) {
        direction = went_right;
        if (vx < limit) vx += speed_step;
        coordinate += vx;
        if (coordinate > right_edge) {
            vx = -turn_speed;
            state = moving_left;
        }
    }
}

bool fade_alpha(int& alpha, bool fading) {
    if (!fading) {
        alpha += 10;
        if (alpha > 255) alpha = 255;
        return false;
    }
    alpha -= 12;
    if (alpha >= 1) return false;
    alpha = 1;
    return true;
}

void BossHead::fade() {
    if (fade_alpha(alpha, fading)) {
        dead = true;
        visible = false;
    }
}

void BossHead::scatter_explosions() {
    for (int i = 0; i < explosion_count; ++i) {
        const int ex = random_range(0, width - explosion_size);
        const int ey = random_range(0, height - explosion_size);
        explosions[i].init(static_cast<float>(ex), static_cast<float>(ey), explosion_scaled);
        explosions[i].set_scale(explosion_scales[i]);
    }
}

void BossHead::line_up_explosions(const std::array<float, explosion_count>& scales) {
    int ex = row_start_x;
    for (int i = 0; i < explosion_count; ++i) {
        explosions[i].init(static_cast<float>(ex), static_cast<float>(row_y), explosion_scaled);
        explosions[i].set_scale(scales[i]);
        ex += row_step;
        if (ex > row_wrap) ex = width / 2 + 15;
    }
}

void BossHead::place_for_death(float dx, float dy) {
    x = dx;
    y = dy;
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    for (int i = 0; i < last_explosion; ++i) {
        const int ex = random_range(left, static_cast<int>(x + static_cast<float>(width - explosion_size)));
        const int ey = random_range(top, static_cast<int>(y + static_cast<float>(height - explosion_size)));
        explosions[i].set_position(static_cast<float>(ex), static_cast<float>(ey));
    }
    explosions[last_explosion].set_position(x + static_cast<float>(width / 2 - 24), y + static_cast<float>(height / 2 - 24));
}

void BossHead::death_step(const DeathRow& row, FMOD_CHANNEL*& channel) {
    if (row.circles) {
        shake_angle += shake_turn;
        if (shake_angle > 256.0f) shake_angle = 0.0f;
        x = row.x + shake_radius * cos_turn(shake_angle);
        y = row.y + shake_radius * sin_turn(shake_angle);
    }
    Explosion& current = explosions[explosion_index];
    if (explosion_started < 1 && reward_paid < 1) {
        current.start();
        play_on_free_channel(explosion_sound, channel);
        fmod_check_channel(FMOD_Channel_SetChannelGroup(channel, master_group));
        explosion_started = 1;
    }
    if (explosion_index == last_explosion - 1 && current.frame > 1 && reward_paid < 1) fading = 1;
    if (explosion_index == last_explosion && fading && alpha == 1 && reward_paid < 1) {
        fading = 0;
        player.money += row.reward;
        stop_shake();
        reward_paid += 1;
    }
    if (explosion_started && current.frame > 3) {
        if (explosion_index != last_explosion) explosion_index += 1;
        explosion_started = 0;
    }
}

void BossHead::animate_explosions() {
    for (Explosion& explosion : explosions)
        if (explosion.active) explosion.animate();
}

void BossHead::draw_explosions(BITMAP* dest) {
    for (Explosion& explosion : explosions)
        if (explosion.active) explosion.draw(dest);
}

void FrameBoss::load() {
    explosion_channel = nullptr;
    set_body(load_png_ex(kind_.body_path));
    start_over(-1.0f, moving_right);
    scatter_explosions();
    bullet_picture = own(load_bitmap_ex(kind_.bullet_path));
    set_up_shots(bullets, bullet_picture,
                 {kind_.bullet_speed, bullet_up, kind_.bullet_frames, kind_.bullet_w, kind_.bullet_h, 3});
    bob_up = false;
    bob_down = true;
    max_speed = kind_.speeds.at_load;
    hit_points = kind_.hit_points;
    warning_below = kind_.speeds.warning_below;
    damage = low_hp_counter = 0;
    open_explosion_sound();
}

void FrameBoss::activate() {
    active = true;
    park_shots(bullets, false);
}

void FrameBoss::step_state(float* coordinate) {
    if (!active) return;
    if (state == dying)
        death_step(kind_.death, explosion_channel);
    else if (coordinate)
        move_sideways(*coordinate, max_speed - 1.0f, 0.0f, static_cast<float>(playfield_width - width),
                      max_speed - 2.0f);
    fade();
}

void FrameBoss::start_death() {
    start_shake(death_shake);
    place_for_death(kind_.death.x, kind_.death.y);
    state = dying;
}

void FrameBoss::set_speed_by_hit_points() {
    if (fighting()) set_speed(kind_.speeds, max_speed);
}

void FrameBoss::take_hits(std::initializer_list<Placed> vulnerable, std::initializer_list<Placed> armour) {
    if (fighting()) take_weapon_hits(vulnerable, armour);
}

void FrameBoss::fly_bullets() {
    for (int i = 0; i < kind_.bullet_count; ++i) fly_boss_bullet(bullets[i], active && state != dying);
}

void FrameBoss::draw_body(BITMAP* dest) {
    draw_part(dest, {body, static_cast<int>(x), static_cast<int>(y)});
}

void FrameBoss::draw_bullets(BITMAP* dest) const {
    for (int i = 0; i < kind_.bullet_count; ++i)
        if (bullets[i].active) bullets[i].draw_rotated(dest);
}
