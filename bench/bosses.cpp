// One step of each boss mid-fight, logic and drawing, with its shots in flight, against a ship
// with 250 shots live over the field.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <type_traits>
#include <utility>

#include "bosses/boss1.h"
#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss10.h"
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

template <class Shots>
void keep_all_flying(Shots& shots) {
    int i = 0;
    for (Sprite& shot : shots) keep_in_flight(shot, 32.0f + 16.0f * static_cast<float>(i++ % 5));
}

template <class Boss, class = void>
struct has_state_step : std::false_type {};
template <class Boss>
struct has_state_step<Boss, std::void_t<decltype(std::declval<Boss&>().update_state())>> : std::true_type {};

// One step of a boss mid-fight with every shot of its own in flight, against a ship with 250
// shots live; `ready` puts it mid-fight, `keep` refills its shots. With range(0) 0 only the
// logic runs, with 1 the frame is drawn as well.
template <class Boss, class Ready, class Keep>
void boss_step(benchmark::State& state, Ready ready, Keep keep) {
    const bool drawn = state.range(0) != 0;
    Boss boss;
    boss.load();
    boss.show();
    boss.activate();
    ready(boss);
    BITMAP* frame = create_bitmap(playfield_width, playfield_height);
    for (auto _ : state) {
        fly_ship_shots();
        keep(boss);
        if constexpr (has_state_step<Boss>::value) boss.update_state();
        boss.update();
        if (drawn) boss.draw(frame);
    }
    destroy_bitmap(frame);
}

constexpr int endless = 1 << 28;  // nothing is shot away while measured

template <class Boss>
void open_core(Boss& boss) {
    boss.add_hit_points(endless);
    boss.phaser.arm();
    boss.beam.start();
}

template <class Boss>
void keep_core_busy(Boss& boss) {
    keep_all_flying(boss.left_gun.bullets);
    keep_all_flying(boss.right_gun.bullets);
    keep_all_flying(boss.phaser.bullets);
    if (boss.beam.idle) boss.beam.start();
}

void BM_Boss1Step(benchmark::State& state) {
    boss_step<Boss1>(state, open_core<Boss1>, keep_core_busy<Boss1>);
}
BENCHMARK(BM_Boss1Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Boss2Step(benchmark::State& state) {
    boss_step<Boss2>(state, open_core<Boss2>, keep_core_busy<Boss2>);
}
BENCHMARK(BM_Boss2Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Boss3Step(benchmark::State& state) {
    boss_step<Boss3>(
        state, [](Boss3& boss) { boss.add_hit_points(endless); },
        [](Boss3& boss) {
            keep_all_flying(boss.bullets);
            for (Boss3Turret& turret : boss.turrets) {
                turret.firing = true;
                keep_all_flying(turret.shots);
            }
        });
}
BENCHMARK(BM_Boss3Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Boss4Step(benchmark::State& state) {
    boss_step<Boss4>(
        state, [](Boss4& boss) { boss.add_hit_points(endless); }, [](Boss4& boss) { keep_all_flying(boss.bullets); });
}
BENCHMARK(BM_Boss4Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The turret phase, sweeping, with every group out.
void BM_Boss5Step(benchmark::State& state) {
    boss_step<Boss5>(
        state, [](Boss5& boss) { boss.turret.hit_points = endless; },
        [](Boss5& boss) {
            boss.turret.volley_on = 1;
            keep_all_flying(boss.turret.shots);
        });
}
BENCHMARK(BM_Boss5Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A main turret whose beam went out lights it again, sweeping.
void keep_sweeping(BossMainTurret& turret) {
    if (!turret.beam.idle) return;
    turret.charges = 1;
    (turret.id == 1 ? turret.sweeping_down : turret.sweeping_up) = true;
    turret.beam.start();
}

// Every turret firing, both main turrets sweeping their beams, the core's fan out and the main
// beam burning.
void BM_Boss10Step(benchmark::State& state) {
    boss_step<Boss10>(
        state,
        [](Boss10& boss) {
            open_core(boss);
            for (BossMainTurret& turret : boss.main_turrets) turret.shielded = false;
        },
        [](Boss10& boss) {
            for (BossTurret& turret : boss.side_turrets) keep_all_flying(turret.bullets);
            keep_all_flying(boss.phaser.bullets);
            for (BossMainTurret& turret : boss.main_turrets) keep_sweeping(turret);
            if (boss.beam.idle) boss.beam.start();
        });
}
BENCHMARK(BM_Boss10Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// The bosses and the ship load from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    player.load(1);
    player.set_position(288.0f, 2000.0f);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
