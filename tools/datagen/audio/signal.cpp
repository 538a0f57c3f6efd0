#include "signal.h"

#include <algorithm>
#include <cmath>

namespace datagen::audio {

namespace portable {

double exp2(double x) {
    if (x < -1000) return 0;
    if (x > 1000) x = 1000;
    const double n = std::floor(x + 0.5);
    const double f = (x - n) * 0.69314718055994530942;  // |f| <= ln 2 / 2
    // Taylor series of e^f to the 12th power: below 1e-15 relative error on this range.
    static const double inverse_factorials[] = {1.0 / 479001600, 1.0 / 39916800, 1.0 / 3628800, 1.0 / 362880,
                                                1.0 / 40320,     1.0 / 5040,     1.0 / 720,     1.0 / 120,
                                                1.0 / 24,        1.0 / 6,        1.0 / 2,       1.0,
                                                1.0};
    double r = 0;
    for (double c : inverse_factorials) r = r * f + c;
    return std::ldexp(r, static_cast<int>(n));
}

double exp(double x) { return exp2(x * 1.44269504088896340736); }

double sin(double radians) {
    // Reduce to a quarter turn either side of zero, then a Taylor series to the 15th power.
    double x = radians / (2 * pi);
    x -= std::floor(x + 0.5);  // -0.5 … 0.5 turns
    if (x > 0.25) x = 0.5 - x;
    if (x < -0.25) x = -0.5 - x;
    const double t = x * 2 * pi, t2 = t * t;
    static const double coefficients[] = {-1.0 / 1307674368000, 1.0 / 6227020800, -1.0 / 39916800, 1.0 / 362880,
                                          -1.0 / 5040,          1.0 / 120,        -1.0 / 6,         1.0};
    double r = 0;
    for (double c : coefficients) r = r * t2 + c;
    return t * r;
}

double cos(double radians) { return sin(radians + pi / 2); }

double tan(double radians) { return sin(radians) / cos(radians); }

double tanh(double x) {
    if (x > 20) return 1;
    if (x < -20) return -1;
    return 1 - 2 / (exp(2 * x) + 1);
}

double pow2_12(double semitones) { return exp2(semitones / 12); }

}  // namespace portable

void Stereo::add(long at, const std::vector<float>& mono, float gain, float pan) {
    const double angle = (std::clamp(pan, -1.f, 1.f) + 1.0) * pi / 4;
    const auto l = static_cast<float>(gain * portable::cos(angle) * std::sqrt(2.0));
    const auto r = static_cast<float>(gain * portable::sin(angle) * std::sqrt(2.0));
    for (size_t i = 0; i < mono.size(); ++i) add(at + static_cast<long>(i), mono[i] * l, mono[i] * r);
}

void Stereo::mix(const Stereo& other, float gain) {
    for (long i = 0; i < std::min(frames(), other.frames()); ++i) {
        left[i] += other.left[i] * gain;
        right[i] += other.right[i] * gain;
    }
}

void Filter::tune(double cutoff, double resonance) {
    g_ = portable::tan(pi * std::clamp(cutoff, 20.0, rate * 0.45) / rate);
    k_ = 2.0 - 1.9 * std::clamp(resonance, 0.0, 1.0);
}

void Filter::run(double in) {
    const double a1 = 1.0 / (1.0 + g_ * (g_ + k_));
    const double a2 = g_ * a1;
    const double a3 = g_ * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    lp_ = v2;
    bp_ = v1;
    hp_ = in - k_ * v1 - v2;
}

namespace {

// Polynomial correction of a unit step within one sample of the discontinuity (PolyBLEP),
// which keeps high notes free of aliasing whistles.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

double saw(double phase, double step) { return 2.0 * phase - 1.0 - blep(phase, step); }

double pulse(double phase, double step, double duty) {
    double v = phase < duty ? 1.0 : -1.0;
    v += blep(phase, step);
    double fall = phase + 1.0 - duty;
    if (fall >= 1.0) fall -= 1.0;
    v -= blep(fall, step);
    return v - (2.0 * duty - 1.0);
}

double triangle(double phase) { return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase; }

double sine(double phase) { return portable::sin(2.0 * pi * phase); }

double midi_to_hz(double note) { return 440.0 * portable::pow2_12(note - 69.0); }

double decibels(double db) { return portable::exp2(db / 20.0 * 3.32192809488736234787); }

long seconds_to_frames(double s) { return std::lround(s * rate); }

}  // namespace datagen::audio
