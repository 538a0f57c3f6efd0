#include "player/resources.h"

#include "engine/gameengine.h"
#include "engine/soundclip.h"
#include "engine/sprite.h"

void replace_picture(BITMAP*& slot, BITMAP* fresh) {
    if (slot) destroy_bitmap_safely(slot);
    slot = fresh;
}

void set_frames_from(SpriteHead& record, BITMAP* loaded_strip, int n, int x, int y, int frame_w, int frame_h) {
    set_frames(record, loaded_strip, n, x, y, frame_w, frame_h);
    destroy_bitmap(loaded_strip);
    record.strip = nullptr;
}

void replace_stream(FMOD_SOUND*& slot, const char* path, bool looping) {
    if (slot) {
        fmod_result = FMOD_Sound_Release(slot);
        fmod_check(fmod_result);
        slot = nullptr;
    }
    slot = open_sound_stream(path, looping);
    if (!looping) return;
    unsigned int length = 0;
    fmod_result = FMOD_Sound_GetLength(slot, &length, FMOD_TIMEUNIT_MS);
    fmod_check(fmod_result);
    fmod_result = FMOD_Sound_SetLoopPoints(slot, length / 2, FMOD_TIMEUNIT_MS, length - 12, FMOD_TIMEUNIT_MS);
    fmod_check(fmod_result);
}
