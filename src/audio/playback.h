#pragma once
// One sounding voice on the mixing side: it opens its stream's file when it first sounds, decodes
// just ahead of what it mixes, and keeps its position in the sound.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "decoder.h"
#include "mixkernel.h"

namespace audio {

// What a stream plays: its file and format, fixed when the stream is created.
struct Track {
    std::string path;
    StreamFormat format;
};

// The part of a sound that repeats, in frames, end excluded. A voice without a loop plays once.
struct Loop {
    bool on = false;
    uint64_t start = 0;
    uint64_t end = 0;
};

// A voice plays the sound from its start and then, when looping, the loop over and over.
// Maps the count of frames played so far to the frame of the sound reached.
uint64_t position_in_sound(uint64_t played, const Loop& loop);

class Playback {
public:
    Playback(std::shared_ptr<const Track> track, const Loop& loop, int output_rate);

    // Adds the next `frames` output frames at `gain` into `sum`; stops short when a one-shot ends.
    void mix(mix::Sum& sum, size_t frames, int32_t gain);

    bool ended() const { return ended_; }
    uint64_t position() const { return position_in_sound(played_, loop_); }

private:
    size_t frames_left() const;
    size_t output_frames_for(size_t source_frames) const;
    void fill(size_t frames);
    void decode(size_t frames);
    void open();

    std::shared_ptr<const Track> track_;
    Loop loop_;
    uint64_t step_;
    uint64_t fraction_ = 0;  // 32.32 offset between window frames 0 and 1
    uint64_t played_ = 0;    // frames of the played sequence behind window frame 0
    std::vector<int16_t> window_;  // decoded stereo frames from the current one on
    uint64_t decoded_ = 0;         // frames of the played sequence decoded so far
    uint64_t decoder_at_ = 0;      // frame of the sound the decoder reads next
    std::unique_ptr<Decoder> decoder_;
    bool opened_ = false;
    bool ended_ = false;
};

}  // namespace audio
