#pragma once
// Builds GIF files byte by byte, so tests can state exactly which codes and blocks a file holds.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gif_bytes {

// LZW codes with their widths, packed least significant bit first.
inline std::vector<uint8_t> pack(const std::vector<std::pair<int, int>>& codes) {
    std::vector<uint8_t> out;
    uint32_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<uint32_t>(code) << count;
        count += width;
        while (count >= 8) {
            out.push_back(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) out.push_back(bits & 0xFF);
    return out;
}

struct Builder {
    std::vector<uint8_t> bytes;

    Builder& raw(std::initializer_list<int> values) {
        for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Builder& word(int v) { return raw({v & 0xFF, v >> 8 & 0xFF}); }

    // Signature and logical screen; a global table of 2^bits entries when bits > 0.
    Builder& screen(int w, int h, int table_bits, const std::string& version = "89a", int background = 0) {
        for (char c : "GIF" + version) bytes.push_back(static_cast<uint8_t>(c));
        word(w).word(h);
        return raw({table_bits > 0 ? 0x80 | (table_bits - 1) : 0, background, 0});
    }
    // One colour table entry per {r, g, b}.
    Builder& colours(const std::vector<std::vector<int>>& entries) {
        for (auto& e : entries) raw({e[0], e[1], e[2]});
        return *this;
    }
    // A grey ramp of n entries (entry i = (4i, 4i, 4i)).
    Builder& ramp(int n) {
        for (int i = 0; i < n; ++i) raw({4 * i, 4 * i, 4 * i});
        return *this;
    }
    Builder& control(bool transparent, int index, int delay = 0, int disposal = 0) {
        raw({0x21, 0xF9, 4, (disposal << 2) | (transparent ? 1 : 0)});
        word(delay);
        return raw({index, 0});
    }
    Builder& image(int w, int h, int flags = 0, int left = 0, int top = 0) {
        raw({0x2C});
        word(left).word(top).word(w).word(h);
        return raw({flags});
    }
    // LZW data in sub-blocks of at most block bytes, then the terminator.
    Builder& data(int min_code_size, const std::vector<uint8_t>& packed, size_t block = 255) {
        raw({min_code_size});
        for (size_t at = 0; at < packed.size(); at += block) {
            size_t n = std::min(block, packed.size() - at);
            bytes.push_back(static_cast<uint8_t>(n));
            bytes.insert(bytes.end(), packed.begin() + at, packed.begin() + at + n);
        }
        return raw({0});
    }
    Builder& trailer() { return raw({0x3B}); }
};

}  // namespace gif_bytes
