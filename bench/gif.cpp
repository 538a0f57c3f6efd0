// GIF decoding beside giflib on the same files, made by ImageMagick: a 640x480 picture and a
// 2000-pixel-wide strip. Ours runs to an 8-bit bitmap (what giflib gives: indices) and to the
// game's 16 bits.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/gif.h"

namespace {

struct File {
    const char* name;
    const char* convert_arguments;
    std::vector<uint8_t> bytes;
};

File files[] = {
    {"picture_640x480", "-seed 3 -size 640x480 plasma: -colors 256", {}},
    {"strip_2000x64", "-seed 4 -size 2000x64 plasma: -colors 64", {}},
};

bool make_files() {
    std::string dir = "/tmp/bench_gif_" + std::to_string(getpid());
    if (std::system(("mkdir -p " + dir).c_str()) != 0) return false;
    for (File& f : files) {
        std::string path = dir + "/" + f.name + ".gif";
        if (std::system(("convert " + std::string(f.convert_arguments) + " " + path).c_str()) != 0) return false;
        std::ifstream in(path, std::ios::binary);
        f.bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    return std::system(("rm -rf " + dir).c_str()) == 0;
}

void BM_load_memory_gif(benchmark::State& state, const File* file, int conversion) {
    set_color_conversion(conversion);
    PALETTE palette;
    for (auto _ : state) {
        BITMAP* b = load_memory_gif(file->bytes.data(), file->bytes.size(), palette);
        if (!b) state.SkipWithError("not decoded");
        destroy_bitmap(b);
    }
    set_color_conversion(COLORCONV_TOTAL);
}

struct Reader {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

int read_memory(GifFileType* gif, GifByteType* out, int n) {
    auto* r = static_cast<Reader*>(gif->UserData);
    size_t count = std::min<size_t>(n, r->bytes->size() - r->at);
    std::memcpy(out, r->bytes->data() + r->at, count);
    r->at += count;
    return static_cast<int>(count);
}

void BM_giflib(benchmark::State& state, const File* file) {
    for (auto _ : state) {
        Reader reader{&file->bytes, 0};
        int error = 0;
        GifFileType* gif = DGifOpen(&reader, read_memory, &error);
        if (!gif || DGifSlurp(gif) != GIF_OK) state.SkipWithError("not decoded");
        DGifCloseFile(gif, &error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0 || !make_files()) return 1;
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    for (const File& f : files) {
        benchmark::RegisterBenchmark((std::string("giflib/") + f.name).c_str(), BM_giflib, &f);
        benchmark::RegisterBenchmark((std::string("ours_8bit/") + f.name).c_str(), BM_load_memory_gif, &f, COLORCONV_NONE);
        benchmark::RegisterBenchmark((std::string("ours_16bit/") + f.name).c_str(), BM_load_memory_gif, &f, COLORCONV_TOTAL);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
