// One frame of the KV2 main menu with its box open, beside one frame of the logo splash: the
// logic step, the drawing and the presenting onto a memory screen, as the frame loop runs them.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/loaders.h"
#include "game/resource_loader.h"
#include "engine/timing.h"
#include "screens/main_menu.h"
#include "screens/splash.h"

namespace {

template <class Step, class Draw>
void frame(Step&& step, Draw&& draw) {
    step();
    acquire_active_page();
    draw();
    update_screen();
}

void BM_SplashFrame(benchmark::State& state) {
    BITMAP* logo = load_png_ex("logo.png");
    SplashFade fade;
    for (int s = 0; s < 64; ++s) fade.step();  // fully in
    for (auto _ : state) frame([] {}, [&] { draw_splash(logo, fade.level()); });
    destroy_bitmap(logo);
}
BENCHMARK(BM_SplashFrame)->Unit(benchmark::kMicrosecond);

void BM_MainMenuFrame(benchmark::State& state) {
    MainMenu menu;
    mouse_x = 300;  // over Options
    mouse_y = 365;
    for (int s = 0; s < 70; ++s) menu.step();  // the box open
    for (auto _ : state) frame([&] { menu.step(); }, [&] { menu.draw(); });
}
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

// Reads the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    static GFX_DRIVER screen_size{};
    screen_size.w = 640;
    screen_size.h = 480;
    gfx_driver = &screen_size;
    screen = create_bitmap(640, 480);
    if (init_update_method(2) != 2) return 2;
    buffer = create_bitmap(640, 480);
    fade_buffer = create_bitmap(640, 480);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    if (FMOD_System_Create(&fmod_system) != FMOD_OK || audio_testing::init_manual(fmod_system, 20) != FMOD_OK) return 2;
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    while (load_resources_step() < 1.0f) {
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
