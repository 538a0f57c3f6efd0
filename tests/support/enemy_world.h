#pragma once
// What the enemy and boss tests share: the data tree loaded once (enemy art in its slots, Adam's ship in
// `player`, audio on the manual clock), a ship parked out of harm's way, and control of the
// fire chance.
#include <allegro.h>

#include <cstdlib>

#include "enemies/enemy.h"
#include "engine/sprite.h"

namespace enemy_world {

// Loads everything on the first call; later calls only park the ship and clear its weapons.
void prepare();

// The ship, its helpers and bombs idle and far from the field; every shot switched off.
void park_ship();

// Ready for a new appearance at (x, y), shown and in play, as a stage spawns a record.
void spawn(Enemy& record, float x, float y);

// Arranges the C library's generator so that the next rand() % chance is 0.
void fire_on_next_draw(int chance);
// Arranges it so that the next rand() % modulus is `remainder`.
void next_draw_gives(int modulus, int remainder);

// The volleys a record fires over `steps` steps when it never runs short of shots, from the
// game's random sequence as `seed` starts it; `bring_back` puts it in view again whenever it has
// left play or escaped.
template <class Kind, class BringBack>
int volleys_over(Kind& record, int steps, unsigned seed, BringBack&& bring_back) {
    std::srand(seed);
    int volleys = 0;
    for (int i = 0; i < steps; ++i) {
        if (!record.in_play || record.dying) bring_back(record);
        for (Sprite& bullet : record.bullets) bullet.deactivate();
        record.bullets_out = false;
        record.update();
        bool fired = false;
        for (const Sprite& bullet : record.bullets) fired = fired || bullet.active;
        volleys += fired;
    }
    return volleys;
}

// Puts an active bullet of the ship with its top-left corner at (x, y).
Sprite& aim_ship_bullet(int group, int slot, float x, float y);

// Puts a bullet at (x, y), active and showing its current frame, as a move would leave it.
void place_bullet(Sprite& bullet, float x, float y);

// Near-white pixels in an area of a picture: a hit's silhouette, a popup's text.
int bright_pixels(BITMAP* bitmap, int x0, int y0, int w, int h);

// The centre of a record's frame, for aiming.
float centre_x(const SpriteHead& record);
float centre_y(const SpriteHead& record);

}  // namespace enemy_world
