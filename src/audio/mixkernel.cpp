#include "mixkernel.h"

#include <algorithm>

namespace audio::mix {
namespace {

// Interpolation uses 15 fractional bits, so that a difference of two samples times the fraction fits in 32 bits.
constexpr int fraction_bits = 15;

int32_t scaled(int32_t sample, int32_t gain) { return (sample * gain) >> gain_bits; }

// The two plain loops are compiled twice, for AVX2 and for any x86-64, and the processor picks,
// unless the build leaves wide vectors out. (Chosen by hand rather than by ifunc: ifunc resolvers
// run before sanitizer runtimes start.)
#ifdef VOIDMARCH_NO_WIDE_VECTORS
#define AVX2_TARGET
const bool has_avx2 = false;
#else
#define AVX2_TARGET __attribute__((target("avx2")))
const bool has_avx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();
#endif

inline __attribute__((always_inline)) void add_loop(int32_t* sum, const int16_t* source, size_t frames, int32_t gain) {
    for (size_t i = 0; i < 2 * frames; ++i) sum[i] += scaled(source[i], gain);
}
AVX2_TARGET void add_avx2(int32_t* sum, const int16_t* source, size_t frames, int32_t gain) {
    add_loop(sum, source, frames, gain);
}
void add_plain(int32_t* sum, const int16_t* source, size_t frames, int32_t gain) {
    add_loop(sum, source, frames, gain);
}

inline __attribute__((always_inline)) void clamp_loop(int16_t* out, const int32_t* sum, size_t samples) {
    for (size_t i = 0; i < samples; ++i) out[i] = static_cast<int16_t>(std::clamp(sum[i], -32768, 32767));
}
AVX2_TARGET void clamp_avx2(int16_t* out, const int32_t* sum, size_t samples) {
    clamp_loop(out, sum, samples);
}
void clamp_plain(int16_t* out, const int32_t* sum, size_t samples) { clamp_loop(out, sum, samples); }

}  // namespace

int32_t gain_of(float volume) {
    if (!(volume > 0.0f)) return 0;
    return static_cast<int32_t>(std::min(volume, 1.0f) * unity_gain + 0.5f);
}

void add(int32_t* sum, const int16_t* source, size_t frames, int32_t gain) {
    has_avx2 ? add_avx2(sum, source, frames, gain) : add_plain(sum, source, frames, gain);
}

uint64_t add_resampled(int32_t* sum, const int16_t* source, size_t frames, uint64_t cursor, uint64_t step,
                       int32_t gain) {
    for (size_t i = 0; i < frames; ++i, cursor += step) {
        const int16_t* a = source + 2 * (cursor >> step_bits);
        int32_t fraction = static_cast<int32_t>((cursor >> (step_bits - fraction_bits)) & ((1 << fraction_bits) - 1));
        for (int side = 0; side < 2; ++side) {
            int32_t sample = a[side] + (((a[side + 2] - a[side]) * fraction) >> fraction_bits);
            sum[2 * i + side] += scaled(sample, gain);
        }
    }
    return cursor;
}

void clamp(int16_t* out, const int32_t* sum, size_t samples) {
    has_avx2 ? clamp_avx2(out, sum, samples) : clamp_plain(out, sum, samples);
}

}  // namespace audio::mix
