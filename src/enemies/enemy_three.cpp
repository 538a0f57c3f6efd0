#include "enemies/enemy_three.h"

#include <cstdlib>

#include "engine/slots.h"
#include "player/player.h"

namespace {

constexpr EnemyKind kind{&enemy_three_strip, 1, 93, 93, 0, 6, 0.85f, 50};
constexpr int escape_cost = 150;
constexpr float bullet_speed = 4.0f;
constexpr int fire_chance = 400;
constexpr const char* bullet_sound_path = "sfx/enemy_three_bullet.ogg";

// The spread: left, middle and right shot.
struct Muzzle {
    float x, y, heading;
    int type;
};
constexpr Muzzle muzzles[3] = {
    {24.0f, 85.0f, 80.0f, bullet_diagonal},
    {44.0f, 90.0f, 64.0f, bullet_down},
    {61.0f, 85.0f, 48.0f, bullet_spread},
};

}  // namespace

void EnemyThree::init(float x0, float y0) {
    set_up(kind, x0, y0);
    for (int i = 0; i < 3; ++i) bullets[i].init_bullet(enemy_three_bullet_strip, bullet_speed, muzzles[i].type, 1, 0, 0);
    explosion_sound = enemy_sound(enemy_explosion_path);
    bullet_sound = enemy_sound(bullet_sound_path);
    steering = wrapping_left;
}

void EnemyThree::update() {
    if (in_play) {
        switch (steering) {
        case wrapping_left: steer_left(); break;
        case wrapping_right: steer_right(); break;
        }
        start_death(explosion_sound, false);
        escape_below(escape_cost, player.money);
        if (finish_death()) player.money += reward;
        rise_reward();
        follow_with_explosion();
        check_hits();
        animate_explosion();
        fire();
    } else {
        block_shots();
    }
    for (Sprite& bullet : bullets) fly_enemy_bullet(bullet);
}

void EnemyThree::fire() {
    if (std::rand() % fire_chance != 0 || dying) return;
    for (const Sprite& bullet : bullets)
        if (bullet.active) return;
    for (int i = 0; i < 3; ++i) {
        bullets[i].set_angle(muzzles[i].heading, 0.0f);
        bullets[i].launch_from(x + muzzles[i].x, y + muzzles[i].y);
    }
    play_enemy_sound(enemy_bullet_channel, bullet_sound, true);
    for (Sprite& bullet : bullets) bullet.active = true;
}

void EnemyThree::steer_left() {
    accelerate_left();
    if (x < static_cast<float>(-w)) x = field_right;
}

void EnemyThree::steer_right() {
    accelerate_right();
    if (x > field_right) x = static_cast<float>(-w);
}

void EnemyThree::draw(BITMAP* target) {
    draw_body(target);
    for (const Sprite& bullet : bullets)
        if (bullet.active) bullet.draw_rotated(target);
    draw_reward(target);
}
