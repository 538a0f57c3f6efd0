#pragma once
// The bonus pick-up: it scrolls down, and when the KV2 ship touches it, it pays 20000 dollars
// once and slides a "Bonus! $20000" banner across the middle of the screen.
#include <allegro.h>

#include "audio/audio.h"
#include "engine/sprite.h"

class PowerUp : public SpriteHead {
public:
    BITMAP* picture = nullptr;  // the pick-up; type 1 is the only type with one
    BITMAP* banner = nullptr;
    int type = 0;
    int hold_count = 0;  // steps the banner has rested in the middle
    bool taken = false;
    bool banner_shown = false;  // sliding or resting
    float banner_target_x = 0.0f;
    float banner_x = 0.0f, banner_y = 0.0f;
    float text_y = 0.0f;  // of the text line above the banner
    FMOD_SOUND* sound = nullptr;  // "powerups.dat" and the sound are shared by every pick-up
    FMOD_CHANNEL* channel = nullptr;
    DATAFILE* datafile = nullptr;

    void init(int new_type, float x0, float y0);
    void update(int dy);
    void draw(BITMAP* target) const;

private:
    void slide_banner();
};
