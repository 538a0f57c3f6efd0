#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/timing.h"

namespace {

// Start-up against recording fakes: every call is logged, and the calls named in `failing` fail.
std::vector<std::string> calls;
std::set<std::string> failing;

bool call(const std::string& name) {
    calls.push_back(name);
    return failing.count(name) > 0;
}

FMOD_RESULT audio_call(const std::string& name) { return call(name) ? FMOD_ERR_OUTPUT_INIT : FMOD_OK; }
int allegro_call(const std::string& name) { return call(name) ? -1 : 0; }

const StartupCalls fake_calls = {
    [](FMOD_SYSTEM**) { return audio_call("FMOD_System_Create"); },
    [](FMOD_SYSTEM*, int channels, FMOD_INITFLAGS, void*) {
        return audio_call("FMOD_System_Init " + std::to_string(channels));
    },
    [](FMOD_SYSTEM*, const char* name, FMOD_CHANNELGROUP**) {
        return audio_call(std::string("FMOD_System_CreateChannelGroup ") + name);
    },
    [](FMOD_CHANNELGROUP*, float volume) {
        return audio_call("FMOD_ChannelGroup_SetVolume " + std::to_string(volume));
    },
    [] { return allegro_call("allegro_init"); },
    [](const char* title) { call(std::string("set_window_title ") + title); },
    [](int depth) { call("set_color_depth " + std::to_string(depth)); },
    [](int card, int w, int h, int v_w, int v_h) {
        const std::string mode = card == GFX_AUTODETECT_FULLSCREEN ? "full screen " : "window ";
        return allegro_call("set_gfx_mode " + mode + std::to_string(w) + "x" + std::to_string(h) + " " +
                            std::to_string(v_w) + "x" + std::to_string(v_h));
    },
    [](int method) { return call("init_update_method " + std::to_string(method)) ? 0 : 2; },
    [] { return allegro_call("install_timer"); },
    [] { return allegro_call("install_keyboard"); },
    [] { return allegro_call("install_mouse"); },
    [](void (*callback)(), long ticks) {
        const std::string name = callback == speed_timer ? "speed_timer" : callback == fps_timer ? "fps_timer" : "?";
        return allegro_call("install_int_ex " + name + " " + std::to_string(ticks));
    },
    [](const char* extension, BITMAP* (*load)(const char*, RGB*), int (*save)(const char*, BITMAP*, const RGB*)) {
        call(std::string("register_bitmap_file_type ") + extension + (load == load_gif && save == save_gif ? " gif codec" : ""));
    },
    [](int type, void* (*load)(PACKFILE*, long), void (*destroy)(void*)) {
        const bool gif = type == DAT_ID('G', 'I', 'F', ' ') && load == load_gif_object && destroy == destroy_gif_object;
        call(std::string("register_datafile_object") + (gif ? " GIF gif codec" : ""));
    },
    [] { call("register_png_file_type"); },
    [](const char* text) { call(std::string("message ") + text); },
    [] { call("allegro_exit"); },
};

const std::vector<std::string> full_start_up = {
    "FMOD_System_Create",
    "FMOD_System_Init 20",
    "FMOD_System_CreateChannelGroup master",
    "FMOD_ChannelGroup_SetVolume 1.000000",
    "allegro_init",
    "set_window_title Voidmarch: The Series(Full Version)",
    "set_color_depth 16",
    "set_gfx_mode full screen 640x480 0x0",
    "init_update_method 3",
    "install_timer",
    "install_keyboard",
    "install_mouse",
    "install_int_ex speed_timer 19886",
    "install_int_ex fps_timer 1193000",
    "register_bitmap_file_type gif gif codec",
    "register_datafile_object GIF gif codec",
    "register_png_file_type",
};

// The calls of a start-up that stops at `last`.
std::vector<std::string> start_up_until(const std::string& last) {
    std::vector<std::string> made;
    for (const std::string& name : full_start_up) {
        made.push_back(name);
        if (name == last) break;
    }
    return made;
}

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        startup_calls = fake_calls;
        calls.clear();
        failing.clear();
    }
    void TearDown() override { startup_calls = real_startup_calls; }
};

struct ChildRun {
    int status;
    std::string output;  // what the child wrote to standard output
};

