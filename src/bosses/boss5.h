#pragma once
// The boss of stage 5: a wheeled machine that charges back and forth along straight lines through
// a fixed centre, turning on the spot between charges. First only the turret in its middle can be
// hurt: it wanders its aim and sweeps volleys of five groups of three. Once the turret has blown
// up and faded, the weak spot under it decides the fight, firing aimed shots, and the boss speeds
// up as it weakens.
#include <allegro.h>

#include <array>

#include "audio/audio.h"
#include "bosses/boss_head.h"
#include "bosses/boss_hits.h"
#include "engine/explosion.h"
#include "engine/sprite.h"

class Boss5Turret : public SpriteHead, public HitPoints {
public:
    static constexpr int group_count = 5;
    static constexpr int group_size = 3;
    enum State { fighting = 1, exploding = 75 };

    int state = fighting;
    int fading = 0;
    int explosion_index = 0;
    int alpha = 1;
    BITMAP* core_picture = nullptr;  // what takes the hits, drawn at its middle
    BITMAP* hit_picture = nullptr;   // drawn instead of it all while a hit shows
    float angle = 0.0f;              // of the barrel: 64 points down
    float aim = 0.0f;                // drawn anew every idle step
    float sweep_end = 0.0f;          // where the next group fires
    bool sweeping = false;
    bool destroyed = false;  // blown up and faded out
    int volley_kind = 1;     // 1 sweeps from 96 down to 32, 2 from 32 up to 96
    int volley_on = 0;
    int group_step = 0;
    int explosion_started = 0;
    std::array<Explosion, 10> explosions;
    FMOD_SOUND* explosion_sound = nullptr;
    FMOD_CHANNEL* explosion_channel = nullptr;
    std::array<Sprite, group_count * group_size> shots;
    int group = 0;  // the group that fires next

    void init(BITMAP* picture, BITMAP* core, BITMAP* hit, BITMAP* shot_picture, FMOD_SOUND* sound);
    void update(float bx, float by);
    void draw(BITMAP* dest, float bx, float by);

private:
    void death_step(float bx, float by);
    void fade();
    void place_explosion(Explosion& explosion, float bx, float by);
    void wander();
    void sweep(float bx, float by);
    void fire_group(float bx, float by);
};

class Boss5Wheel : public SpriteHead {
public:
    enum Way { forward = 1, back = 2 };

    void animate(int way);
    // Into the boss's wheel picture, at the wheel's offset.
    void draw(BITMAP* dest) const;
};

class Boss5WeakSpot : public SpriteHead, public HitPoints {
public:
    std::array<Sprite, 3> shots;

    void init(BITMAP* picture, BITMAP* shot_picture, float at_x, float at_y);
    void arm();
    void disarm();
    void update(float bx, float by);
    // Mode 2 only moves the shots; otherwise they are hostile.
    void update_shots(int mode);
    // Paints itself into `dest` (the boss's body) and its shots onto `screen`.
    void draw(BITMAP* dest, float offset_x, float offset_y, BITMAP* screen);
};

class Boss5 : public BossHead {
public:
    static constexpr int reward = 5000;
    enum Moves { charging_out = 58, back_to_centre = 59 };
    static constexpr float centre_x = 226.0f, centre_y = 140.0f;

    FMOD_CHANNEL* explosion_channel = nullptr;
    int weak_spot_armed = 0;
    bool retreating = false, charging = true;  // the two halves of a charge
    float max_speed = 3.0f;
    int hit_points = 600;  // the fight goes by the weak spot's
    int route = 1;         // the next charge's heading: 1 down, 2 across, 3 and 4 the diagonals
    BITMAP* turret_picture = nullptr;
    BITMAP* wheels_picture = nullptr;
    BITMAP* wheels_bitmap = nullptr;  // the wheels, drawn and then turned with the body
    Boss5Turret turret;
    std::array<Boss5Wheel, 4> wheels;
    float heading = 64.0f;  // of the line of travel
    float radius = 100.0f;  // along it, from the centre
    Boss5WeakSpot weak_spot;
    BITMAP* weak_spot_picture = nullptr;

    void load();
    void add_hit_points(int k) { hit_points += k; }
    void activate() { active = true; }
    void update();
    void draw(BITMAP* dest);
    void start_death();
    bool beaten() const { return weak_spot.beaten(); }

private:
    void return_to_centre();
    void charge();
    void roll(int way);
    void place_on_line();
    bool past_far_limit() const;
    bool off_the_near_edge() const;
};
