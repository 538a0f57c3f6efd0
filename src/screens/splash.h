#pragma once
// The logo splash that opens the program: "logo.png" fades in from black, stays, and fades out.
#include <allegro.h>

#include "engine/screen_frame.h"

void splash_logo();

// The splash's brightness over its logic steps: up by 4 a step from 1 to 254, and from the
// 301st step down by 4 until it is back at 1, which ends the splash.
class SplashFade {
public:
    void step();
    int level() const { return fade_.level(); }
    bool running() const { return fade_.running(); }

private:
    ScreenFade fade_{FadeStyle{4, 4, false, true}};
    int held_ = 0;  // steps so far
};

// One splash frame on `active_page`: the logo faded toward black at `level`.
void draw_splash(BITMAP* logo, int level);
