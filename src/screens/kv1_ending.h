#pragma once
// The end of KV1's third stage: congratulations, then the credits rolling up under the ending
// tune to "T H E  E N D"; Esc leads to the episode chooser, which KV1's last stage reaches too.
#include "engine/screen_frame.h"

NextScreen kv1_ending();
NextScreen what_to_do();

class Kv1Ending {
public:
    static constexpr int hold_steps = 250;

    // Starts the ending tune.
    Kv1Ending();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const { return {Screen::what_to_do}; }

    const ScreenFade& fade() const { return fade_; }
    int hold() const { return hold_; }
    int text_alpha() const { return alpha_; }
    float end_y() const { return end_y_; }
    // Where "T H E  E N D" comes to rest: its middle on the screen's.
    float end_stop() const;

private:
    ScreenFade fade_;
    ScreenBitmap titles_;
    ScreenBitmap text_;
    int hold_ = 0;
    int hold_gain_ = 1;
    int alpha_ = 255;
    float credits_y_ = 500.0f;
    float end_y_ = 2800.0f;
    float scroll_ = 0.75f;
    float end_gap_;
};

class WhatToDo {
public:
    enum Choice { keep_playing = 1, kv2 = 2, exit_choice = 3 };

    WhatToDo();
    void step() { fade_.step(); }
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }

private:
    ScreenFade fade_;
    ScreenBitmap titles_;
};
