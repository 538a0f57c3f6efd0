#include "draw/shape.h"

#include <algorithm>
#include <cmath>

namespace datagen::draw {

namespace {

Box unite(Box a, Box b) { return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)}; }
Box intersect(Box a, Box b) { return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)}; }
Box inflate(Box b, float d) { return {b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d}; }

Box bounds_of(const Points& pts) {
    Box b{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (Vec2 p : pts) b = unite(b, {p.x, p.y, p.x, p.y});
    return b;
}

}  // namespace

Vec2 Shape::normal(Vec2 p) const {
    constexpr float h = 0.5f;
    const Vec2 g{distance({p.x + h, p.y}) - distance({p.x - h, p.y}), distance({p.x, p.y + h}) - distance({p.x, p.y - h})};
    return normalised(g);
}

Shape circle(Vec2 c, float r) {
    return Shape([c, r](Vec2 p) { return length(p - c) - r; }, {c.x - r, c.y - r, c.x + r, c.y + r});
}

Shape ellipse(Vec2 c, float rx, float ry) {
    // A close approximation of the true distance, exact on the edge.
    return Shape(
        [c, rx, ry](Vec2 p) {
            const Vec2 q = p - c;
            const float k0 = length({q.x / rx, q.y / ry});
            const float k1 = length({q.x / (rx * rx), q.y / (ry * ry)});
            if (k1 < 1e-6f) return -std::min(rx, ry);
            return k0 * (k0 - 1) / k1;
        },
        {c.x - rx, c.y - ry, c.x + rx, c.y + ry});
}

Shape rect(Vec2 lo, Vec2 hi, float r) {
    const Vec2 c = (lo + hi) * 0.5f, half = (hi - lo) * 0.5f;
    return Shape(
        [c, half, r](Vec2 p) {
            const Vec2 q{std::abs(p.x - c.x) - half.x + r, std::abs(p.y - c.y) - half.y + r};
            return length({std::max(q.x, 0.0f), std::max(q.y, 0.0f)}) + std::min(std::max(q.x, q.y), 0.0f) - r;
        },
        {lo.x, lo.y, hi.x, hi.y});
}

Shape polygon(const Points& pts) {
    return Shape(
        [pts](Vec2 p) {
            float d = dot(p - pts[0], p - pts[0]);
            float s = 1;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i, ++i) {
                const Vec2 e = pts[j] - pts[i], w = p - pts[i];
                const float t = std::clamp(dot(w, e) / std::max(dot(e, e), 1e-12f), 0.0f, 1.0f);
                const Vec2 b = w - e * t;
                d = std::min(d, dot(b, b));
                const bool c1 = p.y >= pts[i].y, c2 = p.y < pts[j].y, c3 = e.x * w.y > e.y * w.x;
                if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
            }
            return s * std::sqrt(d);
        },
        bounds_of(pts));
}

Shape capsule(Vec2 a, Vec2 b, float width) {
    const float r = width / 2;
    Box box = unite({a.x, a.y, a.x, a.y}, {b.x, b.y, b.x, b.y});
    return Shape(
        [a, b, r](Vec2 p) {
            const Vec2 pa = p - a, ba = b - a;
            const float t = std::clamp(dot(pa, ba) / std::max(dot(ba, ba), 1e-12f), 0.0f, 1.0f);
            return length(pa - ba * t) - r;
        },
        inflate(box, r));
}

Shape ring(Vec2 c, float radius, float width) { return outline(circle(c, radius), width); }

Shape operator|(const Shape& a, const Shape& b) {
    return Shape([a, b](Vec2 p) { return std::min(a.distance(p), b.distance(p)); }, unite(a.bounds(), b.bounds()));
}

Shape operator&(const Shape& a, const Shape& b) {
    return Shape([a, b](Vec2 p) { return std::max(a.distance(p), b.distance(p)); }, intersect(a.bounds(), b.bounds()));
}

Shape operator-(const Shape& a, const Shape& b) {
    return Shape([a, b](Vec2 p) { return std::max(a.distance(p), -b.distance(p)); }, a.bounds());
}

Shape grown(const Shape& s, float d) {
    return Shape([s, d](Vec2 p) { return s.distance(p) - d; }, inflate(s.bounds(), std::max(d, 0.0f)));
}

Shape outline(const Shape& s, float width) {
    const float h = width / 2;
    return Shape([s, h](Vec2 p) { return std::abs(s.distance(p)) - h; }, inflate(s.bounds(), h));
}

Shape transformed(const Shape& s, const Affine& m) {
    const Affine inv = m.inverse();
    const float k = m.min_scale();
    const Box b = s.bounds();
    const Points corners = transformed(Points{{b.x0, b.y0}, {b.x1, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}}, m);
    return Shape([s, inv, k](Vec2 p) { return s.distance(inv(p)) * k; }, bounds_of(corners));
}

}  // namespace datagen::draw
