#include "song.h"

#include "master.h"

#include <cmath>
#include <stdexcept>

namespace datagen::audio {
namespace {

constexpr double loudness = 0.126;      // RMS every tune is brought to (-18 dBFS)
constexpr double ending_tail = 1.2;     // seconds a one-shot tune rings on after its last bar
constexpr long seam_fade = 1323;        // frames over which the intro hands over to the body (30 ms)
constexpr int echo_repeats = 5;

int bars(const std::vector<Section>& sections) {
    int n = 0;
    for (const Section& s : sections) n += s.bars;
    return n;
}

// Spreads the sections evenly over `frames` frames from `start`.
void render_sections(const std::vector<Section>& sections, int beats_per_bar, long start, double frames,
                     Stereo& dry, Stereo& send) {
    const double bar_frames = frames / bars(sections);
    double at = 0;
    uint32_t seed = 1;
    for (const Section& s : sections) {
        Placement p;
        p.start = start + std::lround(at);
        p.frames = s.bars * bar_frames;
        p.beats = s.bars * beats_per_bar;
        p.seed = seed++;
        render(s, p, dry, send);
        at += p.frames;
    }
}

// Ping-pong echo of the send bus into `out`; on a circular signal the repeats wrap round too.
void echo(const Stereo& send, double delay, double feedback, Stereo& out) {
    const long n = send.frames();
    double gain = 1;
    for (int tap = 1; tap <= echo_repeats; ++tap) {
        gain *= feedback;
        const long d = std::lround(tap * delay);
        const bool swap = tap % 2 == 1;
        const std::vector<float>& l = swap ? send.right : send.left;
        const std::vector<float>& r = swap ? send.left : send.right;
        for (long t = 0; t < n; ++t) {
            long from = t - d;
            if (from < 0) {
                if (!send.cyclic) continue;
                from = ((from % n) + n) % n;
            }
            out.left[t] += static_cast<float>(gain * l[from]);
            out.right[t] += static_cast<float>(gain * r[from]);
        }
    }
}

Stereo render_stretch(const Song& song, const std::vector<Section>& sections, double frames, long length,
                      bool circular) {
    Stereo dry(length, circular), send(length, circular);
    if (sections.empty()) return dry;
    render_sections(sections, song.beats_per_bar, 0, frames, dry, send);
    const double beat = frames / (bars(sections) * song.beats_per_bar);
    echo(send, song.echo_beats * beat, song.echo_feedback, dry);
    return dry;
}

double body_ms(const Song& song) { return bars(song.body) * song.beats_per_bar * 60000.0 / song.bpm; }

std::vector<int16_t> render_once(const Song& song) {
    const double frames = body_ms(song) * rate / 1000;
    const long length = std::lround(frames) + seconds_to_frames(ending_tail);
    Stereo out = render_stretch(song, song.body, frames, length, false);
    const long fade = seconds_to_frames(0.3);
    for (long i = 0; i < fade; ++i) {
        const auto g = static_cast<float>(i) / fade;
        out.left[length - 1 - i] *= g;
        out.right[length - 1 - i] *= g;
    }
    return master(out, loudness * decibels(song.level_db) / rms(out, 0, length));
}

std::vector<int16_t> render_loop(const Song& song) {
    const Layout l = song_layout(song);
    const long start = l.loop_start, period = l.period();
    const int body_bars = bars(song.body);
    if (!song.intro.empty() && std::fabs(static_cast<double>(start) * body_bars / (period * bars(song.intro)) - 1) > 0.02)
        throw std::invalid_argument("intro and body tempos differ");

    const Stereo body = render_stretch(song, song.body, static_cast<double>(period), period, true);
    const Stereo intro = render_stretch(song, song.intro, static_cast<double>(start), start, false);

    // Before the loop start: the intro, handing over to the body's last moments just before the
    // seam, so that what precedes the loop start is the same on the first pass as on every repeat.
    Stereo out(l.frames, false);
    const long fade = std::min(start, seam_fade);
    for (long t = 0; t < l.frames; ++t) {
        const long b = ((t - start) % period + period) % period;
        double w = 1;
        if (t < start - fade) w = 0;
        else if (t < start) w = portable::sin(pi / 2 * (t - (start - fade) + 1) / fade);
        const double v = std::sqrt(std::max(0.0, 1 - w * w));
        const float il = t < start ? intro.left[t] : 0.f, ir = t < start ? intro.right[t] : 0.f;
        out.left[t] = static_cast<float>(il * v + body.left[b] * w);
        out.right[t] = static_cast<float>(ir * v + body.right[b] * w);
    }
    // The louder of intro and body sets the level, so neither stands out.
    const double level = std::max(rms(body, 0, period), rms(intro, 0, start));
    return master(out, loudness * decibels(song.level_db) / level);
}

}  // namespace

Layout song_layout(const Song& song) { return layout(song.loop.value(), body_ms(song)); }

std::vector<int16_t> render(const Song& song) { return song.loop ? render_loop(song) : render_once(song); }

}  // namespace datagen::audio
