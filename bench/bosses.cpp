// The busiest steps of the part-built bosses, logic and drawing, against a ship with 250 shots
// live over the field. Boss1: both guns with both sets in flight, the core armed with its fan out
// and its beam burning. Boss10: every turret's shots in flight, both main turrets sweeping their
// beams, the core armed with its fan out and the main beam burning.
#include <allegro.h>
#include <loadpng.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "audio/audio_testing.h"
#include "bosses/boss1.h"
#include "bosses/boss10.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/timing.h"
#include "player/player.h"
#include "ship_shots.h"

namespace {

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

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

void keep_boss_shots_flying(Boss10& boss) {
    for (BossTurret& turret : boss.side_turrets)
        for (int i = 0; i < 2; ++i) keep_in_flight(turret.bullets[i], 56.0f + 16.0f * i);
    for (int i = 0; i < BossPhaser::shot_count; ++i) keep_in_flight(boss.phaser.bullets[i], 32.0f + 16.0f * i);
}

// A main turret whose beam went out lights it again, sweeping.
void keep_sweeping(BossMainTurret& turret) {
    if (!turret.beam.idle) return;
    turret.charges = 1;
    (turret.id == 1 ? turret.sweeping_down : turret.sweeping_up) = true;
    turret.beam.start();
}

void BM_Boss10Step(benchmark::State& state) {
    const bool drawn = state.range(0) != 0;
    Boss10 boss;
    boss.load();
    boss.add_hit_points(1 << 28);  // nothing is shot away while measured
    boss.show();
    boss.activate();
    for (BossMainTurret& turret : boss.main_turrets) turret.shielded = false;
    boss.phaser.arm();
    BITMAP* frame = create_bitmap(playfield_width, playfield_height);
    for (auto _ : state) {
        fly_ship_shots();
        keep_boss_shots_flying(boss);
        for (BossMainTurret& turret : boss.main_turrets) keep_sweeping(turret);
        if (boss.beam.idle) boss.beam.start();
        boss.update_state();
        boss.update();
        if (drawn) boss.draw(frame);
    }
    destroy_bitmap(frame);
}
BENCHMARK(BM_Boss10Step)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// The bosses and the ship load from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    register_png_file_type();
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    FMOD_System_Create(&fmod_system);
    audio_testing::init_manual(fmod_system, 20);
    player.load(1);
    player.set_position(288.0f, 2000.0f);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
