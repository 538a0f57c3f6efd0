#include "support/headless_game.h"

#include "audio_testing.h"
#include "enemies/pools.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "game/resource_loader.h"
#include "engine/timing.h"
#include "player/player.h"
#include "support/renew.h"
#include "support/test_support.h"

namespace testing_support {

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

void load_whole_game() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    start_headless_game();
    WorkingDirectory in_tree(data_dir());
    while (load_resources_step() < 1.0f) {
    }
}

void release_loaded_records() {
    renew(adam_ship);
    renew(kim_ship);
    renew(player);
    renew_kv2_pools();
    renew_pool(kv1_enemy_one_pool);
    renew_pool(kv1_enemy_two_pool);
    renew_pool(kv1_enemy_three_pool);
    renew_pool(kv1_enemy_four_pool);
}

}  // namespace testing_support
