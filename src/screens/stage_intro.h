#pragma once
// The story card before each KV2 stage: a sentence for the chosen pilot and the stage's title on
// black, until the text-advance key; then the stage itself.
#include "engine/screen_frame.h"

NextScreen stage_intro(int stage);

// The card's text for a stage (1 to 10) and pilot (1 Adam, 2 Kim); empty where there is none.
const char* stage_card_text(int stage, int character);

class StageIntro {
public:
    explicit StageIntro(int stage);
    void step() { fade_.step(); }
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }

private:
    int stage_;
    ScreenFade fade_;
};
