#include "score.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace datagen::audio {

Part melody(const Patch& patch, std::string notes) {
    Part p;
    p.role = Role::melody;
    p.patch = patch;
    p.steps = std::move(notes);
    return p;
}

Part bass(const Patch& patch, std::string degrees) {
    Part p = melody(patch, std::move(degrees));
    p.role = Role::bass;
    p.octave = 2;
    return p;
}

Part arp(const Patch& patch, std::string tones) {
    Part p = melody(patch, std::move(tones));
    p.role = Role::arp;
    p.per_beat = 4;
    return p;
}

Part pad(const Patch& patch, std::string strikes) {
    Part p = melody(patch, std::move(strikes));
    p.role = Role::pad;
    p.legato = 1.0;
    return p;
}

Part drums(Kit kit, std::string hits) {
    Part p;
    p.role = Role::drums;
    p.kit = kit;
    p.steps = std::move(hits);
    p.per_beat = 4;
    return p;
}

namespace {

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string t;
    while (in >> t)
        if (t != "|") out.push_back(t);
    return out;
}

// Pitch class of a note letter with its accidental; `used` is set to the characters read.
int pitch_class(const std::string& s, size_t& used) {
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A … G
    if (s.empty() || s[0] < 'A' || s[0] > 'G') throw std::invalid_argument("not a note: " + s);
    int pc = letters[s[0] - 'A'];
    used = 1;
    if (s.size() > 1 && (s[1] == '#' || s[1] == 'b')) {
        pc += s[1] == '#' ? 1 : -1;
        used = 2;
    }
    return (pc + 12) % 12;
}

struct Chord {
    int root = 0;
    std::vector<int> intervals;

    int find(std::initializer_list<int> wanted, int otherwise) const {
        for (int i : intervals)
            if (std::find(wanted.begin(), wanted.end(), i) != wanted.end()) return i;
        return otherwise;
    }
    bool minor() const { return find({3, 4}, 4) == 3; }
};

Chord chord(const std::string& name) {
    struct Quality {
        const char* suffix;
        std::vector<int> intervals;
    };
    static const Quality qualities[] = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},   {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},    {"dim", {0, 3, 6}},
        {"aug", {0, 4, 8}},       {"5", {0, 7}},             {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
        {"6", {0, 4, 7, 9}},      {"m6", {0, 3, 7, 9}},      {"9", {0, 4, 7, 10, 14}}, {"m9", {0, 3, 7, 10, 14}},
    };
    size_t used = 0;
    Chord c;
    c.root = pitch_class(name, used);
    const std::string suffix = name.substr(used);
    for (const Quality& q : qualities)
        if (suffix == q.suffix) {
            c.intervals = q.intervals;
            return c;
        }
    throw std::invalid_argument("unknown chord: " + name);
}

// The chords of a section, one entry per chord slot, holds resolved.
std::vector<Chord> progression(const std::string& text) {
    std::vector<Chord> out;
    for (const std::string& t : tokens(text)) {
        if (t == "-") {
            if (out.empty()) throw std::invalid_argument("progression starts with a hold");
            out.push_back(out.back());
        } else {
            out.push_back(chord(t));
        }
    }
    return out;
}

// The lowest note of a pitch class at or above `floor`.
int place(int pc, int floor) { return floor + ((pc - floor) % 12 + 12) % 12; }

