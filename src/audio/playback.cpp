#include "playback.h"

#include <algorithm>

#include "mixkernel.h"

namespace audio {
namespace {

// Caps the frames looked ahead in one go, so that the fixed-point arithmetic cannot overflow.
constexpr uint64_t lookahead_cap = uint64_t{1} << 30;
constexpr uint64_t fraction_mask = mix::unity_step - 1;

Loop usable(const Loop& loop) {
    Loop checked = loop;
    checked.on = loop.on && loop.end > loop.start;
    return checked;
}

}  // namespace

uint64_t position_in_sound(uint64_t played, const Loop& loop) {
    if (!loop.on || played < loop.end) return played;
    return loop.start + (played - loop.end) % (loop.end - loop.start);
}

Playback::Playback(std::shared_ptr<const Track> track, const Loop& loop, int output_rate)
    : track_(std::move(track)),
      loop_(usable(loop)),
      step_((static_cast<uint64_t>(track_->format.rate) << mix::step_bits) / static_cast<uint64_t>(output_rate)) {
    ended_ = track_->format.frames == 0 || step_ == 0;
}

void Playback::mix(mix::Sum& sum, size_t frames, int32_t gain) {
    if (ended_ || frames == 0) return;
    size_t out = std::min(frames, output_frames_for(frames_left()));
    // The last output frame interpolates between two source frames; the window must hold both.
    size_t needed = static_cast<size_t>((fraction_ + (out - 1) * step_) >> mix::step_bits) + 2;
    fill(needed);

    uint64_t cursor;
    if (step_ == mix::unity_step && fraction_ == 0) {
        sum.add(window_.data(), out, gain);
        cursor = static_cast<uint64_t>(out) << mix::step_bits;
    } else {
        cursor = sum.add_resampled(window_.data(), out, fraction_, step_, gain);
    }
    uint64_t consumed = cursor >> mix::step_bits;
    fraction_ = cursor & fraction_mask;
    window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>(2 * consumed));
    played_ += consumed;
    ended_ = !loop_.on && played_ >= track_->format.frames;
}

size_t Playback::frames_left() const {
    if (loop_.on) return lookahead_cap;
    return static_cast<size_t>(std::min(track_->format.frames - played_, lookahead_cap));
}

size_t Playback::output_frames_for(size_t source_frames) const {
    uint64_t span = (static_cast<uint64_t>(source_frames) << mix::step_bits) - fraction_;
    return static_cast<size_t>((span + step_ - 1) / step_);
}

void Playback::fill(size_t frames) {
    while (window_.size() / 2 < frames) {
        size_t missing = frames - window_.size() / 2;
        if (!loop_.on && decoded_ == track_->format.frames) {
            // Past the end of a one-shot: hold the last frame, which only ever serves as the
            // far side of an interpolation.
            int16_t left = window_.empty() ? 0 : window_[window_.size() - 2];
            int16_t right = window_.empty() ? 0 : window_.back();
            for (size_t i = 0; i < missing; ++i) window_.insert(window_.end(), {left, right});
            return;
        }
        decode(missing);
    }
}

// Decodes up to `frames` more frames of the played sequence into the window, seeking back to the
// loop start at the loop end. Whatever the file fails to deliver is silence, so positions stay true.
void Playback::decode(size_t frames) {
    if (!opened_) open();
    uint64_t run_end = loop_.on ? loop_.end : track_->format.frames;
    if (decoder_at_ == run_end) {
        if (decoder_ && !decoder_->seek(loop_.start)) decoder_.reset();
        decoder_at_ = loop_.start;
    }
    size_t count = static_cast<size_t>(std::min<uint64_t>(frames, run_end - decoder_at_));
    size_t old_size = window_.size();
    window_.resize(old_size + 2 * count);
    if (decoder_) decoder_->read(window_.data() + old_size, count);
    decoder_at_ += count;
    decoded_ += count;
}

// The file is opened only once the voice sounds, with the format found when the stream was created;
// a file whose format changed since then plays as silence.
void Playback::open() {
    opened_ = true;
    if (open_decoder(track_->path, decoder_, &track_->format) != FMOD_OK) return;
    if (!(decoder_->format() == track_->format)) decoder_.reset();
}

}  // namespace audio
