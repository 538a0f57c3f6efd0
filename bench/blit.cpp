// trans_blit and fade_blit over a 640x480 16-bit frame, beside Allegro's blender path doing the
// same blends (draw_trans_sprite, draw_lit_sprite with set_trans_blender) and a plain blit.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>
#include <random>

#include "engine/blit.h"

namespace {

struct Frames {
    BITMAP* source;
    BITMAP* dest;
    Frames() {
        source = create_bitmap(640, 480);
        dest = create_bitmap(640, 480);
        std::mt19937 rng(1);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                putpixel(source, x, y, rng() % 16 == 0 ? bitmap_mask_color(source) : makecol(x % 256, y % 256, rng() % 256));
                putpixel(dest, x, y, makecol(rng() % 256, y % 256, x % 256));
            }
    }
};

Frames& frames() {
    static Frames f;
    return f;
}

void count_pixels(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_blit(benchmark::State& state) {
    Frames& f = frames();
    for (auto _ : state) blit(f.source, f.dest, 0, 0, 0, 0, 640, 480);
    count_pixels(state);
}

// The second argument: 1 for AVX2's wide vectors (when the processor has them), 0 for the narrow
// ones every x86-64 has.
void use_vectors(benchmark::State& state) {
    static const bool processor_default = blend_wide_vectors;
    blend_wide_vectors = processor_default && state.range(1);
}

void BM_trans_blit(benchmark::State& state) {
    Frames& f = frames();
    use_vectors(state);
    for (auto _ : state) trans_blit(f.source, f.dest, 0, 0, static_cast<int>(state.range(0)));
    count_pixels(state);
}

void BM_allegro_draw_trans_sprite(benchmark::State& state) {
    Frames& f = frames();
    set_trans_blender(0, 0, 0, static_cast<int>(state.range(0)));
    for (auto _ : state) draw_trans_sprite(f.dest, f.source, 0, 0);
    count_pixels(state);
}

void BM_fade_blit(benchmark::State& state) {
    Frames& f = frames();
    int white = makecol(255, 255, 255);
    use_vectors(state);
    for (auto _ : state) fade_blit(f.source, f.dest, 0, 0, white, static_cast<int>(state.range(0)));
    count_pixels(state);
}

// The lit blender mixes each sprite pixel toward the blender's colour by the given amount.
void BM_allegro_draw_lit_sprite(benchmark::State& state) {
    Frames& f = frames();
    set_trans_blender(255, 255, 255, 0);
    int toward_colour = 255 - static_cast<int>(state.range(0));
    for (auto _ : state) draw_lit_sprite(f.dest, f.source, 0, 0, toward_colour);
    count_pixels(state);
}

BENCHMARK(BM_blit);
BENCHMARK(BM_trans_blit)->ArgsProduct({{128, 100}, {1, 0}});
BENCHMARK(BM_allegro_draw_trans_sprite)->Arg(128)->Arg(100);
BENCHMARK(BM_fade_blit)->ArgsProduct({{100}, {1, 0}});
BENCHMARK(BM_allegro_draw_lit_sprite)->Arg(100);

}  // namespace

int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) return 1;
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
