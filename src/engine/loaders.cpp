#include "engine/loaders.h"

#include <loadpng.h>

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/gif.h"

namespace {

[[noreturn]] void fail_to_load(const char* path) {
    allegro_message("%s not able to load.", path);
    allegro_exit();
    std::exit(1);
}

template <class T>
T* loaded(T* resource, const char* path) {
    if (!resource) fail_to_load(path);
    return resource;
}

// A 'GIF ' object without a bitmap held no picture; nested datafiles are searched too.
bool holds_broken_picture(const DATAFILE* data) {
    for (; data->type != DAT_END; ++data) {
        if (data->type == DAT_GIF && !static_cast<GifObject*>(data->dat)->bitmap) return true;
        if (data->type == DAT_FILE && holds_broken_picture(static_cast<DATAFILE*>(data->dat))) return true;
    }
    return false;
}

}  // namespace

BITMAP* load_png_ex(const char* path) {
    assert(path && "s is pointing to NULL");
    return loaded(load_png(path, nullptr), path);
}

BITMAP* load_bitmap_ex(const char* path) {
    assert(path && "s is pointing to NULL");
    return loaded(load_bitmap(path, nullptr), path);
}

BITMAP* load_picture_ex(const char* path) {
    const std::size_t n = std::strlen(path);
    return n >= 4 && std::strcmp(path + n - 4, ".png") == 0 ? load_png_ex(path) : load_bitmap_ex(path);
}

DATAFILE* load_datafile_ex(const char* path) {
    assert(path && "s is pointing to NULL");
    DATAFILE* data = load_datafile(path);
    if (data && holds_broken_picture(data)) {
        unload_datafile(data);
        data = nullptr;
    }
    return loaded(data, path);
}

BITMAP* datafile_bitmap(const DATAFILE& object) {
    if (object.type == DAT_GIF) return static_cast<GifObject*>(object.dat)->bitmap;
    if (object.type == DAT_BITMAP) return static_cast<BITMAP*>(object.dat);
    return nullptr;
}

int screenshot_count = 0;

void save_screenshot(BITMAP* bitmap) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::create_directories("screenshots", ignored);
    std::string name;
    do {
        name = "screenshots/" + std::to_string(screenshot_count++) + ".png";
    } while (fs::exists(name, ignored));
    save_png(name.c_str(), bitmap, nullptr);
}

int random_range(int lo, int hi) {
    assert(lo <= hi);
    return std::rand() % (hi - lo + 1) + lo;
}
