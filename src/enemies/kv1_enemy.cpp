#include "enemies/kv1_enemy.h"

template <std::size_t n>
void Kv1Enemy<n>::build(const EnemyKind& kind, const Gun<n>& gun, float x0, float y0) {
    ArmedEnemy<n>::build(kind, gun, x0, y0);
    this->anchor_y = y0;
    this->bullets_out = false;
}

template <std::size_t n>
void Kv1Enemy<n>::reset() {
    Enemy::reset();
    this->frame = this->level_pose();
    this->bullets_out = false;
    for (Sprite& bullet : this->bullets) bullet.deactivate();
}

template <std::size_t n>
void Kv1Enemy<n>::finish_step(const Gun<n>& gun, std::optional<float> wrap_offset) {
    this->kv1_step(kv1_death, this->explosion_sound, wrap_offset);
    this->fire(gun);
}

template <std::size_t n>
void Kv1Enemy<n>::formation_step(const Formation& formation, float wrap_offset, const Gun<n>& gun) {
    this->sweep(formation);
    finish_step(gun, wrap_offset);
}

template <std::size_t n>
void Kv1Enemy<n>::update_bullets() {
    if (!this->bullets_out) return;
    bool any_active = false;
    for (Sprite& bullet : this->bullets) {
        fly_kv1_enemy_bullet(bullet);
        any_active = any_active || bullet.active;
    }
    this->bullets_out = any_active;
}

template <std::size_t n>
void Kv1Enemy<n>::draw(BITMAP* target) {
    if (!this->dying) this->draw_figure(target);
    if (this->explosion.active) this->explosion.draw(target);
    this->draw_bullets(target);
}

template class Kv1Enemy<1>;
template class Kv1Enemy<3>;
