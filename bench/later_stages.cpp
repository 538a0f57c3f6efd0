// The busiest frames of stages 2 to 5 and the challenge stage: a second wave with every enemy of
// the stage in play and unbreakable under full fire, and a challenge train in flight. Each
// measures one logic step and one whole frame (compose, fade and copy).
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <loadpng.h>

#include <functional>
#include <memory>

#include "game_world.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/resource_loader.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/challenge_stage.h"
#include "stages/stage_five.h"
#include "stages/stage_four.h"
#include "stages/stage_three.h"
#include "stages/stage_two.h"

namespace {

GFX_DRIVER driver{};

void start_game() {
    driver.w = 640;
    driver.h = 480;
    gfx_driver = &driver;
    screen = create_bitmap(640, 480);
    init_update_method(2);
    buffer = create_bitmap(640, 480);
    fade_buffer = create_bitmap(640, 480);
    while (load_step < load_step_count) load_resources_step();
    register_png_file_type();
    player.load(1);
    player_face = datafile_bitmap(faces_datafile[0]);
    player.money = 1 << 28;  // hits never end the run
}

const Groups every_pool{{PoolKind::one, 0, 35},  {PoolKind::two, 0, 15},  {PoolKind::three, 0, 14},
                        {PoolKind::four, 0, 14}, {PoolKind::five, 0, 4},  {PoolKind::six, 0, 4},
                        {PoolKind::seven, 0, 4}, {PoolKind::eight, 0, 4}, {PoolKind::nine, 0, 4},
                        {PoolKind::eleven, 0, 2}, {PoolKind::twelve, 0, 3}};

void for_every_record(const std::function<void(Enemy&)>& f) {
    for (const Group& group : every_pool) for_each_record(group, [&](Enemy& record) { f(record); });
}

void steps_until(StageRunner& stage, const std::function<bool()>& done) {
    for (int i = 0; i < 30000 && !done(); ++i) stage.step();
}

// Through the first wave, then everything of the second made unbreakable.
std::unique_ptr<StageRunner> in_second_wave(std::unique_ptr<StageRunner> stage) {
    stage->set_up();
    steps_until(*stage, [&] {
        for_every_record([](Enemy& r) {
            if (r.in_play && !r.dying) r.damage = r.hit_points + 1;
        });
        return stage->wave_phase == 2;
    });
    for_every_record([](Enemy& r) { r.add_hit_points(1 << 28); });
    for (int i = 0; i < 240; ++i) stage->step();
    return stage;
}

std::unique_ptr<StageRunner> mid_train() {
    auto stage = std::make_unique<ChallengeStage>(3);
    stage->set_up();
    for (EnemyNine& r : enemy_nine_pool) r.add_hit_points(1 << 28);
    steps_until(*stage, [] { return enemy_nine_pool[4].entered; });
    return stage;
}

std::unique_ptr<StageRunner> stage_for(const benchmark::State& state) {
    switch (state.range(0)) {
    case 2: return in_second_wave(std::make_unique<StageTwo>());
    case 3: return in_second_wave(std::make_unique<StageThree>());
    case 4: return in_second_wave(std::make_unique<StageFour>());
    case 5: return in_second_wave(std::make_unique<StageFive>());
    default: return mid_train();
    }
}

void full_fire() {
    key[key_shoot] = 1;
    player.gun_level = 4;
}

void BM_LaterStageStep(benchmark::State& state) {
    auto stage = stage_for(state);
    for (auto _ : state) {
        full_fire();
        stage->step();
    }
}

void BM_LaterStageFrame(benchmark::State& state) {
    auto stage = stage_for(state);
    full_fire();
    stage->step();
    for (auto _ : state) stage->draw();
}

// Argument: the stage; 0 is the challenge after stage 3.
BENCHMARK(BM_LaterStageStep)->DenseRange(2, 5)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LaterStageFrame)->DenseRange(2, 5)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

// Everything loads from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    start_game();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
