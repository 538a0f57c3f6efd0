#pragma once
// What a ship loads for itself. A ship can be loaded again (every new game reloads `player`), so
// each load releases what the load before it made instead of piling up pictures and streams.
#include <allegro.h>

#include "audio/audio.h"
#include "engine/sprite.h"

// Stores `fresh` in `slot`, releasing the picture that was there.
void replace_picture(BITMAP*& slot, BITMAP* fresh);

// Set-up of a record from a strip loaded for it alone: cuts the frames, then lets the strip go,
// so that only the frames stay in memory.
void set_frames_from(SpriteHead& record, BITMAP* loaded_strip, int n, int x, int y, int frame_w, int frame_h);

// Opens the stream at `path` into `slot`, releasing the stream that was there; every result is
// checked. A looping stream repeats from half its length to 12 ms before its end.
void replace_stream(FMOD_SOUND*& slot, const char* path, bool looping);
