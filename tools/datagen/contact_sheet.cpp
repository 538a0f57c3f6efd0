// Shelf packing, widest sheet 3000 px (the widest strip fits), labels in DejaVu Sans.
#include "contact_sheet.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <map>
#include <mutex>
#include <unistd.h>

#include "fonts/text.h"
#include "runner.h"
#include "writers/writers.h"

namespace datagen {

namespace {

namespace fs = std::filesystem;

constexpr int sheet_width = 3000, gap = 10, label_size = 11;
constexpr Rgb sheet_ground{40, 44, 52}, label_ink{230, 230, 230};

Rgb checker(int x, int y) { return ((x / 4 + y / 4) & 1) ? Rgb{70, 70, 78} : Rgb{58, 58, 66}; }

void stamp_text(Image& sheet, int x, int y, const std::string& text) {
    Coverage c = text_coverage(Face::sans, label_size, text);
    for (int ty = 0; ty < c.height; ++ty)
        for (int tx = 0; tx < c.width; ++tx) {
            int sx = x + tx, sy = y + ty, a = c.at(tx, ty);
            if (a == 0 || sx >= sheet.width || sy >= sheet.height) continue;
            Rgb& p = sheet.at(sx, sy);
            auto mix = [a](int from, int to) { return static_cast<uint8_t>(from + (to - from) * a / 255); };
            p = Rgb{mix(p.r, label_ink.r), mix(p.g, label_ink.g), mix(p.b, label_ink.b)};
        }
}

}  // namespace

bool make_contact_sheet(const JobList& jobs, const fs::path& out) {
    fs::path scratch = fs::temp_directory_path() / ("datagen-sheet-" + std::to_string(getpid()));
    std::mutex lock;
    std::map<std::string, Image> pictures;  // sorted by label
    std::string prefix = (scratch / "").string();
    set_picture_observer([&](const std::string& label, const Image& image) {
        std::lock_guard<std::mutex> hold(lock);
        std::string name = label.rfind(prefix, 0) == 0 ? label.substr(prefix.size()) : label;
        size_t partial = name.find(partial_suffix);
        if (partial != std::string::npos) name.erase(partial, std::strlen(partial_suffix));
        pictures[name] = image;
    });
    bool ok = run_jobs(jobs, scratch);
    set_picture_observer(nullptr);
    fs::remove_all(scratch);
    if (!ok) return false;

    int label_height = text_coverage(Face::sans, label_size, "Ag").height;
    struct Tile {
        const std::string* label;
        const Image* image;
        int x, y;
    };
    std::vector<Tile> tiles;
    int x = gap, y = gap, shelf = 0;
    for (const auto& [label, image] : pictures) {
        int w = std::max(image.width, text_coverage(Face::sans, label_size, label).width);
        if (x + w + gap > sheet_width && x > gap) x = gap, y += shelf + gap, shelf = 0;
        tiles.push_back({&label, &image, x, y});
        x += w + gap;
        shelf = std::max(shelf, label_height + 2 + image.height);
    }
    Image sheet(sheet_width, y + shelf + gap, sheet_ground);
    for (const Tile& t : tiles) {
        stamp_text(sheet, t.x, t.y, *t.label);
        int top = t.y + label_height + 2;
        for (int py = 0; py < t.image->height; ++py)
            for (int px = 0; px < t.image->width && t.x + px < sheet.width; ++px) {
                Rgb p = t.image->at(px, py);
                sheet.at(t.x + px, top + py) = p == mask_colour ? checker(px, py) : p;
            }
    }
    std::printf("contact sheet: %zu pictures, %dx%d\n", pictures.size(), sheet.width, sheet.height);
    return write_png(out, sheet);
}

}  // namespace datagen
