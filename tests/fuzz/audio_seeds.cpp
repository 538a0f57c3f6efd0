// Writes the audio fuzzer's seed corpus into the folder given: short Ogg Vorbis and MP3 streams
// from the project's own encoders, at the game's rate and at half of it.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "encoders.h"

namespace {

std::vector<int16_t> tone(int rate, double seconds) {
    std::vector<int16_t> stereo;
    const int frames = static_cast<int>(rate * seconds);
    for (int i = 0; i < frames; ++i) {
        auto sample = static_cast<int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate));
        stereo.push_back(sample);
        stereo.push_back(static_cast<int16_t>(-sample));
    }
    return stereo;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    for (int rate : {encoders::sample_rate, encoders::sample_rate / 2}) {
        const std::string name = folder + "/tone" + std::to_string(rate);
        if (!encoders::write_ogg(name + ".ogg", tone(rate, 0.2), rate) ||
            !encoders::write_mp3(name + ".mp3", tone(rate, 0.1), rate))
            return 1;
    }
    return 0;
}
