#include "fixtures.h"

#include <mpg123.h>
#include <vorbis/vorbisfile.h>

#include <filesystem>

#include "audio_testing.h"
#include "gtest/gtest.h"
#include "support/test_support.h"
#include "support/tones.h"

namespace fixtures {

std::string tone_file(Kind kind, unsigned ms, int rate) {
    static int count = 0;
    return testing_support::write_tone(testing_support::scratch_dir() + "/tone" + std::to_string(count++) +
                                           (kind == Kind::ogg ? ".ogg" : ".mp3"),
                                       ms, rate);
}

namespace {

std::vector<int16_t> decode_ogg(const std::string& path) {
    std::vector<int16_t> out;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return out;
    char buffer[8192];
    int link = 0;
    long bytes;
    while ((bytes = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &link)) > 0) {
        auto* samples = reinterpret_cast<int16_t*>(buffer);
        out.insert(out.end(), samples, samples + bytes / 2);
    }
    ov_clear(&file);
    return out;
}

std::vector<int16_t> decode_mp3(const std::string& path) {
    std::vector<int16_t> out;
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
    if (mpg123_open(handle, path.c_str()) == MPG123_OK) {
        unsigned char buffer[8192];
        size_t done = 0;
        int result;
        do {
            result = mpg123_read(handle, buffer, sizeof buffer, &done);
            auto* samples = reinterpret_cast<int16_t*>(buffer);
            out.insert(out.end(), samples, samples + done / 2);
        } while (result == MPG123_OK || result == MPG123_NEW_FORMAT);
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return out;
}

}  // namespace

std::vector<int16_t> decode(const std::string& path) {
    return path.substr(path.size() - 4) == ".ogg" ? decode_ogg(path) : decode_mp3(path);
}

int open_files() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

ManualSystem::ManualSystem(int channels, int rate) {
    EXPECT_EQ(FMOD_System_Create(&system_), FMOD_OK);
    EXPECT_EQ(audio_testing::init_manual(system_, channels, rate), FMOD_OK);
}

ManualSystem::~ManualSystem() { FMOD_System_Release(system_); }

FMOD_SOUND* ManualSystem::stream(const std::string& path, FMOD_MODE mode) {
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(FMOD_System_CreateStream(system_, path.c_str(), mode, nullptr, &sound), FMOD_OK) << path;
    return sound;
}

FMOD_CHANNEL* ManualSystem::play(FMOD_SOUND* sound, FMOD_CHANNELINDEX index, FMOD_CHANNEL* reused) {
    FMOD_CHANNEL* channel = reused;
    EXPECT_EQ(FMOD_System_PlaySound(system_, index, sound, 0, &channel), FMOD_OK);
    return channel;
}

std::vector<int16_t> ManualSystem::advance(unsigned ms) { return audio_testing::advance(system_, ms); }

}  // namespace fixtures
