#pragma once
// The gun turret on the bodies of Boss8 and Boss9: volleys of fast pairs of shots straight down.
// Nothing in the fight hurts it; it stays on the body until the boss dies.
#include <allegro.h>

#include <array>
#include <cstddef>

#include "bosses/boss_moves.h"

// How a boss's turret sends its pairs off: the muzzles, and whether each pair waits for the one
// before it (Boss8) or leaves as soon as its own shots are gone (Boss9).
struct GunVolleyRule {
    float left_muzzle, right_muzzle;
    bool spaced;
};
inline constexpr GunVolleyRule boss8_volleys{16.0f, 30.0f, true};
inline constexpr GunVolleyRule boss9_volleys{7.0f, 45.0f, false};

// One step of the spaced burst that Boss8's gun turrets and Boss3's turrets fire: shot group 0
// leaves, then group 1 once every shot of group 0 has moved down past the muzzles' row at the last
// launch. Shots stand where their last flight ended until they fly again, so group 1 waits a step
// after group 0 unless group 0's last flight ended lower down. `launch(g)` sends group g off and
// records that row in `launch_y`; `next` is the group due. True on the step that group 1 leaves,
// which ends a round.
template <class Launch>
bool step_spaced_burst(const Sprite* shots, int group_size, int& next, const float& launch_y, Launch&& launch) {
    auto group_free = [&](int g) {
        for (int k = 0; k < group_size; ++k)
            if (shots[g * group_size + k].active) return false;
        return true;
    };
    if (next == 0 && group_free(0)) {
        launch(0);
        next = 1;
    }
    if (next != 1 || !group_free(1)) return false;
    for (int k = 0; k < group_size; ++k)
        if (shots[k].y <= launch_y) return false;
    launch(1);
    next = 0;
    return true;
}

// A turret's shots fly on: harmful in mode 1, only moving in mode 2.
template <std::size_t n>
void fly_turret_shots(std::array<Sprite, n>& shots, int mode) {
    for (Sprite& shot : shots) fly_boss_bullet(shot, mode != 2);
}

// The turret's frame on the body, then its shots in flight.
template <std::size_t n>
void draw_turret(const BroadTurret& turret, const std::array<Sprite, n>& shots, BITMAP* dest, float bx, float by,
                 TurretMode mode) {
    turret.draw_frame(dest, bx, by, mode);
    for (const Sprite& shot : shots)
        if (shot.active) shot.draw_rotated(dest);
}

class BossGunTurret : public BroadTurret {
public:
    static constexpr int pair_count = 3;
    static constexpr int volley_chance = 100;
    static constexpr float muzzles_above = 150.0f;  // Boss8 launches nothing from lower down
    static constexpr int cycles = 5;

    bool volley_running = false;
    int volley_count = 0;
    int pair_index = 0;
    int cycle = 0;
    float last_launch_y = 0.0f;
    std::array<Sprite, 2 * pair_count> turret_bullets;

    // Frames cut from `sheet` at (x, y) on the body; the shots share `shot_picture`.
    void init(BITMAP* sheet, int frames, int x, int y, int w, int h, BITMAP* shot_picture, const GunVolleyRule& rule);
    // A volley started on a chance, then one step of it, while the turret is in play.
    void fire_volley(int bx, int by);
    // Mode 2 only moves the shots; mode 1 flies them as harmful shots.
    void update(int mode);
    void draw(BITMAP* dest, float bx, float by, TurretMode mode) const;

private:
    bool pair_free(int pair) const;
    void launch_pair(int pair, int bx, int by);
    void spaced_step(int bx, int by);
    void quick_step(int bx, int by);
    void end_volley();

    const GunVolleyRule* rule_ = &boss8_volleys;
};
