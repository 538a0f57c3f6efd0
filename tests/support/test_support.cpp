#include "support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

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

WorkingDirectory::WorkingDirectory(const std::string& path) : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous_); }

}  // namespace testing_support
