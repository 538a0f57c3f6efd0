// One logic step of a full wave of enemy kinds one to four against a ship with every gun slot in
// flight: the hit tests dominate, one pass over 258 shots per record. Then the busiest wave of the
// later stages (that wave with every train and the ten trio in play, their shots out), and a
// drawn frame of stage five's seven tanks.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <loadpng.h>

#include "enemies/pools.h"
#include "enemies/train_enemy.h"
#include "engine/slots.h"
#include "game_world.h"
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

template <class Kind, int n>
void init_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) record.init(0.0f, 0.0f);
}

template <class Kind>
void update_pool(Kind* pool, int n) {
    for (int i = 0; i < n; ++i) {
        pool[i].scroll(1);
        pool[i].update();
    }
}

constexpr int four_kind_wave = enemy_one_pool_size + enemy_two_pool_size + enemy_three_pool_size + enemy_four_pool_size;

void spawn_four_kind_wave() {
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
}

void step_four_kind_wave() {
    update_pool(enemy_one_pool, enemy_one_pool_size);
    update_pool(enemy_two_pool, enemy_two_pool_size);
    update_pool(enemy_three_pool, enemy_three_pool_size);
    update_pool(enemy_four_pool, enemy_four_pool_size);
}

void BM_WaveStep(benchmark::State& state) {
    spawn_four_kind_wave();
    for (auto _ : state) {
        fly_ship_shots();
        step_four_kind_wave();
    }
    state.SetItemsProcessed(state.iterations() * four_kind_wave);
}
BENCHMARK(BM_WaveStep)->Unit(benchmark::kMicrosecond);

// Where each later kind comes in: trains released at once, the ten in lane `n`, tanks by entry `n`.
void come_in(EnemyFive& record, int) {
    record.place(0.0f, 0.0f);
    record.released = true;
}
void come_in(EnemySix& record, int) {
    record.place(0.0f, 0.0f);
    record.released = true;
}
void come_in(EnemySeven& record, int) { record.released = true; }
void come_in(EnemyEight& record, int) {
    record.place();
    record.released = true;
}
void come_in(EnemyTen& record, int n) { record.set_lane(n); }
void come_in(EnemyEleven& record, int n) { record.set_entry(n); }
void come_in(EnemyTwelve& record, int n) { record.set_entry(n); }

// A record of the later kinds sent in as a stage sends it, unkillable.
template <class Kind>
void send_in(Kind& record, int n) {
    record.reset();
    record.show();
    record.enter_play();
    come_in(record, n);
    record.add_hit_points(1 << 30);
}

// Keeps every record in play with all its shots out, spread down the field.
template <class Kind, int n>
void keep_busy(Kind (&pool)[n]) {
    for (int i = 0; i < n; ++i) {
        Kind& record = pool[i];
        if (!record.in_play) send_in(record, i + 1);
        for (std::size_t b = 0; b < record.bullets.size(); ++b) {
            Sprite& shot = record.bullets[b];
            if (shot.active) continue;
            shot.launch_from(record.x + 20.0f * static_cast<float>(b), record.y + static_cast<float>(record.h));
            shot.active = true;
        }
        record.bullets_out = true;
    }
}

void BM_BusiestWaveStep(benchmark::State& state) {
    spawn_four_kind_wave();
    enemy_five_strip = solid_picture(5 * 94, 94);
    enemy_six_strip = solid_picture(5 * 85, 85);
    enemy_seven_strip = solid_picture(131, 111);
    enemy_eight_strip = solid_picture(5 * 76, 105);
    enemy_ten_strip = solid_picture(117, 117);
    enemy_five_bullet_strip = enemy_six_bullet_strip = enemy_seven_bullet_strip = enemy_eight_bullet_strip =
        enemy_ten_bullet_strip = solid_picture(6, 14);
    init_pool(enemy_five_pool);
    init_pool(enemy_six_pool);
    init_pool(enemy_seven_pool);
    init_pool(enemy_eight_pool);
    init_pool(enemy_ten_pool);
    for (auto _ : state) {
        keep_busy(enemy_five_pool);
        keep_busy(enemy_six_pool);
        keep_busy(enemy_seven_pool);
        keep_busy(enemy_eight_pool);
        keep_busy(enemy_ten_pool);
        fly_ship_shots();
        step_four_kind_wave();
        step_train(enemy_five_pool);
        step_train(enemy_six_pool);
        step_train(enemy_seven_pool);
        step_train(enemy_eight_pool);
        for (EnemyTen& ten : enemy_ten_pool) {
            ten.update();
            ten.update_bullets();
        }
    }
    state.SetItemsProcessed(state.iterations() * (four_kind_wave + 4 * enemy_train_pool_size + enemy_ten_pool_size));
}
BENCHMARK(BM_BusiestWaveStep)->Unit(benchmark::kMicrosecond);

// Stage five's three elevens and four twelves on their way in, every shot out, drawn as a frame.
void BM_TankFrame(benchmark::State& state) {
    enemy_eleven_strip = load_png("gfx/enemies/enemy_eleven/enemy.png", nullptr);
    enemy_twelve_strip = load_png("gfx/enemies/enemy_twelve/enemy.png", nullptr);
    enemy_eleven_bullet_strip = load_bitmap("gfx/enemies/enemy_eleven/bullet.gif", nullptr);
    enemy_twelve_bullet_strip = load_bitmap("gfx/enemies/enemy_twelve/bullet.gif", nullptr);
    if (!enemy_eleven_strip || !enemy_twelve_strip || !enemy_eleven_bullet_strip || !enemy_twelve_bullet_strip) {
        state.SkipWithError("run from build/game: the tanks' pictures come from the data tree");
        return;
    }
    init_pool(enemy_eleven_pool);
    init_pool(enemy_twelve_pool);
    const int twelve_entries[enemy_twelve_pool_size] = {2, 4, 5, 6};
    for (int i = 0; i < enemy_eleven_pool_size; ++i) send_in(enemy_eleven_pool[i], i + 1);
    for (int i = 0; i < enemy_twelve_pool_size; ++i) send_in(enemy_twelve_pool[i], twelve_entries[i]);
    for (int step = 0; step < 60; ++step) {
        for (EnemyEleven& tank : enemy_eleven_pool) tank.update();
        for (EnemyTwelve& tank : enemy_twelve_pool) tank.update();
    }
    keep_busy(enemy_eleven_pool);
    keep_busy(enemy_twelve_pool);
    BITMAP* frame = create_bitmap(640, 480);
    for (auto _ : state) {
        clear_bitmap(frame);
        for (EnemyEleven& tank : enemy_eleven_pool) tank.draw(frame);
        for (EnemyTwelve& tank : enemy_twelve_pool) tank.draw(frame);
        benchmark::DoNotOptimize(frame->line[0][0]);
    }
    destroy_bitmap(frame);
    state.SetItemsProcessed(state.iterations() * (enemy_eleven_pool_size + enemy_twelve_pool_size));
}
BENCHMARK(BM_TankFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

// The explosions' art comes from the data tree: run from build/game or set VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
