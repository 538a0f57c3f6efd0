#pragma once
// The SDL audio device the mixer plays through.
#include <SDL.h>

namespace audio {

// Starts SDL's audio subsystem and opens the default device at `rate` Hz, 16-bit stereo, SDL
// converting if the hardware differs. The callback runs on SDL's audio thread from then on until
// close_output(). Returns 0 when no device opens.
SDL_AudioDeviceID open_output(int rate, int block_frames, SDL_AudioCallback callback, void* data);

// Stops the audio thread and shuts the subsystem down again.
void close_output(SDL_AudioDeviceID device);

}  // namespace audio
