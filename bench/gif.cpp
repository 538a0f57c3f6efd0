// Every GIF of the data tree read to a 16-bit bitmap, file by file, by the engine's reader and by
// giflib's DGifSlurp followed by the same conversion (the colour table to 16-bit pixels, the
// transparent index to the mask colour). At the end each file's ratio, giflib's time over ours,
// and the slowest. Run from the data tree (build/game) or set VOIDMARCH_DATA; with
// --benchmark_repetitions the ratios are of the medians.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/gif.h"

namespace {

struct File {
    std::string path;
    std::vector<uint8_t> bytes;
};

std::vector<File> tree_gifs() {
    std::vector<File> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("."))
        if (entry.is_regular_file() && entry.path().extension() == ".gif") files.push_back({entry.path().string().substr(2), {}});
    std::sort(files.begin(), files.end(), [](const File& a, const File& b) { return a.path < b.path; });
    for (File& f : files) {
        std::ifstream in(f.path, std::ios::binary);
        f.bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

BITMAP* ours(const File& file) {
    PALETTE palette;
    return load_memory_gif(file.bytes.data(), file.bytes.size(), palette);
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

// The first image as the game takes it: Allegro's conversion of each 6-bit palette entry, the
// transparent index as the mask colour.
BITMAP* sixteen_bits(GifFileType* gif) {
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    uint16_t table[256] = {};
    for (int i = 0; map && i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        table[i] = static_cast<uint16_t>(
            makecol16(_rgb_scale_6[c.Red >> 2], _rgb_scale_6[c.Green >> 2], _rgb_scale_6[c.Blue >> 2]));
    }
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK && control.TransparentColor >= 0)
        table[control.TransparentColor] = MASK_COLOR_16;
    int w = image.ImageDesc.Width, h = image.ImageDesc.Height;
    BITMAP* bitmap = create_bitmap_ex(16, w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint16_t*>(bitmap->line[y]);
        const GifByteType* indices = image.RasterBits + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x) row[x] = table[indices[x]];
    }
    return bitmap;
}

BITMAP* giflib(const File& file) {
    Reader reader{&file.bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, read_memory, &error);
    BITMAP* bitmap = gif && DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 ? sixteen_bits(gif) : nullptr;
    DGifCloseFile(gif, &error);
    return bitmap;
}

bool same_pixels(BITMAP* a, BITMAP* b) {
    if (!a || !b || a->w != b->w || a->h != b->h) return false;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(a->line[y], b->line[y], static_cast<size_t>(a->w) * 2) != 0) return false;
    return true;
}

void BM_read(benchmark::State& state, const File* file, BITMAP* (*read)(const File&)) {
    BITMAP* reference = giflib(*file);
    BITMAP* check = ours(*file);
    if (!same_pixels(reference, check)) state.SkipWithError("the decodes differ");
    destroy_bitmap(reference);
    destroy_bitmap(check);
    for (auto _ : state) destroy_bitmap(read(*file));
}

// Prints as the console does, keeping each run's processor time (the median's, when repeated).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                cpu_time[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    std::map<std::string, double> cpu_time;
};

}  // namespace

int main(int argc, char** argv) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) return 1;
    if (const char* data = std::getenv("VOIDMARCH_DATA"); data && chdir(data) != 0) return 2;
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    const std::vector<File> files = tree_gifs();
    if (files.empty()) return 2;
    for (const File& f : files) {
        benchmark::RegisterBenchmark(("giflib/" + f.path).c_str(), BM_read, &f, giflib)->MinTime(0.05);
        benchmark::RegisterBenchmark(("ours/" + f.path).c_str(), BM_read, &f, ours)->MinTime(0.05);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::vector<std::pair<double, std::string>> ratios;
    for (const File& f : files) {
        auto theirs = reporter.cpu_time.find("giflib/" + f.path), mine = reporter.cpu_time.find("ours/" + f.path);
        if (theirs != reporter.cpu_time.end() && mine != reporter.cpu_time.end() && mine->second > 0)
            ratios.emplace_back(theirs->second / mine->second, f.path);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("\ngiflib's time over ours, %zu files:\n", ratios.size());
    for (const auto& [ratio, path] : ratios) std::printf("%6.2f  %s\n", ratio, path.c_str());
    if (!ratios.empty()) std::printf("slowest ratio: %.2f (%s)\n", ratios.front().first, ratios.front().second.c_str());
    return 0;
}
