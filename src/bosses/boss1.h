#pragma once
// The boss of stage 1: a body sliding from side to side with two aiming guns; each gun shot away
// opens one of the two shields over the phaser core, which then fires fans and, every fifth
// volley, charges and fires its beam. Destroying the core beats the boss.
#include <allegro.h>

#include "bosses/boss_parts.h"
#include "bosses/core_boss.h"

class Boss1Gun : public DestructiblePart<6> {
public:
    static constexpr int set_size = 3;  // the shots fire in two sets of three
    enum Aim { aim_left = 0, aim_down = 1, aim_right = 2 };

    int volley_slot = 0;  // the set that fires next
    int id = 1;           // 1 left gun, 2 right gun

    void init(const PartRow& row, int new_id, BITMAP* shot_picture);
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by) { draw_part_and_shots(dest, bx, by); }

private:
    void aim(int bx);
    void fire(int bx, int by);
};

class Boss1 : public GunnedCoreBoss<Boss1Gun> {
public:
    static constexpr int reward = 2000;

    BossShield top_shield, bottom_shield;

    Boss1();

    void load();
    void update();
    void draw(BITMAP* dest);
};
