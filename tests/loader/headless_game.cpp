#include "headless_game.h"

#include <gtest/gtest.h>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/timing.h"

namespace loader_testing {

namespace {

GFX_DRIVER driver{};
BITMAP* page = nullptr;

}  // namespace

void start_headless_game() {
    if (page) return;
    driver.w = 640;  // gives SCREEN_W and SCREEN_H
    driver.h = 480;
    gfx_driver = &driver;
    screen = page = create_bitmap(640, 480);
    clear_bitmap(page);
    ASSERT_EQ(init_update_method(2), 2);
    buffer = create_bitmap(640, 480);
    fade_buffer = create_bitmap(640, 480);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    ASSERT_EQ(FMOD_System_Create(&fmod_system), FMOD_OK);
    ASSERT_EQ(audio_testing::init_manual(fmod_system, 20), FMOD_OK);
}

BITMAP* screen_page() { return page; }

}  // namespace loader_testing
