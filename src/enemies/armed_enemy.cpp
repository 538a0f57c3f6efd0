#include "enemies/armed_enemy.h"

#include <cstdlib>

bool one_in(int chance) { return std::rand() % chance == 0; }

template <std::size_t n>
void ArmedEnemy<n>::build(const EnemyKind& kind, const Gun<n>& gun, float x0, float y0) {
    set_up(kind, x0, y0);
    for (std::size_t i = 0; i < n; ++i) {
        bullets[i].init_bullet(*gun.bullet_strip, gun.bullet_speed, gun.muzzles[i].type, 1, 0, 0);
        bullets[i].set_damage(gun.damage);
    }
    explosion_sound = enemy_sound(enemy_explosion_path);
    bullet_sound = enemy_sound(gun.sound_path);
}

template <std::size_t n>
bool ArmedEnemy<n>::all_idle() const {
    for (const Sprite& bullet : bullets)
        if (bullet.active) return false;
    return true;
}

template <std::size_t n>
void ArmedEnemy<n>::launch(const Gun<n>& gun, const Launch& how) {
    for (std::size_t i = 0; i < n; ++i) {
        const Muzzle& muzzle = gun.muzzles[i];
        bullets[i].launch_from(x + muzzle.x + how.shift_x, y + muzzle.y + how.shift_y);
        bullets[i].set_angle(muzzle.heading + how.turn, how.head_start);
        bullets[i].active = true;
    }
    bullets_out = true;
    if (gun.flashes) hit_flash = true;
    play_enemy_sound(enemy_bullet_channel, bullet_sound, gun.sound_at_master_volume);
}

template <std::size_t n>
void ArmedEnemy<n>::fire(const Gun<n>& gun) {
    if (!one_in(gun.fire_chance) || dying || !all_idle()) return;
    launch(gun, {});
}

template <std::size_t n>
bool ArmedEnemy<n>::fire_when_spent(const Gun<n>& gun, const Launch& how) {
    if (!all_idle() || bullets_out) return false;
    launch(gun, how);
    return true;
}

template <std::size_t n>
void ArmedEnemy<n>::fly_bullets() {
    for (Sprite& bullet : bullets) fly_enemy_bullet(bullet);
}

template <std::size_t n>
void ArmedEnemy<n>::update_bullets() {
    if (!bullets_out) return;
    fly_bullets();
    if (all_idle()) bullets_out = false;
}

template <std::size_t n>
void ArmedEnemy<n>::clear_remains() {
    // Put out as a finished run leaves it: the next death then plays all of it, and its popup ends
    // before the kill.
    explosion.stop();
    explosion.frame = explosion.tick = 0;
    hide_reward();
    for (Sprite& bullet : bullets) bullet.active = false;
    bullets_out = false;
}

template <std::size_t n>
void ArmedEnemy<n>::draw_bullets(BITMAP* target) const {
    for (const Sprite& bullet : bullets)
        if (bullet.active) bullet.draw_rotated(target);
}

template <std::size_t n>
void ArmedEnemy<n>::draw(BITMAP* target) {
    draw_body(target);
    draw_bullets(target);
    draw_reward(target);
}

template class ArmedEnemy<0>;
template class ArmedEnemy<1>;
template class ArmedEnemy<2>;
template class ArmedEnemy<3>;
template class ArmedEnemy<4>;
