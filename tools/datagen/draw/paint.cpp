#include "draw/paint.h"

#include <cmath>

#include "draw/noise.h"

namespace datagen::draw {

Paint solid(Colour c) {
    return [c](Vec2) { return c; };
}

Colour at_stop(const Stops& stops, float t) {
    if (t <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].first) {
            const auto& [t0, c0] = stops[i - 1];
            const auto& [t1, c1] = stops[i];
            return mix(c0, c1, (t - t0) / std::max(t1 - t0, 1e-6f));
        }
    }
    return stops.back().second;
}

Paint linear(Vec2 a, Vec2 b, Stops stops) {
    const Vec2 ab = b - a;
    const float len2 = std::max(dot(ab, ab), 1e-6f);
    return [a, ab, len2, stops = std::move(stops)](Vec2 p) { return at_stop(stops, dot(p - a, ab) / len2); };
}

Paint radial(Vec2 centre, float radius, Stops stops) {
    return [centre, radius, stops = std::move(stops)](Vec2 p) { return at_stop(stops, length(p - centre) / radius); };
}

Paint metal(const Shape& shape, Paint base, float bevel, float strength) {
    return [shape, base = std::move(base), bevel, strength](Vec2 p) {
        const float depth = -shape.distance(p);
        const float edge = 1 - smoothstep(0, bevel, depth);
        const float facing = dot(shape.normal(p), light_direction);
        Colour c = base(p) * (1 + strength * edge * facing);
        const float rim = edge * edge * std::max(facing, 0.0f);
        return c + white * (0.35f * strength * rim * rim);
    };
}

Paint sphere(Vec2 centre, float radius, Colour base, float shine) {
    const float lz = 0.62f;
    const Vec2 l = light_direction * std::sqrt(1 - lz * lz);
    return [=](Vec2 p) {
        const Vec2 q = (p - centre) * (1 / radius);
        const float z = std::sqrt(std::max(0.0f, 1 - dot(q, q)));
        const float diffuse = std::max(0.0f, q.x * l.x + q.y * l.y + z * lz);
        const float specular = std::pow(diffuse, 24.0f) * shine;
        return base * (0.22f + 0.95f * diffuse) + white * specular;
    };
}

Paint textured(Paint base, float scale, float amount, uint32_t seed) {
    return [base = std::move(base), scale, amount, seed](Vec2 p) {
        const float n = fractal_noise(p * (1 / scale), seed, 3);
        return base(p) * (1 + amount * (2 * n - 1));
    };
}

}  // namespace datagen::draw
