#include "player/resources.h"

#include "engine/gameengine.h"
#include "engine/soundclip.h"
#include "engine/sprite.h"

void replace_picture(BITMAP*& slot, BITMAP* fresh) {
    if (slot) destroy_bitmap_safely(slot);
    slot = fresh;
}

void replace_stream(FMOD_SOUND*& slot, const char* path, bool looping) {
    if (slot) {
        fmod_result = FMOD_Sound_Release(slot);
        fmod_check(fmod_result);
        slot = nullptr;
    }
    const FMOD_MODE mode = FMOD_HARDWARE | FMOD_2D | (looping ? FMOD_LOOP_NORMAL : FMOD_LOOP_OFF);
    fmod_result = FMOD_System_CreateStream(fmod_system, path, mode, nullptr, &slot);
    fmod_check(fmod_result);
    if (!looping) return;
    unsigned int length = 0;
    fmod_result = FMOD_Sound_GetLength(slot, &length, FMOD_TIMEUNIT_MS);
    fmod_check(fmod_result);
    fmod_result = FMOD_Sound_SetLoopPoints(slot, length / 2, FMOD_TIMEUNIT_MS, length - 12, FMOD_TIMEUNIT_MS);
    fmod_check(fmod_result);
}

void play_on_free_channel(FMOD_SOUND* sound, FMOD_CHANNEL*& channel) {
    fmod_result = FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_FREE, sound, false, &channel);
    fmod_check(fmod_result);
}

void stop_channel_quietly(FMOD_CHANNEL* channel) {
    fmod_result = FMOD_Channel_Stop(channel);
    fmod_check_channel(fmod_result);
}
