#include "layout.h"

#include <cmath>

namespace datagen::audio {

long ms_to_frame(long ms) { return (ms * 441 + 9) / 10; }

Layout layout(Loop rule, double period_ms) {
    // Whole tens of milliseconds are whole frames, so the loop holds the same number of frames
    // however a player rounds the loop points to frames.
    const long p = 10 * std::lround(std::ceil(period_ms / 10));
    long length_ms = 0, start_ms = 0, end_ms = 0;
    switch (rule) {
        case Loop::whole:
            length_ms = p + 24;
            start_ms = 12;
            end_ms = length_ms - 12;
            break;
        case Loop::back_51:
            length_ms = 2 * p;
            start_ms = length_ms / 2 - 51;
            end_ms = length_ms - 51;
            break;
        case Loop::back_48:
            length_ms = 2 * (p + 3);
            start_ms = length_ms / 2 - 48;
            end_ms = length_ms - 51;
            break;
        case Loop::effect:
            length_ms = 2 * (p + 12);
            start_ms = length_ms / 2;
            end_ms = length_ms - 12;
            break;
    }
    Layout l;
    l.frames = (length_ms * 441 + 9) / 10;  // just enough frames to measure length_ms
    l.loop_start = ms_to_frame(start_ms);
    l.loop_end = ms_to_frame(end_ms);
    return l;
}

}  // namespace datagen::audio
