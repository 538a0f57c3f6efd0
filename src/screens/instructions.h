#pragma once
// The controls of the chosen episode, on black, until the text-advance key; then KV1's menu with
// its tune, or KV2's story.
#include "engine/screen_frame.h"

NextScreen instructions(int episode);

class Instructions {
public:
    explicit Instructions(int episode);
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }

private:
    int episode_;
    ScreenFade fade_;
    ScreenBitmap black_;
};

// The body text of each episode, 1 and 2.
const char* instructions_body(int episode);
