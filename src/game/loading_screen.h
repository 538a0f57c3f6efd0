#pragma once
// The first screen: it makes the two screen bitmaps every later screen draws through, shows the
// logo splash, then runs the resource loader one step per logic tick behind a progress bar with
// its own tune, and returns once everything is loaded and the tune has faded out.
#include <allegro.h>

#include "engine/soundclip.h"

void loading_screen();

// The loading screen after the splash, one logic step and one frame at a time.
class LoadingScreen {
public:
    // Loads the screen's pictures and starts its tune. `load_step` runs one loader step and
    // returns the loaded fraction.
    explicit LoadingScreen(float (*load_step)());
    ~LoadingScreen();
    LoadingScreen(const LoadingScreen&) = delete;
    LoadingScreen& operator=(const LoadingScreen&) = delete;

    // Loads only once a frame has been shown, so the first frame shows 0 %; once all is loaded
    // the tune fades, and the screen ends with the step whose fade reaches silence.
    void step();
    // The background, the bar's frame, the bar and "Loading... n%" on `active_page`.
    void draw();
    bool running() const { return running_; }
    int percent() const { return static_cast<int>(fraction_ * 100.0f); }

private:
    float (*load_step_)();
    BITMAP* back_;  // loaded but never drawn
    BITMAP* bar_;
    BITMAP* background_;
    SoundClip tune_;
    float fraction_ = 0.0f;
    bool frame_shown_ = false;
    bool running_ = true;
};
