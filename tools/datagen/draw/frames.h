#pragma once
// Building and deriving whole pictures: frame strips, silhouettes and toned-down backdrops.
#include <functional>
#include <vector>

#include <cstddef>  // image.h needs size_t

#include "draw/colour.h"
#include "image.h"

namespace datagen::draw {

// n frames of equal size side by side in one row.
Image strip(const std::vector<Image>& frames);
// Frame i of a strip of frames `frame_width` wide.
Image frame_of(const Image& strip, int frame_width, int i);
// Enlarged by a whole factor with bilinear filtering; an output pixel is opaque where most of
// what it samples is.
Image enlarged(const Image& picture, int factor);
// Drawn smaller by `scale` (< 1) about its centre, on a picture of the same size: each pixel
// averages 4x4 samples and is opaque where most of them are.
Image shrunk(const Image& picture, float scale);
// Every opaque pixel in one colour (hit flashes, hit-test shapes).
Image silhouette(const Image& picture, Rgb colour);

// Thinned to a veil: an opaque pixel stays where `density` (0..1) at its centre beats a 4x4
// ordered-dither threshold, so what lies beneath shows through in an even pattern.
Image dithered(const Image& picture, const std::function<float(int x, int y)>& density);

// How a backdrop is held back behind the play: its colours drawn towards their grey by
// 1 - `saturation`, then its range from black to white squeezed into `floor` .. `ceiling`.
// The same map for every pixel, so pictures that join still join once toned alike.
struct Tone {
    float saturation, floor, ceiling;
};
Colour toned(Colour colour, Tone tone);
Image toned(const Image& picture, Tone tone);

}  // namespace datagen::draw
