#pragma once
// Text rasterised from the DejaVu faces with FreeType, as grey coverage for the art to colour.
#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

struct Coverage {
    int width = 0, height = 0;
    int baseline = 0;            // row of the baseline
    int origin = 0;              // column where the pen started
    int advance = 0;             // how far the pen travelled, in pixels
    std::vector<uint8_t> alpha;  // row by row, 0 = empty, 255 = fully covered
    uint8_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0 : alpha[static_cast<size_t>(y) * width + x];
    }
};

enum class Face { sans, sans_bold, sans_condensed_bold, serif_bold, mono };

// One line of text at the given pixel size (the em height), hinted, with kerning. The box is as
// wide as the pen travels (plus overhangs) and as tall as the face's ascender to descender.
// extra_spacing widens every advance, in pixels.
Coverage text_coverage(Face face, int pixel_size, const std::string& text, int extra_spacing = 0);

}  // namespace datagen
