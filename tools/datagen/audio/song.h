#pragma once
// A tune: sections of score laid out so that the game's loop points fall on the seams.
//
// A looping tune repeats its body forever. Tunes that loop from the middle first play an intro over
// the first half, as many bars as the body, then the body; the file's layout fixes the intro's length,
// so its tempo is nudged by a fraction of a percent to fit. The body is rendered round a circle (the
// tails of its last notes and echoes sound over its start), so the loop end flows into the loop start.
#include "layout.h"
#include "score.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace datagen::audio {

struct Song {
    std::optional<Loop> loop;    // none: plays once and ends
    double bpm = 120;
    int beats_per_bar = 4;
    double echo_beats = 0.75;    // echo delay
    double echo_feedback = 0.4;  // level of each repeat against the one before
    double level_db = 0;         // trim against the common loudness
    std::vector<Section> intro;
    std::vector<Section> body;
};

// Interleaved 16-bit stereo at 44100 Hz.
std::vector<int16_t> render(const Song& song);

// The file layout of a looping song (frames, loop points).
Layout song_layout(const Song& song);

}  // namespace datagen::audio
