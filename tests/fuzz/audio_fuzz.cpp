// libFuzzer target: any bytes as a stream file for the audio library, created and played for a
// moment the way the game plays its music (looping on odd sizes). A malformed Ogg or MP3 must be
// answered with an error code or play; it may not crash or hang the mixer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio.h"
#include "audio_testing.h"
#include "scratch_file.h"

namespace {

FMOD_SYSTEM* audio_system = nullptr;

bool answers_refusal(FMOD_RESULT result) { return result == FMOD_ERR_FILE_BAD || result == FMOD_ERR_FORMAT; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (FMOD_System_Create(&audio_system) != FMOD_OK || audio_testing::init_manual(audio_system, 2) != FMOD_OK)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile file("stream");
    file.write(data, size);
    FMOD_MODE mode = FMOD_2D | FMOD_HARDWARE | (size % 2 ? FMOD_LOOP_NORMAL : FMOD_LOOP_OFF);
    FMOD_SOUND* sound = nullptr;
    FMOD_RESULT result = FMOD_System_CreateStream(audio_system, file.path().c_str(), mode, nullptr, &sound);
    if (result != FMOD_OK) {
        if (!answers_refusal(result)) std::abort();
        return 0;
    }
    unsigned length = 0;
    FMOD_CHANNEL* channel = nullptr;
    if (FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS) != FMOD_OK ||
        FMOD_System_PlaySound(audio_system, FMOD_CHANNEL_FREE, sound, false, &channel) != FMOD_OK)
        std::abort();
    audio_testing::advance(audio_system, 20);
    FMOD_Sound_Release(sound);
    return 0;
}
