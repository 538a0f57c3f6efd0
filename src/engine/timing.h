#pragma once
// Fixed-step frame timing, page buffering and the screen shake.
#include <allegro.h>

#include <atomic>

// Changed by Allegro's timer thread, read and changed by the main thread.
extern std::atomic<int> speed_counter;  // logic ticks pending, +1 sixty times a second
extern std::atomic<int> frame_counter;  // frames presented in the current second
extern std::atomic<int> fps;            // frames presented in the last whole second

void speed_timer();
void fps_timer();

// Page buffering: 1 page flipping, 2 double buffering, 3 triple buffering, 0 none yet.
extern int update_method;
extern BITMAP* video_pages[3];
extern BITMAP* active_page;  // where the next frame is drawn

// Screen-size memory bitmaps every screen draws through: it composes its frame in `buffer` and
// fades it into `fade_buffer`, which is then copied onto the active page.
extern BITMAP* buffer;
extern BITMAP* fade_buffer;

// How every screen finishes its frame: the composed frame faded toward `colour` at `level`
// (1 only the colour, 254 the frame all but unchanged) into `fade_buffer`, copied onto the page.
void fade_onto_page(BITMAP* frame, int colour, int level);

// Sets up the requested buffering, falling back triple -> page flipping -> double buffering.
// Returns the method obtained, or 0.
int init_update_method(int method);
void destroy_pages();
void acquire_active_page();
// Presents the active page; afterwards `active_page` is the page for the next frame.
void update_screen();

extern std::atomic<int> shake_x;  // horizontal offset, also the phase of the shake
extern std::atomic<int> shake_y;
extern std::atomic<int> shake_amplitude;
extern std::atomic<bool> shake_falling;

void start_shake(int amplitude);
void stop_shake();
void shake_timer();
// blit with the destination moved by the shake offsets.
void shake_blit(BITMAP* source, BITMAP* dest, int source_x, int source_y, int dest_x, int dest_y, int w, int h);

// The frame loop every screen runs. Logic advances in fixed steps, one per pending tick; a frame
// is drawn after every pass that stepped, and a pass without a tick draws nothing. Only the
// screen's first six steps catch up a backlog: from then on each pass runs one step and drops the
// ticks still pending, so a display slower than 60 frames a second slows the game down instead of
// skipping frames. One object per screen visit.
class FrameLoop {
public:
    // Runs passes while `running()` holds. `step` is one logic step; when it ends the screen the
    // pass still draws its frame. `draw` composes the frame onto `active_page`, which the loop
    // acquires before and presents after.
    template <class Running, class Step, class Draw>
    void run(Running&& running, Step&& step, Draw&& draw) {
        while (running()) {
            if (before_pass) before_pass();
            pass(step, draw);
        }
    }

    // Called before every pass of every screen when set. The game leaves it empty; a run without
    // a display or a timer hands the screens their ticks and input through it.
    static inline void (*before_pass)() = nullptr;

    template <class Step, class Draw>
    void pass(Step&& step, Draw&& draw) {
        if (!run_steps(step)) return;
        acquire_active_page();
        draw();
        update_screen();
        ++frame_counter;
    }

    // Runs the pending logic steps; true when at least one ran.
    template <class Step>
    bool run_steps(Step&& step) {
        bool stepped = false;
        while (speed_counter > 0) {
            step();
            --speed_counter;
            stepped = true;
            if (steps_ < catch_up_steps) ++steps_;
            if (steps_ == catch_up_steps) {
                speed_counter = 0;
                break;
            }
        }
        return stepped;
    }

private:
    static constexpr int catch_up_steps = 6;
    int steps_ = 0;  // the screen's steps so far, counted up to the catch-up limit
};

// The Allegro calls of this unit that need a display or the timer driver, so tests can stand in
// for them. The real calls by default.
struct TimingCalls {
    int (*capabilities)();
    int (*enable_triple_buffer)();
    BITMAP* (*create_video_bitmap)(int w, int h);
    int (*poll_scroll)();
    int (*request_video_bitmap)(BITMAP* page);
    int (*show_video_bitmap)(BITMAP* page);
    int (*install_int_ex)(void (*callback)(), long ticks);
    void (*remove_int)(void (*callback)());
};

extern TimingCalls timing_calls;
extern const TimingCalls real_timing_calls;
