#include "enemies/train_enemy.h"

#include "engine/loaders.h"

namespace {

constexpr int level_pose = 2;
constexpr double pace_gain = 0.4;  // added in double: the float rounding sets the cruising speed
constexpr float turn_gain = 0.5f;

}  // namespace

template <std::size_t n>
void TrainEnemy<n>::build(const EnemyKind& kind, const Gun<n>& gun, const TrainRoute& route, float x0, float y0) {
    ArmedEnemy<n>::build(kind, gun, x0, y0);
    this->state = Enemy::dropping;
    start_at(route.climbs ? static_cast<float>(playfield_height) : y0 - static_cast<float>(this->h));
    passes = 0;
    entered = released = false;
    this->bullets_out = false;
}

template <std::size_t n>
void TrainEnemy<n>::start_at(float start_y) {
    const float start_x = static_cast<float>(random_range(100, 540 - this->w));
    fire_line = static_cast<float>(playfield_height / 2 - this->h);
    this->set_position(start_x, start_y);
}

template <std::size_t n>
void TrainEnemy<n>::reset() {
    Enemy::reset();
    this->state = Enemy::dropping;
    passes = 0;
    released = false;
    entered = false;
}

template <std::size_t n>
void TrainEnemy<n>::steer_left() {
    this->accelerate_left(turn_gain);
    this->bank(-1, this->ticks_per_frame);
}

template <std::size_t n>
void TrainEnemy<n>::steer_right() {
    this->accelerate_right(turn_gain);
    this->bank(+1, this->ticks_per_frame);
}

template <std::size_t n>
void TrainEnemy<n>::pace(bool climbs) {
    const double way = climbs ? -1.0 : 1.0;
    const float speed = climbs ? -this->dy : this->dy;
    if (passes == 0) {
        if (speed < this->max_speed) this->dy = static_cast<float>(this->dy + way * pace_gain);
    } else if (speed > this->max_speed) {
        this->dy = static_cast<float>(this->dy - way * pace_gain);
    }
}

template <std::size_t n>
float TrainEnemy<n>::beyond_line(bool climbs) const {
    return climbs ? fire_line - this->y : this->y - fire_line;
}

template <std::size_t n>
bool TrainEnemy<n>::inside(const TrainRoute& route, float depth) const {
    if (route.climbs) return this->y < static_cast<float>(playfield_height - this->h) - depth;
    return this->y > depth;
}

template <std::size_t n>
void TrainEnemy<n>::cross_fire_line(const Gun<n>& gun, TrainTurn turn) {
    if constexpr (n > 0) this->fire_when_spent(gun);
    // It turns whether or not it fired.
    const bool left_half = this->x < static_cast<float>(320 - this->w / 2);
    switch (turn) {
    case TrainTurn::to_other_half: this->state = left_half ? Enemy::sweeping_right : Enemy::sweeping_left; break;
    case TrainTurn::to_own_edge: this->state = left_half ? Enemy::sweeping_left : Enemy::sweeping_right; break;
    case TrainTurn::at_random:
        this->state = random_range(1, 2) == 1 ? Enemy::sweeping_left : Enemy::sweeping_right;
        break;
    }
    passes = 1;
}

template <std::size_t n>
bool TrainEnemy<n>::step(const EnemyKind& kind, const Gun<n>& gun, const TrainRoute& route) {
    bool death_began = false;
    if (this->in_play && released) {
        pace(route.climbs);
        this->y += this->dy;
        if (beyond_line(route.climbs) < 0.0f) this->frame = level_pose;
        if (inside(route, route.entry_depth)) entered = true;
        if (beyond_line(route.climbs) > 0.0f && passes == 0) cross_fire_line(gun, route.turn);
        switch (this->state) {
        case Enemy::sweeping_left: steer_left(); break;
        case Enemy::sweeping_right: steer_right(); break;
        }
        death_began = this->leaving_step(kind.death, this->explosion_sound, route.climbs,
                                         entered && inside(route, route.hit_depth));
    }
    this->out_of_play_step();
    return death_began;
}

template class TrainEnemy<0>;
template class TrainEnemy<2>;
