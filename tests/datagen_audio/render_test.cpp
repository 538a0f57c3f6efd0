// The synthesizer's building blocks: the notation, the loop layouts and the exactness of the loops.
#include <gtest/gtest.h>

#include "audio/catalog.h"
#include "audio/layout.h"
#include "audio/score.h"
#include "audio/song.h"

#include <cmath>
#include <stdexcept>

namespace {

using namespace datagen::audio;

TEST(Notation, NoteNamesGiveMidiNumbers) {
    EXPECT_EQ(note_number("C4"), 60);
    EXPECT_EQ(note_number("A4"), 69);
    EXPECT_EQ(note_number("C#5"), 73);
    EXPECT_EQ(note_number("Bb3"), 58);
    EXPECT_EQ(note_number("B#4"), 72);  // the letter's octave counts
    EXPECT_EQ(note_number("Cb4"), 59);
    for (const char* bad : {"H4", "C", "c4", "C#", "C45", "4"}) EXPECT_THROW(note_number(bad), std::invalid_argument) << bad;
}

Patch plain_sine() {
    Patch p;
    p.wave = Wave::sine;
    p.attack = 0.001, p.decay = 1, p.sustain = 1, p.release = 0.01;
    return p;
}

// One bar of four beats over 4 seconds, into a signal of `frames` frames.
Stereo render_bar(const Part& part, const std::string& chords, long frames, bool cyclic) {
    Stereo dry(frames, cyclic), send(frames, cyclic);
    Placement where;
    where.frames = 4.0 * rate;
    where.beats = 4;
    render(Section{1, chords, {part}}, where, dry, send);
    return dry;
}

long first_sound(const Stereo& s, long from = 0) {
    for (long n = from; n < s.frames(); ++n)
        if (std::fabs(s.left[n]) > 1e-4) return n;
    return -1;
}

long first_silence(const Stereo& s, long from) {
    for (long n = from; n < s.frames(); ++n)
        if (std::fabs(s.left[n]) < 1e-6 && std::fabs(s.left[n + 1]) < 1e-6) return n;
    return -1;
}

double zero_crossings_per_second(const Stereo& s, long from, long to) {
    int crossings = 0;
    for (long n = from + 1; n < to; ++n) crossings += (s.left[n - 1] < 0) != (s.left[n] < 0);
    return crossings * static_cast<double>(rate) / (to - from) / 2;
}

TEST(Notation, StepsHoldsAndRestsPlaceTheNotes) {
    // Two steps a beat: ". A4 - ." is a rest, then A4 held for two steps (1 s), then a rest.
    const Stereo s = render_bar(melody(plain_sine(), ". A4 - .").hold(1.0), "C", 6 * rate, false);
    EXPECT_NEAR(first_sound(s), rate / 2, 2);
    EXPECT_NEAR(first_silence(s, rate / 2 + 10), rate / 2 + rate + 441, 20);  // the gate, then the 10 ms release
    EXPECT_NEAR(zero_crossings_per_second(s, rate / 2 + 1000, rate), 440, 2);
    // The four-step pattern repeats through the bar: the same note sounds again 2 s later.
    EXPECT_NEAR(first_sound(s, rate * 2), rate * 5 / 2, 2);
}

TEST(Notation, ChordPartsFollowTheProgression) {
    // The bass plays the root of each chord in its register (octave 2: E2 … D#3).
    const Stereo s = render_bar(bass(plain_sine(), "1 - - -").hold(1.0), "A - C -", 4 * rate, false);
    EXPECT_NEAR(zero_crossings_per_second(s, 2000, rate), 110.0, 1.5);           // A2
    EXPECT_NEAR(zero_crossings_per_second(s, 2 * rate + 2000, 3 * rate), 130.8, 1.5);  // C3
}

TEST(Notation, NotesPastTheEndOfALoopSoundAtItsStart) {
    const Stereo s = render_bar(melody(plain_sine(), ". . . . . . . A4").hold(1.0), "C", 4 * rate, true);
    EXPECT_GT(std::fabs(s.left[100]), 1e-4);  // the last note's release wraps round
    EXPECT_NEAR(first_sound(s, 2000), 7 * rate / 2, 2);
}

TEST(Notation, MistakesInAScoreAreReported) {
    EXPECT_THROW(render_bar(melody(plain_sine(), "A4"), "Xm", rate, false), std::invalid_argument);
    EXPECT_THROW(render_bar(melody(plain_sine(), "A4"), "- C", rate, false), std::invalid_argument);
    EXPECT_THROW(render_bar(drums(Kit::studio, "kz"), "C", rate, false), std::invalid_argument);
    EXPECT_THROW(render_bar(bass(plain_sine(), "9"), "C", rate, false), std::invalid_argument);
    EXPECT_THROW(render_bar(pad(plain_sine(), "y"), "C", rate, false), std::invalid_argument);
}

// The layout must put the game's loop points, computed from the length it measures, exactly on the
// frames the renderer joins.
TEST(Layout, LoopPointsLandWhereTheGameSetsThem) {
    for (Loop rule : {Loop::whole, Loop::back_51, Loop::back_48, Loop::effect}) {
        for (double period = 1000; period < 70000; period += 997.3) {
            const Layout l = layout(rule, period);
            const long length = l.frames * 1000 / rate;
            long start = 0, end = 0;
            switch (rule) {
                case Loop::whole: start = 12, end = length - 12; break;
                case Loop::back_51: start = length / 2 - 51, end = length - 51; break;
                case Loop::back_48: start = length / 2 - 48, end = length - 51; break;
                case Loop::effect: start = length / 2, end = length - 12; break;
            }
            EXPECT_EQ(l.loop_start, start * rate / 1000);
            EXPECT_EQ(l.loop_end, end * rate / 1000);
            EXPECT_GE(l.period(), period * rate / 1000 - 1);
            EXPECT_LT(l.period(), (period + 2) * rate / 1000);
        }
    }
}

Song small_song(std::optional<Loop> rule) {
    Song s;
    s.loop = rule;
    s.bpm = 150;
    Patch lead;
    lead.release = 0.6;  // long tails over the loop end
    const Section part{2, "Am F",
                       {melody(lead, "A4 - C5 E5 . . G5 - | F5 - - - A5 - - B5").wet(0.5), bass(lead, "1 5_ 1 8"),
                        drums(Kit::studio, "kh . h . sh . h . kh . kh . sh . h o")}};
    s.body = {part};
    if (rule && *rule != Loop::whole) s.intro = {part};
    return s;
}

// From the loop start on, the render repeats exactly with the loop's period, echoes and tails included.
TEST(Song, LoopsRepeatExactly) {
    for (Loop rule : {Loop::whole, Loop::back_51, Loop::back_48}) {
        const Song song = small_song(rule);
        const std::vector<int16_t> pcm = render(song);
        const Layout l = song_layout(song);
        ASSERT_EQ(static_cast<long>(pcm.size()), 2 * l.frames);
        long mismatches = 0;
        for (long t = l.loop_end; t < l.frames; ++t)
            mismatches += pcm[2 * t] != pcm[2 * (t - l.period())] || pcm[2 * t + 1] != pcm[2 * (t - l.period()) + 1];
        EXPECT_EQ(mismatches, 0) << static_cast<int>(rule);
    }
}

// A note held over the loop end goes on sounding after the jump: its release and its echoes are
// rendered round to the loop start, so the seam step is no bigger than the tone's own steps.
TEST(Song, NotesHeldOverTheLoopEndCarryOnAfterTheJump) {
    Song song;
    song.loop = Loop::whole;
    song.bpm = 120;
    Patch tone = plain_sine();
    tone.release = 0.5;
    song.body = {Section{1, "C", {melody(tone, ". A4 - - - - - -").hold(1.0).wet(0.5)}}};
    const std::vector<int16_t> pcm = render(song);
    const Layout l = song_layout(song);
    int biggest = 0;
    double before = 0, after = 0;
    for (long t = l.loop_end - 441; t < l.loop_end; ++t) {
        biggest = std::max(biggest, std::abs(pcm[2 * t] - pcm[2 * (t - 1)]));
        before += static_cast<double>(pcm[2 * t]) * pcm[2 * t];
        after += static_cast<double>(pcm[2 * (t - l.period() + 441)]) * pcm[2 * (t - l.period() + 441)];
    }
    EXPECT_GT(biggest, 100);
    EXPECT_LE(std::abs(pcm[2 * l.loop_start] - pcm[2 * (l.loop_end - 1)]), biggest * 3 / 2);
    EXPECT_GT(after, before / 2);  // the first step is a rest: what sounds there is the wrapped tail
}

// Where the intro hands over to the body, the step between samples stays as small as the body's own.
TEST(Song, TheIntroHandsOverWithoutAClick) {
    const Song song = small_song(Loop::back_51);
    const std::vector<int16_t> pcm = render(song);
    const Layout l = song_layout(song);
    int biggest = 0;
    for (long t = l.loop_start + 1; t < l.loop_end; ++t)
        biggest = std::max(biggest, std::abs(pcm[2 * t] - pcm[2 * (t - 1)]));
    for (long t = l.loop_start - 2000; t <= l.loop_start; ++t)
        EXPECT_LE(std::abs(pcm[2 * t] - pcm[2 * (t - 1)]), biggest) << t;
}

TEST(Song, OneShotTunesRingOutAndEnd) {
    const std::vector<int16_t> pcm = render(small_song(std::nullopt));
    const long frames = static_cast<long>(pcm.size()) / 2;
    EXPECT_GT(frames, 2 * 4 * 60 * rate / 150);  // both bars and a tail
    EXPECT_EQ(pcm[pcm.size() - 1], 0);
    EXPECT_EQ(pcm[pcm.size() - 2], 0);
}

TEST(Effects, SustainedEffectsRepeatTheirSecondHalfExactly) {
    for (const EffectEntry& e : effects()) {
        if (!e.loops) continue;
        const std::vector<int16_t> pcm = e.render();
        const long frames = static_cast<long>(pcm.size()) / 2, length = frames * 1000 / rate;
        const long start = length / 2 * rate / 1000, end = (length - 12) * rate / 1000, period = end - start;
        long mismatches = 0;
        for (long t = end; t < frames; ++t) mismatches += pcm[2 * t] != pcm[2 * (t - period)];
        EXPECT_EQ(mismatches, 0) << e.path;
        EXPECT_LE(std::abs(pcm[2 * start] - pcm[2 * (end - 1)]), 2000) << e.path;
    }
}

TEST(PortableMath, MatchesTheLibraryClosely) {
    for (double x = -20; x < 20; x += 0.0137) {
        EXPECT_NEAR(portable::sin(x), std::sin(x), 1e-10);
        EXPECT_NEAR(portable::exp(x) / std::exp(x), 1.0, 1e-13);
        EXPECT_NEAR(portable::tanh(x / 4), std::tanh(x / 4), 1e-13);
    }
    EXPECT_NEAR(portable::tan(1.4), std::tan(1.4), 1e-9);
    EXPECT_DOUBLE_EQ(midi_to_hz(69), 440.0);
}

}  // namespace
