#include "gif_reader.h"

#include <algorithm>
#include <string>

namespace gif_test {

namespace {

struct Cursor {
    const std::vector<uint8_t>& b;
    size_t at = 0;
    bool has(size_t n) const { return at + n <= b.size(); }
    int u8() { return b[at++]; }
    int le16() {
        int v = b[at] | b[at + 1] << 8;
        at += 2;
        return v;
    }
};

bool skip_sub_blocks(Cursor& c) {
    while (c.has(1)) {
        int n = c.u8();
        if (n == 0) return true;
        if (!c.has(n)) return false;
        c.at += n;
    }
    return false;
}

bool lzw_decode(const std::vector<uint8_t>& data, int min_size, size_t count, std::vector<uint8_t>& out) {
    int clear = 1 << min_size, end = clear + 1;
    std::vector<int> prefix(4096, -1);
    std::vector<uint8_t> suffix(4096), first(4096);
    for (int i = 0; i < clear; ++i) suffix[i] = first[i] = static_cast<uint8_t>(i);
    int width = min_size + 1, next = end + 1, previous = -1;
    size_t bit = 0;
    std::vector<uint8_t> stack;
    while (out.size() < count) {
        if (bit + width > data.size() * 8) return false;
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit) code |= (data[bit / 8] >> (bit % 8) & 1) << i;
        if (code == clear) {
            width = min_size + 1, next = end + 1, previous = -1;
            continue;
        }
        if (code == end) break;
        if (code > next || (code == next && previous < 0)) return false;
        int walk = code == next ? previous : code;
        stack.clear();
        if (code == next) stack.push_back(first[previous]);
        for (; walk >= 0; walk = prefix[walk]) stack.push_back(suffix[walk]);
        out.insert(out.end(), stack.rbegin(), stack.rend());
        if (previous >= 0 && next < 4096) {
            prefix[next] = previous;
            suffix[next] = stack.back();
            first[next] = first[previous];
            ++next;
            if (next == (1 << width) && width < 12) ++width;
        }
        previous = code;
    }
    return out.size() >= count;
}

}  // namespace

std::optional<Decoded> decode(const std::vector<uint8_t>& file) {
    Cursor c{file};
    if (!c.has(13) || std::string(file.begin(), file.begin() + 6) != "GIF89a") return std::nullopt;
    c.at = 6;
    c.le16(), c.le16();
    int flags = c.u8();
    c.at += 2;
    Decoded gif;
    if (flags & 0x80) {
        size_t n = 3u << ((flags & 7) + 1);
        if (!c.has(n)) return std::nullopt;
        gif.palette.assign(file.begin() + c.at, file.begin() + c.at + n);
        c.at += n;
    }
    while (c.has(1)) {
        int kind = c.u8();
        if (kind == 0x21) {
            if (!c.has(1)) return std::nullopt;
            int label = c.u8();
            if (label == 0xF9 && c.has(6) && file[c.at] == 4) {
                if (file[c.at + 1] & 1) gif.transparent = file[c.at + 4];
            }
            if (!skip_sub_blocks(c)) return std::nullopt;
        } else if (kind == 0x2C) {
            if (!c.has(9)) return std::nullopt;
            c.le16(), c.le16();
            gif.width = c.le16();
            gif.height = c.le16();
            int image_flags = c.u8();
            if (image_flags & 0x80) return std::nullopt;  // the writer never uses local tables
            if (!c.has(1)) return std::nullopt;
            int min_size = c.u8();
            std::vector<uint8_t> data;
            while (c.has(1)) {
                int n = c.u8();
                if (n == 0) break;
                if (!c.has(n)) return std::nullopt;
                data.insert(data.end(), file.begin() + c.at, file.begin() + c.at + n);
                c.at += n;
            }
            size_t count = static_cast<size_t>(gif.width) * gif.height;
            if (!lzw_decode(data, min_size, count, gif.pixels)) return std::nullopt;
            gif.pixels.resize(count);
            if (image_flags & 0x40) {
                std::vector<uint8_t> ordered(count);
                int row = 0;
                for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                    for (int y = start; y < gif.height; y += step, ++row)
                        std::copy_n(gif.pixels.begin() + row * gif.width, gif.width, ordered.begin() + y * gif.width);
                gif.pixels.swap(ordered);
            }
            for (uint8_t p : gif.pixels)
                if (3u * p + 2 >= gif.palette.size()) return std::nullopt;
            return gif;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

BITMAP* to_bitmap(const Decoded& gif) {
    BITMAP* bmp = create_bitmap(gif.width, gif.height);
    for (int y = 0; y < gif.height; ++y)
        for (int x = 0; x < gif.width; ++x) {
            int i = gif.pixels[static_cast<size_t>(y) * gif.width + x];
            putpixel(bmp, x, y,
                     i == gif.transparent ? bitmap_mask_color(bmp)
                                          : makecol(gif.palette[3 * i], gif.palette[3 * i + 1], gif.palette[3 * i + 2]));
        }
    return bmp;
}

namespace {

void* load_object(PACKFILE* f, long size) {
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (pack_fread(bytes.data(), size, f) != size) return nullptr;
    auto gif = decode(bytes);
    return gif ? to_bitmap(*gif) : nullptr;
}

void destroy_object(void* data) { destroy_bitmap(static_cast<BITMAP*>(data)); }

}  // namespace

void register_gif_objects() { register_datafile_object(DAT_ID('G', 'I', 'F', ' '), load_object, destroy_object); }

}  // namespace gif_test
