// Loading every datafile of the data tree as the game does (the check, then Allegro's reader),
// beside Allegro's reader alone and the check alone: what the check adds to the loads. Each
// also with the files packed whole ("slh!"), copies made at start.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/datafile_check.h"
#include "engine/gif.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> plain_files;
std::vector<std::string> packed_files;
fs::path copies;

// The bytes after the magic number, written again packed whole.
bool pack_copy(const std::string& from, const std::string& to) {
    PACKFILE* in = pack_fopen(from.c_str(), F_READ_PACKED);
    if (!in) return false;
    std::vector<char> bytes;
    char block[F_BUF_SIZE];
    for (long got; (got = pack_fread(block, sizeof block, in)) > 0;) bytes.insert(bytes.end(), block, block + got);
    pack_fclose(in);
    PACKFILE* out = pack_fopen(to.c_str(), F_WRITE_PACKED);
    if (!out) return false;
    pack_fwrite(bytes.data(), static_cast<long>(bytes.size()), out);
    return pack_fclose(out) == 0;
}

bool find_files() {
    copies = fs::temp_directory_path() / ("bench_datafiles_" + std::to_string(getpid()));
    fs::create_directories(copies);
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (entry.path().extension() != ".dat") continue;
        plain_files.push_back(entry.path().string());
        const std::string packed = (copies / std::to_string(packed_files.size())).string() + ".dat";
        if (!pack_copy(plain_files.back(), packed)) return false;
        packed_files.push_back(packed);
    }
    return !plain_files.empty();
}

enum Way { allegro_alone, checked, check_alone };

// The lists are filled at start, after the benchmarks are registered.
void load_every_file(benchmark::State& state, Way way, const std::vector<std::string>* files) {
    for (auto _ : state) {
        for (const std::string& file : *files) {
            if (way == check_alone) {
                benchmark::DoNotOptimize(datafile_is_whole(file.c_str()));
                continue;
            }
            DATAFILE* data = way == checked ? load_checked_datafile(file.c_str()) : load_datafile(file.c_str());
            if (!data) {
                state.SkipWithError("a datafile of the tree did not load");
                return;
            }
            unload_datafile(data);
        }
    }
}

BENCHMARK_CAPTURE(load_every_file, allegro_alone, allegro_alone, &plain_files)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load_every_file, checked, checked, &plain_files)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load_every_file, check_alone, check_alone, &plain_files)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load_every_file, packed_allegro_alone, allegro_alone, &packed_files)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load_every_file, packed_checked, checked, &packed_files)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load_every_file, packed_check_alone, check_alone, &packed_files)->Unit(benchmark::kMillisecond);

}  // namespace

// Reads the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    if (!find_files()) return 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    fs::remove_all(copies);
    return 0;
}
