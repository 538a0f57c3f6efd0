#pragma once
// KV1's controls: only the controls block, over the series title dimmed on black. Fades from and
// to black, leaves the music alone, and leads back to the KV1 menu.
#include "screens/controls_block.h"
#include "engine/screen_frame.h"

NextScreen kv1_controls();

class Kv1Controls {
public:
    Kv1Controls();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const { return {Screen::kv1_menu}; }

    const ScreenFade& fade() const { return fade_; }
    const ControlsBlock& controls() const { return controls_; }
    const ControlsPanel& panel() const { return panel_; }

private:
    ScreenFade fade_;
    ScreenBitmap backdrop_;
    ControlsPanel panel_;
    ControlsBlock controls_;
};
