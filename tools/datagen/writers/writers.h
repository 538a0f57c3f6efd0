#pragma once
// File writers for the data tree: PNG, GIF and Allegro 4 datafiles.
// Every writer is deterministic: the same picture gives the same bytes on every run and machine.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "image.h"

namespace datagen {

// Colours with r >= 248, g <= 3, b >= 248 turn into the mask colour at 16 bpp; opaque pixels
// are nudged off it (green raised one 16-bit step), the exact mask colour stays transparent.
Rgb keep_off_mask(Rgb c);
uint16_t to_rgb565(Rgb c);  // mask colour -> 0xF81F, everything else nudged first

// RGB colour type 2, no alpha, no ancillary chunks.
bool write_png(const std::filesystem::path& path, const Image& image);

// GIF89a, one image, 8-bit global palette at 6 bits per channel, not interlaced. When the image
// has mask pixels, index 0 is (255, 0, 255) and marked transparent; no opaque pixel maps to it.
bool write_gif(const std::filesystem::path& path, const Image& image);
std::vector<uint8_t> gif_bytes(const Image& image);

// A colour font: one range of consecutive characters, each glyph a picture whose mask pixels are
// transparent. Stored as 16-bit colour glyphs, drawn in their own colours. All glyphs of a font
// should share one height (the font's line height is the tallest glyph).
struct Font {
    int first = 0x20;
    std::vector<Image> glyphs;  // glyphs[i] draws character first + i
};

// An Allegro 4 datafile, written plain ("slh." + "ALL.") with big-endian headers. Objects keep
// their insertion order; each gets a NAME property "NN_name" with its two-digit index (a name
// that already starts with its own "NN_" is kept as it is).
class Datafile {
public:
    void add_bitmap(const std::string& name, const Image& image);  // 16-bit DAT_BITMAP
    void add_gif(const std::string& name, const Image& image);     // 'GIF ' object: a whole GIF file
    void add_font(const std::string& name, const Font& font);      // FONT, one 16-bit colour range
    void add_datafile(const std::string& name, const Datafile& nested);  // nested FILE
    size_t size() const { return objects_.size(); }
    bool write(const std::filesystem::path& path) const;

private:
    struct Object {
        std::string name;
        uint32_t type;
        std::vector<uint8_t> data;
        std::vector<std::pair<std::string, Image>> pictures;  // what it shows, for the contact sheet
    };
    void add(const std::string& name, uint32_t type, std::vector<uint8_t> data,
             std::vector<std::pair<std::string, Image>> pictures);
    std::vector<uint8_t> body() const;  // count + objects, as nested in a FILE object
    std::vector<Object> objects_;
};

// Called with every picture a writer stores (the path, or "file.dat/NN_name" inside datafiles), as
// the game will decode it. Unset in normal runs; the contact sheet uses it. Must be thread-safe.
using PictureObserver = std::function<void(const std::string& label, const Image& picture)>;
void set_picture_observer(PictureObserver observer);

}  // namespace datagen
