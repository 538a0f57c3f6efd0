#pragma once
// The boss of stage 2 (and the second of stage 10): a body that stands still, with two aiming
// guns firing a laser between two bullets; with both guns gone its shield opens and the core
// fires aimed fans, and every fifth volley rests to charge and fire its beam. Losing the core
// starts its death at once.
#include <allegro.h>

#include <array>

#include "bosses/boss_parts.h"
#include "bosses/core_boss.h"

class Boss2Gun : public DestructiblePart<3> {
public:
    enum Aim { aim_left = 0, aim_down = 1, aim_right = 2 };
    static constexpr int laser = 1;  // the middle shot

    int id = 1;  // 1 left gun, 2 right gun

    void init(const PartRow& row, int new_id, BITMAP* shot_picture, BITMAP* laser_picture);
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by) { draw_part_and_shots(dest, bx, by); }

private:
    // The left gun never turns left, the right gun never right.
    void aim(int bx);
    void fire(int bx, int by);
};

class Boss2 : public GunnedCoreBoss<Boss2Gun> {
public:
    static constexpr int reward = 2500;

    BossShield shield;

    Boss2();

    void load();
    void update();
    void draw(BITMAP* dest);
};
