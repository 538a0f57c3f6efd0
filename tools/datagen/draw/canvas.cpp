#include "draw/canvas.h"

#include <algorithm>
#include <cmath>

namespace datagen::draw {

namespace {

uint8_t to_byte(float v) { return static_cast<uint8_t>(static_cast<int>(clamp01(v) * 255.0f + 0.5f)); }

// Three box passes approximate a Gaussian blur.
void blur(std::vector<float>& v, int w, int h, int radius) {
    std::vector<float> tmp(v.size());
    const auto pass = [&](int count, int len, int stride, int step) {
        for (int line = 0; line < count; ++line) {
            const size_t base = static_cast<size_t>(line) * stride;
            float sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += v[base + static_cast<size_t>(std::clamp(i, 0, len - 1)) * step];
            for (int i = 0; i < len; ++i) {
                tmp[base + static_cast<size_t>(i) * step] = sum / (2 * radius + 1);
                sum += v[base + static_cast<size_t>(std::min(i + radius + 1, len - 1)) * step];
                sum -= v[base + static_cast<size_t>(std::max(i - radius, 0)) * step];
            }
        }
        v.swap(tmp);
    };
    for (int k = 0; k < 3; ++k) {
        pass(h, w, w, 1);
        pass(w, h, 1, w);
    }
}

}  // namespace

bool reduces_to_mask(Rgb c) { return c.r >= 248 && c.g <= 3 && c.b >= 248; }

Rgb to_rgb(Colour c) {
    Rgb out{to_byte(c.r), to_byte(c.g), to_byte(c.b)};
    if (reduces_to_mask(out)) out.g = 4;
    return out;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), colour_(static_cast<size_t>(width) * height), alpha_(colour_.size(), 0.0f) {}

template <typename Fn>
void Canvas::each_in(const Box& b, Fn fn) {
    const int x0 = std::max(0, static_cast<int>(std::floor(b.x0 - 1))), x1 = std::min(width_, static_cast<int>(std::ceil(b.x1 + 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(b.y0 - 1))), y1 = std::min(height_, static_cast<int>(std::ceil(b.y1 + 1)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) fn(x, y, Vec2{x + 0.5f, y + 0.5f});
}

void Canvas::fill(const Shape& shape, const Paint& paint, float opacity) {
    each_in(shape.bounds(), [&](int x, int y, Vec2 p) {
        const float a = clamp01(0.5f - shape.distance(p)) * opacity;
        if (a <= 0) return;
        const size_t i = index(x, y);
        colour_[i] = paint(p) * a + colour_[i] * (1 - a);
        alpha_[i] = a + alpha_[i] * (1 - a);
    });
}

void Canvas::paint_over(const Shape& shape, const Paint& paint, float opacity) {
    each_in(shape.bounds(), [&](int x, int y, Vec2 p) {
        const size_t i = index(x, y);
        const float a = clamp01(0.5f - shape.distance(p)) * opacity;
        if (a <= 0 || alpha_[i] <= 0) return;
        colour_[i] = paint(p) * (a * alpha_[i]) + colour_[i] * (1 - a);
    });
}

void Canvas::glow(const Shape& shape, Colour colour, float radius, float strength) {
    std::vector<float> mask(alpha_.size(), 0.0f);
    each_in(shape.bounds(), [&](int x, int y, Vec2 p) { mask[index(x, y)] = clamp01(0.5f - shape.distance(p)); });
    blur(mask, width_, height_, std::max(1, static_cast<int>(std::lround(radius / 2))));
    for (size_t i = 0; i < mask.size(); ++i) {
        const float g = std::min(1.0f, mask[i] * strength);
        if (g <= 0) continue;
        colour_[i] += colour * g;
        alpha_[i] = g + alpha_[i] * (1 - g);
    }
}

void Canvas::apply(const std::function<void(Vec2, Colour&, float&)>& fn) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const size_t i = index(x, y);
            Colour c = colour(x, y);
            float a = alpha_[i];
            fn({x + 0.5f, y + 0.5f}, c, a);
            alpha_[i] = clamp01(a);
            colour_[i] = c * alpha_[i];
        }
}

Colour Canvas::colour(int x, int y) const {
    const size_t i = index(x, y);
    return alpha_[i] > 0 ? colour_[i] * (1 / alpha_[i]) : Colour{};
}

Image Canvas::to_image(Colour against, float cutoff) const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const size_t i = index(x, y);
            if (alpha_[i] >= cutoff) out.at(x, y) = to_rgb(colour_[i] + against * (1 - alpha_[i]));
        }
    return out;
}

Image Canvas::to_opaque_image(Colour background) const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const size_t i = index(x, y);
            out.at(x, y) = to_rgb(colour_[i] + background * (1 - alpha_[i]));
        }
    return out;
}

}  // namespace datagen::draw
