#include "draw/noise.h"

#include <cmath>

namespace datagen::draw {

uint32_t hash(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = a * 0x27d4eb2du ^ (b + 0x165667b1u) * 0x9e3779b1u ^ (c + 0x7feb352du) * 0x85ebca77u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float unit(uint32_t h) { return static_cast<float>(h >> 8) / 16777216.0f; }

namespace {

int wrap(int v, int period) {
    if (period <= 0) return v;
    const int m = v % period;
    return m < 0 ? m + period : m;
}

float lattice(int x, int y, uint32_t seed, int px, int py) {
    return unit(hash(static_cast<uint32_t>(wrap(x, px)), static_cast<uint32_t>(wrap(y, py)), seed));
}

float fade(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float value_noise(Vec2 p, uint32_t seed, int px, int py) {
    const float fx = std::floor(p.x), fy = std::floor(p.y);
    const int x = static_cast<int>(fx), y = static_cast<int>(fy);
    const float tx = fade(p.x - fx), ty = fade(p.y - fy);
    const float a = lattice(x, y, seed, px, py), b = lattice(x + 1, y, seed, px, py);
    const float c = lattice(x, y + 1, seed, px, py), d = lattice(x + 1, y + 1, seed, px, py);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float fractal_noise(Vec2 p, uint32_t seed, int octaves, int px, int py) {
    float sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value_noise(p, hash(seed, static_cast<uint32_t>(i)), px, py);
        weight += amplitude;
        amplitude *= 0.5f;
        p = p * 2;
        px *= 2;
        py *= 2;
    }
    return sum / weight;
}

}  // namespace datagen::draw
