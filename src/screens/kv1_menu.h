#pragma once
// The KV1 episode's menu, and the mission intro that START leads to. Neither starts a tune: the
// KV1 tune started before them plays on into the stages.
#include <array>

#include "engine/screen_frame.h"

NextScreen kv1_menu();
NextScreen kv1_mission();

class Kv1Menu {
public:
    enum Choice { start = 1, options = 2, exit_choice = 3 };

    // Restores the six default key bindings: those rebound on the KV1 controls screen last only
    // until the player comes back here.
    Kv1Menu();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }

private:
    ScreenFade fade_;
    ScreenBitmap black_;
};

class Kv1Mission {
public:
    // Loads the four enemy pictures for the visit.
    Kv1Mission();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    // A new ship, then stage 1.
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }

private:
    ScreenFade fade_;
    ScreenBitmap black_;
    std::array<ScreenBitmap, 4> enemies_;
};
