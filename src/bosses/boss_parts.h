#pragma once
// The parts that the part-built bosses carry: shields over the core, the charge glow, the
// full-height beam, the phaser core that holds the boss's hit points, the wreck shown where a gun
// stood, and the base of every gun or turret that can be shot away. Each part's offset from the
// boss's corner is fixed at init; every operation takes the boss's position (bx, by), truncated.
// What differs between the bosses is a data row per part.
#include <allegro.h>

#include <array>
#include <cstddef>

#include "bosses/boss_hits.h"
#include "engine/explosion.h"
#include "engine/sprite.h"

// Where a part's picture comes from and where it sits on the boss.
struct PartRow {
    const char* path;
    int frames;
    int x, y;
    int w, h;
};

struct ShieldKind {
    bool closed_animates;  // frames 0 to 3 in a loop while closed, else frame 0 held
    int first_opening;
    int open_frame;
};
inline constexpr ShieldKind boss1_shield{true, 4, 7};
inline constexpr ShieldKind boss2_shield{false, 1, 5};
inline constexpr ShieldKind boss10_shield{true, 4, 8};

// Sends a shot off from (sx, sy) at `heading`.
void launch_shot(Sprite& shot, float sx, float sy, float heading);

// Parts cut their frames from a picture loaded for them, which is then let go.
void init_part(SpriteHead& part, const PartRow& row);

// Shot away bit by bit, it never closes again.
class BossShield : public SpriteHead {
public:
    enum Mode { close_requested = 60, open_requested = 61, closed = 63, opening = 64 };
    enum Status { shut = 66, open_status = 67 };

    int mode = close_requested;

    void init(const PartRow& row, const ShieldKind& kind);
    void open();
    bool is_open() const;
    // While closed it swallows the ship's shots; then one step of opening or of the closed glow.
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by) const;

private:
    const ShieldKind* kind_ = nullptr;
};

struct ChargeKind {
    int ticks_per_frame;
    int last_frame;  // the charge is done on reaching it
};
inline constexpr ChargeKind core_charge{11, 4};        // Boss1, Boss2
inline constexpr ChargeKind fast_core_charge{6, 4};    // Boss10's core
inline constexpr ChargeKind main_turret_charge{6, 3};  // Boss10's main turrets

class BossPhaserCharge : public SpriteHead {
public:
    bool running = false;

    void init(const PartRow& row, const ChargeKind& kind);
    void start();
    // True on the step on which the charge completes.
    bool step();
    void draw(BITMAP* dest, int bx, int by) const;

private:
    const ChargeKind* kind_ = nullptr;
};

struct BlastKind {
    int ticks_per_frame;
    int last_firing;   // firing loops through frames 0 to this
    int first_ending;  // ending runs from here to the last frame
};
inline constexpr BlastKind core_blast{4, 3, 4};    // Boss1, Boss2, and the main turrets' beams
inline constexpr BlastKind boss10_blast{3, 2, 4};

// The phases of a beam: started, firing for 500 steps, ending, off. `idle` beams are neither
// updated nor drawn.
class BeamPhases : public SpriteHead {
public:
    enum Mode { start_requested = 69, stop_requested = 70, firing = 71, ending = 72 };
    enum Status { burning = 73, off = 74 };
    static constexpr int firing_steps = 500;

    bool idle = true;
    int firing_ticks = 0;
    int mode = ending;
    int damage = 3;  // taken off the shield on every step of contact

    void start();
    // The beam vanishes at once.
    void stop();

protected:
    void init_phases(const BlastKind& kind);
    void step_phases();

private:
    const BlastKind* kind_ = nullptr;
};

class BossPhaserBlast : public BeamPhases {
public:
    void init(const PartRow& row, const BlastKind& kind);
    // Contact with the ship while burning, then one step of the phases.
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by) const;
};

// How the core's five shots leave it.
enum class PhaserAim {
    fixed_fan,         // from the muzzle, a fixed fan
    aimed,             // from the muzzle, each shot at its own point beside the ship
    aimed_from_centre  // as aimed, from the core's centre
};

