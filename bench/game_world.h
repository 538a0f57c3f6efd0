#pragma once
// What the benchmarks that load the game's own files share: headless Allegro at 16 bits, the GIF
// types, a shake without a timer, the data tree as the working directory and the audio library
// on its manual clock.
#include <allegro.h>
#include <loadpng.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "audio/audio_testing.h"
#include "engine/blit.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "game/resource_loader.h"
#include "engine/timing.h"

namespace bench_world {

inline int no_timer(void (*)(), long) { return 0; }
inline void no_removal(void (*)()) {}

// False when Allegro cannot start or the data tree ($VOIDMARCH_DATA, else the working directory)
// cannot be entered. With `window`, Allegro starts on the X server and opens the game's screen as
// the game does.
inline bool start(bool window = false) {
    if (window ? allegro_init() != 0 : install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
    set_color_depth(16);
    if (window && set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, 640, 480, 0, 0) != 0 &&
        set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0)
        return false;
    use_vector_masked_draws();
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    register_png_file_type();
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return false;
    FMOD_System_Create(&fmod_system);
    audio_testing::init_manual(fmod_system, 20);
    return true;
}

// A 640x480 screen (without a display unless `window` opened one), the frame buffers, and every
// resource loaded.
inline void load_whole_game(bool window = false) {
    if (window) {
        init_update_method(3);  // as the game asks; on X11 it gets double buffering
    } else {
        static GFX_DRIVER driver{};
        driver.w = 640;
        driver.h = 480;
        gfx_driver = &driver;
        screen = create_bitmap(640, 480);
        init_update_method(2);
    }
    buffer = create_bitmap(640, 480);
    fade_buffer = create_bitmap(640, 480);
    while (load_step < load_step_count) load_resources_step();
}

}  // namespace bench_world
