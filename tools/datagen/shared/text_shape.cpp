// The letters are rasterised at four times the size, and an exact Euclidean distance transform
// of that picture gives smooth distances, so bevels and outlines light evenly along every curve.
#include "shared/text_shape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace datagen {

namespace {

constexpr int detail = 4;  // rasterising scale
constexpr double far_away = 1e20;

// Felzenszwalb and Huttenlocher's squared distance transform along one line: the lower envelope
// of the parabolas rooted at each cell.
void distance_1d(std::vector<double>& f, int n, int stride, size_t start) {
    std::vector<double> d(n), z(n + 1);
    std::vector<int> v(n);
    auto at = [&](int q) { return f[start + static_cast<size_t>(q) * stride]; };
    auto meet = [&](int q, int r) { return ((at(q) + double(q) * q) - (at(r) + double(r) * r)) / (2.0 * (q - r)); };
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    for (int q = 1; q < n; ++q) {
        double s = meet(q, v[k]);
        while (s <= z[k]) s = meet(q, v[--k]);
        v[++k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + at(v[k]);
    }
    for (int q = 0; q < n; ++q) f[start + static_cast<size_t>(q) * stride] = d[q];
}

// Squared distance from every cell to the nearest cell where `target` holds.
std::vector<double> squared_distances(const std::vector<bool>& target, int w, int h) {
    std::vector<double> f(target.size());
    for (size_t i = 0; i < f.size(); ++i) f[i] = target[i] ? 0 : far_away;
    for (int x = 0; x < w; ++x) distance_1d(f, h, w, static_cast<size_t>(x));
    for (int y = 0; y < h; ++y) distance_1d(f, w, 1, static_cast<size_t>(y) * w);
    return f;
}

struct Field {
    int width, height;
    draw::Vec2 origin;  // picture position of cell (0, 0)'s centre
    std::vector<float> d;  // signed, in picture pixels

    float sample(draw::Vec2 p) const {
        float fx = (p.x - origin.x) * detail, fy = (p.y - origin.y) * detail;
        float cx = std::clamp(fx, 0.0f, float(width - 1)), cy = std::clamp(fy, 0.0f, float(height - 1));
        int x0 = std::min(int(cx), width - 2), y0 = std::min(int(cy), height - 2);
        float tx = cx - x0, ty = cy - y0;
        auto at = [this](int x, int y) { return d[static_cast<size_t>(y) * width + x]; };
        float v = (at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx) * (1 - ty) +
                  (at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx) * ty;
        return v + std::hypot(fx - cx, fy - cy) / detail;  // beyond the grid: further still
    }
};

}  // namespace

draw::Shape text_shape(Face face, int pixel_size, const std::string& text, draw::Vec2 centre, int spacing, int reach) {
    Coverage c = text_coverage(face, pixel_size * detail, text, spacing * detail);
    int pad = (reach + 1) * detail, w = c.width + 2 * pad, h = c.height + 2 * pad;
    std::vector<bool> inside(static_cast<size_t>(w) * h), outside(inside.size());
    int top = h, bottom = 0, left = w, right = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool in = c.at(x - pad, y - pad) >= 128;
            inside[static_cast<size_t>(y) * w + x] = in;
            outside[static_cast<size_t>(y) * w + x] = !in;
            if (in) top = std::min(top, y), bottom = std::max(bottom, y + 1), left = std::min(left, x), right = std::max(right, x + 1);
        }
    std::vector<double> to_ink = squared_distances(inside, w, h), to_space = squared_distances(outside, w, h);

    auto field = std::make_shared<Field>();
    field->width = w;
    field->height = h;
    field->d.resize(inside.size());
    for (size_t i = 0; i < inside.size(); ++i)
        field->d[i] = static_cast<float>((inside[i] ? 0.5 - std::sqrt(to_space[i]) : std::sqrt(to_ink[i]) - 0.5) / detail);
    // Centre on the ink, snapped to whole pixels.
    draw::Vec2 ink_centre{(left + right) / 2.0f / detail, (top + bottom) / 2.0f / detail};
    draw::Vec2 shift{std::round(centre.x - ink_centre.x), std::round(centre.y - ink_centre.y)};
    field->origin = {shift.x + 0.5f / detail, shift.y + 0.5f / detail};
    draw::Box bounds{shift.x + float(left) / detail, shift.y + float(top) / detail, shift.x + float(right) / detail,
                     shift.y + float(bottom) / detail};
    return draw::Shape([field](draw::Vec2 p) { return field->sample(p); }, bounds);
}

}  // namespace datagen
