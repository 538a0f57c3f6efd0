#include "enemies/enemy_one.h"

#include <cstdlib>

#include "engine/slots.h"
#include "player/player.h"

namespace {

constexpr EnemyKind kind{&enemy_one_strip, 1, 64, 64, 0, 3, 0.2f, 25};
constexpr int escape_cost = 100;
constexpr float bullet_speed = 2.0f;
constexpr float muzzle_x = 30.0f, muzzle_y = 59.0f;
constexpr int fire_chance = 1000;
constexpr const char* bullet_sound_path = "sfx/enemy_one_bullet.ogg";

// The body spans columns 6 to 58 of its frame; the formation turns when that leaves the field.
constexpr float left_edge = 6.0f;
constexpr float right_edge = 58.0f;
constexpr float drop_speed = 0.2f;
constexpr float drop_depth = 15.0f;
constexpr float turn_speed_gain = 0.1f;

}  // namespace

void EnemyOne::init(float x0, float y0) {
    set_up(kind, x0, y0);
    bullet.init_bullet(enemy_one_bullet_strip, bullet_speed, bullet_down, 1, 0, 0);
    explosion_sound = enemy_sound(enemy_explosion_path);
    bullet_sound = enemy_sound(bullet_sound_path);
}

void EnemyOne::update() {
    if (in_play) {
        switch (state) {
        case sweeping_left: steer_left(); break;
        case sweeping_right: steer_right(); break;
        case dropping: drop(); break;
        }
        start_death(explosion_sound, true);
        if (finish_death()) player.money += reward;
        rise_reward();
        follow_with_explosion();
        escape_below(escape_cost, player.money);
        check_hits();
        animate_explosion();
        fire();
    } else {
        block_shots();
    }
    fly_enemy_bullet(bullet);
}

void EnemyOne::fire() {
    if (std::rand() % fire_chance != 0 || dying || bullet.active) return;
    bullet.launch_from(x + muzzle_x, y + muzzle_y);
    play_enemy_sound(enemy_bullet_channel, bullet_sound, true);
    bullet.active = true;
}

void EnemyOne::reach_edge() {
    at_edge = true;
    stop();
}

void EnemyOne::steer_left() {
    accelerate_left();
    if (x + left_edge < 0.0f) reach_edge();
}

void EnemyOne::steer_right() {
    accelerate_right();
    if (x + right_edge > field_right) reach_edge();
}

void EnemyOne::drop() {
    if (dy < drop_speed) dy += 0.1f;
    y += dy;
    if (y > anchor_y + drop_depth) {
        dy = 0.0f;
        max_speed += turn_speed_gain;
        at_edge = false;
        // Back the way it came.
        if (direction == went_right) state = sweeping_left;
        if (direction == went_left) state = sweeping_right;
    }
}

void EnemyOne::draw(BITMAP* target) {
    draw_body(target);
    if (bullet.active) bullet.draw_rotated(target);
    draw_reward(target);
}
