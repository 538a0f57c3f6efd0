#include "support/enemy_world.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "audio_testing.h"
#include "enemies/pools.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "support/test_support.h"

namespace enemy_world {

namespace {

void load_enemy_art(int kind, const char* path, BITMAP*& strip, BITMAP*& bullet_strip) {
    DATAFILE* datafile = load_datafile_ex(path);
    enemy_datafiles[kind - 1] = datafile;
    strip = datafile_bitmap(datafile[0]);
    bullet_strip = datafile_bitmap(datafile[1]);
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
    player.load(1);
}

template <class T>
void renew(T& object) {
    object.~T();
    new (&object) T();
}

template <class Kind, int n>
void renew_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) renew(record);
}

// The globals that tests load cut their frames from Allegro bitmaps, which can only be released
// while Allegro runs: so here, rather than by their destructors at exit.
class ReleaseGlobals : public ::testing::Environment {
public:
    void TearDown() override {
        renew(player);
        renew_pool(enemy_one_pool);
        renew_pool(enemy_two_pool);
        renew_pool(enemy_three_pool);
        renew_pool(enemy_four_pool);
    }
};

const auto* const release_globals = ::testing::AddGlobalTestEnvironment(new ReleaseGlobals);

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
    player.bomb1.idle = true;
    for (Bomb2Part& laser : player.bomb2_parts) laser.idle = true;
}

void spawn(Enemy& record, float x, float y) {
    record.reset();
    record.set_position(x, y);
    record.show();
    record.enter_play();
}

void fire_on_next_draw(int chance) {
    std::srand(1);
    int misses = 0;
    while (std::rand() % chance != 0) ++misses;
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

float centre_x(const SpriteHead& record) { return record.x + static_cast<float>(record.current_frame()->w / 2); }
float centre_y(const SpriteHead& record) { return record.y + static_cast<float>(record.current_frame()->h / 2); }

}  // namespace enemy_world
