// Bullet pools: moving a full pool per logic step, drawing it, and re-arming it on a gun upgrade.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <memory>

#include "engine/sprite.h"

namespace {

constexpr int pool_size = 256;

struct Pool {
    Pool() : picture(create_bitmap(30, 12)), bullets(std::make_unique<Sprite[]>(pool_size)) {
        clear_to_color(picture, makecol(255, 200, 40));
        for (int i = 0; i < pool_size; ++i) {
            bullets[i].init_bullet(picture, 9.0f, bullet_up, 3, 10, 12);
            bullets[i].launch_from(static_cast<float>(i * 2 % 600), 470.0f);
            bullets[i].active = true;
        }
    }
    ~Pool() { destroy_bitmap(picture); }

    BITMAP* picture;
    std::unique_ptr<Sprite[]> bullets;
};

void BM_MovePool(benchmark::State& state) {
    Pool pool;
    for (auto _ : state) {
        for (int i = 0; i < pool_size; ++i) {
            Sprite& bullet = pool.bullets[i];
            if (!bullet.active) bullet.launch_from(bullet.origin_x, 470.0f), bullet.active = true;
            bullet.move_bullet();
        }
    }
    state.SetItemsProcessed(state.iterations() * pool_size);
}
BENCHMARK(BM_MovePool);

void BM_DrawPoolRotated(benchmark::State& state) {
    Pool pool;
    BITMAP* canvas = create_bitmap(640, 480);
    for (int i = 0; i < pool_size; ++i) {
        pool.bullets[i].angle = static_cast<float>(176 + i % 32);
        pool.bullets[i].move_bullet();
    }
    for (auto _ : state)
        for (int i = 0; i < pool_size; ++i) pool.bullets[i].draw_rotated(canvas);
    destroy_bitmap(canvas);
    state.SetItemsProcessed(state.iterations() * pool_size);
}
BENCHMARK(BM_DrawPoolRotated);

void BM_RearmPool(benchmark::State& state) {
    Pool pool;
    for (auto _ : state)
        for (int i = 0; i < pool_size; ++i) pool.bullets[i].rearm(pool.picture, 9.0f, 2, 3, 10, 12);
    state.SetItemsProcessed(state.iterations() * pool_size);
}
BENCHMARK(BM_RearmPool);

}  // namespace

int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
