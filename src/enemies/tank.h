#pragma once
// A ground tank: it drives along a heading from a start point on an edge of the field, drawn as
// turning wheels under its hull with a gun turret on top, all turned to its heading.
#include <array>
#include <cstddef>

#include "enemies/course_enemy.h"
#include "enemies/tank_parts.h"

struct Offset {
    float x, y;
};

// What a tank kind adds to its record.
struct TankKind {
    const char* hit_path;
    const char* turret_path;
    const char* wheels_path;
    int turret_mode;  // a Turret::Mode
    Offset turret_at;
    int wheel_w, wheel_h;  // three frames each
    std::array<Offset, 4> wheels_at;
    bool shots_over_hull;  // else its shots are drawn under it
};

template <std::size_t n>
class Tank : public CourseEnemy<n> {
public:
    BITMAP* wheel_canvas = nullptr;  // the tank's own, the wheels drawn into it
    BITMAP* turret_picture = nullptr;
    BITMAP* wheels_picture = nullptr;
    Turret turret;
    std::array<Wheel, 4> wheels;
    int entry = 0;

    Tank() = default;
    ~Tank();

    void reset();
    // Puts the record on the edge of its entry, one of the first `entries`; others leave the
    // heading and the position as they are.
    void set_entry(int n_entry, int entries);

protected:
    void build(const EnemyKind& kind, const Gun<n>& gun, const TankKind& tank);
    // The steps after the move, in the tanks' order: death start, exit, the turret and wheels
    // turning, kill, popup rise, the explosion following, hit test, explosion animation.
    void drive_step(const EnemyKind& kind, bool leaves_over_top);
    void draw_tank(BITMAP* target, const TankKind& tank);
};

extern template class Tank<2>;
extern template class Tank<4>;
