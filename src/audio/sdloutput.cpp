#include "sdloutput.h"

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace audio {
namespace {

// The device that is open, if any. The process may end at any moment, from exit() as well as
// from main's return; the audio thread must be stopped before static destructors run, or its
// callback would be mixing while the process is torn down around it.
std::atomic<SDL_AudioDeviceID> open_device{0};

void stop_device(SDL_AudioDeviceID device) {
    if (device != 0 && open_device.compare_exchange_strong(device, 0)) SDL_CloseAudioDevice(device);
}

void stop_at_exit() { stop_device(open_device.load()); }

}  // namespace

SDL_AudioDeviceID open_output(int rate, int block_frames, SDL_AudioCallback callback, void* data) {
    static std::once_flag exit_hook;
    std::call_once(exit_hook, [] { std::atexit(stop_at_exit); });

    // Without this hint SDL takes over SIGINT and SIGTERM, and the process would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return 0;

    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = static_cast<Uint16>(block_frames);
    want.callback = callback;
    want.userdata = data;
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    open_device = device;
    SDL_PauseAudioDevice(device, 0);
    return device;
}

void close_output(SDL_AudioDeviceID device) {
    stop_device(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace audio
