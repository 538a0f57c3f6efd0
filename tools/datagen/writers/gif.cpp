// GIF89a writer: one image, a 256-entry global palette, LZW with 8-bit minimum code size.
#include "bytes.h"
#include "observer.h"
#include "gifencode.h"
#include "writers.h"

namespace datagen {

namespace {

// Packs variable-width codes least significant bit first into 255-byte sub-blocks.
class CodeWriter {
public:
    explicit CodeWriter(Bytes& out) : out_(out) {}
    void put(int code, int width) {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            byte(static_cast<uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void finish() {
        if (count_ > 0) byte(static_cast<uint8_t>(bits_));
        if (!block_.empty()) flush_block();
        out_.push_back(0);
    }

private:
    void byte(uint8_t b) {
        block_.push_back(b);
        if (block_.size() == 255) flush_block();
    }
    void flush_block() {
        out_.push_back(static_cast<uint8_t>(block_.size()));
        put_bytes(out_, block_);
        block_.clear();
    }
    Bytes& out_;
    Bytes block_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

constexpr int clear_code = 256, end_code = 257, first_free = 258, code_limit = 4095;

void put_lzw(Bytes& out, const std::vector<uint8_t>& pixels) {
    out.push_back(8);
    CodeWriter codes(out);
    // table[prefix * 256 + byte] holds (generation << 12 | code); a new generation empties it.
    std::vector<uint32_t> table(4096 * 256, 0);
    uint32_t generation = 1;
    int width = 9, next = first_free;
    codes.put(clear_code, width);
    int prefix = pixels.empty() ? -1 : pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        uint32_t& slot = table[static_cast<size_t>(prefix) * 256 + pixels[i]];
        if (slot >> 12 == generation) {
            prefix = static_cast<int>(slot & 0xFFF);
            continue;
        }
        codes.put(prefix, width);
        if (next < code_limit) {
            slot = generation << 12 | static_cast<uint32_t>(next++);
            if (next > (1 << width) && width < 12) ++width;
        } else {
            codes.put(clear_code, width);
            ++generation;
            width = 9;
            next = first_free;
        }
        prefix = pixels[i];
    }
    if (prefix >= 0) codes.put(prefix, width);
    codes.put(end_code, width);
    codes.finish();
}

}  // namespace

Image decoded(const IndexedImage& indexed) {
    Image image(indexed.width, indexed.height);
    for (size_t i = 0; i < indexed.pixels.size(); ++i) image.pixels[i] = indexed.palette[indexed.pixels[i]];
    return image;
}

Bytes encode_gif(const IndexedImage& indexed) {
    Bytes out;
    put_text(out, "GIF89a");
    put_le16(out, static_cast<uint32_t>(indexed.width));
    put_le16(out, static_cast<uint32_t>(indexed.height));
    out.push_back(0xF7);  // global table of 256 entries, 8 bits of colour resolution
    out.push_back(0);     // background index
    out.push_back(0);     // square pixels
    for (Rgb c : indexed.palette) out.push_back(c.r), out.push_back(c.g), out.push_back(c.b);
    if (indexed.has_mask) {
        for (uint8_t v : {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00}) out.push_back(v);  // index 0 transparent
    }
    out.push_back(0x2C);
    put_le16(out, 0);
    put_le16(out, 0);
    put_le16(out, static_cast<uint32_t>(indexed.width));
    put_le16(out, static_cast<uint32_t>(indexed.height));
    out.push_back(0);  // no local table, not interlaced
    put_lzw(out, indexed.pixels);
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> gif_bytes(const Image& image) { return encode_gif(quantise(image)); }

bool write_gif(const std::filesystem::path& path, const Image& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    IndexedImage indexed = quantise(image);
    observe_picture(path.string(), decoded(indexed));
    return write_file(path.string(), encode_gif(indexed));
}

}  // namespace datagen
