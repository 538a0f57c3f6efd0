#pragma once
// Deterministic randomness: hashes and value noise, never the time, never std distributions
// (their results differ between library versions).
#include <cstdint>

#include "draw/geometry.h"

namespace datagen::draw {

uint32_t hash(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// Uniform in [0, 1) from a hash.
float unit(uint32_t h);

// Smooth value noise in [0, 1]; one lattice cell per unit. With a period > 0 the lattice wraps,
// so the noise tiles every `period` units on that axis.
float value_noise(Vec2 p, uint32_t seed, int period_x = 0, int period_y = 0);
// Sum of octaves, in [0, 1]. Periods double with each octave, so tiling survives.
float fractal_noise(Vec2 p, uint32_t seed, int octaves = 4, int period_x = 0, int period_y = 0);

// A small sequence generator for placing things (stars, rocks, rivets).
class Random {
public:
    explicit Random(uint32_t seed) : state_(hash(seed, 0x9e3779b9u)) {}
    float next() { return unit(state_ = hash(state_, 0x85ebca6bu)); }
    float range(float lo, float hi) { return lo + (hi - lo) * next(); }
    int below(int n) { return static_cast<int>(next() * n) % n; }

private:
    uint32_t state_;
};

}  // namespace datagen::draw
