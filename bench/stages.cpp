// The busiest frames of stage 1: phase 1 with the whole formation in play under full fire and a
// burning beam bomb, and the boss fight with its beam. Each measures one logic step, one whole
// frame (compose, fade and copy), and the fade and the copy alone.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <memory>

#include "game_world.h"
#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/resource_loader.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/stage_one.h"

namespace {

void start_game() {
    bench_world::load_whole_game();
    player.load(1);
    player_face = datafile_bitmap(faces_datafile[0]);
    player.money = 1 << 28;  // hits never end the run
}

void steps_until(StageOne& stage, bool (*done)(StageOne&)) {
    for (int i = 0; i < 20000 && !done(stage); ++i) stage.step();
}

// Everything in flight: the main gun held, the beam bomb burning over the ship.
void full_fire() {
    key[key_shoot] = 1;
    player.gun_level = 4;
    player.bomb1.idle = false;
    player.bomb1.frame = 0;
}

// The formation stays whole however much hits it.
std::unique_ptr<StageOne> in_phase_one() {
    auto stage = std::make_unique<StageOne>();
    stage->set_up();
    for (EnemyOne& r : enemy_one_pool) r.add_hit_points(1 << 28);
    for (EnemyTwo& r : enemy_two_pool) r.add_hit_points(1 << 28);
    steps_until(*stage, [](StageOne& s) { return s.wave_phase == 1; });
    for (int i = 0; i < 60; ++i) stage->step();
    return stage;
}

std::unique_ptr<StageOne> in_the_fight() {
    auto stage = std::make_unique<StageOne>();
    stage->set_up();
    steps_until(*stage, [](StageOne& s) {
        for (EnemyOne& r : enemy_one_pool) r.damage = r.hit_points + 1;
        for (EnemyTwo& r : enemy_two_pool) r.damage = r.hit_points + 1;
        for (EnemyThree& r : enemy_three_pool) r.damage = r.hit_points + 1;
        for (EnemyFour& r : enemy_four_pool) r.damage = r.hit_points + 1;
        return s.dialog_active;
    });
    for (int i = 0; i < 2000 && !stage->boss_fight; ++i) {
        key[key_text_advance] = i % 2;
        stage->step();
    }
    key[key_text_advance] = 0;
    Boss1& boss = stage->boss1().boss;
    boss.add_hit_points(1 << 28);
    boss.phaser.arm();
    boss.beam.start();
    for (int i = 0; i < 60; ++i) stage->step();
    return stage;
}

std::unique_ptr<StageOne> stage_for(const benchmark::State& state) {
    return state.range(0) == 0 ? in_phase_one() : in_the_fight();
}

void keep_busy(StageOne& stage) {
    full_fire();
    Boss1& boss = stage.boss1().boss;
    if (stage.boss_fight && boss.beam.idle) boss.beam.start();
}

void BM_StageStep(benchmark::State& state) {
    auto stage = stage_for(state);
    for (auto _ : state) {
        keep_busy(*stage);
        stage->step();
    }
}

void BM_StageFrame(benchmark::State& state) {
    auto stage = stage_for(state);
    keep_busy(*stage);
    stage->step();
    for (auto _ : state) stage->draw();
}

void BM_StageFade(benchmark::State& state) {
    for (auto _ : state) fade_blit(overlay_buffer, fade_buffer, 0, 0, makecol(255, 255, 255), 200);
}

void BM_StageCopy(benchmark::State& state) {
    for (auto _ : state) blit(fade_buffer, active_page, 0, 0, 0, 0, 640, 480);
}

// Argument 0: phase 1; 1: the boss fight.
BENCHMARK(BM_StageStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageFade)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

// Everything loads from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    start_game();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
