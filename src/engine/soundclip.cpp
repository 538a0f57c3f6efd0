#include "engine/soundclip.h"

#include "engine/gameengine.h"
#include "engine/settings.h"

FMOD_CHANNEL* music_channel = nullptr;
FMOD_CHANNEL* jingle_channel = nullptr;

void fmod_check_channel(int result) {
    if (result != FMOD_ERR_CHANNEL_STOLEN && result != FMOD_ERR_INVALID_HANDLE) fmod_check(result);
}

FMOD_SOUND* open_sound_stream_unchecked(const char* path, bool looping) {
    const FMOD_MODE mode = FMOD_HARDWARE | FMOD_2D | (looping ? FMOD_LOOP_NORMAL : FMOD_LOOP_OFF);
    FMOD_SOUND* sound = nullptr;
    fmod_result = FMOD_System_CreateStream(fmod_system, path, mode, nullptr, &sound);
    return sound;
}

FMOD_SOUND* open_sound_stream(const char* path, bool looping) {
    FMOD_SOUND* sound = open_sound_stream_unchecked(path, looping);
    fmod_check(fmod_result);
    return sound;
}

void play_on_free_channel(FMOD_SOUND* sound, FMOD_CHANNEL*& channel) {
    fmod_result = FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_FREE, sound, false, &channel);
    fmod_check(fmod_result);
}

void stop_channel_quietly(FMOD_CHANNEL* channel) {
    fmod_result = FMOD_Channel_Stop(channel);
    fmod_check_channel(fmod_result);
}

void set_channel_volume(FMOD_CHANNEL* channel, float volume) {
    fmod_result = FMOD_Channel_SetVolume(channel, volume);
    fmod_check_channel(fmod_result);
}

namespace {

// A stream that plays once, and its length; a length that cannot be told stays 0.
FMOD_SOUND* open_one_shot(const char* path, unsigned int& length) {
    FMOD_SOUND* sound = open_sound_stream(path, false);
    length = 0;
    FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS);
    return sound;
}

// True once the sound on the channel, seen past its start, is back at 0 (it ended, or looped
// exactly there) or at its length. An ended voice reports position 0.
bool played_through(FMOD_CHANNEL* channel, unsigned int length, int& plays) {
    unsigned int position = 0;
    fmod_result = FMOD_Channel_GetPosition(channel, &position, FMOD_TIMEUNIT_MS);
    fmod_check_channel(fmod_result);
    if (position != 0) plays += 1;
    if (plays > 0 && (position >= length || position == 0)) {
        plays = 0;
        return true;
    }
    return false;
}

}  // namespace

void SoundClip::load_music(const char* path, int loop_back, bool looping) {
    length = 0;
    if (looping) {
        sound = open_sound_stream(path, true);
        fmod_result = FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS);
        if (fmod_result != FMOD_ERR_INVALID_HANDLE) fmod_check(fmod_result);
        const unsigned int start = loop_back == 0 ? 12 : length / 2 - loop_back;
        const unsigned int end = loop_back == 0 ? length - 12 : length - 51;
        fmod_result = FMOD_Sound_SetLoopPoints(sound, start, FMOD_TIMEUNIT_MS, end, FMOD_TIMEUNIT_MS);
        fmod_check(fmod_result);
    } else {
        sound = open_one_shot(path, length);
    }
    volume = 1.0f;
    plays = 0;
}

void SoundClip::play_music() {
    volume = master_volume;
    stop_channel_quietly(music_channel);
    fmod_result = FMOD_System_PlaySound(fmod_system, FMOD_CHANNEL_REUSE, sound, false, &music_channel);
    fmod_check(fmod_result);
    // A new voice starts at full volume.
    set_channel_volume(music_channel, volume);
}

void SoundClip::set_volume(float v) {
    volume = v;
    set_channel_volume(music_channel, volume);
}

bool SoundClip::fade_out(float target, float step) {
    set_volume(volume - step);
    if (volume > target) return false;
    if (volume < target) {
        set_volume(target);
        return true;
    }
    return false;  // landed on the target: the next step passes it and finishes
}

bool SoundClip::fade_in(float target, float step) {
    set_volume(volume + step);
    if (volume < target) return false;
    if (volume > target) {
        set_volume(target);
        return true;
    }
    return false;
}

void SoundClip::stop() {
    FMOD_BOOL playing = false;
    fmod_result = FMOD_Channel_IsPlaying(music_channel, &playing);
    fmod_check_channel(fmod_result);
    if (playing) stop_channel_quietly(music_channel);
}

bool SoundClip::finished() { return played_through(music_channel, length, plays); }

void SoundEffect::load_sfx(const char* path) {
    sound = open_one_shot(path, length);
    volume = 1.0f;
    plays = 0;
}

void SoundEffect::play_jingle() {
    stop_channel_quietly(jingle_channel);
    play_on_free_channel(sound, jingle_channel);
    apply_jingle_volume();
}

void SoundEffect::apply_jingle_volume() { set_channel_volume(jingle_channel, volume); }

bool SoundEffect::jingle_finished() { return played_through(jingle_channel, length, plays); }
