#include "enemies/tank.h"

#include "engine/aiming.h"
#include "engine/loaders.h"

namespace {

// Where an entry starts along one axis: before the field, at its middle, or on its far edge.
enum class Start { before, middle, beyond };

struct Entry {
    float heading;
    Start x, y;
};

// The formations 2, 4, 5, 6 and 1, 7, 8, 3 meet in the middle of the field.
constexpr Entry entries_table[] = {
    {24.0f, Start::before, Start::before},   {64.0f, Start::middle, Start::before},
    {104.0f, Start::beyond, Start::before},  {0.0f, Start::before, Start::middle},
    {192.0f, Start::middle, Start::beyond},  {128.0f, Start::beyond, Start::middle},
    {152.0f, Start::beyond, Start::beyond},  {232.0f, Start::before, Start::beyond},
};

float entry_x(Start at, int w) {
    switch (at) {
    case Start::before: return static_cast<float>(-w);
    case Start::middle: return static_cast<float>(playfield_width / 2 - w / 2);
    case Start::beyond: break;
    }
    return static_cast<float>(playfield_width);
}

// The middle row is set by the width, so the side tanks of a formation cross the top and bottom
// ones at one point.
float entry_y(Start at, int w, int h) {
    switch (at) {
    case Start::before: return static_cast<float>(-h);
    case Start::middle: return static_cast<float>(playfield_height / 2 - w / 2);
    case Start::beyond: break;
    }
    return static_cast<float>(playfield_height);
}

}  // namespace

template <std::size_t n>
Tank<n>::~Tank() {
    destroy_bitmap_safely(wheel_canvas);
}

template <std::size_t n>
void Tank<n>::build(const EnemyKind& kind, const Gun<n>& gun, const TankKind& tank) {
    ArmedEnemy<n>::build(kind, gun, 0.0f, 0.0f);
    turret_picture = enemy_picture(tank.turret_path);
    wheels_picture = enemy_picture(tank.wheels_path);
    this->hit_picture = enemy_picture(tank.hit_path);
    turret.init(turret_picture, tank.turret_mode);
    turret.set_position(tank.turret_at.x, tank.turret_at.y);
    for (std::size_t i = 0; i < wheels.size(); ++i) {
        wheels[i].init(wheels_picture, Wheel::plain, 3, tank.wheel_w, tank.wheel_h);
        wheels[i].set_position(tank.wheels_at[i].x, tank.wheels_at[i].y);
    }
    if (!wheel_canvas) wheel_canvas = create_bitmap(this->w, this->h);
    clear_to_color(wheel_canvas, makecol(255, 0, 255));
    this->x = static_cast<float>(random_range(100, 540 - this->w));
    this->y = static_cast<float>(-this->h);
    this->bullets_out = false;
    this->heading = heading_down;
    this->travelled = 0.0f;
    entry = 0;
}

template <std::size_t n>
void Tank<n>::reset() {
    Enemy::reset();
    this->state = Enemy::dropping;
    this->heading = heading_down;
    this->travelled = 0.0f;
}

template <std::size_t n>
void Tank<n>::set_entry(int n_entry, int entries) {
    entry = n_entry;
    if (n_entry >= 1 && n_entry <= entries) {
        const Entry& row = entries_table[n_entry - 1];
        this->heading = row.heading;
        this->start_x = this->x = entry_x(row.x, this->w);
        this->start_y = this->y = entry_y(row.y, this->w, this->h);
    }
    this->set_position(this->x, this->y);
}

template <std::size_t n>
void Tank<n>::drive_step(const EnemyKind& kind, bool leaves_over_top) {
    this->start_death(kind.death, this->explosion_sound);
    this->leave_field(leaves_over_top);
    turret.aim(this->x, this->y);
    for (Wheel& wheel : wheels) wheel.animate();
    this->continue_death(kind.death.payee);
    this->check_hits();
    this->animate_explosion();
}

template <std::size_t n>
void Tank<n>::draw_tank(BITMAP* target, const TankKind& tank) {
    if (!tank.shots_over_hull) this->draw_bullets(target);
    if (this->visible && !this->dying) {
        // The wheels' frames cover the same footprint, so the canvas needs no clearing.
        for (const Wheel& wheel : wheels) wheel.draw(wheel_canvas);
        draw_rotated(target, wheel_canvas, this->x, this->y, this->heading);
        this->draw_hull(target);
        draw_rotated(target, turret, turret.angle, this->x, this->y);
    }
    if (this->explosion.active) this->explosion.draw(target);
    if (tank.shots_over_hull) this->draw_bullets(target);
    this->draw_reward(target);
}

template class Tank<2>;
template class Tank<4>;
