#include "draw/geometry.h"

namespace datagen::draw {

Points mirrored(const Points& left_half, float axis_x) {
    Points out = left_half;
    for (auto it = left_half.rbegin(); it != left_half.rend(); ++it) {
        const Vec2 m{2 * axis_x - it->x, it->y};
        if (std::abs(m.x - it->x) > 1e-4f) out.push_back(m);  // points on the axis appear once
    }
    return out;
}

Points transformed(const Points& points, const Affine& m) {
    Points out;
    out.reserve(points.size());
    for (Vec2 p : points) out.push_back(m(p));
    return out;
}

}  // namespace datagen::draw
