#include "shared/text_shape.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace datagen {

namespace {

struct Field {
    int width, height;
    draw::Vec2 origin;  // picture position of cell (0, 0)'s centre
    std::vector<float> d;

    float sample(draw::Vec2 p) const {
        float fx = p.x - origin.x, fy = p.y - origin.y;
        float cx = std::clamp(fx, 0.0f, float(width - 1)), cy = std::clamp(fy, 0.0f, float(height - 1));
        int x0 = std::min(int(cx), width - 2), y0 = std::min(int(cy), height - 2);
        float tx = cx - x0, ty = cy - y0;
        auto at = [this](int x, int y) { return d[static_cast<size_t>(y) * width + x]; };
        float v = (at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx) * (1 - ty) +
                  (at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx) * ty;
        return v + std::hypot(fx - cx, fy - cy);  // beyond the grid: further still
    }
};

// Signed distance to the nearest pixel of the other side, searched within `reach`; pixels on the
// edge take their distance from their coverage, so the edge stays antialiased.
std::shared_ptr<Field> distance_field(const Coverage& c, int reach, draw::Vec2 top_left) {
    auto f = std::make_shared<Field>();
    f->width = c.width + 2 * reach;
    f->height = c.height + 2 * reach;
    f->origin = {top_left.x - reach + 0.5f, top_left.y - reach + 0.5f};
    f->d.resize(static_cast<size_t>(f->width) * f->height);
    auto inside = [&c, reach](int x, int y) { return c.at(x - reach, y - reach) >= 128; };
    for (int y = 0; y < f->height; ++y)
        for (int x = 0; x < f->width; ++x) {
            bool in = inside(x, y);
            int best = (reach + 1) * (reach + 1);
            for (int oy = -reach; oy <= reach; ++oy)
                for (int ox = -reach; ox <= reach; ++ox) {
                    int d2 = ox * ox + oy * oy;
                    if (d2 < best && inside(x + ox, y + oy) != in) best = d2;
                }
            float d = std::sqrt(float(best)) - 0.5f;
            float edge = 0.5f - c.at(x - reach, y - reach) / 255.0f;
            f->d[static_cast<size_t>(y) * f->width + x] = d < 1.0f ? edge : (in ? -d : d);
        }
    return f;
}

}  // namespace

draw::Shape text_shape(Face face, int pixel_size, const std::string& text, draw::Vec2 centre, int spacing, int reach) {
    Coverage c = text_coverage(face, pixel_size, text, spacing);
    // Centre on the ink, not on the line box.
    int top = c.height, bottom = 0, left = c.width, right = 0;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.at(x, y) > 0) top = std::min(top, y), bottom = std::max(bottom, y + 1), left = std::min(left, x),
                                right = std::max(right, x + 1);
    draw::Vec2 top_left{std::round(centre.x - (left + right) / 2.0f), std::round(centre.y - (top + bottom) / 2.0f)};
    auto field = distance_field(c, reach, top_left);
    draw::Box bounds{top_left.x + left, top_left.y + top, top_left.x + right, top_left.y + bottom};
    return draw::Shape([field](draw::Vec2 p) { return field->sample(p); }, bounds);
}

}  // namespace datagen