struct PhaserKind {
    int hit_points;
    PhaserAim aim;
    const char* bullet_path;
    float bullet_speed;
    int bullet_frames, bullet_w, bullet_h;
    int bullet_damage;
};

// The core: it holds the boss's hit points, and takes hits and fires only while armed (the
// head's in-play flag).
class BossPhaser : public SpriteHead, public HitPoints {
public:
    static constexpr int shot_count = 5;
    static constexpr int volley_chance = 100;

    bool destroyed = false;
    int volleys = 0;  // since the last charge
    bool may_fire = true;
    std::array<Sprite, shot_count> bullets;
    BITMAP* bullet_picture = nullptr;  // the boss's

    void init(const PartRow& row, const PhaserKind& kind, BITMAP* shot_picture);
    void arm();
    // Disarmed, with every shot taken out of flight.
    void reset();
    void update(int bx, int by);
    void draw(BITMAP* dest, int bx, int by);

    // The heading from the core's corner to a point beside the ship, 0 to 256.
    float aim_at(int bx, int by, float target_x, float target_y) const;

private:
    void fire_volley(int bx, int by);

    const PhaserKind* kind_ = nullptr;
};

// Shown where a gun or turret was shot away.
class BossBrokenPart : public SpriteHead {
public:
    void animate();
    void draw(BITMAP* dest, int bx, int by) const;
    void absorb_shots(int bx, int by) const;
};

// A gun or turret that can be shot away: its hit points, its destruction explosion and its
// shots, which stay harmful while the boss dies.
template <std::size_t shots>
class DestructiblePart : public SpriteHead, public HitPoints {
public:
    static constexpr int volley_chance = 100;

    int explosions_started = 0;
    bool destroyed = false;
    Explosion explosion;
    std::array<Sprite, shots> bullets;
    BITMAP* bullet_picture = nullptr;  // the boss's

protected:
    void init_part_life(const PartRow& row, int start_hit_points, BITMAP* shot_picture, const ShotKind& shot);
    // Past its hit points the part is wrecked and its explosion starts, moved to (ex, ey) when
    // `place`; once that has burnt out the part is gone.
    void wreck_step(bool place, float ex, float ey);
    void take_hits(int bx, int by) { take_weapon_hits({placed_part(*this, bx, by)}, {}, destroyed); }
    void fly_shots();
    // The part unless wrecked, its explosion, its shots.
    void draw_part_and_shots(BITMAP* dest, int bx, int by);
};

template <std::size_t shots>
void DestructiblePart<shots>::init_part_life(const PartRow& row, int start_hit_points, BITMAP* shot_picture,
                                             const ShotKind& shot) {
    init_part(*this, row);
    explosion.init(static_cast<float>(row.x + 10), static_cast<float>(row.y + 6), explosion_scaled);
    hit_flash = destroyed = false;
    damage = explosions_started = low_hp_counter = 0;
    hit_points = start_hit_points;
    bullet_picture = shot_picture;
    set_up_shots(bullets, bullet_picture, shot);
}

template <std::size_t shots>
void DestructiblePart<shots>::wreck_step(bool place, float ex, float ey) {
    count_low_step();
    if (beaten() && !explosion.active && explosions_started < 1) {
        destroyed = true;
        explosion.start();
        if (place) explosion.set_position(ex, ey);
        explosions_started += 1;
    }
    if (beaten() && !explosion.active && explosions_started >= 1) alive = false;
}

template <std::size_t shots>
void DestructiblePart<shots>::fly_shots() {
    for (Sprite& shot : bullets) fly_boss_bullet(shot, true);
}

template <std::size_t shots>
void DestructiblePart<shots>::draw_part_and_shots(BITMAP* dest, int bx, int by) {
    if (!destroyed) draw_part(dest, placed_part(*this, bx, by));
    if (explosion.active) explosion.draw(dest);
    for (const Sprite& shot : bullets)
        if (shot.active) shot.draw_rotated(dest);
}
