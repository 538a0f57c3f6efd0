#pragma once
// Reads a generated Ogg Vorbis or MP3 file back into 16-bit interleaved samples.
#include <cstdint>
#include <string>
#include <vector>

struct Decoded {
    bool ok = false;
    long rate = 0;
    int channels = 0;
    std::vector<int16_t> samples;  // interleaved
    long frames() const { return channels ? static_cast<long>(samples.size()) / channels : 0; }
    long length_ms() const { return rate ? frames() * 1000 / rate : 0; }
};

Decoded decode(const std::string& path);
