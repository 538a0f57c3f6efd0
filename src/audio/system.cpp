#include "system.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <utility>

#include "mixkernel.h"
#include "sdloutput.h"

namespace audio {
namespace {

// Generations are unique for the whole process, so that a handle kept from an earlier system
// can never name a voice of a later one.
std::atomic<uint32_t> last_generation{0};

constexpr int slot_bits = 16;

uint64_t ms_to_frames(unsigned ms, int rate) {
    // Rounded up, so that a frame converted back to milliseconds never falls short of `ms`.
    return (static_cast<uint64_t>(ms) * static_cast<uint64_t>(rate) + 999) / 1000;
}

unsigned frames_to_ms(uint64_t frames, int rate) {
    return static_cast<unsigned>(frames * 1000 / static_cast<uint64_t>(rate));
}

std::string absolute_path(const char* path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::string(path) : absolute.string();
}

}  // namespace

float clamped_volume(float volume) { return volume > 0.0f ? std::min(volume, 1.0f) : 0.0f; }

FMOD_CHANNEL* handle_of(ChannelId id) {
    return reinterpret_cast<FMOD_CHANNEL*>((static_cast<uintptr_t>(id.generation) << slot_bits) | (id.slot + 1));
}

ChannelId id_of(const FMOD_CHANNEL* handle) {
    auto bits = reinterpret_cast<uintptr_t>(handle);
    size_t slot_plus_one = bits & ((uintptr_t{1} << slot_bits) - 1);
    if (slot_plus_one == 0) return {SIZE_MAX, 0};
    return {slot_plus_one - 1, static_cast<uint32_t>(bits >> slot_bits)};
}

System::~System() {
    if (device_ != 0) close_output(device_);
}

FMOD_RESULT System::init_device(int channels) {
    if (!slots_.empty() || channels < 1 || channels > max_channels) return FMOD_ERR_INVALID_PARAM;
    start(channels, default_rate);
    device_ = open_output(default_rate, block_frames, &System::device_callback, this);
    if (device_ == 0) {
        slots_.clear();
        return FMOD_ERR_OUTPUT_INIT;
    }
    return FMOD_OK;
}

FMOD_RESULT System::init_manual(int channels, int rate) {
    if (!slots_.empty() || channels < 1 || channels > max_channels || rate <= 0) return FMOD_ERR_INVALID_PARAM;
    start(channels, rate);
    return FMOD_OK;
}

void System::start(int channels, int rate) {
    rate_ = rate;
    slots_.assign(static_cast<size_t>(channels), Slot{});
    voices_.resize(static_cast<size_t>(channels));
}

std::vector<int16_t> System::advance(unsigned ms) {
    if (slots_.empty() || device_ != 0) return {};
    auto frames_at = [this](uint64_t ms) { return ms * static_cast<uint64_t>(rate_) / 1000; };
    size_t frames = static_cast<size_t>(frames_at(clock_ms_ + ms) - frames_at(clock_ms_));
    clock_ms_ += ms;
    std::vector<int16_t> out(2 * frames);
    render(out.data(), frames);
    return out;
}

void System::device_callback(void* system, Uint8* stream, int bytes) {
    static_cast<System*>(system)->render(reinterpret_cast<int16_t*>(stream), static_cast<size_t>(bytes) / 4);
}

void System::render(int16_t* out, size_t frames) {
    for (size_t done = 0; done < frames; done += block_frames) {
        render_block(out + 2 * done, std::min(block_frames, frames - done));
    }
}

// Decoding happens between the two short holds of the lock, so the game never waits on a decoder.
void System::render_block(int16_t* out, size_t frames) {
    Retired retired;
    take_orders(retired);
    retired.clear();

    sum_.start(frames);
    for (Voice& voice : voices_) {
        if (voice.playback && !voice.paused) voice.playback->mix(sum_, frames, voice.gain);
    }
    sum_.finish(out);

    report(retired);
}

// Brings the mixing side in line with the slots: new voices, stopped ones, volumes and pauses.
void System::take_orders(Retired& retired) {
    std::lock_guard<std::mutex> hold(mutex_);
    for (size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        Voice& voice = voices_[i];
        if (voice.playback && (!slot.live || voice.generation != slot.generation)) {
            retired.push_back(std::move(voice.playback));
        }
        if (!slot.live) continue;
        if (!voice.playback) {
            voice.playback = std::make_unique<Playback>(slot.track, slot.loop, rate_);
            voice.generation = slot.generation;
        }
        voice.paused = slot.paused;
        voice.gain = mix::gain_of(slot.gain());
    }
}

// Publishes positions and retires the voices that played out.
void System::report(Retired& retired) {
    std::lock_guard<std::mutex> hold(mutex_);
    for (size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        Voice& voice = voices_[i];
        if (!voice.playback || !slot.live || slot.generation != voice.generation) continue;
        slot.position = voice.playback->position();
        if (voice.playback->ended()) {
            slot.live = false;
            retired.push_back(std::move(voice.playback));
        }
    }
}

FMOD_RESULT System::create_group(Group** group) {
    if (!group) return FMOD_ERR_INVALID_PARAM;
    std::lock_guard<std::mutex> hold(mutex_);
    groups_.push_back(std::make_unique<Group>());
    *group = groups_.back().get();
    return FMOD_OK;
}

bool System::owns(Group* group) const {
    return std::any_of(groups_.begin(), groups_.end(), [group](const auto& owned) { return owned.get() == group; });
}

FMOD_RESULT System::set_group_volume(Group* group, float volume) {
    std::lock_guard<std::mutex> hold(mutex_);
    if (!owns(group)) return FMOD_ERR_INVALID_HANDLE;
    group->volume = clamped_volume(volume);
    return FMOD_OK;
}

// The file is read only to learn its format and length; voices open it again when they sound.
FMOD_RESULT System::create_stream(const char* path, FMOD_MODE mode, Sound** sound) {
    if (!path || !sound) return FMOD_ERR_INVALID_PARAM;
    auto created = std::make_unique<Sound>();
    std::string absolute = absolute_path(path);
    {
        std::unique_ptr<Decoder> probe;
        if (FMOD_RESULT result = open_decoder(absolute, probe); result != FMOD_OK) return result;
        created->track = std::make_shared<const Track>(Track{absolute, probe->format()});
    }
    created->looping = (mode & FMOD_LOOP_NORMAL) != 0;
    created->loop = {created->looping, 0, created->track->format.frames};

    std::lock_guard<std::mutex> hold(mutex_);
    *sound = created.get();
    sounds_.emplace(created.get(), std::move(created));
    return FMOD_OK;
}

FMOD_RESULT System::release(Sound* sound) {
    std::lock_guard<std::mutex> hold(mutex_);
    auto found = sounds_.find(sound);
    if (found == sounds_.end()) return FMOD_ERR_INVALID_HANDLE;
    for (Slot& slot : slots_) {
        if (slot.sound != sound) continue;
        slot.live = false;
        slot.sound = nullptr;
    }
    sounds_.erase(found);
    return FMOD_OK;
}

FMOD_RESULT System::length_ms(Sound* sound, unsigned* length) {
    std::lock_guard<std::mutex> hold(mutex_);
    if (!owns(sound)) return FMOD_ERR_INVALID_HANDLE;
    *length = frames_to_ms(sound->track->format.frames, sound->track->format.rate);
    return FMOD_OK;
}

FMOD_RESULT System::set_loop_ms(Sound* sound, unsigned start, unsigned end) {
    std::lock_guard<std::mutex> hold(mutex_);
    if (!owns(sound)) return FMOD_ERR_INVALID_HANDLE;
    const StreamFormat& format = sound->track->format;
    uint64_t start_frame = ms_to_frames(start, format.rate);
    uint64_t end_frame = ms_to_frames(end, format.rate);
    if (start >= end || end > frames_to_ms(format.frames, format.rate) || start_frame >= end_frame) {
        return FMOD_ERR_INVALID_PARAM;
    }
    sound->loop = {sound->looping, start_frame, end_frame};
    return FMOD_OK;
}

FMOD_RESULT System::play(FMOD_CHANNELINDEX index, Sound* sound, bool paused, FMOD_CHANNEL** channel) {
    if (index != FMOD_CHANNEL_FREE && index != FMOD_CHANNEL_REUSE) return FMOD_ERR_INVALID_PARAM;
    std::lock_guard<std::mutex> hold(mutex_);
    if (slots_.empty()) return FMOD_ERR_INVALID_PARAM;
    if (!owns(sound)) return FMOD_ERR_INVALID_HANDLE;

    // Only a handle whose voice still sounds is reused; any other would cut off someone else's voice.
    bool reuse = index == FMOD_CHANNEL_REUSE && channel && check(id_of(*channel)) == FMOD_OK;
    size_t index_found = reuse ? id_of(*channel).slot : free_slot();

    Slot& slot = slots_[index_found];
    Slot fresh;
    fresh.generation = ++last_generation;
    fresh.stolen_generation = slot.stolen_generation;
    fresh.live = true;
    fresh.sound = sound;
    fresh.track = sound->track;
    fresh.loop = sound->loop;
    fresh.paused = paused;
    slot = std::move(fresh);
    if (channel) *channel = handle_of({index_found, slot.generation});
    return FMOD_OK;
}

// The first idle slot, or else the one whose voice started longest ago, which is taken from it.
// One-shots are taken before looping voices: the stage tune started first and would otherwise be
// the first to go whenever the channels run out.
size_t System::free_slot() {
    auto idle = std::find_if(slots_.begin(), slots_.end(), [](const Slot& slot) { return !slot.live; });
    if (idle != slots_.end()) return static_cast<size_t>(idle - slots_.begin());
    auto oldest = std::min_element(slots_.begin(), slots_.end(), [](const Slot& a, const Slot& b) {
        return std::make_pair(a.loop.on, a.generation) < std::make_pair(b.loop.on, b.generation);
    });
    oldest->stolen_generation = oldest->generation;
    return static_cast<size_t>(oldest - slots_.begin());
}

FMOD_RESULT System::check(ChannelId id) const {
    if (id.slot >= slots_.size() || id.generation == 0) return FMOD_ERR_INVALID_HANDLE;
    const Slot& slot = slots_[id.slot];
    if (slot.live && slot.generation == id.generation) return FMOD_OK;
    return slot.stolen_generation == id.generation ? FMOD_ERR_CHANNEL_STOLEN : FMOD_ERR_INVALID_HANDLE;
}

FMOD_RESULT System::set_channel_group(const FMOD_CHANNEL* channel, Group* group) {
    std::lock_guard<std::mutex> hold(mutex_);
    if (group && !owns(group)) return FMOD_ERR_INVALID_HANDLE;
    ChannelId id = id_of(channel);
    FMOD_RESULT result = check(id);
    if (result == FMOD_OK) slots_[id.slot].group = group;
    return result;
}

unsigned System::position_ms(const Slot& slot) const { return frames_to_ms(slot.position, slot.track->format.rate); }

}  // namespace audio
