// Median cut over 6-bit colours, weighted by how often each colour occurs. Pictures with at most
// 255 distinct 6-bit colours keep them all exactly.
#include "quantise.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "writers.h"

namespace datagen {

namespace {

constexpr int max_opaque = 255;

struct Colour6 {
    int c[3];
    uint32_t count;
};

uint32_t key6(Rgb c) { return static_cast<uint32_t>((c.r >> 2) << 12 | (c.g >> 2) << 6 | (c.b >> 2)); }

int packed(const Colour6& c) { return c.c[0] << 12 | c.c[1] << 6 | c.c[2]; }

uint8_t expand6(int v) { return static_cast<uint8_t>(v << 2 | v >> 4); }

struct Box {
    size_t begin, end;  // range in the colour list
    int axis = 0, extent = 0;
    uint64_t population = 0;
};

void measure(Box& box, const std::vector<Colour6>& colours) {
    int lo[3] = {63, 63, 63}, hi[3] = {0, 0, 0};
    box.population = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], colours[i].c[a]), hi[a] = std::max(hi[a], colours[i].c[a]);
        box.population += colours[i].count;
    }
    box.axis = 0;
    box.extent = -1;
    for (int a = 0; a < 3; ++a) {
        // Green weighs most for the eye, blue least.
        static const int weight[3] = {3, 4, 2};
        int e = (hi[a] - lo[a]) * weight[a];
        if (e > box.extent) box.extent = e, box.axis = a;
    }
}

double priority(const Box& b) {
    return b.end - b.begin < 2 ? -1.0 : b.extent * std::sqrt(static_cast<double>(b.population));
}

std::vector<Rgb> median_cut(std::vector<Colour6>& colours) {
    std::vector<Box> boxes{{0, colours.size()}};
    measure(boxes[0], colours);
    while (static_cast<int>(boxes.size()) < max_opaque) {
        auto it = std::max_element(boxes.begin(), boxes.end(),
                                   [](const Box& a, const Box& b) { return priority(a) < priority(b); });
        if (priority(*it) < 0) break;
        Box box = *it;
        int axis = box.axis;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end, [axis](const Colour6& a, const Colour6& b) {
            if (a.c[axis] != b.c[axis]) return a.c[axis] < b.c[axis];
            return packed(a) < packed(b);
        });
        uint64_t half = box.population / 2, seen = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += colours[i].count;
            split = i + 1;
            if (seen >= half) break;
        }
        Box low{box.begin, split}, high{split, box.end};
        measure(low, colours);
        measure(high, colours);
        *it = low;
        boxes.push_back(high);
    }
    std::vector<Rgb> palette;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        for (size_t i = b.begin; i < b.end; ++i)
            for (int a = 0; a < 3; ++a) sum[a] += static_cast<double>(colours[i].c[a]) * colours[i].count;
        int c[3];
        for (int a = 0; a < 3; ++a) c[a] = static_cast<int>(std::lround(sum[a] / static_cast<double>(b.population)));
        palette.push_back(Rgb{expand6(c[0]), expand6(c[1]), expand6(c[2])});
    }
    return palette;
}

int nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 1;
    long best_d = -1;
    for (size_t i = 1; i < palette.size(); ++i) {
        long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best_d < 0 || d < best_d) best = static_cast<int>(i), best_d = d;
    }
    return best;
}

}  // namespace

IndexedImage quantise(const Image& image) {
    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.pixels.resize(image.pixels.size());

    std::unordered_map<uint32_t, uint32_t> counts;
    for (Rgb p : image.pixels) {
        if (p == mask_colour) out.has_mask = true;
        else ++counts[key6(keep_off_mask(p))];
    }
    std::vector<Colour6> colours;
    colours.reserve(counts.size());
    for (const auto& [k, n] : counts) colours.push_back({{int(k >> 12), int(k >> 6 & 63), int(k & 63)}, n});
    std::sort(colours.begin(), colours.end(), [](const Colour6& a, const Colour6& b) { return packed(a) < packed(b); });

    std::vector<Rgb> opaque;
    if (static_cast<int>(colours.size()) <= max_opaque) {
        for (const Colour6& c : colours) opaque.push_back(Rgb{expand6(c.c[0]), expand6(c.c[1]), expand6(c.c[2])});
    } else {
        opaque = median_cut(colours);
    }

    out.palette.assign(256, Rgb{0, 0, 0});
    out.palette[0] = mask_colour;
    for (size_t i = 0; i < opaque.size(); ++i) out.palette[i + 1] = keep_off_mask(opaque[i]);
    std::vector<Rgb> used(out.palette.begin(), out.palette.begin() + static_cast<long>(opaque.size()) + 1);

    std::unordered_map<uint32_t, uint8_t> lookup;
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        Rgb p = image.pixels[i];
        if (p == mask_colour) {
            out.pixels[i] = 0;
            continue;
        }
        uint32_t k = key6(keep_off_mask(p));
        auto found = lookup.find(k);
        if (found == lookup.end()) {
            Rgb c6{expand6(int(k >> 12)), expand6(int(k >> 6 & 63)), expand6(int(k & 63))};
            found = lookup.emplace(k, static_cast<uint8_t>(nearest(used, c6))).first;
        }
        out.pixels[i] = found->second;
    }
    return out;
}

}  // namespace datagen
