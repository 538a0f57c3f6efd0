#pragma once
// Points and affine transforms in picture space: x to the right, y down, pixel centres at +0.5.
#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen::draw {

constexpr float pi = 3.14159265358979f;

struct Vec2 {
    float x = 0, y = 0;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
    friend Vec2 operator*(float k, Vec2 a) { return a * k; }
};

inline float dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline float length(Vec2 a) { return std::sqrt(dot(a, a)); }
inline Vec2 normalised(Vec2 a) {
    const float l = length(a);
    return l > 0 ? a * (1 / l) : Vec2{0, 0};
}
inline Vec2 lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }

// p' = (a*x + b*y + c, d*x + e*y + f)
struct Affine {
    float a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;

    Vec2 operator()(Vec2 p) const { return {a * p.x + b * p.y + c, d * p.x + e * p.y + f}; }
    // this after other
    Affine operator*(const Affine& o) const {
        return {a * o.a + b * o.d, a * o.b + b * o.e, a * o.c + b * o.f + c,
                d * o.a + e * o.d, d * o.b + e * o.e, d * o.c + e * o.f + f};
    }
    Affine inverse() const {
        const float det = a * e - b * d;
        const float ia = e / det, ib = -b / det, id = -d / det, ie = a / det;
        return {ia, ib, -(ia * c + ib * f), id, ie, -(id * c + ie * f)};
    }
    // How much the transform shrinks distances at worst: keeps distance fields conservative.
    float min_scale() const {
        const float p = a * a + d * d, q = b * b + e * e, r = a * b + d * e;
        const float mean = (p + q) / 2, dev = std::sqrt((p - q) * (p - q) / 4 + r * r);
        return std::sqrt(std::max(mean - dev, 1e-12f));
    }

    static Affine translate(Vec2 t) { return {1, 0, t.x, 0, 1, t.y}; }
    static Affine scale(float sx, float sy) { return {sx, 0, 0, 0, sy, 0}; }
    // Angle in radians, clockwise on screen (y points down).
    static Affine rotate(float angle) {
        const float cs = std::cos(angle), sn = std::sin(angle);
        return {cs, -sn, 0, sn, cs, 0};
    }
    static Affine about(Vec2 centre, const Affine& m) { return translate(centre) * m * translate(centre * -1); }
};

using Points = std::vector<Vec2>;

// A left-half outline (top to bottom, x at or left of the axis) closed into a symmetric polygon.
Points mirrored(const Points& left_half, float axis_x);
Points transformed(const Points& points, const Affine& m);

}  // namespace datagen::draw
