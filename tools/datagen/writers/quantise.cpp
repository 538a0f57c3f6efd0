// Variance-based median cut over 6-bit colours, weighted by how often each colour occurs. Pictures with at most
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

// Channel weights of the colour distance: green counts most for the eye, blue least.
constexpr double weight[3] = {3, 4, 2};

struct Sums {
    double n = 0, s[3] = {0, 0, 0}, q[3] = {0, 0, 0};
    void add(const Colour6& c) {
        n += c.count;
        for (int a = 0; a < 3; ++a) s[a] += double(c.c[a]) * c.count, q[a] += double(c.c[a]) * c.c[a] * c.count;
    }
    double error() const {  // weighted sum of squared distances to the mean
        if (n == 0) return 0;
        double e = 0;
        for (int a = 0; a < 3; ++a) e += weight[a] * (q[a] - s[a] * s[a] / n);
        return e;
    }
    Sums minus(const Sums& o) const {
        Sums d = *this;
        d.n -= o.n;
        for (int a = 0; a < 3; ++a) d.s[a] -= o.s[a], d.q[a] -= o.q[a];
        return d;
    }
};

struct Box {
    size_t begin, end;  // range in the colour list
    Sums sums;
};

Box make_box(size_t begin, size_t end, const std::vector<Colour6>& colours) {
    Box box{begin, end, {}};
    for (size_t i = begin; i < end; ++i) box.sums.add(colours[i]);
    return box;
}

double priority(const Box& b) { return b.end - b.begin < 2 ? -1.0 : b.sums.error(); }

// Splits the box along its widest spread where the two halves' summed error is least.
std::pair<Box, Box> split(const Box& box, std::vector<Colour6>& colours) {
    int axis = 0;
    double spread = -1;
    for (int a = 0; a < 3; ++a) {
        double v = weight[a] * (box.sums.q[a] - box.sums.s[a] * box.sums.s[a] / box.sums.n);
        if (v > spread) spread = v, axis = a;
    }
    std::sort(colours.begin() + static_cast<long>(box.begin), colours.begin() + static_cast<long>(box.end),
              [axis](const Colour6& a, const Colour6& b) {
                  return a.c[axis] != b.c[axis] ? a.c[axis] < b.c[axis] : packed(a) < packed(b);
              });
    Sums low;
    size_t best = box.begin + 1;
    double best_error = -1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        low.add(colours[i]);
        double e = low.error() + box.sums.minus(low).error();
        if (best_error < 0 || e < best_error) best_error = e, best = i + 1;
    }
    return {make_box(box.begin, best, colours), make_box(best, box.end, colours)};
}

std::vector<Rgb> median_cut(std::vector<Colour6>& colours) {
    std::vector<Box> boxes{make_box(0, colours.size(), colours)};
    while (static_cast<int>(boxes.size()) < max_opaque) {
        auto it = std::max_element(boxes.begin(), boxes.end(),
                                   [](const Box& a, const Box& b) { return priority(a) < priority(b); });
        if (priority(*it) <= 0) break;
        auto [low, high] = split(*it, colours);
        *it = low;
        boxes.push_back(high);
    }
    std::vector<Rgb> palette;
    for (const Box& b : boxes) {
        uint8_t c[3];
        for (int a = 0; a < 3; ++a) c[a] = expand6(static_cast<int>(std::lround(b.sums.s[a] / b.sums.n)));
        palette.push_back(Rgb{c[0], c[1], c[2]});
    }
    return palette;
}

int nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 1;
    long best_d = -1;
    for (size_t i = 1; i < palette.size(); ++i) {
        long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;  // the weights above
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
