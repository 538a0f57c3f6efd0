#include "mixkernel.h"

#include <emmintrin.h>

#include <algorithm>

namespace audio::mix {
namespace {

// Interpolation uses 15 fractional bits, so that a difference of two samples times the fraction fits in 32 bits.
constexpr int fraction_bits = 15;

int32_t scaled(int32_t sample, int32_t gain) { return (sample * gain) >> gain_bits; }

// Written plainly and compiled for AVX2, unless the build leaves AVX out. (Chosen by hand rather
// than by ifunc: ifunc resolvers run before sanitizer runtimes start.)
#ifndef VOIDMARCH_NO_WIDE_VECTORS
[[gnu::target("avx2")]] void add_avx2(int32_t* sums, const int16_t* source, size_t samples, int32_t gain) {
    for (size_t i = 0; i < samples; ++i) sums[i] += scaled(source[i], gain);
}
#endif

// The other loops run eight samples at a time in 16-bit lanes of SSE2, which every x86-64
// processor has, and finish the odd samples one by one.
constexpr size_t lane_count = 8;

__m128i load(const int16_t* samples) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(samples)); }

// Eight samples scaled, for a gain of 0 to 1: pmulhw gives the high half of sample × gain for a
// gain below one half. A larger one is multiplied less one whole, as a negative 16-bit number, and
// the sample added back: (s × g) >> 16 = ((s × (g − 65536)) >> 16) + s. The result fits 16 bits.
struct Scale {
    explicit Scale(int32_t gain)
        : factor(_mm_set1_epi16(static_cast<int16_t>(gain & 0xFFFF))),
          add_back(_mm_set1_epi16(gain >= unity_gain / 2 ? -1 : 0)) {}
    __m128i operator()(__m128i s) const { return _mm_add_epi16(_mm_mulhi_epi16(s, factor), _mm_and_si128(s, add_back)); }
    __m128i factor, add_back;
};

// Adds eight 32-bit values, in two vectors, to the sums at `sum`.
void add_to(int32_t* sum, __m128i low, __m128i high) {
    auto* at = reinterpret_cast<__m128i*>(sum);
    _mm_storeu_si128(at, _mm_add_epi32(_mm_loadu_si128(at), low));
    _mm_storeu_si128(at + 1, _mm_add_epi32(_mm_loadu_si128(at + 1), high));
}

// Eight 16-bit values widened and added.
void add_widened(int32_t* sum, __m128i values) {
    __m128i sign = _mm_srai_epi16(values, 15);
    add_to(sum, _mm_unpacklo_epi16(values, sign), _mm_unpackhi_epi16(values, sign));
}

// The 16-bit values of two voices added pairwise into 32 bits by pmaddwd, and to the sums.
void add_pair(int32_t* sum, __m128i a, __m128i b) {
    const __m128i ones = _mm_set1_epi16(1);
    add_to(sum, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), ones), _mm_madd_epi16(_mm_unpackhi_epi16(a, b), ones));
}

// The number of samples of `samples` that the eight-wide loops cover.
size_t whole_lanes(size_t samples) { return samples - samples % lane_count; }

}  // namespace

int32_t gain_of(float volume) {
    if (!(volume > 0.0f)) return 0;
    return static_cast<int32_t>(std::min(volume, 1.0f) * unity_gain + 0.5f);
}

bool avx2_built_and_present() {
#ifdef VOIDMARCH_NO_WIDE_VECTORS
    return false;
#else
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
#endif
}

Sum::Sum(size_t capacity, bool avx2) : avx2_(avx2), sums_(2 * capacity), waiting_(2 * capacity) {}

void Sum::start(size_t frames) {
    frames_ = frames;
    waiting_samples_ = 0;
    std::fill(sums_.begin(), sums_.begin() + static_cast<std::ptrdiff_t>(2 * frames), 0);
}

// A gain outside 0 to 1, which no mixer volume gives, is added one sample at a time.
void Sum::add(const int16_t* source, size_t frames, int32_t gain) {
    size_t samples = 2 * frames;
#ifndef VOIDMARCH_NO_WIDE_VECTORS
    if (avx2_) return add_avx2(sums_.data(), source, samples, gain);
#endif
    size_t i = 0;
    if (gain >= 0 && gain <= unity_gain) {
        if (waiting_samples_ == 0) return wait(source, samples, gain);
        i = add_beside_waiting(source, samples, gain);
    }
    int32_t* sums = sums_.data();
    for (; i < samples; ++i) sums[i] += scaled(source[i], gain);
}

// The loops below keep the vectors' addresses and ends in locals: their stores may alias anything,
// members included.
void Sum::wait(const int16_t* source, size_t samples, int32_t gain) {
    Scale scale(gain);
    int16_t* waiting = waiting_.data();
    size_t i = 0;
    for (; i < whole_lanes(samples); i += lane_count)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(waiting + i), scale(load(source + i)));
    for (; i < samples; ++i) waiting[i] = static_cast<int16_t>(scaled(source[i], gain));
    waiting_samples_ = samples;
}

size_t Sum::add_beside_waiting(const int16_t* source, size_t samples, int32_t gain) {
    Scale scale(gain);
    int32_t* sums = sums_.data();
    const int16_t* waiting = waiting_.data();
    const size_t both = whole_lanes(std::min(samples, waiting_samples_));
    size_t i = 0;
    for (; i < both; i += lane_count) add_pair(sums + i, load(waiting + i), scale(load(source + i)));
    add_waiting(i);
    for (; i < whole_lanes(samples); i += lane_count) add_widened(sums + i, scale(load(source + i)));
    return i;
}

// What waits from sample `from` on, alone.
void Sum::add_waiting(size_t from) {
    int32_t* sums = sums_.data();
    const int16_t* waiting = waiting_.data();
    const size_t samples = waiting_samples_;
    size_t i = from;
    for (; i < whole_lanes(samples); i += lane_count) add_widened(sums + i, load(waiting + i));
    for (; i < samples; ++i) sums[i] += waiting[i];
    waiting_samples_ = 0;
}

uint64_t Sum::add_resampled(const int16_t* source, size_t frames, uint64_t cursor, uint64_t step, int32_t gain) {
    for (size_t i = 0; i < frames; ++i, cursor += step) {
        const int16_t* a = source + 2 * (cursor >> step_bits);
        int32_t fraction = static_cast<int32_t>((cursor >> (step_bits - fraction_bits)) & ((1 << fraction_bits) - 1));
        for (int side = 0; side < 2; ++side) {
            int32_t sample = a[side] + (((a[side + 2] - a[side]) * fraction) >> fraction_bits);
            sums_[2 * i + side] += scaled(sample, gain);
        }
    }
    return cursor;
}

// packssdw saturates eight sums to 16 bits at a time.
void Sum::finish(int16_t* out) {
    add_waiting(0);
    const int32_t* sums = sums_.data();
    const size_t samples = 2 * frames_;
    size_t i = 0;
    for (; i < whole_lanes(samples); i += lane_count) {
        auto* in = reinterpret_cast<const __m128i*>(sums + i);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packs_epi32(_mm_loadu_si128(in), _mm_loadu_si128(in + 1)));
    }
    for (; i < samples; ++i) out[i] = static_cast<int16_t>(std::clamp(sums[i], -32768, 32767));
}

}  // namespace audio::mix
