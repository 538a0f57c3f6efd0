// The SDL output: failure to open, real-time playing, a captured mix, and ending the process.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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
using fixtures::once;

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

// Looks every 10 ms, for up to `tries` looks, whether `done` holds yet.
template <class Done>
bool eventually(Done done, int tries) {
    for (int wait = 0; wait < tries && !done(); ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

bool wait_until_silent(FMOD_CHANNEL* channel) {
    return eventually(
        [channel] {
            FMOD_BOOL playing = 1;
            FMOD_Channel_IsPlaying(channel, &playing);
            return !playing;
        },
        300);
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
    // The retired voice closes its file on the audio thread, just after the handle went stale.
    EXPECT_TRUE(eventually([files] { return fixtures::open_files() == files; }, 100)) << fixtures::open_files();
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

// Runs the exit helper in `mode`; `while_sounding` gets its pid once it sounds. Returns the wait status.
template <class WhileSounding>
int run_helper(const std::string& sound, const char* mode, WhileSounding while_sounding) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    char* args[] = {const_cast<char*>(AUDIO_EXIT_HELPER), const_cast<char*>(sound.c_str()), const_cast<char*>(mode),
                    nullptr};
    pid_t child = 0;
    int spawned = posix_spawn(&child, AUDIO_EXIT_HELPER, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    if (spawned == 0) {
        char said[16] = {};
        if (read(pipe_ends[0], said, sizeof said - 1) > 0 && std::string(said) == "sounding\n") while_sounding(child);
    }
    close(pipe_ends[0]);
    int status = -1;
    if (spawned == 0) waitpid(child, &status, 0);
    return status;
}

// The process ends with the caller's status however it ends while voices sound.
TEST(Output, ProcessEndsWithItsOwnStatusWhileSounding) {
    std::string path = fixtures::tone_file(Kind::ogg, 500);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (auto [mode, status] : {std::pair{"return", 0}, {"exit1", 1}, {"exit-1", 255}}) {
        int ended = run_helper(path, mode, [](pid_t) {});
        ASSERT_TRUE(WIFEXITED(ended)) << mode << " ended by signal " << WTERMSIG(ended);
        EXPECT_EQ(WEXITSTATUS(ended), status) << mode;
    }
    // SDL must not take over the termination signals.
    int ended = run_helper(path, "wait", [](pid_t child) { kill(child, SIGTERM); });
    ASSERT_TRUE(WIFSIGNALED(ended));
    EXPECT_EQ(WTERMSIG(ended), SIGTERM);
}

}  // namespace
