#pragma once
// Building and deriving whole pictures: frame strips and silhouettes.
#include <vector>

#include <cstddef>  // image.h needs size_t

#include "image.h"

namespace datagen::draw {

// n frames of equal size side by side in one row.
Image strip(const std::vector<Image>& frames);
// Frame i of a strip of frames `frame_width` wide.
Image frame_of(const Image& strip, int frame_width, int i);
// Enlarged by a whole factor with bilinear filtering; an output pixel is opaque where most of
// what it samples is.
Image enlarged(const Image& picture, int factor);
// Every opaque pixel in one colour (hit flashes, hit-test shapes).
Image silhouette(const Image& picture, Rgb colour);

}  // namespace datagen::draw
