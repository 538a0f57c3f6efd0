// The SDL output: failure to open, real-time playing, a captured mix, and ending the process.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "fixtures.h"
#include "support/test_support.h"

extern char** environ;

namespace {

using fixtures::Kind;
constexpr FMOD_MODE once = FMOD_HARDWARE | FMOD_2D | FMOD_LOOP_OFF;

// A system on the SDL device chosen by `driver`, released at the end of the test.
struct DeviceSystem {
    explicit DeviceSystem(const char* driver) {
        setenv("SDL_AUDIODRIVER", driver, 1);
        EXPECT_EQ(FMOD_System_Create(&system), FMOD_OK);
        result = FMOD_System_Init(system, 20, FMOD_INIT_NORMAL, nullptr);
    }
    ~DeviceSystem() { FMOD_System_Release(system); }

    FMOD_SYSTEM* system = nullptr;
    FMOD_RESULT result;
};

bool wait_until_silent(FMOD_CHANNEL* channel) {
    FMOD_BOOL playing = 1;
    for (int wait = 0; wait < 300 && playing; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        FMOD_Channel_IsPlaying(channel, &playing);
    }
    return !playing;
}

TEST(Output, NoDeviceMeansOutputFailure) {
    DeviceSystem device("nosuch");
    EXPECT_EQ(device.result, FMOD_ERR_OUTPUT_INIT);
}

// Nobody calls an update function: the voice ends on its own and its file is closed.
TEST(Output, DevicePlaysInRealTimeAndRetiresEndedVoices) {
    DeviceSystem device("dummy");
    ASSERT_EQ(device.result, FMOD_OK);
    std::string path = fixtures::tone_file(Kind::ogg, 300);
    int files = fixtures::open_files();
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(FMOD_System_CreateStream(device.system, path.c_str(), once, nullptr, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = nullptr;
    ASSERT_EQ(FMOD_System_PlaySound(device.system, FMOD_CHANNEL_FREE, sound, 0, &channel), FMOD_OK);
    EXPECT_TRUE(wait_until_silent(channel));
    unsigned position = 1;
    EXPECT_EQ(FMOD_Channel_GetPosition(channel, &position, FMOD_TIMEUNIT_MS), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(fixtures::open_files(), files);
}

TEST(Output, CapturedMixOfOneFullVolumeVoiceIsItsDecode) {
    std::string capture = testing_support::scratch_dir() + "/capture.raw";
    setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    std::string path = fixtures::tone_file(Kind::mp3, 400);
    std::vector<int16_t> decoded = fixtures::decode(path);
    {
        DeviceSystem device("disk");
        ASSERT_EQ(device.result, FMOD_OK);
        FMOD_SOUND* sound = nullptr;
        ASSERT_EQ(FMOD_System_CreateStream(device.system, path.c_str(), once, nullptr, &sound), FMOD_OK);
        FMOD_CHANNEL* channel = nullptr;
        ASSERT_EQ(FMOD_System_PlaySound(device.system, FMOD_CHANNEL_FREE, sound, 0, &channel), FMOD_OK);
        ASSERT_TRUE(wait_until_silent(channel));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::ifstream in(capture, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<int16_t> captured(bytes.size() / 2);
    std::memcpy(captured.data(), bytes.data(), 2 * captured.size());

    // The voice starts at some block of the capture; line up the first sound of each.
    auto first_sound = [](const std::vector<int16_t>& samples) {
        return std::find_if(samples.begin(), samples.end(), [](int16_t s) { return s != 0; }) - samples.begin();
    };
    auto offset = first_sound(captured) - first_sound(decoded);
    ASSERT_GE(offset, 0);
    ASSERT_GE(captured.size(), offset + decoded.size());
    std::vector<int16_t> heard(captured.begin() + offset, captured.begin() + offset + static_cast<long>(decoded.size()));
    EXPECT_EQ(heard, decoded);
    EXPECT_TRUE(std::all_of(captured.begin() + offset + static_cast<long>(decoded.size()), captured.end(),
                            [](int16_t s) { return s == 0; }));
}

// The process ends with the caller's status however it ends while voices sound.
TEST(Output, ProcessEndsWithItsOwnStatusWhileSounding) {
    std::string path = fixtures::tone_file(Kind::ogg, 500);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (auto [mode, status] : {std::pair{"return", 0}, {"exit1", 1}, {"exit-1", 255}}) {
        char* args[] = {const_cast<char*>(AUDIO_EXIT_HELPER), const_cast<char*>(path.c_str()), const_cast<char*>(mode),
                        nullptr};
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, AUDIO_EXIT_HELPER, nullptr, nullptr, args, environ), 0);
        int wait_status = 0;
        ASSERT_EQ(waitpid(child, &wait_status, 0), child);
        ASSERT_TRUE(WIFEXITED(wait_status)) << mode << " ended by signal " << WTERMSIG(wait_status);
        EXPECT_EQ(WEXITSTATUS(wait_status), status) << mode;
    }
}

}  // namespace
