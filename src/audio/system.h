#pragma once
// The audio system behind the C API: streams, channel groups and a fixed set of channel slots,
// mixed block by block either by the output device's thread or, for tests, by a manual clock.
//
// Locking: `mutex_` guards the slots, streams and groups, and is held only for bookkeeping.
// Everything that decodes or opens files lives in `voices_`, which only the mixing thread touches.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "audio.h"
#include "playback.h"

struct FMOD_SYSTEM {};
struct FMOD_SOUND {};
struct FMOD_CHANNELGROUP {};

namespace audio {

struct Sound : FMOD_SOUND {
    std::shared_ptr<const Track> track;
    bool looping = false;
    Loop loop;  // used by voices started after it was set
};

struct Group : FMOD_CHANNELGROUP {
    float volume = 1.0f;
};

// Volumes of channels and groups are kept within 0..1; NaN counts as 0.
float clamped_volume(float volume);

// A channel handle names a slot and the generation of the voice it was given for.
struct ChannelId {
    size_t slot = 0;
    uint32_t generation = 0;
};
FMOD_CHANNEL* handle_of(ChannelId id);
ChannelId id_of(const FMOD_CHANNEL* handle);

// What a channel slot holds, as the game sees it.
struct Slot {
    uint32_t generation = 0;          // of the voice that holds the slot, or held it last
    uint32_t stolen_generation = 0;   // the last voice taken off this slot to make room
    bool live = false;
    Sound* sound = nullptr;
    std::shared_ptr<const Track> track;
    Loop loop;
    float volume = 1.0f;
    Group* group = nullptr;
    bool paused = false;
    uint64_t position = 0;  // frames into the sound, as of the last mixed block

    // What the mix applies to the voice.
    float gain() const { return paused ? 0.0f : volume * (group ? group->volume : 1.0f); }
};

class System : public FMOD_SYSTEM {
public:
    static constexpr int default_rate = 44100;
    static constexpr size_t block_frames = 1024;
    static constexpr int max_channels = 4095;

    ~System();

    // Starts output on the SDL audio device; FMOD_ERR_OUTPUT_INIT when none opens.
    FMOD_RESULT init_device(int channels);
    // Starts with no device: mixing happens only in advance(), on the caller's thread.
    FMOD_RESULT init_manual(int channels, int rate);
    std::vector<int16_t> advance(unsigned ms);

    FMOD_RESULT create_group(Group** group);
    FMOD_RESULT set_group_volume(Group* group, float volume);
    FMOD_RESULT create_stream(const char* path, FMOD_MODE mode, Sound** sound);
    FMOD_RESULT release(Sound* sound);
    FMOD_RESULT length_ms(Sound* sound, unsigned* length);
    FMOD_RESULT set_loop_ms(Sound* sound, unsigned start, unsigned end);
    FMOD_RESULT play(FMOD_CHANNELINDEX index, Sound* sound, bool paused, FMOD_CHANNEL** channel);

    // Runs `change` on the slot of a live channel; FMOD_ERR_INVALID_HANDLE or FMOD_ERR_CHANNEL_STOLEN otherwise.
    template <class Change>
    FMOD_RESULT with_channel(const FMOD_CHANNEL* channel, Change change) {
        std::lock_guard<std::mutex> hold(mutex_);
        ChannelId id = id_of(channel);
        FMOD_RESULT result = check(id);
        if (result == FMOD_OK) change(slots_[id.slot]);
        return result;
    }
    FMOD_RESULT set_channel_group(const FMOD_CHANNEL* channel, Group* group);
    unsigned position_ms(const Slot& slot) const;

    // Shows every slot to `visit`, under the lock, for the test seams.
    template <class Visit>
    void each_slot(Visit visit) {
        std::lock_guard<std::mutex> hold(mutex_);
        for (size_t i = 0; i < slots_.size(); ++i) visit(i, slots_[i]);
    }

private:
    // The mixing side of a slot.
    struct Voice {
        uint32_t generation = 0;
        std::unique_ptr<Playback> playback;
        int32_t gain = 0;
        bool paused = false;
    };
    using Retired = std::vector<std::unique_ptr<Playback>>;

    static void device_callback(void* system, Uint8* stream, int bytes);
    void start(int channels, int rate);
    void render(int16_t* out, size_t frames);
    void render_block(int16_t* out, size_t frames);
    void take_orders(Retired& retired);
    void report(Retired& retired);
    FMOD_RESULT check(ChannelId id) const;
    size_t free_slot();
    bool owns(Sound* sound) const { return sound && sounds_.count(sound); }
    bool owns(Group* group) const;

    std::mutex mutex_;
    std::vector<Slot> slots_;
    std::unordered_map<Sound*, std::unique_ptr<Sound>> sounds_;
    std::vector<std::unique_ptr<Group>> groups_;
    int rate_ = 0;
    SDL_AudioDeviceID device_ = 0;
    uint64_t clock_ms_ = 0;

    std::vector<Voice> voices_;
    mix::Sum sum_{block_frames};
};

}  // namespace audio
