#pragma once
// The ship's two bombs and the charge that comes before either: the beam (`Bomb1`) that opens
// above the ship, and five laser columns (`Bomb2Part`) that rise from the bottom and sweep the
// screen. Enemies and bosses read their frames, positions, `idle` flags and damage.
#include <allegro.h>

#include "engine/sprite.h"

// Phases of the beam and of a laser column.
enum BombPhase { bomb_opening = 69, bomb_ending = 70, bomb_burning = 71, bomb_closing = 72 };
// Status words: the head's `status` while a bomb burns and otherwise.
enum BombStatus { bomb_running = 73, bomb_off = 74 };

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

private:
    BITMAP* strip_ = nullptr;  // owned
};

class Bomb1 : public SpriteHead {
public:
    Bomb1() = default;
    ~Bomb1();

    bool active = false;
    bool idle = true;  // hurts only while false
    int fire_ticks = 0;
    int phase = bomb_closing;
    int damage = 5;

    void init();
    void start();
    void close();
    bool is_running() const { return has_status(bomb_running); }
    void update();
    void draw(BITMAP* dest, int ox, int oy) const;

private:
    BITMAP* strip_ = nullptr;  // owned
};

enum SweepDirection { sweep_left = 2, sweep_right = 3 };

class Bomb2Part : public SpriteHead {
public:
    bool active = false;
    int direction = sweep_right;
    bool growing = false;
    float scale = 1.0f;
    bool moving = false;
    bool idle = true;  // hurts only while false
    int fire_ticks = 0;
    int phase = bomb_closing;
    int damage = 8;

    // The five columns show one strip: the first cuts it, the others share its frames.
    void init(BITMAP* strip);
    void init_shared(const Bomb2Part& owner);
    void set_sweep(int mode);
    void place(float new_x, float new_y);
    void launch();
    void close();
    bool is_running() const { return has_status(bomb_running); }
    bool is_off() const { return has_status(bomb_off); }
    bool moving_left() const { return direction == sweep_left; }
    bool moving_right() const { return direction == sweep_right; }
    void update();
    void draw(BITMAP* dest) const;

private:
    void reset_state();
    void sweep();
};
