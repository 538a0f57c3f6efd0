#pragma once
// Sound files for the audio tests, encoded on the spot, and an independent decode to compare with.
#include <cstdint>
#include <string>
#include <vector>

#include "audio.h"

namespace fixtures {

enum class Kind { ogg, mp3 };

// The stream modes the game opens its sounds with.
constexpr FMOD_MODE once = FMOD_HARDWARE | FMOD_2D | FMOD_LOOP_OFF;
constexpr FMOD_MODE looping = FMOD_HARDWARE | FMOD_2D | FMOD_LOOP_NORMAL;

// A stereo tone (440 Hz left, 660 Hz right) of `ms` milliseconds at `rate`, written into the
// test's scratch folder; returns the absolute path.
std::string tone_file(Kind kind, unsigned ms, int rate = 44100);

// The whole file decoded with vorbisfile or mpg123 directly: interleaved stereo.
std::vector<int16_t> decode(const std::string& path);

// Open descriptors of this process.
int open_files();

// A system on the manual clock, released at the end of the test.
class ManualSystem {
public:
    explicit ManualSystem(int channels = 4, int rate = 44100);
    ~ManualSystem();
    ManualSystem(const ManualSystem&) = delete;
    ManualSystem& operator=(const ManualSystem&) = delete;

    FMOD_SOUND* stream(const std::string& path, FMOD_MODE mode);
    FMOD_CHANNEL* play(FMOD_SOUND* sound, FMOD_CHANNELINDEX index = FMOD_CHANNEL_FREE, FMOD_CHANNEL* reused = nullptr);
    std::vector<int16_t> advance(unsigned ms);
    FMOD_SYSTEM* get() const { return system_; }

private:
    FMOD_SYSTEM* system_ = nullptr;
};

}  // namespace fixtures
