#include "engine/datafile_check.h"

#include <allegro/internal/aintern.h>  // _datafile_type: the object loaders Allegro has
#include <allegro/lzss.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <limits>
#include <vector>

#include "engine/gif.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Allegro's reader recurses once per nested datafile; the game's nest one deep.
constexpr int max_depth = 16;
// Allegro keeps picture sides in shorts.
constexpr int max_side = std::numeric_limits<int16_t>::max();

// A read position in a run of bytes: a read that would pass the end fails and leaves it where it was.
class Cursor {
public:
    Cursor(const uint8_t* at, std::size_t size) : at_(at), end_(at + size) {}
    explicit Cursor(const Bytes& bytes) : Cursor(bytes.data(), bytes.size()) {}

    std::size_t left() const { return static_cast<std::size_t>(end_ - at_); }
    bool done() const { return at_ == end_; }

    bool skip(std::size_t n) {
        if (n > left()) return false;
        at_ += n;
        return true;
    }
    // Big-endian, as every header of a datafile is; bytes and words unsigned.
    bool be32(int32_t& value) { return take(4, value); }
    bool be16(int& value) { return take(2, value); }
    bool byte(int& value) { return take(1, value); }
    // The next n bytes as a cursor of their own, passed over here.
    bool part(std::size_t n, Cursor& taken) {
        if (n > left()) return false;
        taken = Cursor(at_, n);
        at_ += n;
        return true;
    }

private:
    template <class Value>
    bool take(std::size_t n, Value& value) {
        if (left() < n) return false;
        uint32_t bits = 0;
        for (std::size_t i = 0; i < n; ++i) bits = bits << 8 | *at_++;
        value = static_cast<Value>(bits);
        return true;
    }

    const uint8_t* at_;
    const uint8_t* end_;
};

// A packfile over bytes in memory, for Allegro's LZSS reader.
struct MemorySource {
    Cursor bytes;
};

int memory_getc(void* source) {
    int c = EOF;
    return static_cast<MemorySource*>(source)->bytes.byte(c) ? c : EOF;
}

long memory_fread(void* p, long n, void* source) {
    long got = 0;
    for (int c; got < n && (c = memory_getc(source)) != EOF; ++got)
        static_cast<uint8_t*>(p)[got] = static_cast<uint8_t>(c);
    return got;
}

const PACKFILE_VTABLE memory_packfile = {
    [](void*) { return 0; },                                  // fclose
    memory_getc,                                              // getc
    [](int, void*) { return EOF; },                           // ungetc
    memory_fread,                                             // fread
    [](int, void*) { return EOF; },                           // putc
    [](const void*, long, void*) { return 0L; },              // fwrite
    [](void* source, int offset) {                            // fseek
        return static_cast<MemorySource*>(source)->bytes.skip(static_cast<std::size_t>(offset)) ? 0 : -1;
    },
    [](void* source) { return static_cast<MemorySource*>(source)->bytes.done() ? 1 : 0; },  // feof
    [](void*) { return 0; },                                  // ferror
};

// A packed object's body, unpacked with Allegro's LZSS reader as its datafile reader unpacks it:
// `size` bytes at most; true when the stored bytes ran out exactly then. The output grows as it
// comes, so a size the stored bytes cannot reach allocates nothing.
bool unpack(Cursor packed, std::size_t size, Bytes& out) {
    constexpr std::size_t block = 1 << 16;
    MemorySource source{packed};
    PACKFILE* file = pack_fopen_vtable(&memory_packfile, &source);
    LZSS_UNPACK_DATA* state = create_lzss_unpack_data();
    if (!file || !state) {
        if (file) pack_fclose(file);
        if (state) free_lzss_unpack_data(state);
        return false;
    }
    while (out.size() < size) {
        const std::size_t at = out.size();
        const int wanted = static_cast<int>(std::min(size - at, block));
        out.resize(at + static_cast<std::size_t>(wanted));
        const int got = std::max(lzss_read(file, state, wanted, out.data() + at), 0);
        out.resize(at + static_cast<std::size_t>(got));
        if (got < wanted) break;
    }
    free_lzss_unpack_data(state);
    pack_fclose(file);
    return source.bytes.done();
}

// A packed file's bytes after its magic number, unpacked by Allegro's packfile layer.
bool unpack_file(const char* path, Bytes& bytes) {
    PACKFILE* file = pack_fopen(path, F_READ_PACKED);
    if (!file) return false;
    constexpr long block = 1 << 16;
    for (long got = block; got == block;) {
        const std::size_t at = bytes.size();
        bytes.resize(at + block);
        got = std::max(pack_fread(bytes.data() + at, block, file), 0L);
        bytes.resize(at + static_cast<std::size_t>(got));
    }
    const bool failed = pack_ferror(file) != 0;
    pack_fclose(file);
    return !failed;
}

// The file's bytes after its magic number, as Allegro's packfile layer gives them: a plain
// file's own, read straight (the layer hands them over a byte at a time, which would cost about
// as much as the load itself), a packed one's unpacked by the layer.
bool read_as_allegro_does(const char* path, Bytes& bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    uint8_t head[4] = {};
    if (!in || size < 4 || !in.seekg(0).read(reinterpret_cast<char*>(head), sizeof head)) return false;
    int32_t magic = 0;
    Cursor(head, sizeof head).be32(magic);
    if (magic == static_cast<int32_t>(F_PACK_MAGIC)) return unpack_file(path, bytes);
    if (magic != static_cast<int32_t>(F_NOPACK_MAGIC)) return false;
    bytes.resize(static_cast<std::size_t>(size - 4));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(in);
}

