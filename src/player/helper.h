#pragma once
// A helper ship: one of a pair that circles the player's ship and fires on its own. One-shot
// helpers fire one bullet straight up, three-shot helpers a fan of three.
#include <allegro.h>

#include <array>

#include "engine/sprite.h"

class Helper : public SpriteHead {
public:
    enum Kind { one_shot = 1, three_shot = 2 };

    Helper() = default;
    ~Helper();

    bool active = false;  // flies and is drawn
    int index = 1;        // 1 or 2: its place in the pair
    BITMAP* bullet_picture = nullptr;  // owned
    int kind = one_shot;
    int fire_counter = 0;  // steps since the last shot
    int fire_delay = 20;
    float angle = 0.0f;  // place on the orbit, radians in [0, 2pi)
    std::array<Sprite, 3> bullets{};

    // Loads the kind's pictures, releasing what an earlier load made.
    void load(int new_kind, int new_index);
    void activate() { active = true; }
    void deactivate() { active = false; }
    void reset();
    void update(float ship_x, float ship_y);
    void draw(BITMAP* dest) const;

private:
    void start_on_orbit();
    void fire_one();
    void fire_fan();
};
