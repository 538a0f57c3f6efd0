#pragma once
// A float RGBA drawing surface (premultiplied colour + coverage). Shapes are composited with their
// antialiased coverage; the result becomes an Image with a hard mask: each pixel either opaque or
// exactly magenta.
#include <functional>
#include <vector>

#include "draw/colour.h"
#include "draw/paint.h"
#include "draw/shape.h"
#include <cstddef>  // image.h needs size_t

#include "image.h"

namespace datagen::draw {

// The deep-space colour that sprite edges are antialiased against.
const Colour space_black = rgb(6, 8, 20);

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Paint composited over what is there, weighted by the shape's coverage.
    void fill(const Shape& shape, const Paint& paint, float opacity = 1);
    void fill(const Shape& shape, Colour colour, float opacity = 1) { fill(shape, solid(colour), opacity); }
    // Repaints only where something is already drawn (coverage kept): markings, panel lines, grime.
    void paint_over(const Shape& shape, const Paint& paint, float opacity = 1);
    // Additive light: the shape blurred by `radius`, added in `colour`; it also makes its
    // surroundings opaque where the light is strong.
    void glow(const Shape& shape, Colour colour, float radius, float strength = 1);
    // Every pixel through a function of its position, colour and coverage (full-picture effects).
    void apply(const std::function<void(Vec2, Colour&, float&)>& fn);

    Colour colour(int x, int y) const;  // unpremultiplied
    float coverage(int x, int y) const { return alpha_[index(x, y)]; }

    // Opaque where coverage >= cutoff, magenta elsewhere; partly covered edge pixels are blended
    // with `against`, the background the picture will be seen on.
    Image to_image(Colour against = space_black, float cutoff = 0.5f) const;
    // Fully opaque: everything over `background`.
    Image to_opaque_image(Colour background) const;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
    template <typename Fn>
    void each_in(const Box& b, Fn fn);

    int width_, height_;
    std::vector<Colour> colour_;  // premultiplied
    std::vector<float> alpha_;
};

// The 8-bit colour of a drawn pixel, kept clear of the colours that turn into the mask at 16 bpp.
Rgb to_rgb(Colour c);
// True for colours that become the mask colour at 16 bits per pixel.
bool reduces_to_mask(Rgb c);

}  // namespace datagen::draw
