// The game's sound effects, each a short piece of synthesis.
#include "catalog.h"
#include "instrument.h"
#include "layout.h"
#include "master.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace datagen::audio {
namespace {

// A phase accumulator whose frequency may change every sample.
class Osc {
public:
    double next(double hz) {
        const double p = phase_;
        step_ = hz / rate;
        phase_ += step_;
        phase_ -= std::floor(phase_);
        return p;
    }
    double step() const { return step_; }

private:
    double phase_ = 0, step_ = 0;
};

// Glides from `from` towards `to` with time constant `tau`.
double glide(double from, double to, double t, double tau) { return to + (from - to) * portable::exp(-t / tau); }

double time_of(long n) { return static_cast<double>(n) / rate; }

// A sound built sample by sample; `sample(n, t)` gives the left and right values.
Stereo synthesize(double seconds, const std::function<std::pair<double, double>(long, double)>& sample) {
    Stereo s(seconds_to_frames(seconds), false);
    for (long n = 0; n < s.frames(); ++n) {
        const auto [l, r] = sample(n, time_of(n));
        s.left[n] = static_cast<float>(l);
        s.right[n] = static_cast<float>(r);
    }
    return s;
}

Stereo synthesize_mono(double seconds, const std::function<double(long, double)>& sample) {
    return synthesize(seconds, [&](long n, double t) {
        const double v = sample(n, t);
        return std::pair{v, v};
    });
}

double peak(const Stereo& s) {
    double p = 0;
    for (long n = 0; n < s.frames(); ++n) p = std::max({p, std::fabs(double{s.left[n]}), std::fabs(double{s.right[n]})});
    return p;
}

// Short fades at both ends keep the first and last samples at rest, then the peak is set.
std::vector<int16_t> finish(Stereo s, double level) {
    const long fade = std::min(s.frames() / 2, 88L);
    for (long i = 0; i < fade; ++i) {
        const auto g = static_cast<float>(i) / fade;
        s.left[i] *= g, s.right[i] *= g;
        s.left[s.frames() - 1 - i] *= g, s.right[s.frames() - 1 - i] *= g;
    }
    return master(s, level / peak(s));
}

// ---- shots --------------------------------------------------------------------------------------

std::vector<int16_t> ship_gun() {
    Osc tone;
    Noise noise(11);
    return finish(synthesize_mono(0.12, [&](long, double t) {
                      const double hz = glide(1700, 420, t, 0.035);
                      const double v = pulse(tone.next(hz), tone.step(), 0.25) * 0.8 + noise.next() * 0.15;
                      return v * portable::exp(-t / 0.04);
                  }),
                  decibels(-7));
}

std::vector<int16_t> enemy_shot_one() {
    Osc tone;
    return finish(synthesize_mono(0.18, [&](long, double t) {
                      const double v = triangle(tone.next(glide(950, 260, t, 0.06)));
                      return v * portable::exp(-t / 0.06) * std::min(1.0, t * 400);
                  }),
                  decibels(-8));
}

std::vector<int16_t> enemy_shot_three() {
    Osc carrier, modulator;
    return finish(synthesize_mono(0.22, [&](long, double t) {
                      const double hz = glide(640, 190, t, 0.08);
                      const double index = 4 * portable::exp(-t / 0.07);
                      const double m = sine(modulator.next(hz * 1.5));
                      return sine(carrier.next(hz) + index * m / (2 * pi)) * portable::exp(-t / 0.07);
                  }),
                  decibels(-8));
}

std::vector<int16_t> enemy_shot_four() {
    Osc tone;
    Noise noise(4);
    Filter band;
    band.tune(900, 0.4);
    return finish(synthesize_mono(0.25, [&](long, double t) {
                      const double body = pulse(tone.next(glide(180, 55, t, 0.05)), tone.step(), 0.5);
                      const double burst = band.band(noise.next()) * portable::exp(-t / 0.03) * 2;
                      return (body * 0.6 + burst) * portable::exp(-t / 0.07);
                  }),
                  decibels(-7));
}

// ---- explosions ---------------------------------------------------------------------------------

// Rumbling noise through a closing low-pass with a falling sub thump; each side gets its own noise.
Stereo blast(double seconds, double bright, double dark, double decay, double thump, uint32_t seed) {
    Noise left(seed), right(seed + 1), crackle(seed + 2);
    Filter fl, fr;
    Osc sub;
    return synthesize(seconds, [&](long n, double t) {
        if (n % 16 == 0) {
            const double cutoff = glide(bright, dark, t, decay);
            fl.tune(cutoff, 0.1);
            fr.tune(cutoff, 0.1);
        }
        const double env = portable::exp(-t / decay) * std::min(1.0, t * 300);
        const double boom = sine(sub.next(glide(90, 32, t, 0.12))) * portable::exp(-t / (decay * 0.8)) * thump;
        const double pop = crackle.next() > 0.985 ? crackle.next() * portable::exp(-t / 0.3) : 0;
        return std::pair{fl.low(left.next()) * env * 1.6 + boom + pop * 0.3,
                         fr.low(right.next()) * env * 1.6 + boom + pop * 0.3};
    });
}

std::vector<int16_t> ship_explosion() { return finish(blast(1.3, 3200, 140, 0.35, 0.8, 21), decibels(-3)); }

std::vector<int16_t> enemy_explosion() { return finish(blast(0.9, 5500, 300, 0.22, 0.45, 31), decibels(-5)); }

// ---- the ship -----------------------------------------------------------------------------------

std::vector<int16_t> take_off() {
    Noise noise(41);
    Filter band;
    Osc engine;
    Filter smooth;
    return finish(synthesize_mono(1.1, [&](long n, double t) {
                      const double rise = std::min(1.0, t / 0.8);
                      if (n % 16 == 0) {
                          band.tune(300 + 2700 * rise * rise, 0.5);
                          smooth.tune(400 + 1600 * rise, 0.2);
                      }
                      const double swell = portable::sin(pi * std::min(1.0, t / 1.1));
                      const double roar = smooth.low(saw(engine.next(70 + 230 * rise), engine.step()));
                      return (band.band(noise.next()) * 1.5 + roar * 0.6) * swell;
                  }),
                  decibels(-5));
}

std::vector<int16_t> bomb_charge() {
    Osc tone, wobble;
    return finish(synthesize_mono(0.5, [&](long, double t) {
                      const double hz = 200 * portable::exp2(t / 0.5 * 2.58496250072115618);  // 200 Hz × 6^(t / 0.5)
                      const double tremolo = 0.6 + 0.4 * sine(wobble.next(28));
                      return sine(tone.next(hz)) * tremolo * (0.3 + 0.7 * t / 0.5) * std::min(1.0, (0.5 - t) * 60);
                  }),
                  decibels(-6));
}

std::vector<int16_t> bomb_beam() {
    Osc zap, beam_a, beam_b, lfo;
    Noise noise(51);
    Filter tone, hiss;
    hiss.tune(5000, 0.1);
    return finish(synthesize_mono(2.0, [&](long n, double t) {
                      const double wobble = sine(lfo.next(3) + 0.25);
                      if (n % 16 == 0) tone.tune(700 + 500 * wobble, 0.4);
                      const double strike = saw(zap.next(glide(900, 110, t, 0.09)), zap.step()) * portable::exp(-t / 0.25);
                      const double beam = saw(beam_a.next(110), beam_a.step()) + saw(beam_b.next(111.7), beam_b.step());
                      const double body = tone.low(beam * 0.5) * std::min(1.0, t * 8) * portable::exp(-t / 1.1);
                      return strike * 0.7 + body + hiss.high(noise.next()) * 0.15 * portable::exp(-t / 0.6);
                  }),
                  decibels(-4));
}

// ---- looping effects ----------------------------------------------------------------------------

// The frequency nearest `hz` that completes whole cycles in `period` frames, so a tone repeats exactly.
double fit(double hz, long period) { return std::max(1.0, std::round(hz * period / rate)) * rate / period; }

// Makes the second half of a sustained sound repeat: over the last quarter second of the loop the
// signal is crossfaded into what preceded the loop start, and the frames after the loop end repeat
// the loop's beginning. The first half is the onset, played once.
void close_loop(Stereo& s, const Layout& l) {
    const long p = l.period(), fade = seconds_to_frames(0.25);
    for (long k = p - fade; k < p; ++k) {
        const double w = portable::sin(pi / 2 * (k - (p - fade) + 1) / fade), v = std::sqrt(1 - w * w);
        const long at = l.loop_start + k, before = at - p;
        s.left[at] = static_cast<float>(s.left[at] * v + s.left[before] * w);
        s.right[at] = static_cast<float>(s.right[at] * v + s.right[before] * w);
    }
    for (long t = l.loop_end; t < l.frames; ++t) {
        s.left[t] = s.left[t - p];
        s.right[t] = s.right[t - p];
    }
}

std::vector<int16_t> finish_loop(Stereo s, const Layout& l, double level) {
    const long fade = 88;  // the very first samples only: the loop never returns there
    for (long i = 0; i < fade; ++i) {
        const auto g = static_cast<float>(i) / fade;
        s.left[i] *= g, s.right[i] *= g;
    }
    close_loop(s, l);
    return master(s, level / peak(s));
}

// Bomb 2: a low, throbbing hum of two detuned saws through a slowly breathing filter.
std::vector<int16_t> bomb_hum() {
    const Layout l = layout(Loop::effect, 1500);
    const long p = l.period();
    const double low = fit(98, p), fifth = fit(147, p), breath = fit(0.67, p), throb = fit(8, p);
    Osc a, b, c, lfo, trem;
    Noise noise(61);
    Filter filter, air;
    air.tune(2500, 0.3);
    Stereo s(l.frames, false);
    for (long n = 0; n < l.frames; ++n) {
        const double t = time_of(n);
        const double sweep = sine(lfo.next(breath));
        if (n % 16 == 0) filter.tune(900 + 450 * sweep, 0.45);
        const double tone = saw(a.next(low), a.step()) + saw(b.next(fifth), b.step()) * 0.6 +
                            saw(c.next(low * 2), c.step()) * 0.3;
        const double swell = std::min(1.0, t / 0.4);
        const double v = (filter.low(tone) * (0.8 + 0.2 * sine(trem.next(throb))) + air.band(noise.next()) * 0.25) * swell;
        s.left[n] = static_cast<float>(v);
        s.right[n] = static_cast<float>(v);
    }
    return finish_loop(s, l, decibels(-5));
}

// Boss blasters: a bright phasing beam that strikes in with a falling zap.
std::vector<int16_t> blaster() {
    const Layout l = layout(Loop::effect, 1400);
    const long p = l.period();
    const double base = fit(220, p), beat = fit(221.5, p), sub = fit(110, p), sweep_rate = fit(2.1, p);
    Osc a, b, c, lfo;
    Noise noise(71);
    Filter left, right, hiss;
    hiss.tune(6000, 0.1);
    Stereo s(l.frames, false);
    for (long n = 0; n < l.frames; ++n) {
        const double t = time_of(n);
        const double strike = 1 + 3 * portable::exp(-t / 0.06);  // the beam drops into its steady pitch
        const double sweep = sine(lfo.next(sweep_rate));
        if (n % 16 == 0) {
            left.tune(1300 + 900 * sweep, 0.7);
            right.tune(1300 - 900 * sweep, 0.7);
        }
        const double beam = saw(a.next(base * strike), a.step()) + saw(b.next(beat * strike), b.step()) +
                            pulse(c.next(sub * strike), c.step(), 0.5) * 0.5;
        const double fizz = hiss.high(noise.next()) * 0.2;
        const double attack = std::min(1.0, t * 40);
        s.left[n] = static_cast<float>((left.band(beam) + fizz) * attack);
        s.right[n] = static_cast<float>((right.band(beam) + fizz) * attack);
    }
    return finish_loop(s, l, decibels(-5));
}

// ---- menus and pick-ups -------------------------------------------------------------------------

// Notes of a patch one after another, with a light echo.
Stereo chime(const Patch& patch, const std::vector<const char*>& notes, double spacing, double seconds) {
    Stereo s(seconds_to_frames(seconds), false);
    for (size_t i = 0; i < notes.size(); ++i) {
        Note note;
        note.start = seconds_to_frames(spacing * static_cast<double>(i));
        note.gate = seconds_to_frames(spacing);
        note.pitch = note_number(notes[i]);
        play(patch, note, s, 1.0, (static_cast<double>(i) / notes.size() - 0.5) * 0.6);
    }
    const long delay = seconds_to_frames(0.09);
    for (long n = s.frames() - 1; n >= delay; --n) {
        s.left[n] += s.right[n - delay] * 0.35f;
        s.right[n] += s.left[n - delay] * 0.35f;
    }
    return s;
}

Patch bell_patch(double brightness) {
    Patch p;
    p.wave = Wave::sine;
    p.fm_ratio = 3.5, p.fm_index = brightness, p.fm_decay = 0.3;
    p.attack = 0.002, p.decay = 0.9, p.sustain = 0, p.release = 0.4;
    return p;
}

Patch blip_patch() {
    Patch p;
    p.wave = Wave::square;
    p.attack = 0.002, p.decay = 0.1, p.sustain = 0.5, p.release = 0.03;
    p.cutoff = 4000;
    return p;
}

std::vector<int16_t> start_chime() {
    return finish(chime(bell_patch(2.5), {"C5", "E5", "G5", "C6", "E6"}, 0.08, 1.1), decibels(-5));
}

std::vector<int16_t> cheat_chime() {
    return finish(chime(blip_patch(), {"C5", "E5", "G5", "C6", "E6", "G6", "C7"}, 0.06, 0.8), decibels(-6));
}

std::vector<int16_t> powerup_chime() {
    Stereo s = chime(bell_patch(3.5), {"G5", "C6", "E6", "G6"}, 0.07, 1.0);
    s.mix(chime(blip_patch(), {"G4", "C5", "E5", "G5", "C6", "E6"}, 0.045, 1.0), 0.35f);
    return finish(s, decibels(-5));
}

std::vector<int16_t> error_buzz() {
    Osc a, b;
    Filter soft;
    soft.tune(1800, 0.1);
    return finish(synthesize_mono(0.3, [&](long, double t) {
                      const bool on = t < 0.12 || (t > 0.16 && t < 0.28);
                      const double v = pulse(a.next(110), a.step(), 0.5) + pulse(b.next(117), b.step(), 0.5);
                      return soft.low(on ? v * 0.5 : 0.0);
                  }),
                  decibels(-8));
}

}  // namespace

const std::vector<EffectEntry>& effects() {
    static const std::vector<EffectEntry> all = {
        {"sfx/error.ogg", error_buzz, false},
        {"sfx/start.ogg", start_chime, false},
        {"sfx/cheat_powerup.ogg", cheat_chime, false},
        {"sfx/adam_bullet_1.ogg", ship_gun, false},
        {"sfx/explosion.ogg", ship_explosion, false},
        {"sfx/take_off.ogg", take_off, false},
        {"sfx/bomb_start.ogg", bomb_charge, false},
        {"sfx/bomb_one.ogg", bomb_beam, false},
        {"sfx/bomb_two.ogg", bomb_hum, true},
        {"sfx/enemy_explosion.ogg", enemy_explosion, false},
        {"sfx/enemy_one_bullet.ogg", enemy_shot_one, false},
        {"sfx/enemy_three_bullet.ogg", enemy_shot_three, false},
        {"sfx/enemy_four_bullet.ogg", enemy_shot_four, false},
        {"sfx/powerup.ogg", powerup_chime, false},
        {"sfx/blaster.ogg", blaster, true},
    };
    return all;
}

}  // namespace datagen::audio
