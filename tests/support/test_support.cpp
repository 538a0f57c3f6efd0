#include "support/test_support.h"

#include <allegro.h>
#include <loadpng.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"

namespace testing_support {

std::string data_dir() {
    const char* env = std::getenv("VOIDMARCH_DATA");
    return env && *env ? env : VOIDMARCH_GAME_DIR;
}

std::string scratch_dir() {
    static int count = 0;
    namespace fs = std::filesystem;
    static const fs::path root = [] {
        fs::path p = fs::temp_directory_path() / ("voidmarch-test-" + std::to_string(getpid()));
        fs::create_directories(p);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(fs::temp_directory_path() / ("voidmarch-test-" + std::to_string(getpid())), ignored);
        });
        return p;
    }();
    fs::path dir = root / std::to_string(count++);
    fs::create_directories(dir);
    return dir.string();
}

void prepare_game_loading() {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    register_png_file_type();
    if (fmod_system) return;
    FMOD_System_Create(&fmod_system);
    audio_testing::init_manual(fmod_system, 20);
}

WorkingDirectory::WorkingDirectory(const std::string& path) : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous_); }

}  // namespace testing_support