// Runs `body` in a forked child with its standard output captured; gives its exit status.
template <class Body>
ChildRun run_in_child(Body body) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return {-1, ""};
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipe_ends[0]);
        dup2(pipe_ends[1], STDOUT_FILENO);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string output;
    char chunk[256];
    for (ssize_t n; (n = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) output.append(chunk, n);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(StartUp, BringsEverythingUpInOrder) {
    EXPECT_TRUE(start_engine());
    EXPECT_EQ(calls, full_start_up);
    EXPECT_STREQ(engine.title, "Voidmarch: The Series(Full Version)");
    EXPECT_EQ(engine.depth, 16);
    EXPECT_EQ(engine.width, 640);
    EXPECT_EQ(engine.height, 480);
}

TEST_F(StartUp, AFailingAllegroStepShowsItsMessageThenTheGeneralOneAndStops) {
    const struct {
        const char* step;
        const char* message;
    } steps[] = {
        {"allegro_init", "Couldn't initialize game!"},
        {"init_update_method 3", "Couldn't enable buffering"},
        {"install_timer", "Couldn't start timer!"},
        {"install_keyboard", "Couldn't find Keyboard!"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        calls.clear();
        failing = {s.step};
        EXPECT_FALSE(start_engine());
        EXPECT_EQ(calls, plus(start_up_until(s.step), {std::string("message ") + s.message,
                                                       "message Couldn't initialize properly!", "allegro_exit"}));
    }
}

TEST_F(StartUp, FallsBackToA16BitWindowWhenFullScreenIsRefused) {
    failing = {"set_gfx_mode full screen 640x480 0x0"};
    EXPECT_TRUE(start_engine());
    std::vector<std::string> expected = full_start_up;
    expected.insert(expected.begin() + 8, "set_gfx_mode window 640x480 0x0");
    EXPECT_EQ(calls, expected);
}

TEST_F(StartUp, FailsWhenNeitherFullScreenNorAWindowOpens) {
    failing = {"set_gfx_mode full screen 640x480 0x0", "set_gfx_mode window 640x480 0x0"};
    EXPECT_FALSE(start_engine());
    EXPECT_EQ(calls, plus(start_up_until("set_gfx_mode full screen 640x480 0x0"),
                          {"set_gfx_mode window 640x480 0x0", "message Couldn't set color resolution",
                           "message Couldn't initialize properly!", "allegro_exit"}));
}

TEST_F(StartUp, RunsWithoutAMouse) {
    failing = {"install_mouse"};
    EXPECT_TRUE(start_engine());
    EXPECT_EQ(calls, full_start_up);
}

TEST_F(StartUp, AFailingAudioStepPrintsTheErrorAndExitsBeforeAnyWindow) {
    for (const char* step : {"FMOD_System_Create", "FMOD_System_Init 20", "FMOD_System_CreateChannelGroup master",
                             "FMOD_ChannelGroup_SetVolume 1.000000"}) {
        SCOPED_TRACE(step);
        failing = {step};
        const ChildRun run = run_in_child([] {
            start_engine();
            for (const std::string& name : calls) std::printf("called %s\n", name.c_str());
        });
        EXPECT_EQ(run.status, 255);
        EXPECT_EQ(run.output, "FMOD error! (58) Error initializing output device. \n");
    }
}

TEST(FmodCheck, IsSilentOnSuccess) {
    const ChildRun run = run_in_child([] {
        fmod_check(FMOD_OK);
        std::exit(7);
    });
    EXPECT_EQ(run.status, 7);
    EXPECT_EQ(run.output, "");
}

TEST(FmodCheck, EndsTheProcessWithTheCodeAndItsText) {
    EXPECT_EQ(run_in_child([] { fmod_check(FMOD_ERR_FILE_NOTFOUND); }).output, "FMOD error! (22) File not found. \n");
    const ChildRun past_the_table = run_in_child([] { fmod_check(79); });
    EXPECT_EQ(past_the_table.status, 255);
    EXPECT_EQ(past_the_table.output, "FMOD error! (79) Unknown error.\n");
    EXPECT_EQ(run_in_child([] { fmod_check(-1); }).output, "FMOD error! (-1) Unknown error.\n");
}

TEST(FmodErrorString, GivesTheLibrarysTextForEveryCode) {
    EXPECT_STREQ(FMOD_ErrorString(FMOD_OK), "No errors.");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_CHANNEL_STOLEN),
                 "The specified channel has been reused to play another sound. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_FILE_BAD), "Error loading file. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_FILE_NOTFOUND), "File not found. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_FORMAT), "Unsupported file or audio format. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_INVALID_HANDLE), "An invalid object handle was used. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_INVALID_PARAM), "An invalid parameter was passed to this function. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_MEMORY), "Not enough memory or resources. ");
    EXPECT_STREQ(FMOD_ErrorString(FMOD_ERR_OUTPUT_INIT), "Error initializing output device. ");
    for (int code = 1; code <= 78; ++code) {
        const std::string text = FMOD_ErrorString(code);
        EXPECT_NE(text, "Unknown error.") << code;
        EXPECT_EQ(text.back(), ' ') << code;
    }
    EXPECT_STREQ(FMOD_ErrorString(79), "Unknown error.");
    EXPECT_STREQ(FMOD_ErrorString(-35), "Unknown error.");
}

}  // namespace
