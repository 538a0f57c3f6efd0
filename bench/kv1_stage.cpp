// The busiest KV1 frame: the largest random mix (70 records) marching with their shots in
// flight and the ship firing, one logic step and the whole frame to the page.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "game_world.h"
#include "enemies/pools.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/kv1player.h"
#include "stages/kv1_stage.h"

namespace {

void start_game() {
    bench_world::load_whole_game();
    kv1_player.load();
}

template <class Pool>
void unkillable(Pool& pool) {
    for (auto& r : pool) r.add_hit_points(1 << 28);
}

// The ship survives every shot, so the stage never fades out.
void step_unharmed(Kv1Stage& stage) {
    kv1_player.hit_count = 0;
    stage.step();
}

void BM_Kv1Frame(benchmark::State& state) {
    unkillable(kv1_enemy_four_pool);
    unkillable(kv1_enemy_one_pool);
    unkillable(kv1_enemy_three_pool);
    unkillable(kv1_enemy_two_pool);
    Kv1Stage stage({70, 0, 3, 3, 5, 1});
    key[key_shoot] = 1;
    for (int i = 0; i < 600; ++i) step_unharmed(stage);
    for (auto _ : state) {
        step_unharmed(stage);
        acquire_active_page();
        stage.draw();
        update_screen();
    }
}

BENCHMARK(BM_Kv1Frame)->Unit(benchmark::kMicrosecond);

}  // namespace

// Everything loads from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    start_game();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
