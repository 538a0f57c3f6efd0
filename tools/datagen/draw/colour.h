#pragma once
// Linear float colour used while drawing; converted to 8-bit only when a canvas becomes an Image.
#include <algorithm>

namespace datagen::draw {

struct Colour {
    float r = 0, g = 0, b = 0;

    friend Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
    friend Colour operator-(Colour a, Colour b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
    friend Colour operator*(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }
    friend Colour operator*(float k, Colour a) { return a * k; }
    friend Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
    Colour& operator+=(Colour o) { return *this = *this + o; }
};

// From 0-255 components, the way colours are usually picked.
constexpr Colour rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline Colour mix(Colour a, Colour b, float t) { return a + (b - a) * t; }

// Brighter (k > 1) or darker (k < 1), keeping the hue.
inline Colour scaled(Colour c, float k) { return c * k; }

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

const Colour white = rgb(255, 255, 255);
const Colour black = rgb(0, 0, 0);

}  // namespace datagen::draw
