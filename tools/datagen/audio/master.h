#pragma once
// The last stage of every tune and effect: level, a soft ceiling below full scale, 16-bit samples.
#include "signal.h"

#include <cstdint>
#include <vector>

namespace datagen::audio {

// Root mean square over both channels of frames [from, from + count).
double rms(const Stereo& s, long from, long count);

// Scales by `gain`, rounds peaks off smoothly so nothing reaches full scale, and interleaves.
// The curve has no memory, so a signal that repeats exactly still repeats exactly afterwards.
std::vector<int16_t> master(const Stereo& s, double gain);

}  // namespace datagen::audio
