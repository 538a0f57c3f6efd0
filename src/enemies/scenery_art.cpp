#include "enemies/scenery_art.h"

#include <map>
#include <string>

#include "engine/blit.h"
#include "engine/loaders.h"
#include "engine/sprite.h"

namespace {

template <class T, class Load>
T* once_per_path(const char* path, Load load) {
    // Kept for the run and never torn down, so exit leaves the resources where they were.
    static auto* const loaded = new std::map<std::string, T*>;
    T*& resource = (*loaded)[path];
    if (!resource) resource = load(path);
    return resource;
}

fixed to_fixed(int v) { return v * 0x10000; }

}  // namespace

BITMAP* shared_picture(const char* path) { return once_per_path<BITMAP>(path, load_bitmap_ex); }

DATAFILE* shared_datafile(const char* path) { return once_per_path<DATAFILE>(path, load_datafile_ex); }

BITMAP* nested_picture(const DATAFILE* datafile, int index) {
    return datafile_bitmap(static_cast<const DATAFILE*>(datafile[index].dat)[0]);
}

void renew_copy(BITMAP*& copy, BITMAP* source) {
    if (copy) destroy_bitmap_safely(copy);
    copy = create_bitmap(source->w, source->h);
    blit(source, copy, 0, 0, 0, 0, source->w, source->h);
}

void pivot_scaled(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle, fixed scale) {
    target->vtable->pivot_scaled_sprite_flip(target, sprite, to_fixed(x), to_fixed(y), to_fixed(cx), to_fixed(cy),
                                             angle, scale, FALSE);
}

void rotate_scaled(BITMAP* target, BITMAP* sprite, int x, int y, fixed angle, fixed scale) {
    // About the centre of the scaled picture, whose top-left corner is at (x, y).
    target->vtable->pivot_scaled_sprite_flip(target, sprite, to_fixed(x) + sprite->w * scale / 2,
                                             to_fixed(y) + sprite->h * scale / 2, to_fixed(sprite->w) / 2,
                                             to_fixed(sprite->h) / 2, angle, scale, FALSE);
}

void draw_with_alpha(BITMAP* target, BITMAP* picture, float x, float y, float alpha) {
    if (y <= static_cast<float>(-picture->h) || y >= static_cast<float>(playfield_height)) return;
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    if (alpha > 0.0f && alpha < 255.0f)
        trans_blit(picture, target, px, py, static_cast<int>(alpha));
    else if (alpha == 255.0f)
        masked_blit(picture, target, 0, 0, px, py, picture->w, picture->h);
}
