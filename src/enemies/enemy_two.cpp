#include "enemies/enemy_two.h"

#include <cstdlib>

#include "engine/slots.h"
#include "player/player.h"

namespace {

constexpr EnemyKind kind{&enemy_two_strip, 1, 125, 125, 0, 23, 0.8f, 25};
constexpr int escape_cost = 100;
constexpr float bullet_speed = 3.0f;
constexpr float muzzle_x = 59.0f, muzzle_y = 106.0f;
constexpr int fire_chance = 400;
constexpr const char* bullet_sound_path = "sfx/enemy_one_bullet.ogg";

}  // namespace

void EnemyTwo::init(float x0, float y0) {
    set_up(kind, x0, y0);
    bullet.init_bullet(enemy_two_bullet_strip, bullet_speed, bullet_down, 1, 0, 0);
    explosion_sound = enemy_sound(enemy_explosion_path);
    bullet_sound = enemy_sound(bullet_sound_path);
}

void EnemyTwo::update() {
    if (in_play) {
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

void EnemyTwo::fire() {
    if (std::rand() % fire_chance != 0 || dying || bullet.active) return;
    bullet.launch_from(x + muzzle_x, y + muzzle_y);
    play_enemy_sound(enemy_bullet_channel, bullet_sound, true);
    bullet.active = true;
}

void EnemyTwo::draw(BITMAP* target) {
    draw_body(target);
    if (bullet.active) bullet.draw_rotated(target);
    draw_reward(target);
}
