#pragma once
// The ship's two bombs and the charge that comes before either: the beam (`Bomb1`) that opens
// above the ship, and five laser columns (`Bomb2Part`) that rise from the bottom and sweep the
// screen. Enemies and bosses read their frames, positions, `idle` flags and damage.
#include <allegro.h>

#include "engine/sprite.h"

// What the beam and a laser column share: the phases they run through, the status word the
// head holds, and the burn that ends early when the ship is hit.
class Bomb : public SpriteHead {
public:
    enum Phase { opening = 69, ending = 70, burning = 71, closing = 72 };
    // The head's `status` while the bomb burns and otherwise.
    enum Status { running = 73, off = 74 };

    bool active = false;
    bool idle = true;  // hurts only while false
    int fire_ticks = 0;
    int phase = closing;

    bool is_running() const { return has_status(running); }
    bool is_off() const { return has_status(off); }
    void close();

protected:
    // Off and closed, showing `shut_frame`: how a bomb starts.
    void shut(int shut_frame);
    // The burning phase: frames 0 to last_burning in a loop until the burn has run its time.
    void burn(int last_burning);
    // The ending phase: a burning bomb switches off and closes from `first_closing`.
    void end(int first_closing);
};

class BombCharge : public SpriteHead {
public:
    BombCharge() = default;
    ~BombCharge();

    bool active = false;
    BITMAP* middle_picture = nullptr;  // owned

    // Cuts the 17 frames and loads the middle picture, releasing what an earlier init loaded.
    void init();
    void start();
    // One step; true on every step on which the charge is far enough on to release the bomb.
    bool step();
    void draw(BITMAP* dest, int ox, int oy) const;
};

class Bomb1 : public Bomb {
public:
    int damage = 5;

    void init();
    void start();
    // Off and closed at once, as after init.
    void put_away();
    void update();
    void draw(BITMAP* dest, int ox, int oy) const;
};

class Bomb2Part : public Bomb {
public:
    enum Direction { sweep_left = 2, sweep_right = 3 };

    int direction = sweep_right;
    bool growing = false;
    float scale = 1.0f;
    bool moving = false;
    int damage = 8;

    // The five columns show one strip: the first cuts it, the others share its frames.
    void init();
    void init_shared(const Bomb2Part& owner);
    void set_sweep(int mode);
    void place(float new_x, float new_y);
    void launch();
    bool moving_left() const { return direction == sweep_left; }
    bool moving_right() const { return direction == sweep_right; }
    void update();
    void draw(BITMAP* dest) const;
    // Off and closed at once, as after init.
    void put_away();

private:
    void sweep();
};
