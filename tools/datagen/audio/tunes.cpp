// The game's music. Melodies are written against the progression of their section; parts that
// follow the chords (bass, arpeggios, pads) carry the rest.
#include "catalog.h"

#include <string>

namespace datagen::audio {
namespace {

// ---- instruments --------------------------------------------------------------------------------

Patch saw_bass() {
    Patch p;
    p.wave = Wave::saw;
    p.attack = 0.003, p.decay = 0.3, p.sustain = 0.6, p.release = 0.08;
    p.cutoff = 280, p.sweep = 2.5, p.sweep_decay = 0.12, p.resonance = 0.35;
    p.level = 0.8;
    return p;
}

Patch sub_bass() {
    Patch p;
    p.wave = Wave::triangle;
    p.attack = 0.006, p.decay = 0.5, p.sustain = 0.8, p.release = 0.12;
    p.level = 0.9;
    return p;
}

Patch pulse_bass() {
    Patch p;
    p.wave = Wave::pulse, p.duty = 0.3;
    p.attack = 0.004, p.decay = 0.2, p.sustain = 0.5, p.release = 0.06;
    p.cutoff = 500, p.sweep = 1.5, p.sweep_decay = 0.08;
    p.level = 0.7;
    return p;
}

Patch pluck() {
    Patch p;
    p.wave = Wave::saw;
    p.attack = 0.002, p.decay = 0.35, p.sustain = 0, p.release = 0.2;
    p.cutoff = 700, p.sweep = 3, p.sweep_decay = 0.12;
    p.level = 0.6;
    return p;
}

Patch square_lead() {
    Patch p;
    p.wave = Wave::square;
    p.attack = 0.01, p.decay = 0.3, p.sustain = 0.6, p.release = 0.15;
    p.cutoff = 2200, p.sweep = 1.2, p.sweep_decay = 0.2;
    p.vibrato = 0.15;
    p.level = 0.45;
    return p;
}

Patch saw_lead() {
    Patch p;
    p.wave = Wave::saw;
    p.unison = 2, p.detune = 14, p.spread = 0.3;
    p.attack = 0.01, p.decay = 0.4, p.sustain = 0.7, p.release = 0.18;
    p.cutoff = 2600, p.sweep = 1, p.sweep_decay = 0.25;
    p.vibrato = 0.2;
    p.level = 0.4;
    return p;
}

Patch brass() {
    Patch p;
    p.wave = Wave::saw;
    p.unison = 2, p.detune = 10, p.spread = 0.2;
    p.attack = 0.04, p.decay = 0.5, p.sustain = 0.75, p.release = 0.2;
    p.cutoff = 900, p.sweep = 1.6, p.sweep_decay = 0.3;
    p.vibrato = 0.12;
    p.level = 0.5;
    return p;
}

Patch flute() {
    Patch p;
    p.wave = Wave::triangle;
    p.attack = 0.06, p.decay = 0.6, p.sustain = 0.8, p.release = 0.25;
    p.vibrato = 0.18;
    p.level = 0.7;
    return p;
}

Patch bell() {
    Patch p;
    p.wave = Wave::sine;
    p.fm_ratio = 3.5, p.fm_index = 3, p.fm_decay = 0.5;
    p.attack = 0.002, p.decay = 1.4, p.sustain = 0, p.release = 0.8;
    p.level = 0.5;
    return p;
}

Patch vibes() {
    Patch p;
    p.wave = Wave::sine;
    p.fm_ratio = 4, p.fm_index = 1.2, p.fm_decay = 0.3;
    p.attack = 0.002, p.decay = 1.0, p.sustain = 0, p.release = 0.5;
    p.level = 0.6;
    return p;
}

Patch epiano() {
    Patch p;
    p.wave = Wave::sine;
    p.fm_ratio = 1, p.fm_index = 1.6, p.fm_decay = 0.35;
    p.attack = 0.003, p.decay = 1.2, p.sustain = 0.25, p.release = 0.3;
    p.level = 0.55;
    return p;
}

Patch warm_pad() {
    Patch p;
    p.wave = Wave::saw;
    p.unison = 3, p.detune = 18, p.spread = 0.7;
    p.attack = 0.6, p.decay = 1.5, p.sustain = 0.8, p.release = 1.0;
    p.cutoff = 1100;
    p.level = 0.35;
    return p;
}

Patch strings() {
    Patch p = warm_pad();
    p.attack = 0.25, p.release = 0.5;
    p.cutoff = 2400;
    p.vibrato = 0.08;
    p.level = 0.3;
    return p;
}

Patch dark_pad() {
    Patch p;
    p.wave = Wave::square;
    p.unison = 2, p.detune = 12, p.spread = 0.8;
    p.attack = 1.0, p.decay = 2, p.sustain = 0.8, p.release = 1.2;
    p.cutoff = 550, p.resonance = 0.2;
    p.level = 0.4;
    return p;
}

Patch chip(double duty) {
    Patch p;
    p.wave = Wave::pulse, p.duty = duty;
    p.attack = 0.002, p.decay = 0.15, p.sustain = 0.65, p.release = 0.05;
    p.vibrato = 0.2;
    p.level = 0.35;
    return p;
}

Patch chip_bass() {
    Patch p;
    p.wave = Wave::triangle;
    p.attack = 0.002, p.decay = 0.2, p.sustain = 0.9, p.release = 0.03;
    p.level = 0.9;
    return p;
}

// ---- notation helpers ---------------------------------------------------------------------------

std::string rep(int n, const std::string& steps) {
    std::string out;
    for (int i = 0; i < n; ++i) out += steps + " ";
    return out;
}

// One hit at the start of every `bars` bars of sixteenths.
std::string every_bars(int bars, const std::string& hit) { return hit + " " + rep(bars * 16 - 1, "."); }

const std::string rock = "kh . h . sh . h . kh . kh . sh . h h";
const std::string drive = "kh h h h sh h h h kh h kh h sh h h h";
const std::string floor4 = "k . h . kp . h . k . h . kp . h o";
const std::string halftime = "kh . h . h . h . sh . h . h . h k";
const std::string soft_tick = "h . . . h . . . h . . . h . . h";
const std::string chip_beat = "kh . h . sh . h . kh . kh . sh . h .";

Section section(int bars, std::string chords, std::vector<Part> parts) {
    return Section{bars, std::move(chords), std::move(parts)};
}

Song looping(Loop rule, double bpm) {
    Song s;
    s.loop = rule;
    s.bpm = bpm;
    return s;
}

// ---- tunes --------------------------------------------------------------------------------------

Song loading() {
    Song s = looping(Loop::whole, 90);
    s.body = {section(8, "Dm9 - Bbmaj7 - Gm7 - Asus4 A",
                      {pad(warm_pad(), "x - - - - - - -"),
                       arp(bell(), "1 . 3 . 2 . 4 . 3 . 5 . 4 . 2 .").in_octave(5).vol(0.35).wet(0.35).at(0.3),
                       bass(sub_bass(), "1 - - - - - 5_ -"),
                       drums(Kit::studio, soft_tick).vol(0.5)})};
    s.level_db = -2;
    return s;
}

Song main_menu() {
    Song s = looping(Loop::whole, 120);
    const std::string gallop = "1 . 1 1 1 . 1 1 1 . 1 1 5_ . 5_ 5_";
    const std::string theme =
        "C5 - - G4 C5 - D5 Eb5 | D5 - C5 - G4 - - - | Ab4 - - C5 Eb5 - Ab5 - | G5 - F5 - Eb5 - - - | "
        "G5 - - F5 Eb5 - D5 - | Eb5 - Bb4 - G4 - - - | F4 - Bb4 - D5 - F5 - | D5 - - - - - . .";
    const std::string bridge =
        "C5 - - - Eb5 - - - | Ab5 - G5 - F5 - Eb5 - | D5 - - - F5 - - - | Bb5 - Ab5 - G5 - F5 - | "
        "G5 - - - Eb5 - C5 - | D5 - Eb5 - F5 - G5 - | B4 - - - D5 - - - | G5 - F5 - D5 - B4 -";
    const std::string progression = "Cm - Ab - Eb - Bb -";
    s.body = {
        section(8, progression,
                {melody(brass(), theme).wet(0.25), pad(strings(), "x - - - - - - -"),
                 bass(saw_bass(), gallop).every(4), drums(Kit::studio, rock),
                 drums(Kit::studio, every_bars(8, "c"))}),
        section(8, "Ab - Bb - Cm - G -",
                {melody(brass(), bridge).wet(0.25), pad(strings(), "x - - - x - - -"),
                 bass(saw_bass(), "1 - 1 - 1 - 1 - 1 - 1 - 5_ - 5_ -").every(4), drums(Kit::studio, drive),
                 arp(pluck(), "1 2 3 4 5 4 3 2").in_octave(5).vol(0.4).at(-0.4).wet(0.2)}),
        section(8, progression,
                {melody(brass(), theme).wet(0.25), melody(saw_lead(), theme).vol(0.4).at(0.4),
                 pad(strings(), "x - - - - - - -"), bass(saw_bass(), gallop).every(4), drums(Kit::studio, rock),
                 drums(Kit::studio, every_bars(4, "c")),
                 arp(pluck(), "1 2 3 4 5 4 3 2").in_octave(5).vol(0.35).at(-0.4).wet(0.2)}),
    };
    return s;
}

Song story() {
    Song s = looping(Loop::back_51, 60);
    const std::string chords = "Fmaj7 Am7 Bbmaj7 Csus4 Dm7 Bbmaj7 Gm7 C";
    const std::string ripple = "1 3 5 3 4 2 3 2";
    s.intro = {section(8, chords,
                       {pad(warm_pad(), "x - - - - - - -"), arp(epiano(), ripple).every(2).in_octave(4).wet(0.3),
                        arp(vibes(), "5 - - - - - - - | 4 - - - - - - -").every(2).in_octave(5).vol(0.6).wet(0.4).at(0.3)})};
    s.body = {section(8, chords,
                      {pad(warm_pad(), "x - - - - - - -"),
                       arp(epiano(), ripple).every(2).in_octave(4).vol(0.45).wet(0.3),
                       melody(flute(), "A4 - - - C5 - - - | E5 - - - D5 - C5 - | D5 - - - - - F5 - | "
                                       "F5 - - - E5 - - - | F5 - - E5 D5 - - - | C5 - - - A4 - Bb4 - | "
                                       "G4 - - - Bb4 - D5 - | C5 - - - - - . .")
                           .wet(0.35)
                           .at(-0.15),
                       bass(sub_bass(), "1 - - - - - - - | 1 - - - 5_ - - -").vol(0.7)})};
    s.level_db = -2;
    return s;
}

Song character_select() {
    Song s = looping(Loop::back_51, 128);
    const std::string chords = "E - C#m - A - B -";
    const Part groove = drums(Kit::studio, floor4);
    const Part octaves = bass(saw_bass(), "1 8 1 8 1 8 1 8");
    const Part sparkle = arp(pluck(), "1 3 5 3 2 4 6 4").in_octave(5).vol(0.4).at(0.35).wet(0.25);
    s.intro = {section(4, chords, {groove, octaves}), section(4, chords, {groove, octaves, sparkle})};
    s.body = {section(8, chords,
                      {groove, octaves, sparkle, pad(strings(), "x - - - - - - -").vol(0.7),
                       melody(saw_lead(), "B4 - E5 - G#5 - E5 - | F#5 - E5 - C#5 - - - | C#5 - E5 - G#5 - C#6 - | "
                                          "B5 - G#5 - E5 - - - | A4 - C#5 - E5 - A5 - | G#5 - F#5 - E5 - C#5 - | "
                                          "D#5 - F#5 - B5 - A5 - | G#5 - F#5 - D#5 - B4 -")
                           .wet(0.2)})};
    return s;
}

Song upgrade_store() {
    Song s = looping(Loop::back_51, 100);
    const std::string chords = "Gmaj7 Em7 Am7 D7 Bm7 E7 Am7 D7";
    const Part comp = pad(epiano(), ". . x - . x - .").vol(0.8);
    const Part walk = bass(sub_bass(), "1 - . 5_ 1 - 5_ -");
    const Part brush = drums(Kit::studio, "k . h h s . h . k k h . s . h h").vol(0.6);
    s.intro = {section(8, chords, {comp, walk, brush, arp(vibes(), "1 . . 3 . . 2 . 4 . . . . . . .").in_octave(5).vol(0.5).wet(0.3)})};
    s.body = {section(8, chords,
                      {comp, walk, brush,
                       melody(vibes(), "B4 - D5 - F#5 - - - | G5 - F#5 - E5 - - - | C5 - E5 - G5 - - - | "
                                       "F#5 - E5 - D5 - - - | D5 - F#5 - A5 - - - | G#5 - F#5 - E5 - D5 - | "
                                       "C5 - - - E5 - A4 - | C5 - B4 - A4 - F#4 -")
                           .wet(0.3)
                           .at(0.2)})};
    s.level_db = -1;
    return s;
}

Song first_stage() {
    Song s = looping(Loop::whole, 132);
    const Part drive_bass = bass(saw_bass(), "1 1 8 1 1 1 8 1");
    s.body = {
        section(8, "Am - F - C - G -",
                {drive_bass, drums(Kit::studio, rock), pad(strings(), "x - - - - - - -").vol(0.8),
                 melody(square_lead(), "A4 - C5 - E5 - A5 - | G5 - E5 - C5 - D5 - | F5 - - - E5 - C5 - | "
                                       "A4 - - - . . . . | G4 - C5 - E5 - G5 - | F5 - E5 - D5 - C5 - | "
                                       "D5 - - - B4 - G4 - | B4 - - - . . . .")
                     .wet(0.3),
                 drums(Kit::studio, every_bars(8, "c"))}),
        section(8, "F - G - Am - E -",
                {drive_bass, drums(Kit::studio, drive), pad(strings(), "x - - - x - - -").vol(0.8),
                 arp(square_lead(), "5 . 4 . 3 . 4 . 5 . 6 . 5 . 3 .").in_octave(5).vol(0.8).wet(0.3),
                 arp(pluck(), "1 2 3 2").in_octave(4).vol(0.4).at(-0.4)}),
    };
    return s;
}

Song second_stage() {
    Song s = looping(Loop::whole, 140);
    const Part pulse = bass(saw_bass(), "1 1 1 1 1 1 1 1 1 1 1 1 5_ 5_ 7_ 7_").every(4).vol(0.8);
    const Part sequence = arp(pluck(), "1 2 3 2 4 3 2 3").in_octave(5).vol(0.5).at(0.4).wet(0.3);
    s.body = {
        section(8, "Em - C - D - Bm -",
                {pulse, sequence, drums(Kit::studio, halftime), pad(dark_pad(), "x - - - - - - -"),
                 melody(saw_lead(), "E5 - - - - - G5 - | F#5 - - - D5 - - - | E5 - - - C5 - - - | "
                                    "G4 - - - . . . . | D5 - - - F#5 - A5 - | G5 - F#5 - D5 - - - | "
                                    "B4 - - - D5 - F#5 - | B5 - - - . . . .")
                     .wet(0.3)}),
        section(8, "C - D - Em - B -",
                {pulse, sequence, drums(Kit::studio, drive), pad(dark_pad(), "x - - - - - - -"),
                 arp(saw_lead(), "3 . 2 . 1 . 2 . 3 . 4 . 5 . 4 .").in_octave(5).vol(0.8).wet(0.3),
                 drums(Kit::studio, every_bars(8, "c"))}),
    };
    return s;
}

Song third_stage() {
    Song s = looping(Loop::whole, 112);
    const Part waves = arp(bell(), "1 3 5 3 2 4 6 4").in_octave(5).vol(0.35).at(-0.35).wet(0.4);
    const Part swell = pad(warm_pad(), "x - - - - - - -");
    const Part roll = bass(sub_bass(), "1 - - 1 - - 5_ -");
    s.body = {
        section(8, "Dm7 - G - Dm7 - Am7 -",
                {waves, swell, roll, drums(Kit::studio, halftime).vol(0.8),
                 melody(flute(), "D5 - - - E5 - F5 - | G5 - - - A5 - B5 - | A5 - - - F5 - D5 - | "
                                 "C5 - - - . . . . | D5 - F5 - A5 - - - | G5 - - - E5 - D5 - | "
                                 "E5 - - - C5 - A4 - | E5 - - - . . . .")
                     .wet(0.35)
                     .at(0.15)}),
        section(8, "Bbmaj7 - C - Dm7 - Am7 -",
                {waves, swell, roll, drums(Kit::studio, rock).vol(0.8),
                 arp(flute(), "5 - - 4 3 - 2 - | 3 - - - 4 - - -").in_octave(5).every(2).wet(0.35).at(0.15)}),
    };
    return s;
}

Song fourth_stage() {
    Song s = looping(Loop::whole, 126);
    const Part clank = drums(Kit::studio, "k . . k p . h . k k . . p . h p");
    const Part funk = bass(pulse_bass(), "1 . 1 8 . 1 . 7 1 . . 1 8 . 5 .").every(4);
    const Part blips = arp(pluck(), "1 . 4 . . 2 . 5 . . 3 . 6 . . .").in_octave(5).vol(0.5).at(0.4).wet(0.35);
    s.body = {
        section(8, "Cm - Fm - Ab - G -",
                {clank, funk, blips, drums(Kit::studio, rep(4, "h h . h")).vol(0.6),
                 melody(vibes(), "G5 . . G5 . . Eb5 . | . . . . . . . . | Ab5 . . Ab5 . . F5 . | . . . . . . . . | "
                                 "C6 . . Bb5 . . Ab5 . | . . Eb5 . . . . . | D5 . . F5 . . B5 . | . . . . . . . .")
                     .wet(0.3)
                     .at(-0.3)}),
        section(8, "Fm - Cm - Ab - G -",
                {clank, funk, blips, pad(dark_pad(), "x - - - - - - -"),
                 arp(square_lead(), "1 3 5 . . 5 3 1").in_octave(5).vol(0.6).wet(0.3).at(-0.2)}),
    };
    return s;
}

Song fifth_stage() {
    Song s = looping(Loop::whole, 100);
    const Part march = drums(Kit::studio, "k . . k t . k . k . t t s . t .");
    const Part drone = bass(saw_bass(), "1 - 1 - 1 2 1 - 1 - 1 - 2 - 1 -").every(4);
    s.body = {
        section(8, "Dm - Eb - Dm - C -",
                {march, drone, pad(dark_pad(), "x - - - - - - -"),
                 melody(brass(), "D5 - - - Eb5 - D5 - | C5 - - - A4 - - - | Bb4 - - - G4 - Eb4 - | F4 - - - G4 - . . | "
                                 "D5 - - - F5 - Eb5 - | D5 - C5 - A4 - - - | G4 - A4 - C5 - E5 - | D5 - - - - - . .")
                     .wet(0.3)}),
        section(8, "Bb - C - Dm - A -",
                {march, drone, pad(strings(), "x - - - - - - -"),
                 arp(brass(), "1 . . 3 . . 5 . 4 . . . . . . .").in_octave(4).vol(0.8).wet(0.3),
                 drums(Kit::studio, every_bars(4, "c"))}),
    };
    return s;
}

Song sixth_stage() {
    Song s = looping(Loop::whole, 144);
    const Part run = arp(pluck(), "1 2 3 4 3 2 1 2").in_octave(5).vol(0.45).at(-0.35).wet(0.25);
    const Part eighths = bass(saw_bass(), "1 1 1 1 1 1 1 8");
    s.body = {
        section(8, "F#m - D - E - C#m -",
                {run, eighths, drums(Kit::studio, rock),
                 melody(square_lead(), "F#5 - - - C#5 - F#5 - | A5 - G#5 - F#5 - - - | D5 - - - F#5 - A5 - | "
                                       "F#5 - - - . . . . | E5 - - - G#5 - B5 - | A5 - G#5 - E5 - - - | "
                                       "C#5 - E5 - G#5 - - - | C#6 - - - . . . .")
                     .wet(0.3)
                     .at(0.2)}),
        section(8, "D - E - F#m - C# -",
                {run, eighths, drums(Kit::studio, drive), pad(strings(), "x - - - - - - -"),
                 arp(saw_lead(), "5 4 3 . 5 4 3 . 6 5 4 . 3 . . .").in_octave(5).vol(0.7).wet(0.3),
                 drums(Kit::studio, every_bars(8, "c"))}),
    };
    return s;
}

Song seventh_stage() {
    Song s = looping(Loop::whole, 104);
    const Part woods = drums(Kit::studio, "k . t . h . t t k . t . h t . .").vol(0.7);
    const Part leaves = arp(pluck(), "1 . 3 . 2 . 4 . 3 . 5 . 4 . 3 .").in_octave(5).vol(0.45).at(0.35).wet(0.35);
    s.body = {
        section(8, "G - Em - C - D -",
                {woods, leaves, bass(sub_bass(), "1 - - 5_ 1 - 3 -"), pad(warm_pad(), "x - - - - - - -").vol(0.8),
                 melody(flute(), "D5 - G5 - - - A5 - | B5 - A5 - G5 - E5 - | G5 - - - - - E5 - | D5 - - - - - . . | "
                                 "E5 - G5 - C6 - B5 - | A5 - G5 - E5 - - - | D5 - E5 - F#5 - A5 - | G5 - - - - - . .")
                     .wet(0.35)
                     .at(-0.2)}),
        section(8, "C - D - Bm - Em -",
                {woods, leaves, bass(sub_bass(), "1 - - 5_ 1 - 3 -"), pad(warm_pad(), "x - - - - - - -").vol(0.8),
                 arp(vibes(), "5 . 3 . 4 . 2 . | 6 . 5 . 3 . . .").in_octave(5).every(2).vol(0.8).wet(0.35).at(-0.2)}),
    };
    return s;
}

Song eighth_stage() {
    Song s = looping(Loop::whole, 150);
    const Part gallop = bass(saw_bass(), "1 . 1 1 1 . 1 1 1 . 1 1 8 . 7 5").every(4);
    const Part stabs = pad(brass(), "x - . x - . x . | . . x - . . . .").vol(0.7);
    s.body = {
        section(8, "Bm - G - A - F# -",
                {gallop, stabs, drums(Kit::studio, drive),
                 melody(saw_lead(), "B5 - - - A5 - F#5 - | D5 - - - E5 - F#5 - | G5 - - - D5 - B4 - | "
                                    "D5 - - - . . . . | A4 - C#5 - E5 - A5 - | G5 - - - F#5 - E5 - | "
                                    "F#5 - - - C#5 - A#4 - | C#5 - - - . . . .")
                     .wet(0.3),
                 drums(Kit::studio, every_bars(8, "c"))}),
        section(8, "G - A - Bm - Em F#",
                {gallop, stabs, drums(Kit::studio, rock),
                 arp(pluck(), "1 2 3 4 5 6 5 4").in_octave(5).vol(0.5).at(0.4).wet(0.25),
                 arp(square_lead(), "4 - - - 3 - - - 5 - - - 4 - 3 -").in_octave(5).every(2).wet(0.3)}),
    };
    return s;
}

Song ninth_stage() {
    Song s = looping(Loop::whole, 120);
    const Part hum = pad(dark_pad(), "x - - - - - - - | - - - - - - - -");
    const Part throb = bass(pulse_bass(), "1 . . 1 . . 1 . 1 . . 1 . . 5_ .").every(4);
    s.body = {
        section(8, "C#m - A - F#m - G# -",
                {hum, throb, drums(Kit::studio, halftime).vol(0.8),
                 arp(bell(), "1 . . 3 . . 5 . . 4 . . 2 . . .").in_octave(5).vol(0.4).wet(0.45).at(0.3),
                 melody(vibes(), "G#5 - - - - - . . | E5 - - - - - . . | F#5 - - - A5 - - - | G#5 - - - - - . . | "
                                 "C#6 - - - B5 - - - | A5 - - - E5 - - - | F#5 - - - C#5 - - - | B#4 - - - - - . .")
                     .wet(0.4)
                     .at(-0.25)}),
        section(8, "A - B - C#m - G#7 -",
                {hum, throb, drums(Kit::studio, rock).vol(0.8),
                 arp(bell(), "1 . . 3 . . 5 . . 4 . . 2 . . .").in_octave(5).vol(0.4).wet(0.45).at(0.3),
                 arp(saw_lead(), "3 - - - 2 - - - 1 - - - 2 - - -").in_octave(5).every(2).vol(0.7).wet(0.35)}),
    };
    return s;
}

Song tenth_stage() {
    Song s = looping(Loop::whole, 138);
    const Part chug = bass(saw_bass(), "1 1 1 1 1 1 1 1 2 2 1 1 1 1 5_ 5_").every(4);
    const Part tension = pad(strings(), "x - - - x - - -");
    s.body = {
        section(8, "Gm - Eb - Cm - D -",
                {chug, tension, drums(Kit::studio, drive),
                 melody(square_lead(), "G5 - - - D5 - G5 - | Bb5 - A5 - G5 - - - | Eb5 - - - G5 - Bb5 - | "
                                       "G5 - - - . . . . | C5 - Eb5 - G5 - C6 - | Bb5 - A5 - G5 - - - | "
                                       "F#5 - - - A5 - D6 - | C6 - Bb5 - A5 - F#5 -")
                     .wet(0.25),
                 drums(Kit::studio, every_bars(8, "c"))}),
        section(8, "Cm - D - Gm - D -",
                {chug, tension, drums(Kit::studio, rock), pad(dark_pad(), "x - - - - - - -"),
                 arp(saw_lead(), "1 3 5 3 1 3 5 6").in_octave(5).every(4).vol(0.55).wet(0.25)}),
    };
    return s;
}

Song continue_countdown() {
    Song s = looping(Loop::back_51, 100);
    const std::string chords = "Cm Ab Fm G";
    const Part clock = drums(Kit::studio, "h . . . h . . . h . . . h . . .").vol(0.8);
    const Part heart = bass(sub_bass(), "1 . . 1 . . . .");
    s.intro = {section(4, chords, {clock, heart, pad(dark_pad(), "x - - - - - - -")})};
    s.body = {section(4, chords,
                      {clock, heart, pad(strings(), "x - - - - - - -"),
                       melody(epiano(), "G5 - Eb5 - C5 - - - | C5 - Eb5 - Ab5 - G5 - | F5 - Ab5 - C5 - D5 - | "
                                        "B4 - - - D5 - - -")
                           .wet(0.3)})};
    s.level_db = -1;
    return s;
}

Song dialog() {
    Song s = looping(Loop::whole, 80);
    s.body = {section(12, "Bbm - Gb - Ebm - F - Bbm - F7 -",
                      {pad(dark_pad(), "x - - - - - - -"), bass(pulse_bass(), "1 1 1 1 1 1 1 1").vol(0.7),
                       drums(Kit::studio, "h . h . h . h . h . h . h . h h").vol(0.5),
                       arp(bell(), "5 . . . . . . . . . . . . . . . | . . . . . . . . 3 . . . . . . .")
                           .in_octave(5)
                           .vol(0.4)
                           .wet(0.5)
                           .at(-0.3)})};
    s.level_db = -2;
    return s;
}

Song outro() {
    Song s;
    s.bpm = 150;
    s.body = {section(4, "C F G C",
                      {melody(brass(), "G4 - C5 - E5 - G5 - | A5 - - - F5 - A5 - | B5 - - - D6 - B5 - | C6 - - - - - - -")
                           .wet(0.25),
                       melody(saw_lead(), "E4 - G4 - C5 - E5 - | F5 - - - C5 - F5 - | G5 - - - B5 - G5 - | E5 - - - - - - -")
                           .vol(0.5)
                           .at(0.3),
                       pad(strings(), "x - - - - - - -"), bass(saw_bass(), "1 - 1 - 5_ - 1 - | 1 - 1 - 5_ - 1 - | 1 - 1 - 5_ - 1 - | 1 - - - - - - -"),
                       drums(Kit::studio, "kc . h . s . h . k . k . s . h . | k . h . s . h . k . k . s s s s | "
                                          "kc . h . s . h . k . k . s . s s | kc . . . . . . . . . . . . . . .")})};
    return s;
}

Song boss() {
    Song s = looping(Loop::whole, 152);
    const Part churn = bass(saw_bass(), "1 1 2 1 1 1 2 1 1 1 2 1 8 7 5 2").every(4);
    const Part hits = drums(Kit::studio, "kh . h k sh . h . kh k h . sh . kh h");
    s.body = {
        section(8, "Em - F - Em - D -",
                {churn, hits, pad(dark_pad(), "x - - - - - - -"),
                 melody(saw_lead(), "E5 - - - F5 - - - | G5 - F5 - E5 - - - | B4 - - - C5 - - - | "
                                    "D5 - C5 - B4 - - - | E5 - G5 - B5 - - - | A5 - G5 - F5 - - - | "
                                    "E5 - - - D5 - - - | F#5 - - - - - . .")
                     .wet(0.25),
                 drums(Kit::studio, every_bars(8, "c"))}),
        section(8, "C - D - Em - B7 -",
                {churn, hits, pad(strings(), "x - x - x - x -"),
                 arp(square_lead(), "1 2 3 4 3 2 1 2").in_octave(5).vol(0.5).at(0.3).wet(0.25)}),
        section(8, "Em - F - Em - D -",
                {churn, drums(Kit::studio, drive), pad(dark_pad(), "x - - - - - - -"),
                 arp(saw_lead(), "5 . 4 . 3 . 5 . 6 . 5 . 4 . 3 .").in_octave(5).vol(0.8).wet(0.25),
                 arp(pluck(), "1 3 5 3").in_octave(4).vol(0.4).at(-0.4)}),
    };
    return s;
}

Song final_boss() {
    Song s = looping(Loop::back_51, 160);
    const Part thunder = bass(saw_bass(), "1 1 1 1 1 1 1 1 1 1 1 1 2 2 7_ 7_").every(4);
    const std::string verse = "Dm - Bb - Gm - A -";
    const Part toms = drums(Kit::studio, "t . . . t . . . t . t . t t t t").vol(0.8);
    s.intro = {section(8, verse, {pad(dark_pad(), "x - - - - - - -"), toms, bass(sub_bass(), "1 - - - - - - -")}),
               section(8, verse,
                       {pad(strings(), "x - - - x - - -"), toms, thunder,
                        melody(brass(), "D5 - - - - - - - | Bb4 - - - - - - - | G4 - - - - - - - | A4 - - - C#5 - E5 -")
                            .wet(0.3)})};
    s.body = {
        section(8, verse,
                {thunder, drums(Kit::studio, drive), pad(strings(), "x - - - x - - -"),
                 melody(brass(), "D5 - - - A5 - - - | F5 - E5 - D5 - - - | Bb4 - - - D5 - F5 - | "
                                 "A5 - - - - - . . | G5 - - - F5 - E5 - | D5 - - - Bb4 - - - | "
                                 "A4 - C#5 - E5 - A5 - | G5 - - - E5 - C#5 -")
                     .wet(0.25),
                 melody(saw_lead(), "D6 - - - A5 - - - | F5 - E5 - D5 - - - | Bb5 - - - D6 - F6 - | "
                                    "A5 - - - - - . . | G5 - - - F5 - E5 - | D5 - - - Bb5 - - - | "
                                    "A5 - C#6 - E6 - A5 - | G5 - - - E5 - C#5 -")
                     .vol(0.35)
                     .at(0.4),
                 drums(Kit::studio, every_bars(4, "c"))}),
        section(8, "Bb - C - Dm - A -",
                {thunder, drums(Kit::studio, rock), pad(dark_pad(), "x - - - - - - -"),
                 arp(pluck(), "1 2 3 4 5 4 3 2").in_octave(5).vol(0.5).at(-0.4).wet(0.25),
                 arp(brass(), "3 - - - 4 - - - 5 - - - 4 - 3 -").in_octave(5).every(2).wet(0.3)}),
    };
    return s;
}

Song challenge() {
    Song s = looping(Loop::back_48, 168);
    const std::string chords = "F - Dm - Bb - C -";
    const Part bounce = bass(pulse_bass(), "1 . 8 . 1 . 8 . 5_ . 5 . 1 . 8 .").every(4);
    const Part claps = drums(Kit::studio, "kh . h . kp . h . kh . kh . kp . h h");
    const Part twinkle = arp(chip(0.25), "1 3 5 3").in_octave(5).vol(0.6).at(0.35).wet(0.2);
    s.intro = {section(8, chords, {bounce, claps}), section(8, chords, {bounce, claps, twinkle})};
    s.body = {
        section(8, chords,
                {bounce, claps, twinkle,
                 melody(chip(0.5), "F5 . A5 . C6 . A5 . | G5 - - . F5 . D5 . | D5 . F5 . A5 . F5 . | E5 - - . D5 . A4 . | "
                                   "Bb4 . D5 . F5 . Bb5 . | A5 . G5 . F5 . D5 . | C5 . E5 . G5 . C6 . | Bb5 . A5 . G5 . E5 .")
                     .wet(0.2)}),
        section(8, chords,
                {bounce, claps, twinkle, pad(strings(), "x - - - - - - -").vol(0.6),
                 arp(chip(0.125), "5 . 4 . 3 . 4 . | 5 . 6 . 5 . 3 .").in_octave(5).every(2).wet(0.2)}),
    };
    return s;
}

Song kv_main() {
    Song s = looping(Loop::back_51, 110);
    const std::string chords = "Am - F - C - G E";
    const Part shimmer = arp(bell(), "1 3 5 3 2 4 6 4").in_octave(5).vol(0.3).at(0.4).wet(0.4);
    s.intro = {section(8, chords, {pad(warm_pad(), "x - - - - - - -"), shimmer, bass(sub_bass(), "1 - - - - - - -")})};
    s.body = {section(8, chords,
                      {pad(warm_pad(), "x - - - - - - -"), shimmer, bass(saw_bass(), "1 - 1 - 1 - 8 -"),
                       drums(Kit::studio, halftime),
                       melody(brass(), "E5 - - - A5 - - - | G5 - F5 - E5 - - - | F5 - - - C5 - - - | "
                                       "A4 - - - - - . . | G4 - C5 - E5 - - - | D5 - - - C5 - - - | "
                                       "B4 - - - D5 - - - | B4 - - - G#4 - - -")
                           .wet(0.3)})};
    return s;
}

Song kv1_bgm() {
    Song s = looping(Loop::back_51, 140);
    const std::string chords = "C - Am - F - G -";
    const Part bass_line = bass(chip_bass(), "1 1 8 1 5_ 1 8 1").in_octave(2);
    const Part beat = drums(Kit::chip, chip_beat);
    const Part ripple = arp(chip(0.125), "1 2 3 4 3 2").in_octave(5).vol(0.55).at(-0.3).every(4);
    const std::string tune_a = "C5 . E5 . G5 - E5 . | C6 - - . G5 . E5 . | A4 . C5 . E5 - C5 . | A5 - - . E5 . C5 . | "
                               "F5 . A5 . C6 - A5 . | G5 . F5 . E5 . D5 . | D5 . G5 . B5 - G5 . | G5 - - . . . . .";
    const std::string tune_b = "E5 - - - D5 . C5 . | E5 - G5 - - - . . | C5 - - - B4 . A4 . | C5 - E5 - - - . . | "
                               "A4 - C5 - F5 - A5 - | G5 - F5 - E5 - C5 - | D5 - - - E5 - F5 - | B4 - - - D5 - - -";
    s.intro = {section(8, chords, {bass_line, beat, ripple}),
               section(8, chords, {bass_line, beat, ripple, melody(chip(0.5), tune_b).wet(0.15)})};
    s.body = {section(8, chords, {bass_line, beat, ripple, melody(chip(0.25), tune_a).wet(0.15)}),
              section(8, chords, {bass_line, beat, melody(chip(0.5), tune_b).wet(0.15),
                                  melody(chip(0.25), tune_a).vol(0.5).at(0.4)})};
    return s;
}

Song stage_intro() {
    Song s = looping(Loop::back_51, 90);
    const std::string chords = "Em C Am B";
    const Part rise = pad(strings(), "x - - - - - - -");
    s.intro = {section(4, chords, {pad(dark_pad(), "x - - - - - - -").vol(0.4), bass(sub_bass(), "1 - - - 1 - - -").vol(0.6),
                                   drums(Kit::studio, soft_tick).vol(0.6)})};
    s.body = {section(4, chords,
                      {rise, bass(saw_bass(), "1 1 1 1 1 1 1 1"), drums(Kit::studio, halftime).vol(0.8),
                       arp(pluck(), "1 2 3 4").in_octave(5).vol(0.4).at(0.3).wet(0.3),
                       drums(Kit::studio, "s . . . s . . . s . s . s s s s").vol(0.5)})};
    return s;
}

Song kv2_ending() {
    Song s = looping(Loop::back_51, 84);
    const std::string chords = "Eb - Bb - Cm - Ab - Eb - Bb - Ab Bb Eb -";
    const std::string hymn = "G4 - - - Bb4 - Eb5 - | D5 - - - Bb4 - - - | F4 - - - Bb4 - D5 - | F5 - - - D5 - - - | "
                             "Eb5 - - - G5 - - - | F5 - Eb5 - C5 - - - | Ab4 - - - C5 - Eb5 - | F5 - - - - - . . | "
                             "G5 - - - Bb5 - - - | Ab5 - G5 - F5 - - - | D5 - - - F5 - Bb5 - | Bb5 - Ab5 - F5 - - - | "
                             "Eb5 - - - C5 - - - | F5 - - - D5 - - - | Eb5 - - - - - - - | - - - - . . . .";
    s.intro = {section(16, chords,
                       {pad(warm_pad(), "x - - - - - - -"),
                        arp(epiano(), "1 3 5 3 4 2 3 2").every(2).vol(0.5).wet(0.3),
                        melody(flute(), hymn).wet(0.35).at(-0.2).vol(0.8)})};
    s.body = {section(16, chords,
                      {pad(strings(), "x - - - - - - -"), bass(saw_bass(), "1 - 1 - 5_ - 1 -"),
                       drums(Kit::studio, halftime).vol(0.8), drums(Kit::studio, every_bars(4, "c")),
                       arp(pluck(), "1 2 3 4 5 4 3 2").in_octave(5).vol(0.35).at(0.4).wet(0.25),
                       melody(brass(), hymn).wet(0.3)})};
    return s;
}

Song kv1_ending() {
    Song s = looping(Loop::back_51, 120);
    const std::string chords = "G - D - Em - C - G - D - C D G -";
    const std::string song = "B4 - D5 - G5 - - - | F#5 - E5 - D5 - - - | A4 - - - D5 - F#5 - | A5 - - - - - . . | "
                             "G5 - - - E5 - - - | B4 - - - E5 - - - | C5 - E5 - G5 - - - | E5 - D5 - C5 - - - | "
                             "B4 - D5 - G5 - B5 - | A5 - - - F#5 - - - | F#5 - - - D5 - A4 - | D5 - - - - - . . | "
                             "E5 - - - G5 - - - | F#5 - - - A5 - - - | G5 - - - - - - - | - - - - . . . .";
    s.intro = {section(16, chords,
                       {arp(chip(0.25), "1 3 5 3").every(2).in_octave(4).vol(0.6),
                        melody(chip(0.5), song).vol(0.8).wet(0.2), bass(chip_bass(), "1 - - - 5_ - - -")})};
    s.body = {section(16, chords,
                      {arp(chip(0.125), "1 2 3 4 3 2").in_octave(5).vol(0.45).at(-0.3),
                       melody(chip(0.5), song).wet(0.2), bass(chip_bass(), "1 - 8 - 5_ - 8 -"),
                       drums(Kit::chip, chip_beat).vol(0.8)})};
    return s;
}

}  // namespace

const std::vector<TuneEntry>& tunes() {
    static const std::vector<TuneEntry> all = {
        {"bgm/loading/tune.ogg", loading},
        {"bgm/main_menu/tune.mp3", main_menu},
        {"bgm/story/tune.ogg", story},
        {"bgm/character_select/kv2_characterselect.ogg", character_select},
        {"bgm/upgrade_store/tune.ogg", upgrade_store},
        {"bgm/first_stage/tune.ogg", first_stage},
        {"bgm/second_stage/tune.ogg", second_stage},
        {"bgm/third_stage/tune.ogg", third_stage},
        {"bgm/fourth_stage/tune.ogg", fourth_stage},
        {"bgm/fifth_stage/tune.ogg", fifth_stage},
        {"bgm/sixth_stage/tune.ogg", sixth_stage},
        {"bgm/seventh_stage/tune.ogg", seventh_stage},
        {"bgm/eigth_stage/tune.ogg", eighth_stage},
        {"bgm/ninth_stage/tune.ogg", ninth_stage},
        {"bgm/tenth_stage/tune.ogg", tenth_stage},
        {"bgm/continue/kv2_continue.ogg", continue_countdown},
        {"bgm/dialog/tune.ogg", dialog},
        {"bgm/outro/tune.ogg", outro},
        {"bgm/boss/tune.ogg", boss},
        {"bgm/boss_2/tune.ogg", final_boss},
        {"bgm/challenge_stage/tune.ogg", challenge},
        {"bgm/kv_main/tune.ogg", kv_main},
        {"bgm/kv1_bgm/tune.ogg", kv1_bgm},
        {"bgm/stage_intro/tune.ogg", stage_intro},
        {"bgm/kv2_ending/tune.ogg", kv2_ending},
        {"bgm/kv1_ending/tune.ogg", kv1_ending},
    };
    return all;
}

}  // namespace datagen::audio
