#pragma once
// Sample buffers and the small signal blocks every instrument and effect is built from.
// Everything is plain double arithmetic in a fixed order, so a render gives the same bytes every build.
#include <cstdint>
#include <vector>

namespace datagen::audio {

constexpr int rate = 44100;
constexpr double pi = 3.14159265358979323846;

// A stereo signal in floats. Positions past the end either wrap round (a looping section, where the
// tails of its last notes belong at its start) or are dropped.
struct Stereo {
    std::vector<float> left, right;
    bool cyclic = false;

    Stereo() = default;
    Stereo(long frames, bool wraps) : left(frames), right(frames), cyclic(wraps) {}
    long frames() const { return static_cast<long>(left.size()); }

    void add(long at, float l, float r) {
        if (at >= frames()) {
            if (!cyclic || frames() == 0) return;
            at %= frames();
        }
        left[at] += l;
        right[at] += r;
    }
    // Adds a mono signal at a position, placed in the field by equal-power panning (-1 left … 1 right).
    void add(long at, const std::vector<float>& mono, float gain, float pan);
    void mix(const Stereo& other, float gain);
};

// Deterministic white noise in -1 … 1.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    float next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<int32_t>(state_)) / 2147483648.f;
    }

private:
    uint32_t state_;
};

// Zero-delay-feedback state-variable filter; gives low-, band- and high-pass at once.
class Filter {
public:
    void tune(double cutoff, double resonance);
    double low(double in) { run(in); return lp_; }
    double band(double in) { run(in); return bp_; }
    double high(double in) { run(in); return hp_; }

private:
    void run(double in);
    double g_ = 0.5, k_ = 1.4, ic1_ = 0, ic2_ = 0, lp_ = 0, bp_ = 0, hp_ = 0;
};

// Transcendental functions from plain arithmetic only. The C library picks different code paths on
// different processors, which can change the last bit of a result; these give the same bits everywhere,
// so the generated files do not depend on the machine that builds them.
namespace portable {
double exp2(double x);
double exp(double x);
double sin(double radians);
double cos(double radians);
double tan(double radians);
double tanh(double x);
double pow2_12(double semitones);  // 2^(semitones / 12)
}  // namespace portable

// e^(-t / tau), sample after sample, by repeated multiplication.
class Decay {
public:
    explicit Decay(double tau_seconds) : step_(portable::exp(-1.0 / (tau_seconds * rate))) {}
    double next() {
        const double v = value_;
        value_ *= step_;
        return v;
    }

private:
    double value_ = 1, step_;
};

// Band-limited oscillator shapes over a phase in cycles (0 … 1) with a per-sample phase step.
double saw(double phase, double step);
double pulse(double phase, double step, double duty);
double triangle(double phase);
double sine(double phase);

double midi_to_hz(double note);
double decibels(double db);
long seconds_to_frames(double s);

}  // namespace datagen::audio
