#pragma once
// A walk over a GIF's blocks, the way the reader takes them, that adds up the pixels the reader
// would allocate: the logical screen once per image composed onto it, and each image itself. The
// harnesses skip inputs over a budget, as image libraries' own fuzzers do, so that headers asking
// for pictures of millions of pixels do not slow every run down to allocating them.
#include <cstddef>
#include <cstdint>

namespace fuzz {

constexpr long gif_pixel_budget = 1L << 16;  // e.g. one 181x181 image on a screen of its size

class GifWalk {
public:
    GifWalk(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // False when the screen and images the reader would meet ask for more than budget pixels.
    bool within(long budget) {
        if (size_ < 13) return true;
        const long screen = area(6);
        int flags = data_[10];
        at_ = 13;
        if (flags & 0x80) skip_table(flags);
        long total = 0;
        while (at_ < size_) {
            int block = data_[at_++];
            if (block == 0x3B) break;
            if (block == 0x21) {
                skip_extension();
            } else if (block == 0x2C) {
                if (at_ + 9 > size_) break;
                total += area(at_ + 4) + screen;
                if (total > budget) return false;
                int image_flags = data_[at_ + 8];
                at_ += 9;
                if (image_flags & 0x80) skip_table(image_flags);
                ++at_;  // minimum code size
                skip_sub_blocks();
            }
        }
        return true;
    }

private:
    long area(size_t at) const {
        if (at + 4 > size_) return 0;
        return static_cast<long>(data_[at] | data_[at + 1] << 8) * (data_[at + 2] | data_[at + 3] << 8);
    }

    void skip_table(int flags) { at_ += 3u << ((flags & 7) + 1); }

    // The reader takes a graphic control extension's fields without trusting its block size.
    void skip_extension() {
        if (at_ >= size_) return;
        if (data_[at_++] == 0xF9) at_ += 5;
        skip_sub_blocks();
    }

    void skip_sub_blocks() {
        while (at_ < size_) {
            int length = data_[at_++];
            if (length == 0) return;
            at_ += length;
        }
    }

    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

inline bool gif_within_budget(const uint8_t* data, size_t size) {
    return GifWalk(data, size).within(gif_pixel_budget);
}

}  // namespace fuzz
