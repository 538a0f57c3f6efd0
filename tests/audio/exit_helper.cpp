// Plays a looping stream through the SDL device, says "sounding" on standard output, and ends
// the process while it sounds in the way named on the command line:
// exit_helper SOUND return|exit1|exit-1|wait (wait: until a signal ends it)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "audio.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    FMOD_SYSTEM* system = nullptr;
    FMOD_SOUND* sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;
    if (FMOD_System_Create(&system) != FMOD_OK || FMOD_System_Init(system, 20, FMOD_INIT_NORMAL, nullptr) != FMOD_OK ||
        FMOD_System_CreateStream(system, argv[1], FMOD_LOOP_NORMAL, nullptr, &sound) != FMOD_OK) {
        return 3;
    }
    for (int i = 0; i < 20; ++i) FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, 0, &channel);

    unsigned position = 0;
    for (int wait = 0; wait < 200 && position == 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        FMOD_Channel_GetPosition(channel, &position, FMOD_TIMEUNIT_MS);
    }
    if (position == 0) return 4;
    std::puts("sounding");
    std::fflush(stdout);

    if (std::strcmp(argv[2], "exit1") == 0) std::exit(1);
    if (std::strcmp(argv[2], "exit-1") == 0) std::exit(-1);
    if (std::strcmp(argv[2], "wait") == 0) std::this_thread::sleep_for(std::chrono::seconds(10));
    return 0;
}
