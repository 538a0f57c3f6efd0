// FreeType rasterising. Each call opens its own library instance, so jobs on different threads
// never share FreeType state.
#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen {

namespace {

const char* face_file(Face face) {
    switch (face) {
        case Face::sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        case Face::sans_bold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        case Face::sans_condensed_bold: return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
        case Face::serif_bold: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
        case Face::mono: return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
    }
    return "";
}

class FreeType {
public:
    FreeType(Face face, int pixel_size) {
        if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType did not start");
        if (FT_New_Face(library_, face_file(face), 0, &face_) != 0) {
            FT_Done_FreeType(library_);
            throw std::runtime_error(std::string("cannot open ") + face_file(face));
        }
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixel_size));
    }
    ~FreeType() {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    FreeType(const FreeType&) = delete;
    FreeType& operator=(const FreeType&) = delete;
    FT_Face face() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

struct Placed {
    int x, y;  // top-left of the glyph bitmap relative to pen origin on the baseline
    int width, height;
    std::vector<uint8_t> alpha;
};

}  // namespace

Coverage text_coverage(Face which, int pixel_size, const std::string& text, int extra_spacing) {
    FreeType ft(which, pixel_size);
    FT_Face face = ft.face();
    int ascender = static_cast<int>(std::lround(face->size->metrics.ascender / 64.0));
    int descender = static_cast<int>(std::lround(-face->size->metrics.descender / 64.0));

    std::vector<Placed> glyphs;
    long pen = 0;  // 26.6
    FT_UInt previous = 0;
    int left = 0, right = 0;
    for (unsigned char ch : text) {
        FT_UInt index = FT_Get_Char_Index(face, ch);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot slot = face->glyph;
        Placed g{static_cast<int>(pen >> 6) + slot->bitmap_left, -slot->bitmap_top, static_cast<int>(slot->bitmap.width),
                 static_cast<int>(slot->bitmap.rows), {}};
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) g.alpha.push_back(slot->bitmap.buffer[y * slot->bitmap.pitch + x]);
        left = std::min(left, g.x);
        right = std::max(right, g.x + g.width);
        glyphs.push_back(std::move(g));
        pen += slot->advance.x + extra_spacing * 64;
        previous = index;
    }
    right = std::max(right, static_cast<int>((pen - extra_spacing * 64) >> 6));

    Coverage out;
    out.width = right - left;
    out.height = ascender + descender;
    out.baseline = ascender;
    out.origin = -left;
    out.advance = static_cast<int>((pen - extra_spacing * 64 + 32) >> 6);
    out.alpha.assign(static_cast<size_t>(std::max(0, out.width)) * out.height, 0);
    for (const Placed& g : glyphs)
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                int tx = g.x - left + x, ty = out.baseline + g.y + y;
                if (tx < 0 || ty < 0 || tx >= out.width || ty >= out.height) continue;
                uint8_t& a = out.alpha[static_cast<size_t>(ty) * out.width + tx];
                a = std::max(a, g.alpha[static_cast<size_t>(y) * g.width + x]);
            }
    return out;
}

}  // namespace datagen
