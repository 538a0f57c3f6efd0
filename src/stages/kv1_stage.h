#pragma once
// A KV1 stage: the enemies march sideways as blocks and step down at the edges while the ship
// shoots them from below. Each stage, and each restart after a lost life, is a new visit that
// returns the next one, so any number of stages and lives leaves the stack as it is.
#include <allegro.h>

#include <array>

#include "engine/screen_flow.h"
#include "engine/screen_frame.h"
#include "stages/kv1_formations.h"

// The six arguments: stage, fresh (1 anew, 0 after a lost life) and the four formations of a
// restarted random stage (-1 otherwise).
NextScreen kv1_stage(const ScreenArgs& args);
// "CONTINUE???" after the last life.
NextScreen kv1_continue();

using Kv1Formations = std::array<int, kv1_kind_count>;

class Kv1Stage {
public:
    explicit Kv1Stage(const ScreenArgs& args);
    void step();
    void draw();
    bool running() const { return running_; }
    NextScreen leave();

    int level() const { return level_; }
    bool ready() const { return ready_; }
    const Kv1Formations& formations() const { return formations_; }
    int count(Kv1Kind kind) const { return static_cast<int>(layout_[kind].size()); }

private:
    bool random() const { return stage_ >= first_random_stage; }
    void place_enemies(bool fresh);
    void fade_step();
    void play();
    void update_enemies();
    void turn_blocks();
    void hurry();
    void start_fade_out();
    bool ship_destroyed() const;
    void draw_pause_box();

    int stage_;
    Kv1Formations formations_{};
    Kv1Layout layout_;
    ScreenBitmap background_;
    ScreenBitmap pause_box_;
    bool running_ = true;
    int level_ = 1;
    bool fading_in_ = true;
    bool fading_out_ = false;
    bool ready_ = false;
    int clear_steps_ = 0;
    bool flown_off_ = false;
    bool exit_chosen_ = false;
};

class Kv1Continue {
public:
    enum Choice { undecided, yes, no };

    Kv1Continue();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }
    int countdown() const { return countdown_; }

private:
    void button(BITMAP* plain, BITMAP* lit, int x, Choice choice);

    ScreenFade fade_;
    ScreenBitmap black_;
    int countdown_ = 10;
    int ticks_ = 0;
};
