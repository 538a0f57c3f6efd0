// One whole frame (logic step, compose, fade onto the page) at the busiest moment of each later
// stage: stage 6's fifty scaled rocks under phase 4, stage 7's and 8's last phase, stage 9's
// phase 4 with the grid, and stage 10's final fight under the beam.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "game_world.h"
#include "engine/game_state.h"
#include "engine/resource_loader.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/stage_eight.h"
#include "stages/stage_nine.h"
#include "stages/stage_seven.h"
#include "stages/stage_six.h"
#include "stages/stage_ten.h"

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
    player.load(1);
    player_face = datafile_bitmap(faces_datafile[0]);
    player.money = 1 << 28;  // hits never end the run
}

const Groups every_pool{{PoolKind::one, 0, 35}, {PoolKind::two, 0, 15}, {PoolKind::three, 0, 14},
                        {PoolKind::four, 0, 14}, {PoolKind::five, 0, 4},  {PoolKind::six, 0, 4},
                        {PoolKind::seven, 0, 4}, {PoolKind::eight, 0, 4}, {PoolKind::ten, 0, 2}};

// Down to the last phase, whose enemies then take any number of hits.
void to_last_phase(StageRunner& stage) {
    for (int i = 0; i < 40000 && stage.wave_phase < 4; ++i) {
        for (const Group& group : every_pool)
            for_each_in_pool(group, [](auto& pool, int k) {
                auto& record = pool[k];
                bool in_view = true;
                if constexpr (is_train_kind<std::remove_reference_t<decltype(record)>>) in_view = record.entered;
                if (record.in_play && !record.dying && in_view) record.damage = record.hit_points + 1;
            });
        stage.step();
    }
    for (const Group& group : every_pool) for_each_record(group, [](Enemy& r) { r.hit_points = 1 << 28; });
    for (int i = 0; i < 60; ++i) stage.step();
}

// Straight to Boss10's mark, through its talk and 300 steps into the fight.
void to_final_fight(StageTen& stage) {
    for (int i = 0; i < 200; ++i) stage.step();
    stage.fight_count = BossRush::earlier_count;
    stage.marks.back() = 0;
    stage.rush().last.set_position(0.0f, 0.0f);
    stage.rush().last.show();
    for (int i = 0; i < 4000 && !stage.boss_fight; ++i) {
        key[key_text_advance] = i % 2;
        stage.step();
    }
    key[key_text_advance] = 0;
    for (int i = 0; i < 300; ++i) stage.step();
}

std::unique_ptr<StageRunner> ready(std::unique_ptr<StageRunner> stage) {
    stage->set_up();
    if (auto* ten = dynamic_cast<StageTen*>(stage.get()))
        to_final_fight(*ten);
    else
        to_last_phase(*stage);
    return stage;
}

void BM_LaterStageFrame(benchmark::State& state) {
    std::unique_ptr<StageRunner> stage;
    switch (state.range(0)) {
    case 6: stage = ready(std::make_unique<StageSix>()); break;
    case 7: stage = ready(std::make_unique<StageSeven>()); break;
    case 8: stage = ready(std::make_unique<StageEight>()); break;
    case 9: stage = ready(std::make_unique<StageNine>()); break;
    default: stage = ready(std::make_unique<StageTen>()); break;
    }
    key[key_shoot] = 1;
    for (auto _ : state) {
        stage->step();
        stage->draw();
    }
    key[key_shoot] = 0;
    state.counters["phase"] = stage->wave_phase;
    state.counters["enemies"] = enemy_count;
    stage->finish();
}

BENCHMARK(BM_LaterStageFrame)->DenseRange(6, 10)->Unit(benchmark::kMicrosecond);

}  // namespace

// Everything loads from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    start_game();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
