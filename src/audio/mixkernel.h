#pragma once
// The inner loops of the mixer. Voices are added into a 32-bit accumulator, which is clamped to
// 16 bits once per block, so loud sums saturate once instead of after every voice.
#include <cstddef>
#include <cstdint>

namespace audio::mix {

// Gains are fixed point with 16 fractional bits: full volume passes samples through unchanged.
constexpr int gain_bits = 16;
constexpr int32_t unity_gain = 1 << gain_bits;

// Resampling steps and cursors are source frames in 32.32 fixed point.
constexpr int step_bits = 32;
constexpr uint64_t unity_step = uint64_t{1} << step_bits;

// Volume (clamped to 0..1, NaN counting as 0) to a fixed-point gain.
int32_t gain_of(float volume);

// Adds `frames` stereo frames of `source` into `sum`, scaled by `gain`.
void add(int32_t* sum, const int16_t* source, size_t frames, int32_t gain);

// Adds `frames` output frames read from `source` by linear interpolation, the first at the
// fractional offset `cursor` and each next one `step` further on. `source` must hold the frame
// after the last one reached. Returns the cursor after the last frame.
uint64_t add_resampled(int32_t* sum, const int16_t* source, size_t frames, uint64_t cursor, uint64_t step,
                       int32_t gain);

// Saturates `samples` accumulated values into 16-bit output.
void clamp(int16_t* out, const int32_t* sum, size_t samples);

}  // namespace audio::mix
