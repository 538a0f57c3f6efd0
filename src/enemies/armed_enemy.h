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
};

template <std::size_t n>
class ArmedEnemy : public Enemy {
public:
    std::array<Sprite, n> bullets;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* explosion_sound = nullptr;

    // The body, white after a hit, the explosion, the bullets in flight and the reward popup.
    void draw(BITMAP* target);

protected:
    // Every armed kind's construction: the record, its bullets and its two sounds.
    void build(const EnemyKind& kind, const Gun<n>& gun, float x0, float y0);
    // On a lucky step, unless the record is dying or any bullet of the last volley still flies,
    // launches every bullet from its muzzle and plays the shot.
    void fire(const Gun<n>& gun);
    // One step of every bullet in flight: the move, then the meeting with the ship.
    void fly_bullets();
    void draw_bullets(BITMAP* target) const;
};

extern template class ArmedEnemy<1>;
extern template class ArmedEnemy<3>;
