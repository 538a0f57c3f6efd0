#pragma once
// The notation the tunes are written in.
//
// A section has a number of bars, a chord progression and parts. The progression is a list of chord
// names ("Am F C G7", "-" holds the previous chord) spread evenly over the section. Each part is a
// string of whitespace-separated steps, `per_beat` steps to a beat, repeated until the section is
// full; "." is a rest, "-" holds the previous note, "|" is ignored (bar lines for the reader).
//   melody: note names ("C#5", "Bb3");
//   bass:   degrees of the current chord (1 root, 3 its third, 5 its fifth, 7 its seventh, 8 the
//           octave, 2/4/6 scale steps; a "_" suffix drops an octave), in the bass register of `octave`;
//   arp:    chord tones counted from the bottom of the voicing (1 …; each pass through the chord
//           continues an octave higher, so in a triad 4 is the root an octave up);
//   pad:    "x" strikes the whole current chord;
//   drums:  letters for the hits of the step (k kick, s snare, h hat, o open hat, p clap, t tom,
//           c crash), several letters sound together.
#include "instrument.h"

#include <string>
#include <vector>

namespace datagen::audio {

enum class Role { melody, bass, arp, pad, drums };

struct Part {
    Role role = Role::melody;
    Patch patch;
    Kit kit = Kit::studio;
    std::string steps;
    int per_beat = 2;
    int octave = 4;
    double level = 1;
    double pan = 0;
    double echo = 0;       // share sent to the echo
    double legato = 0.9;   // held fraction of each note's steps

    Part& every(int steps_per_beat) { per_beat = steps_per_beat; return *this; }
    Part& in_octave(int o) { octave = o; return *this; }
    Part& vol(double v) { level = v; return *this; }
    Part& at(double p) { pan = p; return *this; }
    Part& wet(double e) { echo = e; return *this; }
    Part& hold(double l) { legato = l; return *this; }
};

Part melody(const Patch& patch, std::string notes);
Part bass(const Patch& patch, std::string degrees);
Part arp(const Patch& patch, std::string tones);
Part pad(const Patch& patch, std::string strikes);
Part drums(Kit kit, std::string hits);

struct Section {
    int bars = 0;
    std::string chords;
    std::vector<Part> parts;
};

// Where a section lands: its first frame in the target and its length in frames.
struct Placement {
    long start = 0;
    double frames = 0;
    int beats = 0;     // beats in the section
    uint32_t seed = 0; // varies the drum noise between sections
};

// Renders every part of a section: the dry sound into `dry`, the echo sends into `send`.
void render(const Section& section, const Placement& where, Stereo& dry, Stereo& send);

// MIDI note number of a note name such as "C4" (60) or "F#3"; throws std::invalid_argument otherwise.
int note_number(const std::string& name);

}  // namespace datagen::audio
