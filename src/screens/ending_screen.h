#pragma once
// The KV2 ending: five paragraphs for the pilot flown, one at a time on the text-advance key; then
// the credits roll up over the pilot's planet, stop at "T H E  E N D" and give way to the picture of
// the two heroes. Esc then fades out and leads to the main menu with the game completed.
#include "engine/screen_frame.h"

NextScreen ending_screen();

class EndingScreen {
public:
    static constexpr int paragraph_count = 5;
    static constexpr float slow_scroll = 0.75f;
    static constexpr float fast_scroll = 1.75f;  // while the text-advance key is held

    // Loads the pictures and starts the ending's tune.
    EndingScreen();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const { return {Screen::main_menu}; }

    const ScreenFade& fade() const { return fade_; }
    int paragraph() const { return paragraph_; }
    int paragraph_alpha() const { return paragraph_alpha_; }
    float credits_y() const { return credits_y_; }
    float end_y() const { return end_y_; }
    // Where the end line's top stops.
    float end_rest_y() const { return 240.0f - end_gap_ / 2; }
    bool end_reached() const { return end_reached_; }
    int planet_alpha() const { return planet_alpha_; }
    int pair_alpha() const { return pair_alpha_; }

private:
    void step_paragraphs();
    void step_credits();

    ScreenFade fade_;
    ScreenBitmap planet_, pair_, black_, text_layer_;
    int paragraph_ = 0;
    int paragraph_alpha_ = 255;
    bool paragraph_showing_ = true;
    bool advance_latch_ = false;
    float credits_y_ = 500.0f;
    float end_y_ = 2800.0f;
    float end_gap_;
    bool end_reached_ = false;
    float scroll_ = slow_scroll;
    int planet_alpha_ = 0;
    int pair_alpha_ = 0;
};
