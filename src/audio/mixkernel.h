#pragma once
// The inner loops of the mixer. Voices are added into 32-bit sums, which are clamped to 16 bits
// once per block, so loud sums saturate once instead of after every voice.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio::mix {

// Gains are fixed point with 16 fractional bits: full volume passes samples through unchanged.
constexpr int gain_bits = 16;
constexpr int32_t unity_gain = 1 << gain_bits;

// Resampling steps and cursors are source frames in 32.32 fixed point.
constexpr int step_bits = 32;
constexpr uint64_t unity_step = uint64_t{1} << step_bits;

// Volume (clamped to 0..1, NaN counting as 0) to a fixed-point gain.
int32_t gain_of(float volume);

// Whether the processor has AVX2 and the build its loop (the build may leave it out).
bool avx2_built_and_present();

// One block of the mix. Each sample of a voice is scaled to (sample × gain) >> 16 and the results
// are added up. With SSE2's 16-bit multiplications, voices at the output rate are added two at a
// time: the first of a pair waits, scaled, for the second. With AVX2's 32-bit ones each is added
// alone as it comes, as fast.
class Sum {
public:
    // Blocks of at most `capacity` frames.
    explicit Sum(size_t capacity, bool avx2 = avx2_built_and_present());

    // Starts a block of `frames` stereo frames of silence.
    void start(size_t frames);

    // Adds `frames` stereo frames of `source`, at most the block's.
    void add(const int16_t* source, size_t frames, int32_t gain);

    // Adds `frames` output frames read from `source` by linear interpolation, the first at the
    // fractional offset `cursor` and each next one `step` further on. `source` must hold the frame
    // after the last one reached. Returns the cursor after the last frame.
    uint64_t add_resampled(const int16_t* source, size_t frames, uint64_t cursor, uint64_t step, int32_t gain);

    // Saturates the block into 16-bit output.
    void finish(int16_t* out);

private:
    void wait(const int16_t* source, size_t samples, int32_t gain);
    size_t add_beside_waiting(const int16_t* source, size_t samples, int32_t gain);
    void add_waiting(size_t from);

    bool avx2_;
    std::vector<int32_t> sums_;
    std::vector<int16_t> waiting_;  // the scaled samples of a voice without a partner yet
    size_t frames_ = 0;
    size_t waiting_samples_ = 0;
};

}  // namespace audio::mix
