#include "enemies/scenery_art.h"

#include <map>
#include <string>

#include "engine/blit.h"
#include "engine/loaders.h"
#include "engine/sprite.h"

namespace {

template <class T, class Load>
T* once_per_path(const char* path, Load load) {
    static std::map<std::string, T*> loaded;
    T*& resource = loaded[path];
    if (!resource) resource = load(path);
    return resource;
}

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

void draw_with_alpha(BITMAP* target, BITMAP* picture, float x, float y, float alpha) {
    if (y <= static_cast<float>(-picture->h) || y >= static_cast<float>(playfield_height)) return;
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    if (alpha > 0.0f && alpha < 255.0f)
        trans_blit(picture, target, px, py, static_cast<int>(alpha));
    else if (alpha == 255.0f)
        masked_blit(picture, target, 0, 0, px, py, picture->w, picture->h);
}
