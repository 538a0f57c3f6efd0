#include "support/tones.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "encoders.h"
#include "gtest/gtest.h"

namespace testing_support {

std::string write_tone(const std::string& path, unsigned ms, int rate) {
    const size_t frames = static_cast<size_t>(ms) * static_cast<size_t>(rate) / 1000;
    std::vector<int16_t> stereo(2 * frames);
    const double pi = std::acos(-1.0);
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        stereo[2 * i] = static_cast<int16_t>(9000 * std::cos(2 * pi * 440 * t));
        stereo[2 * i + 1] = static_cast<int16_t>(9000 * std::cos(2 * pi * 660 * t));
    }
    const bool mp3 = path.size() >= 4 && path.compare(path.size() - 4, 4, ".mp3") == 0;
    const bool written = mp3 ? encoders::write_mp3(path, stereo, rate) : encoders::write_ogg(path, stereo, rate);
    if (!written) ADD_FAILURE() << "could not encode " << path;
    return path;
}

}  // namespace testing_support
