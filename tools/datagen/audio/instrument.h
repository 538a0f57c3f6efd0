#pragma once
// Instruments: a subtractive / FM voice described by a patch, and a drum kit.
#include "signal.h"

#include <cstdint>

namespace datagen::audio {

enum class Wave { sine, triangle, saw, square, pulse };

struct Patch {
    Wave wave = Wave::saw;
    double duty = 0.5;          // pulse width of Wave::pulse
    int unison = 1;             // detuned copies spread across the stereo field
    double detune = 0;          // cents between the outermost copies
    double spread = 0;          // stereo width of the copies, 0 … 1
    double attack = 0.005, decay = 0.2, sustain = 0.7, release = 0.12;  // seconds; sustain is a level
    double cutoff = 0;          // low-pass at rest in Hz; 0 leaves the voice unfiltered
    double sweep = 0;           // octaves the filter opens at each onset
    double sweep_decay = 0.2;   // seconds for that opening to close again
    double resonance = 0;       // 0 … 1
    double fm_ratio = 0;        // sine voices only: modulator frequency / carrier frequency
    double fm_index = 0;        // modulation depth at the onset
    double fm_decay = 1;        // seconds for the depth to fall away
    double vibrato = 0;         // semitones, fading in after a quarter second
    double level = 1;
};

struct Note {
    long start = 0;     // frame
    long gate = 0;      // frames the key is held
    double pitch = 60;  // MIDI note number
    double velocity = 1;
};

// Renders one note of a patch into a signal (the release runs past the gate).
void play(const Patch& patch, const Note& note, Stereo& out, double gain, double pan);

enum class Drum { kick, snare, hat, open_hat, clap, tom, crash };
enum class Kit { studio, chip };

// Renders one drum hit; `seed` varies the noise from hit to hit.
void play(Kit kit, Drum drum, long start, uint32_t seed, Stereo& out, double gain, double pan);

}  // namespace datagen::audio
