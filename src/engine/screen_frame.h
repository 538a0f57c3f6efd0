#pragma once
// The shape every menu and text screen shares: a fade of the whole picture in and out (with the
// screen's tune, where it has one), a ready flag that keeps input off until the screen accepts it,
// a choice that decides the next screen, menu items that light under the pointer, and the prompt
// naming the text-advance key.
//
// A screen is a small object: its constructor is the entry, step() one logic step, draw() one
// frame, running() false once it has faded out, leave() the screen it leads to. run_screen runs
// one visit of it.
#include <allegro.h>

#include <memory>

#include "engine/screen_flow.h"
#include "engine/soundclip.h"
#include "engine/timing.h"

struct FadeStyle {
    int in_step;   // brightness added per step while fading in
    int out_step;  // taken per step while fading out
    bool white;    // fades from and to white rather than black
    bool ready_at_start;
    SoundClip* tune = nullptr;  // faded out with the picture when given; the screen ends only once it is silent
    float music_step = 0.0f;
};

constexpr int darkest_level = 1;     // only the fade colour
constexpr int brightest_level = 254;  // the picture all but unchanged

// The fade of one screen visit, from level 1 up to 254 and, after a choice, down again.
class ScreenFade {
public:
    explicit ScreenFade(const FadeStyle& style);

    // One step: in, or out with the tune; reaching the top makes the screen ready. Once faded out
    // (and the tune silent) the screen ends, if `may_end` agrees.
    void step(bool may_end = true);
    // The choice decides the next screen; either starts the fade-out.
    void choose(int item);
    void leave();
    // The composed `buffer` faded toward the screen's colour onto the active page.
    void present() const;

    int level() const { return level_; }
    bool ready() const { return ready_; }
    bool running() const { return running_; }
    bool fading_out() const { return fading_out_; }
    int choice() const { return choice_; }

private:
    FadeStyle style_;
    int level_ = darkest_level;
    bool fading_in_ = true;
    bool fading_out_ = false;
    bool ready_;
    bool tune_faded_;
    bool running_ = true;
    int choice_ = 0;
};

// The steps of a fade-out that also silences `tune`: true once the tune is silent, and always
// while `silencing` is false.
bool music_silenced(const ScreenFade& fade, bool silencing, SoundClip& tune, float step);

// Whether the pointer lies strictly inside the w x h rectangle at (x, y): its edges are outside.
bool pointer_inside(int x, int y, int w, int h);
bool left_button_down();

// A text item at (x, y): measured and outlined in font6, lit in font8 while hovered. True when
// clicked (the left button down over it) while `ready`: a level, so a held button dragged onto it
// counts.
bool text_item(BITMAP* dest, int x, int y, const char* label, bool ready);

// The whole picture onto `buffer` at (x, y), mask colour left out.
void draw_masked(BITMAP* picture, int x, int y);

// The mouse pointer, drawn last.
void draw_pointer(BITMAP* dest);

// "Press '<key>' to continue..." at the bottom left, and whether that key is down while `ready`.
void draw_continue_prompt(BITMAP* dest);
bool continue_pressed(bool ready);

// A bitmap the screen owns for its visit.
using ScreenBitmap = std::unique_ptr<BITMAP, decltype(&destroy_bitmap)>;
ScreenBitmap own_bitmap(BITMAP* bitmap);
// A screen-size bitmap cleared to black.
ScreenBitmap black_bitmap();

// One visit of a screen, from its entry to the screen it leads to.
template <class ScreenObject, class... Args>
NextScreen run_screen(Args... args) {
    ScreenObject visit(args...);
    FrameLoop loop;
    loop.run([&] { return visit.running(); }, [&] { visit.step(); }, [&] { visit.draw(); });
    return visit.leave();
}
