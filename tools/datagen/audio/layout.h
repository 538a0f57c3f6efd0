#pragma once
// Where the game loops a stream. It sets loop points in whole milliseconds from the stream's length
// L in milliseconds:
//   tunes with loop-back 0:  12 … L − 12
//   tunes with loop-back 51: L/2 − 51 … L − 51 (L/2 rounded down)
//   tunes with loop-back 48: L/2 − 48 … L − 51
//   looping effects:         L/2 … L − 12
// The game's audio library turns milliseconds into frames rounded up (44.1 frames to the
// millisecond), and measures L as the length in frames rounded down to milliseconds.
namespace datagen::audio {

enum class Loop { whole, back_51, back_48, effect };

struct Layout {
    long frames = 0;      // length of the file
    long loop_start = 0;  // first frame of the loop
    long loop_end = 0;    // frame where playback jumps back to loop_start
    long period() const { return loop_end - loop_start; }
};

long ms_to_frame(long ms);

// The shortest file whose loop is at least `period_ms` long.
Layout layout(Loop rule, double period_ms);

}  // namespace datagen::audio
