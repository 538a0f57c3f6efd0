// Each step of the resource loader once, in order, in a fresh process as the loading screen runs
// them: every step should fit in one 16.7 ms logic tick. The last step also reports the whole
// load and the resident memory before and after it.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "game/resource_loader.h"

namespace {

double resident_mb() {
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;) {
        if (field == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
    }
    return 0;
}

double rss_before_mb = 0;
double whole_load_ms = 0;

void BM_LoaderStep(benchmark::State& state) {
    if (state.range(0) == 0) rss_before_mb = resident_mb();
    for (auto _ : state) {
        if (load_step != state.range(0)) {
            state.SkipWithError("the steps run once each, in order");
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        load_resources_step();
        whole_load_ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    if (state.range(0) == load_step_count - 1) {
        state.counters["whole_load_ms"] = whole_load_ms;
        state.counters["rss_before_MB"] = rss_before_mb;
        state.counters["rss_after_MB"] = resident_mb();
    }
}
BENCHMARK(BM_LoaderStep)->DenseRange(0, load_step_count - 1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// Reads the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    static GFX_DRIVER screen_size{};  // the loader makes a screen-size bitmap
    screen_size.w = 640;
    screen_size.h = 480;
    gfx_driver = &screen_size;
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    if (FMOD_System_Create(&fmod_system) != FMOD_OK || audio_testing::init_manual(fmod_system, 20) != FMOD_OK) return 2;
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