// Bytes of one pixel as a bitmap or a colour font stores it, by colour depth; 0 for a depth
// Allegro cannot read.
std::size_t stored_pixel_bytes(int depth) {
    switch (depth) {
    case 8: return 1;
    case 15:
    case 16: return 2;
    case 24:
    case 32: return 3;
    case -32: return 4;
    }
    return 0;
}

// Width and height, then rows of `row_bytes(width)` bytes each.
template <class RowBytes>
bool picture_whole(Cursor& in, RowBytes row_bytes) {
    int w = 0, h = 0;
    return in.be16(w) && in.be16(h) && w >= 1 && h >= 1 && w <= max_side && h <= max_side &&
           in.skip(row_bytes(static_cast<std::size_t>(w)) * static_cast<std::size_t>(h));
}

bool bitmap_whole(Cursor in) {
    int depth = 0;
    if (!in.be16(depth)) return false;
    const std::size_t pixel = stored_pixel_bytes(static_cast<int16_t>(depth));
    return pixel > 0 && picture_whole(in, [&](std::size_t w) { return w * pixel; }) && in.done();
}

// The font format of Allegro 3.9 on: a 0 word and the range count, then each range's kind, its
// first and last character and a glyph for each. All ranges are mono or all colour: the font's
// drawing code comes from them.
bool font_whole(Cursor in) {
    int version = 0, ranges = 0;
    if (!in.be16(version) || version != 0 || !in.be16(ranges) || ranges < 1) return false;
    bool font_mono = false;
    for (int r = 0; r < ranges; ++r) {
        int kind = 0;
        int32_t first = 0, last = 0;
        if (!in.byte(kind) || !in.be32(first) || !in.be32(last) || first > last) return false;
        const bool mono = kind == 1 || kind == 255;
        const std::size_t pixel = stored_pixel_bytes(kind == 0 ? 8 : kind);
        if ((!mono && pixel == 0) || (r > 0 && mono != font_mono)) return false;
        font_mono = mono;
        auto row_bytes = [&](std::size_t w) { return mono ? (w + 7) / 8 : w * pixel; };
        for (int64_t glyph = first; glyph <= last; ++glyph)
            if (!picture_whole(in, row_bytes)) return false;
    }
    return in.done();
}

// Allegro calls the loader its table holds for the type, and reads a type missing there raw.
bool has_loader(int32_t type) {
    for (int i = 0; i < MAX_DATAFILE_TYPES; ++i)
        if (_datafile_type[i].type == type) return _datafile_type[i].load != nullptr;
    return false;
}

bool objects_whole(Cursor in, int depth);

// The object types a datafile of the game may hold, each with the check of its body. Any other
// type is refused: one read as -1 would have Allegro call an empty slot of its table, others it
// would decode unchecked or hand to the game as raw bytes in place of a picture.
bool body_whole(int32_t type, Cursor body, int depth) {
    switch (type) {
    case DAT_FILE: return depth < max_depth && objects_whole(body, depth + 1);
    case DAT_FONT: return font_whole(body);
    case DAT_BITMAP: return bitmap_whole(body);
    case DAT_GIF: return has_loader(DAT_GIF);  // the game's reader bounds its own reads
    case DAT_DATA: return true;                // copied as it is
    }
    return false;
}

bool property_whole(Cursor& in) {
    int32_t id = 0, length = 0;
    return in.be32(id) && in.be32(length) && length >= 0 && in.skip(static_cast<std::size_t>(length));
}

// Its properties, then its type, stored size and size (negative: packed, unpacking to minus
// that), then the stored body.
bool object_whole(Cursor& in, int depth) {
    int32_t type = 0;
    if (!in.be32(type)) return false;
    while (type == DAT_PROPERTY)
        if (!property_whole(in) || !in.be32(type)) return false;
    int32_t stored = 0, size = 0;
    Cursor body(nullptr, 0);
    if (!in.be32(stored) || !in.be32(size) || stored < 0 || !in.part(static_cast<std::size_t>(stored), body))
        return false;
    if (size >= 0) return size == stored && body_whole(type, body, depth);
    // The reader unpacks exactly that many bytes, and must have used up the stored ones doing so.
    const auto unpacked_size = static_cast<std::size_t>(-static_cast<int64_t>(size));
    Bytes unpacked;
    return unpack(body, unpacked_size, unpacked) && unpacked.size() == unpacked_size &&
           body_whole(type, Cursor(unpacked), depth);
}

// The object count, then that many objects and nothing more.
bool objects_whole(Cursor in, int depth) {
    int32_t count = 0;
    if (!in.be32(count) || count < 0) return false;
    for (int32_t i = 0; i < count; ++i)
        if (!object_whole(in, depth)) return false;
    return in.done();
}

// A 'GIF ' object without a bitmap held no picture; nested datafiles are searched too.
bool holds_broken_picture(const DATAFILE* data) {
    for (; data->type != DAT_END; ++data) {
        if (data->type == DAT_GIF && !static_cast<GifObject*>(data->dat)->bitmap) return true;
        if (data->type == DAT_FILE && holds_broken_picture(static_cast<DATAFILE*>(data->dat))) return true;
    }
    return false;
}

}  // namespace

bool datafile_is_whole(const char* path) {
    Bytes bytes;
    if (!read_as_allegro_does(path, bytes)) return false;
    Cursor in(bytes);
    int32_t magic = 0;
    return in.be32(magic) && magic == DAT_MAGIC && objects_whole(in, 0);
}

DATAFILE* load_checked_datafile(const char* path) {
    if (!datafile_is_whole(path)) return nullptr;
    DATAFILE* data = load_datafile(path);
    if (data && holds_broken_picture(data)) {
        unload_datafile(data);
        data = nullptr;
    }
    return data;
}
