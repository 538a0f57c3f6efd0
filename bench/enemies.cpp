// One logic step of a full wave of enemy kinds one to four against a ship with every gun slot in
// flight: the hit tests dominate, one pass over 258 shots per record.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "enemies/pools.h"
#include "engine/gif.h"
#include "engine/slots.h"
#include "player/player.h"
#include "ship_shots.h"

namespace {

BITMAP* solid_picture(int w, int h) {
    BITMAP* picture = create_bitmap(w, h);
    clear_to_color(picture, makecol(120, 140, 160));
    return picture;
}

template <class Kind>
void spawn_pool(Kind* pool, int n, int columns, float top, float gap) {
    for (int i = 0; i < n; ++i) {
        pool[i].init(0.0f, 0.0f);
        pool[i].reset();
        pool[i].set_position(10.0f + gap * static_cast<float>(i % columns), top + gap * static_cast<float>(i / columns));
        pool[i].show();
        pool[i].enter_play();
        pool[i].add_hit_points(1 << 30);  // nothing dies while measured
    }
}

// Every main, side and spare slot below the limit in flight, spread over the field.
void arm_ship(BITMAP* shot) {
    player.hit_picture = solid_picture(38, 64);
    player.set_position(288.0f, 2000.0f);
    for (auto& group : player.bullets)
        for (Sprite& bullet : group) bullet.init_bullet(shot, 9.0f, bullet_up, 1, 0, 0);
}

template <class Kind>
void update_pool(Kind* pool, int n) {
    for (int i = 0; i < n; ++i) {
        pool[i].scroll(1);
        pool[i].update();
    }
}

void BM_WaveStep(benchmark::State& state) {
    enemy_one_strip = solid_picture(64, 64);
    enemy_two_strip = solid_picture(125, 125);
    enemy_three_strip = solid_picture(93, 93);
    enemy_four_strip = solid_picture(5 * 95, 95);
    enemy_one_bullet_strip = enemy_two_bullet_strip = enemy_three_bullet_strip = enemy_four_bullet_strip =
        solid_picture(6, 12);
    arm_ship(solid_picture(6, 14));
    spawn_pool(enemy_one_pool, enemy_one_pool_size, 9, 0.0f, 70.0f);
    spawn_pool(enemy_two_pool, enemy_two_pool_size, 4, 20.0f, 130.0f);
    spawn_pool(enemy_three_pool, enemy_three_pool_size, 5, 40.0f, 100.0f);
    spawn_pool(enemy_four_pool, enemy_four_pool_size, 5, 60.0f, 100.0f);
    for (auto _ : state) {
        fly_ship_shots();
        update_pool(enemy_one_pool, enemy_one_pool_size);
        update_pool(enemy_two_pool, enemy_two_pool_size);
        update_pool(enemy_three_pool, enemy_three_pool_size);
        update_pool(enemy_four_pool, enemy_four_pool_size);
    }
    state.SetItemsProcessed(state.iterations() *
                            (enemy_one_pool_size + enemy_two_pool_size + enemy_three_pool_size + enemy_four_pool_size));
}
BENCHMARK(BM_WaveStep)->Unit(benchmark::kMicrosecond);

}  // namespace

// The explosions' art comes from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
