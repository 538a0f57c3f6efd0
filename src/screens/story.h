#pragma once
// The KV2 prologue: four paragraphs scroll slowly up under their own tune until the text-advance
// key; the last one comes to rest and stays. Leads to the main menu once picture and tune have
// faded.
#include "engine/screen_frame.h"

NextScreen story();

class Story {
public:
    static constexpr int paragraph_count = 4;

    // Starts the story's tune at full volume.
    Story();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const { return {Screen::main_menu}; }

    const ScreenFade& fade() const { return fade_; }
    float paragraph_y(int i) const { return y_[i]; }

private:
    ScreenFade fade_;
    ScreenBitmap black_;
    float y_[paragraph_count] = {500.0f, 910.0f, 1320.0f, 1730.0f};
};
