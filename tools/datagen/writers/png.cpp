// PNG writer: 8-bit RGB, one IDAT, each row filtered with whichever filter packs it smallest.
#include <zlib.h>

#include <cstdlib>

#include "bytes.h"
#include "observer.h"
#include "writers.h"

namespace datagen {

namespace {

void put_chunk(Bytes& out, const char* type, const Bytes& data) {
    put_be32(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    put_bytes(typed, data);
    put_bytes(out, typed);
    put_be32(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

int paeth(int a, int b, int c) {
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Filters one row (bpp 3) with filter type f; prev is the unfiltered row above (zeros for the first).
void filter_row(int f, const uint8_t* row, const uint8_t* prev, size_t n, uint8_t* out) {
    for (size_t i = 0; i < n; ++i) {
        int a = i >= 3 ? row[i - 3] : 0, b = prev[i], c = i >= 3 ? prev[i - 3] : 0;
        int predicted = f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : f == 4 ? paeth(a, b, c) : 0;
        out[i] = static_cast<uint8_t>(row[i] - predicted);
    }
}

Bytes filtered_rows(const Image& image) {
    size_t n = static_cast<size_t>(image.width) * 3;
    Bytes raw(n), prev(n, 0), trial(n), out;
    out.reserve((n + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Rgb c = keep_off_mask(image.at(x, y));
            raw[3 * x] = c.r, raw[3 * x + 1] = c.g, raw[3 * x + 2] = c.b;
        }
        int best = 0;
        long best_cost = -1;
        for (int f = 0; f < 5; ++f) {
            filter_row(f, raw.data(), prev.data(), n, trial.data());
            long cost = 0;
            for (uint8_t v : trial) cost += v < 128 ? v : 256 - v;
            if (best_cost < 0 || cost < best_cost) best = f, best_cost = cost;
        }
        filter_row(best, raw.data(), prev.data(), n, trial.data());
        out.push_back(static_cast<uint8_t>(best));
        put_bytes(out, trial);
        prev.swap(raw);
    }
    return out;
}

}  // namespace

bool write_png(const std::filesystem::path& path, const Image& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    Bytes rows = filtered_rows(image);
    uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
    Bytes packed(packed_size);
    if (compress2(packed.data(), &packed_size, rows.data(), static_cast<uLong>(rows.size()), 6) != Z_OK) return false;
    packed.resize(packed_size);

    Bytes header;
    put_be32(header, static_cast<uint32_t>(image.width));
    put_be32(header, static_cast<uint32_t>(image.height));
    for (uint8_t v : {8, 2, 0, 0, 0}) header.push_back(v);  // depth, RGB, deflate, adaptive, no interlace

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(out, "IHDR", header);
    put_chunk(out, "IDAT", packed);
    put_chunk(out, "IEND", {});
    observe_picture(path.string(), image);
    return write_file(path.string(), out);
}

}  // namespace datagen
