#pragma once
// Shapes as signed distance fields (negative inside, in pixels): exact antialiased edges, and the
// distance and normal that the shading helpers light by.
#include <functional>

#include "draw/geometry.h"

namespace datagen::draw {

struct Box {
    float x0, y0, x1, y1;
};

class Shape {
public:
    using Field = std::function<float(Vec2)>;
    Shape(Field field, Box bounds) : field_(std::move(field)), bounds_(bounds) {}

    float distance(Vec2 p) const { return field_(p); }
    Box bounds() const { return bounds_; }
    // Outward unit normal of the nearest edge.
    Vec2 normal(Vec2 p) const;

private:
    Field field_;
    Box bounds_;
};

Shape circle(Vec2 centre, float radius);
Shape ellipse(Vec2 centre, float rx, float ry);
Shape rect(Vec2 min, Vec2 max, float corner_radius = 0);
Shape polygon(const Points& points);
// A line of the given width with round ends.
Shape capsule(Vec2 a, Vec2 b, float width);
Shape ring(Vec2 centre, float radius, float width);

Shape operator|(const Shape& a, const Shape& b);  // union
Shape operator&(const Shape& a, const Shape& b);  // intersection
Shape operator-(const Shape& a, const Shape& b);  // a without b
// Grown outward by d (shrunk for d < 0); corners round off.
Shape grown(const Shape& s, float d);
// The band of the given width along the shape's edge.
Shape outline(const Shape& s, float width);
Shape transformed(const Shape& s, const Affine& m);

}  // namespace datagen::draw
