#pragma once
// Every tune and effect of the game, under the path the game opens it by.
#include "song.h"

#include <cstdint>
#include <vector>

namespace datagen::audio {

struct TuneEntry {
    const char* path;
    Song (*score)();
};

struct EffectEntry {
    const char* path;
    std::vector<int16_t> (*render)();  // interleaved 16-bit stereo at 44100 Hz
    bool loops;                        // laid out by Loop::effect
};

const std::vector<TuneEntry>& tunes();
const std::vector<EffectEntry>& effects();

}  // namespace datagen::audio
