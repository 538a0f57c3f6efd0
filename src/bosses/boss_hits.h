#pragma once
// What every boss and every boss part that takes hits shares: the hit-point record with its one
// weapons routine, the speed that rises as the hit points fall, the plain, red-tinted or white
// drawing, the shots that stop on armour, and the one step of every hostile boss bullet.
#include <allegro.h>

#include <initializer_list>

#include "engine/sprite.h"

// A picture where it stands on the screen this step.
struct Placed {
    BITMAP* picture;
    int x, y;
};

// The screen position of a part: its offset and the boss's position, each truncated.
inline Placed placed_part(const SpriteHead& part, int bx, int by) {
    return {part.current_frame(), static_cast<int>(part.x) + bx, static_cast<int>(part.y) + by};
}

// Pictures without hit points (shields, wrecks, the beam) are drawn plain over the mask.
void draw_masked(BITMAP* dest, const Placed& at);

// Top speed by remaining hit points r: 150 < r < 300, 75 < r < 150, and the warning zone
// r < warning_below; at exactly 300, 150 or 75 the speed stays as it was.
struct SpeedBands {
    float at_load;
    float below_300;
    float below_150;
    float warning;
    int warning_below;
};

struct HitPoints {
    int hit_points = 0;
    int damage = 0;
    bool hit_flash = false;  // cleared by the next draw
    int low_hp_counter = 0;  // steps spent in the warning zone
    int warning_below = 10;  // remaining hit points that start the warning

    int remaining() const { return hit_points - damage; }
    bool beaten() const { return damage > hit_points; }
    bool warning() const { return remaining() < warning_below; }
    // In the warning zone the picture shows red on every tenth step.
    bool tinted() const { return warning() && low_hp_counter % 10 == 0; }
    // Counts a step in the warning zone.
    void count_low_step() {
        if (warning()) low_hp_counter += 1;
    }

    // One step of the ship's weapons against the vulnerable pictures. Armour is tested first
    // against every shot and only swallows it. A bomb adds 1 and only while no hit shows yet, so
    // bombs score once between two draws; every shot adds its damage and is spent. A wrecked part
    // takes no more hits.
    void take_weapon_hits(std::initializer_list<Placed> vulnerable, std::initializer_list<Placed> armour = {},
                          bool wrecked = false);

    // Sets `max_speed` by the remaining hit points.
    void apply_speed(const SpeedBands& bands, float& max_speed) const;
    // The same, counting a warning step.
    void set_speed(const SpeedBands& bands, float& max_speed) {
        apply_speed(bands, max_speed);
        count_low_step();
    }

    // A vulnerable picture: white after a hit, else red-tinted on every tenth warning step, else
    // plain. The owner clears the flash once all its vulnerable pictures are drawn.
    void draw_marked(BITMAP* dest, const Placed& at) const;
    // A part's one picture, ending its flash.
    void draw_part(BITMAP* dest, const Placed& at);
};

// How a boss's shot flies and what it takes off the ship.
struct ShotKind {
    float speed;
    int type;
    int frames, w, h;  // one frame of no given size is the whole picture
    int damage;
};

// Every shot starts out of flight, launched from off the top-left corner.
void set_up_shot(Sprite& shot, BITMAP* picture, const ShotKind& kind);
template <class Shots>
void set_up_shots(Shots& shots, BITMAP* picture, const ShotKind& kind) {
    for (Sprite& shot : shots) set_up_shot(shot, picture, kind);
}
// Launch points moved further off the corner as a fight starts or a part arms; `stop` also takes
// the shots out of flight.
template <class Shots>
void park_shots(Shots& shots, bool stop) {
    for (Sprite& shot : shots) {
        shot.launch_from(-10.0f, -10.0f);
        if (stop) shot.deactivate();
    }
}

// A volley waits till every shot of the last is out of flight.
bool none_in_flight(const Sprite* shots, int n);

// A boss's shot or beam touches the ship: the shield loses `amount` and goes off below 0; with
// the shield off the ship is hit. True on a hit.
bool strike_ship(int amount);

// Swallows every helper shot and ship bullet that touches the picture, scoring nothing.
void absorb_shots(const Placed& armour);

// One step of a live boss bullet: it moves; while `harmful` helpers stop it, it drains the
// shield on every step of contact (staying in flight) and hits the bare ship, and the bombs stop
// it.
void fly_boss_bullet(Sprite& bullet, bool harmful);
