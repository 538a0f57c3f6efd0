#pragma once
// Decoders of the two stream formats. Every decoder hands out 16-bit interleaved stereo at the
// file's own rate; mono files come out with both sides equal.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "audio.h"

namespace audio {

struct StreamFormat {
    int rate = 0;
    uint64_t frames = 0;  // exact length of the decoded audio

    bool operator==(const StreamFormat& other) const { return rate == other.rate && frames == other.frames; }
};

class Decoder {
public:
    virtual ~Decoder() = default;
    virtual const StreamFormat& format() const = 0;
    // Fills up to `frames` stereo frames; returns how many were written, 0 at the end or on a broken file.
    virtual size_t read(int16_t* stereo, size_t frames) = 0;
    // Moves to a frame of the decoded audio; false when the file does not allow it.
    virtual bool seek(uint64_t frame) = 0;
};

// Opens `path`, telling the format by its first bytes. On failure `decoder` stays empty and the
// result says why: FMOD_ERR_FILE_NOTFOUND, FMOD_ERR_FILE_BAD (not audio or broken) or FMOD_ERR_FORMAT.
// `known` is the format found when the file was opened before: an MP3 then takes its length from
// it instead of reading the whole file again to count it.
FMOD_RESULT open_decoder(const std::string& path, std::unique_ptr<Decoder>& decoder,
                         const StreamFormat* known = nullptr);

FMOD_RESULT open_vorbis(const std::string& path, std::unique_ptr<Decoder>& decoder);
FMOD_RESULT open_mp3(const std::string& path, std::unique_ptr<Decoder>& decoder, const StreamFormat* known);

// Opens `path` with a new decoder of type `Format`, handed over in `decoder` only once it opened.
template <class Format, class... Options>
FMOD_RESULT open_as(const std::string& path, std::unique_ptr<Decoder>& decoder, Options... options) {
    auto opened = std::make_unique<Format>();
    FMOD_RESULT result = opened->open(path, options...);
    if (result == FMOD_OK) decoder = std::move(opened);
    return result;
}

}  // namespace audio
