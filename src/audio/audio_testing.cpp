#include "audio_testing.h"

#include "system.h"

namespace audio_testing {

FMOD_RESULT init_manual(FMOD_SYSTEM* system, int max_channels, int rate) {
    if (!system) return FMOD_ERR_INVALID_HANDLE;
    return static_cast<audio::System*>(system)->init_manual(max_channels, rate);
}

std::vector<int16_t> advance(FMOD_SYSTEM* system, unsigned ms) {
    return static_cast<audio::System*>(system)->advance(ms);
}

std::vector<Voice> voices(FMOD_SYSTEM* system) {
    auto* live = static_cast<audio::System*>(system);
    std::vector<Voice> found;
    live->each_slot([&](size_t i, const audio::Slot& slot) {
        if (!slot.live) return;
        found.push_back({static_cast<int>(i), audio::handle_of({i, slot.generation}), slot.sound, slot.group,
                         live->position_ms(slot), slot.volume, slot.gain(), slot.paused});
    });
    return found;
}

}  // namespace audio_testing
