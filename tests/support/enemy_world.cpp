#include "support/enemy_world.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "audio_testing.h"
#include "enemies/pools.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "support/headless_game.h"
#include "support/test_support.h"

namespace enemy_world {

namespace {

void load_enemy_art(int kind, const char* path, BITMAP*& strip, BITMAP*& bullet_strip) {
    DATAFILE* datafile = load_datafile_ex(path);
    enemy_datafiles[kind - 1] = datafile;
    strip = datafile_bitmap(datafile[0]);
    bullet_strip = datafile_bitmap(datafile[1]);
}

template <class Kind, int n>
void init_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) record.init(0.0f, 0.0f);
}

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

void load_everything() {
    FMOD_System_Create(&fmod_system);
    audio_testing::init_manual(fmod_system, 20);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    // A hit on the ship shakes the screen, whose timer needs a display.
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    testing_support::WorkingDirectory in_data(testing_support::data_dir());
    load_enemy_art(1, "enemy_one.dat", enemy_one_strip, enemy_one_bullet_strip);
    load_enemy_art(2, "enemy_two.dat", enemy_two_strip, enemy_two_bullet_strip);
    load_enemy_art(3, "enemy_three.dat", enemy_three_strip, enemy_three_bullet_strip);
    load_enemy_art(4, "enemy_four.dat", enemy_four_strip, enemy_four_bullet_strip);
    load_enemy_art(5, "enemy_five.dat", enemy_five_strip, enemy_five_bullet_strip);
    load_enemy_art(6, "enemy_six.dat", enemy_six_strip, enemy_six_bullet_strip);
    load_enemy_art(7, "enemy_seven.dat", enemy_seven_strip, enemy_seven_bullet_strip);
    load_enemy_art(8, "enemy_eight.dat", enemy_eight_strip, enemy_eight_bullet_strip);
    load_enemy_art(10, "enemy_ten.dat", enemy_ten_strip, enemy_ten_bullet_strip);
    enemy_nine_strip = load_png_ex("gfx/enemies/enemy_nine/enemy.png");
    enemy_eleven_strip = load_png_ex("gfx/enemies/enemy_eleven/enemy.png");
    enemy_eleven_bullet_strip = load_bitmap_ex("gfx/enemies/enemy_eleven/bullet.gif");
    enemy_twelve_strip = load_png_ex("gfx/enemies/enemy_twelve/enemy.png");
    enemy_twelve_bullet_strip = load_bitmap_ex("gfx/enemies/enemy_twelve/bullet.gif");
    player.load(1);
    // The kinds with pictures of their own load them here, in the data tree, once for the run.
    init_pool(enemy_seven_pool);
    init_pool(enemy_eleven_pool);
    init_pool(enemy_twelve_pool);
}

const auto* const release_globals = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

}  // namespace

void prepare() {
    static const bool loaded = (load_everything(), true);
    (void)loaded;
    park_ship();
    enemy_count = 0;
}

void park_ship() {
    player.set_position(288.0f, 2000.0f);
    player.blinking = false;
    player.exploding = false;
    player.hit_count = 0;
    player.shield_on = false;
    player.shield_count = 0;
    player.money = 1500;
    player.bullet_limit = 50;
    for (auto& group : player.bullets)
        for (Sprite& bullet : group) bullet.deactivate();
    for (Helper& helper : player.helpers) {
        helper.deactivate();
        helper.set_position(-500.0f, -500.0f);
        for (Sprite& bullet : helper.bullets) bullet.deactivate();
    }
    // Closed on their last frame, so they are neither tested nor drawn.
    player.bomb1.idle = true;
    player.bomb1.frame = player.bomb1.last_frame;
    for (Bomb2Part& laser : player.bomb2_parts) {
        laser.idle = true;
        laser.frame = laser.last_frame;
    }
}

void spawn(Enemy& record, float x, float y) {
    record.reset();
    record.set_position(x, y);
    record.show();
    record.enter_play();
}

void fire_on_next_draw(int chance) { next_draw_gives(chance, 0); }

void next_draw_gives(int modulus, int remainder) {
    std::srand(1);
    int misses = 0;
    while (std::rand() % modulus != remainder) ++misses;
    std::srand(1);
    for (int i = 0; i < misses; ++i) std::rand();
}

void place_bullet(Sprite& bullet, float x, float y) {
    bullet.x = x;
    bullet.y = y;
    bullet.bitmap = bullet.current_frame();
    bullet.active = true;
}

Sprite& aim_ship_bullet(int group, int slot, float x, float y) {
    Sprite& bullet = player.bullets[group][slot];
    place_bullet(bullet, x, y);
    return bullet;
}

int bright_pixels(BITMAP* bitmap, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const int c = getpixel(bitmap, x, y);
            n += getr(c) > 240 && getg(c) > 240 && getb(c) > 240;
        }
    return n;
}

float centre_x(const SpriteHead& record) { return record.x + static_cast<float>(record.current_frame()->w / 2); }
float centre_y(const SpriteHead& record) { return record.y + static_cast<float>(record.current_frame()->h / 2); }

}  // namespace enemy_world
