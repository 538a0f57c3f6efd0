#pragma once
// The audio API the game calls: a small FMOD-style C interface over SDL2 output with
// Ogg Vorbis and MP3 streaming. Only what the game uses is here.

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FMOD_SYSTEM FMOD_SYSTEM;
typedef struct FMOD_SOUND FMOD_SOUND;
typedef struct FMOD_CHANNEL FMOD_CHANNEL;
typedef struct FMOD_CHANNELGROUP FMOD_CHANNELGROUP;
typedef struct FMOD_CREATESOUNDEXINFO FMOD_CREATESOUNDEXINFO;

typedef int FMOD_BOOL;
typedef unsigned int FMOD_MODE;
typedef unsigned int FMOD_TIMEUNIT;
typedef unsigned int FMOD_INITFLAGS;
typedef int FMOD_CHANNELINDEX;

typedef enum FMOD_RESULT {
    FMOD_OK = 0,
    FMOD_ERR_CHANNEL_STOLEN = 11,
    FMOD_ERR_FILE_BAD = 19,
    FMOD_ERR_FILE_NOTFOUND = 22,
    FMOD_ERR_FORMAT = 25,
    FMOD_ERR_INVALID_HANDLE = 35,
    FMOD_ERR_INVALID_PARAM = 36,
    FMOD_ERR_MEMORY = 40,
    FMOD_ERR_OUTPUT_INIT = 58
} FMOD_RESULT;

#define FMOD_INIT_NORMAL 0x00000000u

#define FMOD_LOOP_OFF 0x00000001u
#define FMOD_LOOP_NORMAL 0x00000002u
#define FMOD_2D 0x00000008u
#define FMOD_HARDWARE 0x00000020u

#define FMOD_TIMEUNIT_MS 0x00000001u

#define FMOD_CHANNEL_FREE (-1)
#define FMOD_CHANNEL_REUSE (-2)

// One system exists at a time: a second FMOD_System_Create fails with FMOD_ERR_MEMORY until the
// first is released. Releasing stops the output and frees every stream, group and channel.
FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system);
FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system);
FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int max_channels, FMOD_INITFLAGS flags, void* extra_driver_data);
FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM* system, const char* name, FMOD_CHANNELGROUP** group);
FMOD_RESULT FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode,
                                     FMOD_CREATESOUNDEXINFO* extra_info, FMOD_SOUND** sound);
FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX index, FMOD_SOUND* sound, FMOD_BOOL paused,
                                  FMOD_CHANNEL** channel);

FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* group, float volume);

FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND* sound, unsigned int* length, FMOD_TIMEUNIT unit);
FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND* sound, unsigned int start, FMOD_TIMEUNIT start_unit,
                                     unsigned int end, FMOD_TIMEUNIT end_unit);
FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound);

FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume);
FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL* channel, FMOD_CHANNELGROUP* group);
FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL* channel);
FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL* channel, FMOD_BOOL* paused);
FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channel, FMOD_BOOL paused);
FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channel, FMOD_BOOL* playing);
FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL* channel, unsigned int* position, FMOD_TIMEUNIT unit);

#ifdef __cplusplus
}
#endif
