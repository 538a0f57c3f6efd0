#include "master.h"

#include <cmath>

namespace datagen::audio {
namespace {

constexpr double knee = 0.6;      // untouched below this level
constexpr double ceiling = 0.93;  // never reached above it

double soft_limit(double x) {
    const double a = std::fabs(x);
    if (a <= knee) return x;
    const double y = knee + (ceiling - knee) * portable::tanh((a - knee) / (ceiling - knee));
    return x < 0 ? -y : y;
}

int16_t to_sample(double x) { return static_cast<int16_t>(std::lround(soft_limit(x) * 32767.0)); }

}  // namespace

double rms(const Stereo& s, long from, long count) {
    double sum = 0;
    for (long i = from; i < from + count; ++i)
        sum += static_cast<double>(s.left[i]) * s.left[i] + static_cast<double>(s.right[i]) * s.right[i];
    return count > 0 ? std::sqrt(sum / (2.0 * count)) : 0.0;
}

std::vector<int16_t> master(const Stereo& s, double gain) {
    std::vector<int16_t> out(2 * s.frames());
    for (long i = 0; i < s.frames(); ++i) {
        out[2 * i] = to_sample(s.left[i] * gain);
        out[2 * i + 1] = to_sample(s.right[i] * gain);
    }
    return out;
}

}  // namespace datagen::audio
