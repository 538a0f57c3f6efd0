#pragma once
// An enemy kind with a gun: its bullets, fired together as one volley, its two sounds, and the
// drawing of the record with its bullets.
#include <array>
#include <cstddef>

#include "enemies/enemy.h"

// One shot of a volley: where it leaves the body, its heading in Allegro units and its bullet type.
struct Muzzle {
    float x, y;
    float heading;
    int type;  // a BulletType
};

constexpr float heading_down = 64.0f;

// A kind's gun of n bullets.
template <std::size_t n>
struct Gun {
    BITMAP* const* bullet_strip;  // the picture slot holding the bullet
    float bullet_speed;
    std::array<Muzzle, n> muzzles;  // one per bullet
    int fire_chance;                // the volley comes on one step in this many, at random
    const char* sound_path;
    bool sound_at_master_volume;  // the shot's channel is set to the master volume
    bool flashes;                 // the body flashes white as it fires
    int damage = 1;               // taken from the ship's shield, or a hit
};

// How one volley leaves: turned from the muzzles' headings, shifted from their points, and with
// a head start along its flight.
struct Launch {
    float turn = 0.0f;
    float shift_x = 0.0f, shift_y = 0.0f;
    float head_start = 0.0f;
};

// True on one draw in `chance`, from the game's one random sequence.
bool one_in(int chance);

template <std::size_t n>
class ArmedEnemy : public Enemy {
public:
    std::array<Sprite, n> bullets;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* explosion_sound = nullptr;

    // The body, white after a hit, the explosion, the bullets in flight and the reward popup.
    void draw(BITMAP* target);
    // The step of the kinds that keep their volley out until it is over: every bullet in flight
    // moves and meets the ship; once none flies the record may fire again.
    void update_bullets();
    // Puts out what a quit game may have left of the record: its explosion, its reward popup and
    // its shots.
    void clear_remains();

protected:
    // Every armed kind's construction: the record, its bullets and its two sounds.
    void build(const EnemyKind& kind, const Gun<n>& gun, float x0, float y0);
    // On a lucky step, unless the record is dying or any bullet of the last volley still flies,
    // launches every bullet from its muzzle and plays the shot.
    void fire(const Gun<n>& gun);
    // Launches the volley and marks it out, if every bullet is idle and the last volley is over;
    // true when it went.
    bool fire_when_spent(const Gun<n>& gun, const Launch& how = {});
    // One step of every bullet in flight: the move, then the meeting with the ship.
    void fly_bullets();
    void draw_bullets(BITMAP* target) const;

private:
    bool all_idle() const;
    void launch(const Gun<n>& gun, const Launch& how);
};

extern template class ArmedEnemy<0>;
extern template class ArmedEnemy<1>;
extern template class ArmedEnemy<2>;
extern template class ArmedEnemy<3>;
extern template class ArmedEnemy<4>;
