#include "engine/loaders.h"

#include <loadpng.h>

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/datafile_check.h"
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
    return loaded(load_checked_datafile(path), path);
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
