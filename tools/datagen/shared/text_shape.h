#pragma once
// Rasterised text as a drawing-library shape, so titles can be filled, bevelled, outlined and
// made to glow like any other shape.
#include <string>

#include "draw/draw.h"
#include "fonts/text.h"

namespace datagen {

// The letters with their centre at `centre`. The distance field is exact to within `reach`
// pixels of the letters (enough for outlines and bevels that wide) and smooth at the edge.
draw::Shape text_shape(Face face, int pixel_size, const std::string& text, draw::Vec2 centre, int spacing = 0,
                       int reach = 8);

}  // namespace datagen
