#include "engine/timing.h"

#include <cmath>

#include "engine/blit.h"

std::atomic<int> speed_counter{0};
std::atomic<int> frame_counter{0};
std::atomic<int> fps{0};

int update_method = 0;
BITMAP* video_pages[3] = {};
BITMAP* active_page = nullptr;

BITMAP* buffer = nullptr;
BITMAP* fade_buffer = nullptr;

std::atomic<int> shake_x{0};
std::atomic<int> shake_y{0};
std::atomic<int> shake_amplitude{0};
std::atomic<bool> shake_falling{false};

const TimingCalls real_timing_calls = {
    [] { return gfx_capabilities; },
    enable_triple_buffer,
    create_video_bitmap,
    poll_scroll,
    request_video_bitmap,
    show_video_bitmap,
    install_int_ex,
    remove_int,
};

TimingCalls timing_calls = real_timing_calls;

void speed_timer() { ++speed_counter; }

void fps_timer() { fps = frame_counter.exchange(0); }

namespace {

constexpr int triple_method = 3;
constexpr int flipping_method = 1;
constexpr int double_method = 2;

int page_count(int method) {
    switch (method) {
    case flipping_method: return 2;
    case triple_method: return 3;
    default: return 0;
    }
}

// Creates `count` cleared screen-size video pages; on any failure destroys those made and
// returns false.
bool create_pages(int count) {
    for (int i = 0; i < count; ++i) {
        video_pages[i] = timing_calls.create_video_bitmap(SCREEN_W, SCREEN_H);
        if (video_pages[i]) continue;
        while (i-- > 0) {
            destroy_bitmap(video_pages[i]);
            video_pages[i] = nullptr;
        }
        return false;
    }
    for (int i = 0; i < count; ++i) clear_bitmap(video_pages[i]);
    active_page = video_pages[0];
    return true;
}

bool has_triple_buffer() { return timing_calls.capabilities() & GFX_CAN_TRIPLE_BUFFER; }

bool setup_triple_buffer() {
    if (!has_triple_buffer()) timing_calls.enable_triple_buffer();
    if (!has_triple_buffer()) return false;
    update_method = triple_method;
    return create_pages(page_count(triple_method));
}

bool setup_page_flipping() {
    update_method = flipping_method;
    return create_pages(page_count(flipping_method));
}

bool setup_double_buffer() {
    update_method = double_method;
    active_page = create_bitmap(SCREEN_W, SCREEN_H);
    return active_page != nullptr;
}

// The video page shown after `page` in a ring of `count` pages.
BITMAP* page_after(BITMAP* page, int count) {
    int i = 0;
    while (i < count - 1 && video_pages[i] != page) ++i;
    return video_pages[(i + 1) % count];
}

}  // namespace

int init_update_method(int method) {
    destroy_pages();
    switch (method) {
    case 0:
    case triple_method:
        if (setup_triple_buffer()) return triple_method;
        [[fallthrough]];
    case flipping_method:
        if (setup_page_flipping()) return flipping_method;
        [[fallthrough]];
    case double_method:
        return setup_double_buffer() ? double_method : 0;
    default:
        return 0;
    }
}

void destroy_pages() {
    if (update_method == double_method) destroy_bitmap(active_page);
    for (int i = 0; i < page_count(update_method); ++i) {
        destroy_bitmap(video_pages[i]);
        video_pages[i] = nullptr;
    }
    if (update_method != 0) active_page = nullptr;
}

void fade_onto_page(BITMAP* frame, int colour, int level) {
    fade_blit(frame, fade_buffer, 0, 0, colour, level);
    blit(fade_buffer, active_page, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

void acquire_active_page() { acquire_bitmap(active_page); }

void update_screen() {
    release_bitmap(active_page);
    switch (update_method) {
    case double_method:
        blit(active_page, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        break;
    case triple_method: {
        while (timing_calls.poll_scroll()) {
        }
        timing_calls.request_video_bitmap(active_page);
        active_page = page_after(active_page, page_count(triple_method));
        break;
    }
    case flipping_method:
        timing_calls.show_video_bitmap(active_page);
        active_page = page_after(active_page, page_count(flipping_method));
        break;
    }
}

void start_shake(int amplitude) {
    if (amplitude <= 0) return;  // the timer rate divides by it
    shake_falling = false;
    shake_y = 0;
    shake_x = 0;
    shake_amplitude = amplitude;
    timing_calls.install_int_ex(shake_timer, SECS_TO_TIMER(1) / (amplitude * 10));
}

void stop_shake() {
    timing_calls.remove_int(shake_timer);
    shake_amplitude = 0;
    shake_y = 0;
    shake_x = 0;
}

void shake_timer() {
    constexpr float pi = 3.14159265f;
    if (!shake_falling) {
        if (++shake_x > pi) shake_falling = true;
    } else if (--shake_x < -pi) {
        shake_falling = false;
    }
    shake_y = static_cast<int>(std::sin(shake_x / 25.0f) * shake_amplitude);
}

void shake_blit(BITMAP* source, BITMAP* dest, int source_x, int source_y, int dest_x, int dest_y, int w, int h) {
    blit(source, dest, source_x, source_y, dest_x + shake_x, dest_y + shake_y, w, h);
}
