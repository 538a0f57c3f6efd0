#include "enemies/enemy_four.h"

#include <algorithm>
#include <cstdlib>

#include "engine/slots.h"
#include "player/player.h"

namespace {

constexpr EnemyKind kind{&enemy_four_strip, 5, 95, 95, 2, 7, 0.9f, 75};
constexpr int escape_cost = 200;
constexpr float bullet_speed = 4.1f;
constexpr int fire_chance = 300;
constexpr const char* bullet_sound_path = "sfx/enemy_four_bullet.ogg";

// The volley: three shots straight down.
struct Muzzle {
    float x, y;
};
constexpr Muzzle muzzles[3] = {{37.0f, 59.0f}, {46.0f, 84.0f}, {55.0f, 59.0f}};

}  // namespace

void EnemyFour::init(float x0, float y0) {
    set_up(kind, x0, y0);
    for (Sprite& bullet : bullets) bullet.init_bullet(enemy_four_bullet_strip, bullet_speed, bullet_down, 1, 0, 0);
    explosion_sound = enemy_sound(enemy_explosion_path);
    bullet_sound = enemy_sound(bullet_sound_path);
    steering = wrapping_left;
}

// While in play the bullets move twice a step, and are tested against the ship only after the
// first move.
void EnemyFour::update() {
    if (in_play) {
        switch (steering) {
        case wrapping_left: steer_left(); break;
        case wrapping_right: steer_right(); break;
        }
        start_death(explosion_sound, false);
        if (finish_death()) player.money += reward;
        rise_reward();
        follow_with_explosion();
        escape_below(escape_cost, player.money);
        check_hits();
        animate_explosion();
        for (Sprite& bullet : bullets) fly_enemy_bullet(bullet);
        fire();
    } else {
        block_shots();
    }
    for (Sprite& bullet : bullets)
        if (bullet.active) bullet.move_bullet();
}

void EnemyFour::fire() {
    if (std::rand() % fire_chance != 0 || dying) return;
    for (const Sprite& bullet : bullets)
        if (bullet.active) return;
    for (int i = 0; i < 3; ++i) {
        bullets[i].launch_from(x + muzzles[i].x, y + muzzles[i].y);
        bullets[i].active = true;
    }
    hit_flash = true;
    play_enemy_sound(enemy_bullet_channel, bullet_sound, false);
}

void EnemyFour::bank(int step) {
    tick += 1;
    if (tick > ticks_per_frame) {
        tick = 0;
        frame = std::max(0, std::min(last_frame, frame + step));
    }
}

void EnemyFour::steer_left() {
    accelerate_left();
    bank(-1);
    if (x < static_cast<float>(-w)) x = field_right;
}

void EnemyFour::steer_right() {
    accelerate_right();
    bank(+1);
    if (x > field_right) x = static_cast<float>(-w);
}

void EnemyFour::draw(BITMAP* target) {
    draw_body(target);
    for (const Sprite& bullet : bullets)
        if (bullet.active) bullet.draw_rotated(target);
    draw_reward(target);
}