// Close voicing of a chord in the octave-wide window below and around C of `octave`.
std::vector<int> voicing(const Chord& c, int octave) {
    const int floor = 12 * (octave + 1) - 5;
    std::vector<int> notes;
    for (int i : c.intervals) notes.push_back(place(c.root + i, floor));
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

int bass_note(const Chord& c, const std::string& token, int octave) {
    const int root = place(c.root, 12 * (octave + 1) + 4);  // the register from E upwards
    int interval;
    switch (token[0]) {
        case '1': interval = 0; break;
        case '2': interval = 2; break;
        case '3': interval = c.find({3, 4, 2, 5}, 4); break;
        case '4': interval = 5; break;
        case '5': interval = c.find({7, 6, 8}, 7); break;
        case '6': interval = c.minor() ? 8 : 9; break;
        case '7': interval = c.find({10, 11}, 10); break;
        case '8': interval = 12; break;
        default: throw std::invalid_argument("not a bass degree: " + token);
    }
    for (char mark : token.substr(1)) {
        if (mark == '_') interval -= 12;
        else if (mark == '^') interval += 12;
        else throw std::invalid_argument("not a bass degree: " + token);
    }
    return root + interval;
}

int arp_note(const std::vector<int>& chord_notes, const std::string& token) {
    const int index = std::stoi(token) - 1;
    const int n = static_cast<int>(chord_notes.size());
    if (index < 0) throw std::invalid_argument("not a chord tone: " + token);
    return chord_notes[index % n] + 12 * (index / n);
}

constexpr double off_beat = 0.85;  // level of notes between the beats against those on them

struct DrumVoice {
    char letter;
    Drum drum;
    double gain, pan;
};
const DrumVoice drum_voices[] = {
    {'k', Drum::kick, 1.0, 0},      {'s', Drum::snare, 0.6, 0.05}, {'h', Drum::hat, 0.3, 0.3},
    {'o', Drum::open_hat, 0.3, 0.3}, {'p', Drum::clap, 0.6, -0.1},  {'t', Drum::tom, 0.8, -0.25},
    {'c', Drum::crash, 0.3, -0.35},
};

void play_hits(const Part& part, const std::string& token, long start, uint32_t seed, double accent, Stereo& out) {
    for (char letter : token) {
        const auto* v = std::find_if(std::begin(drum_voices), std::end(drum_voices),
                                     [letter](const DrumVoice& d) { return d.letter == letter; });
        if (v == std::end(drum_voices)) throw std::invalid_argument("unknown drum: " + token);
        play(part.kit, v->drum, start, seed, out, v->gain * part.level * accent, part.pan + v->pan);
    }
}

void render_part(const Part& part, const std::vector<Chord>& chords, const Placement& where, Stereo& out) {
    const std::vector<std::string> steps = tokens(part.steps);
    if (steps.empty()) return;
    const long count = static_cast<long>(where.beats) * part.per_beat;
    const double step_frames = where.frames / count;
    for (long i = 0; i < count; ++i) {
        const std::string& token = steps[i % steps.size()];
        if (token == "." || token == "-") continue;
        const long start = where.start + std::lround(i * step_frames);
        const double accent = i % part.per_beat == 0 ? 1.0 : off_beat;
        if (part.role == Role::drums) {
            play_hits(part, token, start, where.seed * 7919u + static_cast<uint32_t>(i), accent, out);
            continue;
        }
        long held = 1;
        while (i + held < count && steps[(i + held) % steps.size()] == "-") ++held;
        Note note;
        note.start = start;
        note.velocity = accent;
        note.gate = std::lround(held * step_frames * part.legato);
        const Chord& c = chords[i * static_cast<long>(chords.size()) / count];
        switch (part.role) {
            case Role::melody: note.pitch = note_number(token); break;
            case Role::bass: note.pitch = bass_note(c, token, part.octave); break;
            case Role::arp: note.pitch = arp_note(voicing(c, part.octave), token); break;
            case Role::pad:
                if (token != "x") throw std::invalid_argument("pads strike with x, not " + token);
                for (int pitch : voicing(c, part.octave)) {
                    note.pitch = pitch;
                    play(part.patch, note, out, part.level * 0.6, part.pan);
                }
                continue;
            case Role::drums: break;
        }
        play(part.patch, note, out, part.level, part.pan);
    }
}

}  // namespace

int note_number(const std::string& name) {
    size_t used = 0;
    const int pc = pitch_class(name, used);
    if (used + 1 != name.size() || name[used] < '0' || name[used] > '8')
        throw std::invalid_argument("not a note: " + name);
    const int octave = name[used] - '0';
    // B#/Cb cross the octave line; the letter's octave counts, as in scientific pitch notation.
    int letter_pc = pitch_class(name.substr(0, 1), used);
    int shift = pc - letter_pc;
    if (shift > 6) shift -= 12;
    if (shift < -6) shift += 12;
    return 12 * (octave + 1) + letter_pc + shift;
}

void render(const Section& section, const Placement& where, Stereo& dry, Stereo& send) {
    const std::vector<Chord> chords = progression(section.chords);
    if (chords.empty()) throw std::invalid_argument("section without chords");
    for (const Part& part : section.parts) {
        if (part.echo <= 0) {
            render_part(part, chords, where, dry);
            continue;
        }
        Stereo own(dry.frames(), dry.cyclic);
        render_part(part, chords, where, own);
        dry.mix(own, 1.f);
        send.mix(own, static_cast<float>(part.echo));
    }
}

}  // namespace datagen::audio
