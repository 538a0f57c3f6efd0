#pragma once
// The boss of stage 1: a body sliding from side to side with two aiming guns; each gun shot away
// opens one of the two shields over the phaser core, which then fires fans and, every fifth
// volley, charges and fires its beam. Destroying the core beats the boss.
#include <allegro.h>

#include "audio/audio.h"
#include "bosses/boss_head.h"
#include "bosses/boss_parts.h"

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

class Boss1 : public BossHead {
public:
    static constexpr int reward = 2000;

    int phaser_armings = 0;
    int blasts_started = 0;  // a beam from the last charge has not yet been cleared
    Boss1Gun left_gun, right_gun;
    BossBrokenPart left_broken_gun, right_broken_gun;
    BossShield top_shield, bottom_shield;
    BossPhaserCharge charge;
    BossPhaserBlast beam;
    BossPhaser phaser;
    FMOD_SOUND* blaster_sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;  // the blaster's, and the death explosions'
    BITMAP* broken_phaser = nullptr;

    void load();
    // A third of the bonus goes to each gun.
    void add_hit_points(int k);
    void activate() { active = true; }
    void update_state();
    void update();
    void draw(BITMAP* dest);
    void start_death();
    bool beaten() const { return phaser.destroyed; }

private:
    void update_gun(Boss1Gun& gun, BossShield& shield, BossBrokenPart& broken, int bx, int by);
    void arm_when_open();
    void clear_spent_beam();
    void start_charge();
    void fire_when_charged();
    void draw_gun(BITMAP* dest, Boss1Gun& gun, const BossBrokenPart& broken, int bx, int by);
};
