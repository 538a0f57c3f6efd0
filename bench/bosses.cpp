// One step of Boss1 mid-fight, logic and drawing: both guns with both sets in flight, the core
// armed with its fan out and its beam burning, against a ship with 250 shots live over the field.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "bosses/boss1.h"
#include "game_world.h"
#include "player/player.h"
#include "ship_shots.h"

namespace {

// A shot that has left the field is sent again from the middle of the boss.
void keep_in_flight(Sprite& shot, float heading) {
    if (shot.active) return;
    shot.launch_from(300.0f, 180.0f);
    shot.set_angle(heading, 0.0f);
    shot.active = true;
}

void keep_boss_shots_flying(Boss1& boss) {
    for (Boss1Gun* gun : {&boss.left_gun, &boss.right_gun})
        for (int i = 0; i < 6; ++i) keep_in_flight(gun->bullets[i], 48.0f + 16.0f * (i % 3));
    for (int i = 0; i < BossPhaser::shot_count; ++i) keep_in_flight(boss.phaser.bullets[i], 32.0f + 16.0f * i);
}

// With range(0) 0 only the logic runs, with 1 the frame is drawn as well.
void BM_Boss1Step(benchmark::State& state) {
    const bool drawn = state.range(0) != 0;
    Boss1 boss;
    boss.load();
    boss.add_hit_points(1 << 28);  // nothing is shot away while measured
    boss.show();
    boss.activate();
    boss.phaser.arm();
    boss.beam.start();
    BITMAP* frame = create_bitmap(playfield_width, playfield_height);
    for (auto _ : state) {
        fly_ship_shots();
        keep_boss_shots_flying(boss);
        if (boss.beam.idle) boss.beam.start();
        boss.update_state();
        boss.update();
        if (drawn) boss.draw(frame);
    }
    destroy_bitmap(frame);
}
BENCHMARK(BM_Boss1Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// Boss1 and the ship load from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    player.load(1);
    player.set_position(288.0f, 2000.0f);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
