// Writes the game's data tree into the folder named on the command line.
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen OUTPUT_DIR\n");
        return 2;
    }
    std::filesystem::create_directories(std::filesystem::path(argv[1]) / "screenshots");
    return 0;
}
