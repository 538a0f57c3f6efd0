#pragma once
// The program's top menu after loading: the two episode pictures over a scrolling backdrop, and
// "EXIT", which ends the program.
#include "engine/screen_frame.h"

NextScreen series_menu();

class SeriesMenu {
public:
    enum Choice { exit_choice = 0, kv1 = 1, kv2 = 2 };

    // Loads the menu's own pictures for the visit and starts its tune.
    SeriesMenu();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    // The chosen episode's instructions, or none on EXIT.
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }
    int backdrop_x(int copy) const { return backdrop_x_[copy]; }

private:
    void episode_item(BITMAP* picture, int x, Choice episode);

    ScreenFade fade_;
    ScreenBitmap backdrop_;
    ScreenBitmap kv1_;
    ScreenBitmap kv2_;
    ScreenBitmap series_;
    int backdrop_x_[2] = {0, 640};
};
