// Silent stand-in until the mixer lands: every call succeeds and nothing sounds.
#include "audio.h"

namespace {
struct Dummy {};
Dummy dummy;
template <class T>
T* handle() { return reinterpret_cast<T*>(&dummy); }
}  // namespace

extern "C" {
FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** s) { *s = handle<FMOD_SYSTEM>(); return FMOD_OK; }
FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM*, int, FMOD_INITFLAGS, void*) { return FMOD_OK; }
FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM*, const char*, FMOD_CHANNELGROUP** g) { *g = handle<FMOD_CHANNELGROUP>(); return FMOD_OK; }
FMOD_RESULT FMOD_System_CreateStream(FMOD_SYSTEM*, const char*, FMOD_MODE, FMOD_CREATESOUNDEXINFO*, FMOD_SOUND** s) { *s = handle<FMOD_SOUND>(); return FMOD_OK; }
FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM*, FMOD_CHANNELINDEX, FMOD_SOUND*, FMOD_BOOL, FMOD_CHANNEL** c) { if (c) *c = handle<FMOD_CHANNEL>(); return FMOD_OK; }
FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP*, float) { return FMOD_OK; }
FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND*, unsigned int* l, FMOD_TIMEUNIT) { *l = 10000; return FMOD_OK; }
FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND*, unsigned int, FMOD_TIMEUNIT, unsigned int, FMOD_TIMEUNIT) { return FMOD_OK; }
FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND*) { return FMOD_OK; }
FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL*, float) { return FMOD_OK; }
FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL*, FMOD_CHANNELGROUP*) { return FMOD_OK; }
FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL*) { return FMOD_OK; }
FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL*, FMOD_BOOL* p) { *p = 0; return FMOD_OK; }
FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL*, FMOD_BOOL) { return FMOD_OK; }
FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL*, FMOD_BOOL* p) { *p = 0; return FMOD_OK; }
FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL*, unsigned int* p, FMOD_TIMEUNIT) { *p = 0; return FMOD_OK; }
}
