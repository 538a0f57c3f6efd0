#pragma once
// The turrets that Boss7 and Boss10 carry: the small two-shot gun that can be shot away, and
// Boss10's big main turret, which charges and then sweeps a beam of its own across the ground.
// A main turret cannot be hurt while the side turrets that guard it stand.
#include <allegro.h>

#include "audio/audio.h"
#include "bosses/boss_parts.h"

class BossTurret : public DestructiblePart<2> {
public:
    void init(const PartRow& row, int start_hit_points, BITMAP* shot_picture);
    // Destruction, hits and the volley, while in play.
    void update(int bx, int by);
    // Mode 2 only moves the shots; any other mode flies them as harmful shots.
    void update_shots(int mode);
    void draw(BITMAP* dest, int bx, int by) { draw_part_and_shots(dest, bx, by); }

private:
    void fire(int bx, int by);
};

// A beam hung below a main turret. It is drawn along the turret's sweep, but it burns the ship
// with a box where its own line meets the ground.
class BossTurretBlast : public BeamPhases {
public:
    static constexpr float ground_y = 439.0f;
    static constexpr int box_height = 41;

    float slope = 0.0f;
    float intercept = 0.0f;
    float ground_x = 0.0f;
    BITMAP* hit_box = nullptr;  // owned

    BossTurretBlast() = default;
    ~BossTurretBlast();
    BossTurretBlast(const BossTurretBlast&) = delete;
    BossTurretBlast& operator=(const BossTurretBlast&) = delete;

    void init(const PartRow& row);
    // (mx, my) is the turret's muzzle on the screen, `heading` the beam's line.
    void update(float mx, float my, float heading);
    void draw(BITMAP* dest, float heading) const;
};

// The pictures and sound a main turret is given by its boss.
struct MainTurretArt {
    BITMAP* hit_picture;
    BITMAP* weak_picture;
    FMOD_SOUND* blaster_sound;  // a stream of its own: both turrets may blast at once
};

class BossMainTurret : public DestructiblePart<0> {
public:
    static constexpr int charge_chance = 100;
    static constexpr int sweep_pause_steps = 10;  // a bound holds while the pause is not past this

    float beam_angle = 64.0f;  // the ground line's heading, turning faster than the drawn sweep
    float sweep = 64.0f;       // the heading the turret and its beam are drawn at
    FMOD_CHANNEL* channel = nullptr;
    int sweep_pause = 0;
    bool sweeping_up = false, sweeping_down = false;
    int charges = 0;  // 1 from a charge's start until its beam has ended
    BossPhaserCharge charge;
    BossTurretBlast beam;
    bool shielded = true;
    int id = 1;  // 1 left, 2 right

    void init(const PartRow& row, int new_id, const MainTurretArt& art);
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by);
    FMOD_SOUND* blaster_sound() const { return art_.blaster_sound; }

private:
    void wreck(int bx, int by);
    void sweep_beam(int bx, int by);
    void clear_spent_beam();
    void charge_and_fire();

    MainTurretArt art_{};
};
