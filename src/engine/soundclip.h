#pragma once
// Tunes and menu effects, each over one audio stream. Every tune plays on `music_channel`, where
// a new tune replaces the one before; every effect plays on `jingle_channel`.
#include "audio/audio.h"

extern FMOD_CHANNEL* music_channel;
extern FMOD_CHANNEL* jingle_channel;

// For operations on a channel: a voice that has ended or was stolen (results 11 and 35) is no
// error; any other failure ends the process through fmod_check.
void fmod_check_channel(int result);

// The audio calls every sound of the game goes through, each checked: a failure ends the process.
FMOD_SOUND* open_sound_stream(const char* path, bool looping);
// The same open, unchecked: a file that cannot be opened gives null, its result stays in
// fmod_result, and the game goes on without the sound.
FMOD_SOUND* open_sound_stream_unchecked(const char* path, bool looping);
// Plays the sound once on a free channel and stores the channel it got.
void play_on_free_channel(FMOD_SOUND* sound, FMOD_CHANNEL*& channel);
// Stops what the channel plays; a channel whose voice has already ended is no error.
void stop_channel_quietly(FMOD_CHANNEL* channel);
// Sets the channel's volume; a channel whose voice has already ended is no error.
void set_channel_volume(FMOD_CHANNEL* channel, float volume);

class SoundClip {
public:
    FMOD_SOUND* sound = nullptr;  // kept for the run
    float volume = 1.0f;
    unsigned int length = 0;  // milliseconds
    int plays = 0;            // positions seen past the start, for finished()

    // A looping tune repeats from just before its middle (loop_back ms before it) to 51 ms before
    // its end; with loop_back 0 it repeats all but its first and last 12 ms.
    void load_music(const char* path, int loop_back, bool looping);
    // Starts the tune from its beginning at the master volume, replacing whatever tune plays.
    void play_music();
    void set_volume(float v);
    // One step of a fade; true once the volume has passed the target and been set to it.
    bool fade_out(float target, float step);
    bool fade_in(float target, float step);
    void stop();
    // True once the tune, seen playing, is back at its start or at its end.
    bool finished();
};

class SoundEffect {
public:
    FMOD_SOUND* sound = nullptr;
    float volume = 1.0f;
    unsigned int length = 0;
    int plays = 0;

    void load_sfx(const char* path);
    // Plays the effect once from its start, cutting off the effect before it.
    void play_jingle();
    void apply_jingle_volume();
    bool jingle_finished();
};
