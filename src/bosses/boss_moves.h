#pragma once
// Moves the one-body bosses share: the bob (up and down between two turning heights, braking
// past each), the fan (a boss's bullets sent off together from one point), and the pair of
// turrets hung under a broad body, drawn plain, white or red along with the body.
#include <allegro.h>

#include <array>
#include <cstddef>

#include "bosses/boss_head.h"
#include "bosses/boss_parts.h"
#include "engine/loaders.h"
#include "engine/sprite.h"

// The bob turns up once `y` is past `lowest` and down once it is above `highest`; the speed
// changes by `step` a step, up to the boss's `max_speed` either way.
struct BobRow {
    float highest;  // the smaller y
    float lowest;
    float step;
};

// One step of the bob. The down phase runs first, so on the step it turns the up phase runs too.
void bob(FrameBoss& boss, const BobRow& row);

// One draw of the one-in-100 chance, taken every step; true when it hits while the boss is higher
// up than `below_y`, still fighting, and none of its bullets is in flight.
bool fan_due(const FrameBoss& boss, float below_y);

// Shots sent off together from (sx, sy), one heading each, nothing travelled.
template <std::size_t n>
void launch_fan(Sprite* shots, float sx, float sy, const std::array<float, n>& headings) {
    for (std::size_t i = 0; i < n; ++i) launch_shot(shots[i], sx, sy, headings[i]);
}

// A fan whose headings are one of three rows, drawn with random_range(1, 3).
template <std::size_t n>
using FanRows = std::array<std::array<float, n>, 3>;
template <std::size_t n>
void launch_fan_row(Sprite* shots, float sx, float sy, const FanRows<n>& rows) {
    launch_fan(shots, sx, sy, rows[random_range(1, 3) - 1]);
}

// How a turret is drawn: as it is, as a white flash, or as a dark red silhouette.
enum TurretMode { turret_plain = 0, turret_white = 1, turret_red = 2 };

// The mode that goes with the body's own drawing: white on a hit, red on every tenth warning
// step. Read it before the body is drawn, since that ends the flash.
TurretMode turret_mode(const HitPoints& body);

// The two turrets under the broad bodies: two frames of 51x117 from the boss's turret sheet,
// 147 pixels apart.
struct TurretSpot {
    int x, y;
};
inline constexpr std::array<TurretSpot, 2> broad_turret_spots{{{52, 114}, {199, 114}}};
inline constexpr int broad_turret_frames = 2;
inline constexpr int broad_turret_w = 51;
inline constexpr int broad_turret_h = 117;

// A new frame every second call, forward (+1) or back (-1), wrapping at either end.
void turn_every_second_step(SpriteHead& record, int way);

class BroadTurret : public SpriteHead {
public:
    // Cuts its frames from `sheet` and stands at spot `index` (0 or 1), frame 0.
    void init_frames(BITMAP* sheet, int index);
    // While firing the frame turns over every second step.
    void turn_frame();
    // Its current frame at its spot on the boss at (bx, by).
    void draw_frame(BITMAP* dest, float bx, float by, TurretMode mode) const;
};
