#pragma once
// Test seams of the audio library, outside the game's API: an output that advances only when
// told to, mixing on the caller's thread, and a look at every voice.
#include <cstdint>
#include <vector>

#include "audio.h"

namespace audio_testing {

// Initialises `system` with no device and no audio thread; time stands still until advance().
FMOD_RESULT init_manual(FMOD_SYSTEM* system, int max_channels, int rate = 44100);

// Plays `ms` milliseconds on the calling thread and returns the mix: interleaved stereo frames.
std::vector<int16_t> advance(FMOD_SYSTEM* system, unsigned ms);

struct Voice {
    int index;             // channel slot
    FMOD_CHANNEL* channel; // its current handle
    FMOD_SOUND* sound;
    FMOD_CHANNELGROUP* group;
    unsigned position_ms;
    float volume;          // the channel's own volume
    float gain;            // what the mix applies: channel volume x group volume, 0 while paused
    bool paused;
};

// The voices that sound now, paused ones included, in slot order.
std::vector<Voice> voices(FMOD_SYSTEM* system);

}  // namespace audio_testing
