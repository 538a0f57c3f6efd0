// The C entry points. One system lives at a time; channel handles are looked up in it.
#include <atomic>
#include <new>

#include "audio.h"
#include "system.h"

namespace {

using audio::Group;
using audio::Slot;
using audio::Sound;
using audio::System;

std::atomic<System*> live_system{nullptr};

System* system_of(FMOD_SYSTEM* system) {
    System* live = live_system.load();
    return system && system == live ? live : nullptr;
}

// No exception may cross into C callers: running out of memory becomes a result code.
template <class Call>
FMOD_RESULT guarded(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return FMOD_ERR_MEMORY;
    }
}

// Runs `change` on a live channel's slot; a dead channel leaves `on_dead` to clear the caller's out-argument.
template <class Change, class Dead>
FMOD_RESULT on_channel(FMOD_CHANNEL* channel, Change change, Dead on_dead) {
    System* system = live_system.load();
    FMOD_RESULT result = system ? system->with_channel(channel, change) : FMOD_ERR_INVALID_HANDLE;
    if (result != FMOD_OK) on_dead();
    return result;
}

template <class Change>
FMOD_RESULT on_channel(FMOD_CHANNEL* channel, Change change) {
    return on_channel(channel, change, [] {});
}

}  // namespace

extern "C" {

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system) {
    if (!system) return FMOD_ERR_INVALID_PARAM;
    return guarded([&] {
        auto created = new System();
        System* none = nullptr;
        if (!live_system.compare_exchange_strong(none, created)) {
            delete created;
            return FMOD_ERR_MEMORY;
        }
        *system = created;
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system) {
    System* live = system_of(system);
    if (!live) return FMOD_ERR_INVALID_HANDLE;
    live_system = nullptr;
    delete live;
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int max_channels, FMOD_INITFLAGS, void*) {
    System* live = system_of(system);
    if (!live) return FMOD_ERR_INVALID_HANDLE;
    return guarded([&] { return live->init_device(max_channels); });
}

// A group is known only by its handle; the name is not kept.
FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM* system, const char*, FMOD_CHANNELGROUP** group) {
    System* live = system_of(system);
    if (!live) return FMOD_ERR_INVALID_HANDLE;
    return guarded([&] {
        Group* created = nullptr;
        FMOD_RESULT result = live->create_group(&created);
        if (result == FMOD_OK) *group = created;
        return result;
    });
}

FMOD_RESULT FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode, FMOD_CREATESOUNDEXINFO*,
                                     FMOD_SOUND** sound) {
    System* live = system_of(system);
    if (!live) return FMOD_ERR_INVALID_HANDLE;
    return guarded([&] {
        Sound* created = nullptr;
        FMOD_RESULT result = live->create_stream(path, mode, sound ? &created : nullptr);
        if (result == FMOD_OK) *sound = created;
        return result;
    });
}

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX index, FMOD_SOUND* sound, FMOD_BOOL paused,
                                  FMOD_CHANNEL** channel) {
    System* live = system_of(system);
    if (!live) return FMOD_ERR_INVALID_HANDLE;
    return guarded([&] { return live->play(index, static_cast<Sound*>(sound), paused != 0, channel); });
}

FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* group, float volume) {
    System* live = live_system.load();
    return live ? live->set_group_volume(static_cast<Group*>(group), volume) : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND* sound, unsigned int* length, FMOD_TIMEUNIT unit) {
    if (!length || unit != FMOD_TIMEUNIT_MS) return FMOD_ERR_INVALID_PARAM;
    System* live = live_system.load();
    return live ? live->length_ms(static_cast<Sound*>(sound), length) : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND* sound, unsigned int start, FMOD_TIMEUNIT start_unit, unsigned int end,
                                     FMOD_TIMEUNIT end_unit) {
    if (start_unit != FMOD_TIMEUNIT_MS || end_unit != FMOD_TIMEUNIT_MS) return FMOD_ERR_INVALID_PARAM;
    System* live = live_system.load();
    return live ? live->set_loop_ms(static_cast<Sound*>(sound), start, end) : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound) {
    System* live = live_system.load();
    return live ? guarded([&] { return live->release(static_cast<Sound*>(sound)); }) : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume) {
    return on_channel(channel, [volume](Slot& slot) { slot.volume = audio::clamped_volume(volume); });
}

FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL* channel, FMOD_CHANNELGROUP* group) {
    System* live = live_system.load();
    return live ? live->set_channel_group(channel, static_cast<Group*>(group)) : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL* channel) {
    return on_channel(channel, [](Slot& slot) { slot.live = false; });
}

FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL* channel, FMOD_BOOL* paused) {
    if (!paused) return FMOD_ERR_INVALID_PARAM;
    return on_channel(channel, [paused](Slot& slot) { *paused = slot.paused; }, [paused] { *paused = 0; });
}

FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channel, FMOD_BOOL paused) {
    return on_channel(channel, [paused](Slot& slot) { slot.paused = paused != 0; });
}

FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channel, FMOD_BOOL* playing) {
    if (!playing) return FMOD_ERR_INVALID_PARAM;
    return on_channel(channel, [playing](Slot&) { *playing = 1; }, [playing] { *playing = 0; });
}

FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL* channel, unsigned int* position, FMOD_TIMEUNIT unit) {
    if (!position || unit != FMOD_TIMEUNIT_MS) return FMOD_ERR_INVALID_PARAM;
    System* live = live_system.load();
    return on_channel(channel, [&](Slot& slot) { *position = live->position_ms(slot); }, [position] { *position = 0; });
}

}  // extern "C"
