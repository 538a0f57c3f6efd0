#pragma once
// Writes 16-bit interleaved stereo PCM as Ogg Vorbis or MP3. Both outputs are
// byte-identical for identical input, so the generated data tree is reproducible.
#include <cstdint>
#include <string>
#include <vector>

namespace encoders {

constexpr int sample_rate = 44100;

// Vorbis at a fixed VBR quality; the stream serial is fixed so files never differ between runs.
bool write_ogg(const std::string& path, const std::vector<int16_t>& stereo, int rate = sample_rate);

// MP3 at 128 kbit/s with the encoder's info tag, so decoders report the exact length
// and trim the encoder delay.
bool write_mp3(const std::string& path, const std::vector<int16_t>& stereo, int rate = sample_rate);

}  // namespace encoders
