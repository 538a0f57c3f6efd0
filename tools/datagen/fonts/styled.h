#pragma once
// Text as a finished picture: a vertical colour gradient over the letters, a dark outline and
// a drop shadow, on the mask colour. The outline takes the letters' soft edges, so they stay
// smooth on any background even though the picture itself has no alpha.
#include <string>
#include <utility>
#include <vector>

#include "fonts/text.h"
#include "image.h"

namespace datagen {

struct TextStyle {
    Face face = Face::sans;
    int pixel_size = 12;
    std::vector<std::pair<float, Rgb>> fill;  // stops from the ascender line (0) to the descender line (1)
    Rgb edge{0, 0, 0};                        // outline and shadow colour
    int outline = 0;                          // outline radius in pixels
    int shadow = 1;                           // shadow offset right and down, in pixels
    int spacing = 0;                          // extra pixels between letters
};

// The picture of one line of text; its size is the line box plus the outline and shadow.
// When advance_only, the width is the pen's travel, widened only where ink or edges reach past
// it (for font glyphs).
Image styled_text(const TextStyle& style, const std::string& text, bool advance_only = false);

// The fill gradient at t in 0..1.
Rgb gradient_at(const std::vector<std::pair<float, Rgb>>& stops, float t);

}  // namespace datagen
