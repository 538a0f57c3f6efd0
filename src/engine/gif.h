#pragma once
// The engine's own GIF codec: pictures (first image of a file), animations (every image composed
// onto the logical screen), the writer, and the 'GIF ' datafile object.
#include <allegro.h>

#include <cstddef>
#include <cstdint>
#include <functional>

constexpr int DAT_GIF = DAT_ID('G', 'I', 'F', ' ');

// The record a 'GIF ' datafile object loads into; the bitmap comes first so that code reading
// datafile pictures can take the first field.
struct GifObject {
    BITMAP* bitmap;
    PALETTE palette;
};

struct GifFrame {
    BITMAP* bitmap;  // the whole logical screen as composed after this image
    PALETTE palette;
    uint16_t delay;  // hundredths of a second
    GifFrame* next;
};

struct GifAnimation {
    GifFrame* frames;
    int background_index;
    int width;  // the logical screen
    int height;
    int frame_count;
    bool has_global_table;
    int elapsed;  // milliseconds into the current round, for gif_frame_at
};

// Pictures: the first image of the file at Allegro's load depth for 8-bit pictures, transparent
// pixels as the mask colour (index 0 at 8 bits). The palette may be null. Null on any failure.
BITMAP* load_gif(const char* filename, RGB* palette);
BITMAP* load_memory_gif(const void* data, RGB* palette);  // data must hold a complete GIF
BITMAP* load_memory_gif(const void* data, size_t size, RGB* palette);

// Animations: null when the file cannot be read or holds no image.
GifAnimation* load_gif_animation(const char* filename);
GifAnimation* load_memory_gif_animation(const void* data);  // data must hold a complete GIF
GifAnimation* load_memory_gif_animation(const void* data, size_t size);
GifAnimation* load_gif_animation_pf(PACKFILE* file, long size);
void destroy_gif_animation(GifAnimation* animation);

// Calls back with each composed frame in order; the callback takes the frame's bitmap.
// -1 when the file cannot be opened or is not a GIF, else 0.
int for_each_gif_frame(const char* filename, const std::function<void(GifFrame&)>& callback);
// The logical screen as composed after image n (counting from 1; the last one if there are fewer).
BITMAP* load_gif_frame(const char* filename, RGB* palette, int n);

// Advances the animation's clock by ms and returns the frame showing then (looping).
GifFrame* gif_frame_at(GifAnimation* animation, int ms);
BITMAP* gif_bitmap_at(GifAnimation* animation, int ms);
GifFrame* gif_frame_by_index(GifAnimation* animation, int index);
BITMAP* gif_bitmap_by_index(GifAnimation* animation, int index);

// Writers: GIF89a, 256-entry global table, index 0 transparent. Bitmaps that are not 8-bit are
// reduced to the palette (null: Allegro's default palette). 0 on success, -1 on failure.
int save_gif(const char* filename, BITMAP* bitmap, const RGB* palette);
int save_gif_animation(const char* filename, GifAnimation* animation);

// The 'GIF ' datafile object type (register_datafile_object). An object whose body is no picture
// loads without a bitmap rather than failing: Allegro's datafile reader frees the datafile twice
// when an object loader fails. load_datafile_ex refuses a datafile holding such an object.
void* load_gif_object(PACKFILE* file, long size);
void destroy_gif_object(void* object);
