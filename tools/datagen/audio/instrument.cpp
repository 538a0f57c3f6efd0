#include "instrument.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen::audio {
namespace {

constexpr int control_interval = 16;  // samples between updates of the filter and the vibrato
constexpr double vibrato_rate = 5.5 / rate;  // cycles per sample

// Attack, decay towards the sustain level while the key is held, then a release that reaches zero.
class Envelope {
public:
    Envelope(const Patch& p, long gate)
        : attack_(std::max(1L, seconds_to_frames(p.attack))),
          release_(std::max(1L, seconds_to_frames(p.release))),
          gate_(gate),
          sustain_(p.sustain),
          fall_(std::max(p.decay / 4, 1.0 / rate)) {}

    long length() const { return gate_ + release_; }

    double next() {
        double v;
        if (n_ < gate_) {
            v = n_ < attack_ ? static_cast<double>(n_) / attack_ : sustain_ + (1.0 - sustain_) * fall_.next();
            held_ = v;
        } else {
            const double left = 1.0 - static_cast<double>(n_ - gate_) / release_;
            v = held_ * left * left * left;
        }
        ++n_;
        return v;
    }

private:
    long attack_, release_, gate_;
    double sustain_;
    Decay fall_;
    long n_ = 0;
    double held_ = 0;
};

double oscillator(const Patch& p, double phase, double step) {
    switch (p.wave) {
        case Wave::sine: return sine(phase);
        case Wave::triangle: return triangle(phase);
        case Wave::saw: return saw(phase, step);
        case Wave::square: return pulse(phase, step, 0.5);
        case Wave::pulse: return pulse(phase, step, p.duty);
    }
    return 0;
}

std::vector<float> voice(const Patch& p, const Note& note, double cents) {
    Envelope env(p, note.gate);
    std::vector<float> out(env.length());
    const double step = midi_to_hz(note.pitch + cents / 100.0) / rate;
    double phase = 0, fm_phase = 0, vibrato_phase = 0, bend = 1;
    Decay fm_fall(p.fm_decay), sweep_fall(p.sweep_decay);
    Filter filter;
    for (long n = 0; n < env.length(); ++n) {
        const double sweep = sweep_fall.next(), index = p.fm_index * fm_fall.next();
        if (n % control_interval == 0) {
            if (p.vibrato > 0) {
                const double t = static_cast<double>(n) / rate;
                const double depth = p.vibrato * std::min(1.0, std::max(0.0, t - 0.25) * 4);
                bend = portable::pow2_12(depth * sine(vibrato_phase));
                vibrato_phase += vibrato_rate * control_interval;
                vibrato_phase -= std::floor(vibrato_phase);
            }
            if (p.cutoff > 0) filter.tune(p.cutoff * portable::exp2(p.sweep * sweep), p.resonance);
        }
        const double s = step * bend;
        double v;
        if (p.fm_index > 0) {
            v = sine(phase + index * sine(fm_phase) / (2 * pi));
            fm_phase += s * p.fm_ratio;
            fm_phase -= std::floor(fm_phase);
        } else {
            v = oscillator(p, phase, s);
        }
        phase += s;
        phase -= std::floor(phase);
        if (p.cutoff > 0) v = filter.low(v);
        out[n] = static_cast<float>(v * env.next() * note.velocity * p.level);
    }
    return out;
}

}  // namespace

void play(const Patch& patch, const Note& note, Stereo& out, double gain, double pan) {
    const int copies = std::max(1, patch.unison);
    const double share = gain / std::sqrt(static_cast<double>(copies));
    for (int i = 0; i < copies; ++i) {
        // Copies sit evenly from -1 to 1 in both detune and position.
        const double place = copies == 1 ? 0.0 : 2.0 * i / (copies - 1) - 1.0;
        out.add(note.start, voice(patch, note, place * patch.detune / 2), static_cast<float>(share),
                static_cast<float>(pan + place * patch.spread));
    }
}

namespace {

struct Hit {
    std::vector<float> samples;
    explicit Hit(double seconds) : samples(seconds_to_frames(seconds)) {}
    long size() const { return static_cast<long>(samples.size()); }
    static double time(long n) { return static_cast<double>(n) / rate; }
};

// A falling sine (studio) or a falling square (chip).
Hit thump(Kit kit, double seconds, double low, double high, double fall, double decay) {
    Hit h(seconds);
    double phase = 0;
    Decay drop(fall), fade(decay);
    for (long n = 0; n < h.size(); ++n) {
        const double f = low + (high - low) * drop.next();
        const double v = kit == Kit::chip ? (phase < 0.5 ? 0.6 : -0.6) : portable::tanh(1.6 * sine(phase));
        h.samples[n] = static_cast<float>(v * fade.next() * std::min(1.0, Hit::time(n) * 500));
        phase += f / rate;
        phase -= std::floor(phase);
    }
    return h;
}

// Noise shaped by a filter and an exponential decay. The chip kit holds each noise value for a few
// samples, like the noise channel of an old sound chip.
Hit hiss(Kit kit, uint32_t seed, double seconds, double cutoff, bool high, double decay) {
    Hit h(seconds);
    Noise noise(seed);
    Filter filter;
    filter.tune(cutoff, 0.2);
    const int hold = kit == Kit::chip ? (high ? 2 : 6) : 1;
    double held = 0;
    Decay fade(decay);
    for (long n = 0; n < h.size(); ++n) {
        if (n % hold == 0) held = noise.next();
        const double v = high ? filter.high(held) : filter.band(held) * 2;
        h.samples[n] = static_cast<float>(v * fade.next());
    }
    return h;
}

void fade_tail(Hit& h) {
    const long fade = std::min(h.size(), 256L);
    for (long i = 0; i < fade; ++i) h.samples[h.size() - 1 - i] *= static_cast<float>(i) / fade;
}

Hit drum_hit(Kit kit, Drum drum, uint32_t seed) {
    switch (drum) {
        case Drum::kick: {
            Hit h = thump(kit, 0.35, 45, 160, 0.03, 0.13);
            Noise click(seed);
            for (long n = 0; n < 100; ++n) h.samples[n] += static_cast<float>(click.next() * 0.3 * (1 - n / 100.0));
            return h;
        }
        case Drum::snare: {
            Hit h = hiss(kit, seed, 0.25, 3200, false, 0.07);
            const Hit body = thump(kit, 0.25, 180, 240, 0.01, 0.05);
            for (long n = 0; n < h.size(); ++n) h.samples[n] = h.samples[n] * 0.8f + body.samples[n] * 0.5f;
            return h;
        }
        case Drum::hat: return hiss(kit, seed, 0.07, 7500, true, 0.016);
        case Drum::open_hat: return hiss(kit, seed, 0.4, 7000, true, 0.11);
        case Drum::clap: {
            Hit h = hiss(kit, seed, 0.25, 1300, false, 0.06);
            for (long n = 0; n < std::min(h.size(), 1300L); ++n)  // three quick slaps before the tail
                h.samples[n] *= static_cast<float>(0.6 + 0.4 * portable::cos(2 * pi * n / 441.0));
            return h;
        }
        case Drum::tom: return thump(kit, 0.45, 90, 150, 0.08, 0.16);
        case Drum::crash: return hiss(kit, seed, 1.8, 4200, true, 0.5);
    }
    return Hit(0);
}

}  // namespace

void play(Kit kit, Drum drum, long start, uint32_t seed, Stereo& out, double gain, double pan) {
    Hit h = drum_hit(kit, drum, seed);
    fade_tail(h);
    out.add(start, h.samples, static_cast<float>(gain), static_cast<float>(pan));
}

}  // namespace datagen::audio
