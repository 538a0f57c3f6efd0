// A drawn frame of stage six's backdrop (100 falling stars, 50 scaled rocks), and one logic step
// of the fullest KV1 stage: all 130 records in play with their shots out, the ship's three shots
// in flight.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "enemies/backdrop.h"
#include "enemies/pools.h"
#include "enemies/stars.h"
#include "game_world.h"
#include "engine/slots.h"
#include "player/kv1player.h"

namespace {

BITMAP* solid_picture(int w, int h) {
    BITMAP* picture = create_bitmap(w, h);
    clear_to_color(picture, makecol(120, 140, 160));
    return picture;
}

void BM_StageSixBackdropFrame(benchmark::State& state) {
    meteor_bitmaps[0] = load_bitmap("gfx/objects/meteors/1.gif", nullptr);
    meteor_bitmaps[1] = load_bitmap("gfx/objects/meteors/2.gif", nullptr);
    static ColorStar stars[100];
    static BackdropMeteor rocks[50];
    for (ColorStar& star : stars) star.init(0, 639);
    for (BackdropMeteor& rock : rocks) rock.init(1, 1);
    BITMAP* buffer = create_bitmap(640, 480);
    for (auto _ : state) {
        clear_bitmap(buffer);
        for (ColorStar& star : stars) {
            star.update(5);
            star.draw(buffer);
        }
        for (BackdropMeteor& rock : rocks) {
            rock.update(5, 255.0f);
            rock.draw(buffer);
        }
        benchmark::DoNotOptimize(buffer->line[0][0]);
    }
    destroy_bitmap(buffer);
}
BENCHMARK(BM_StageSixBackdropFrame)->Unit(benchmark::kMicrosecond);

template <class Kind, int n>
void spawn_pool(Kind (&pool)[n], float top, float gap) {
    int i = 0;
    for (Kind& record : pool) {
        record.init(0.0f, 0.0f);
        record.reset();
        record.set_position(10.0f + gap * static_cast<float>(i % 12), top + gap * static_cast<float>(i / 12));
        record.enter_play();
        record.show();
        record.add_hit_points(1 << 30);  // nothing dies while measured
        ++i;
    }
}

// Every record keeps its shots in flight: a volley that has left the field goes out again.
template <class Kind, int n>
void keep_shots_out(Kind (&pool)[n]) {
    for (Kind& record : pool) {
        if (record.bullets_out) continue;
        for (Sprite& bullet : record.bullets) {
            bullet.launch_from(record.x + 20.0f, record.y + 20.0f);
            bullet.active = true;
        }
        record.bullets_out = true;
    }
}

template <class Kind, int n>
void step_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) {
        record.update();
        record.update_bullets();
    }
}

void BM_FullestKv1Step(benchmark::State& state) {
    kv1_enemy_one_strip = solid_picture(3 * 64, 64);
    kv1_enemy_two_strip = kv1_enemy_three_strip = solid_picture(64, 64);
    kv1_enemy_four_strip = solid_picture(25, 28);
    kv1_enemy_one_bullet_strip = kv1_enemy_two_bullet_strip = kv1_enemy_three_bullet_strip =
        kv1_enemy_four_bullet_strip = solid_picture(4, 10);
    spawn_pool(kv1_enemy_one_pool, 0.0f, 52.0f);
    spawn_pool(kv1_enemy_two_pool, 100.0f, 150.0f);
    spawn_pool(kv1_enemy_three_pool, 20.0f, 52.0f);
    spawn_pool(kv1_enemy_four_pool, 40.0f, 52.0f);
    for (int i = 0; i < 4; ++i) kv1_enemy_two_pool[i].place_on_circle(1.5707964f * static_cast<float>(i));

    kv1_player.frames[0] = solid_picture(36, 35);
    kv1_player.x = 302.0f, kv1_player.y = 435.0f;
    kv1_player.bullet_limit = 1;
    BITMAP* shot = solid_picture(6, 12);
    for (auto& group : kv1_player.bullets) group[0].init_bullet(shot, 5.0f, bullet_up, 1, 0, 0);
    for (auto _ : state) {
        for (int g = 0; g < Kv1Player::barrels; ++g) {
            Sprite& bullet = kv1_player.bullets[g][0];
            bullet.x = 100.0f + 200.0f * static_cast<float>(g);
            bullet.y = 300.0f;
            bullet.bitmap = bullet.current_frame();
            bullet.active = true;
        }
        keep_shots_out(kv1_enemy_one_pool);
        keep_shots_out(kv1_enemy_two_pool);
        keep_shots_out(kv1_enemy_three_pool);
        keep_shots_out(kv1_enemy_four_pool);
        step_pool(kv1_enemy_one_pool);
        step_pool(kv1_enemy_two_pool);
        step_pool(kv1_enemy_three_pool);
        step_pool(kv1_enemy_four_pool);
    }
    state.SetItemsProcessed(state.iterations() * (kv1_enemy_one_pool_size + kv1_enemy_two_pool_size +
                                                  kv1_enemy_three_pool_size + kv1_enemy_four_pool_size));
}
BENCHMARK(BM_FullestKv1Step)->Unit(benchmark::kMicrosecond);

}  // namespace

// The stars, rocks, flames and explosions come from the data tree: run from build/game or set
// VOIDMARCH_DATA.
int main(int argc, char** argv) {
    if (!bench_world::start()) return 2;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
