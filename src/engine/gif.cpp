#include "engine/gif.h"

#include <allegro/internal/aintern.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr int max_codes = 4096;  // 12-bit LZW codes
constexpr int max_code_width = 12;

// Sizes beyond these are refused: a few header bytes must not make the reader allocate gigabytes
// (nor overflow Allegro's bitmap size arithmetic).
constexpr long max_picture_pixels = 1L << 24;    // one image or the logical screen
constexpr long max_animation_pixels = 1L << 26;  // all frames of an animation together

bool acceptable_size(int width, int height) {
    return width > 0 && height > 0 && static_cast<long>(width) * height <= max_picture_pixels;
}

// ---------------------------------------------------------------------------------------------
// Input: a packfile, or a block of memory read no further than its size.

class Source {
public:
    explicit Source(PACKFILE* file) : file_(file) {}
    Source(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), left_(size) {}

    // The next byte, or -1 at the end of the input.
    int byte() {
        if (file_) return pack_getc(file_);
        if (left_ == 0) return -1;
        --left_;
        return *data_++;
    }

    int word() {
        int low = byte();
        int high = byte();
        return low < 0 || high < 0 ? -1 : low | high << 8;
    }

    // Reads n bytes; false when the input ends first.
    bool read(void* out, size_t n) {
        if (file_) return pack_fread(out, static_cast<long>(n), file_) == static_cast<long>(n);
        if (left_ < n) return false;
        std::memcpy(out, data_, n);
        data_ += n;
        left_ -= n;
        return true;
    }

private:
    PACKFILE* file_ = nullptr;
    const uint8_t* data_ = nullptr;
    size_t left_ = 0;
};

struct Screen {
    int width = 0;
    int height = 0;
    bool has_global_table = false;
    int table_bits = 1;  // the global table has 2^table_bits entries
    int background = 0;
};

// What a graphic control extension says about the image after it.
struct Control {
    bool transparent = false;
    int transparent_index = 0;
    int delay = 0;
    int disposal = 0;
};

struct Image {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool transparent = false;
};

bool read_colour_table(Source& in, RGB* palette, int entries) {
    uint8_t bytes[256 * 3];
    if (!in.read(bytes, static_cast<size_t>(entries) * 3)) return false;
    for (int i = 0; i < entries; ++i) {
        palette[i].r = bytes[i * 3] >> 2;
        palette[i].g = bytes[i * 3 + 1] >> 2;
        palette[i].b = bytes[i * 3 + 2] >> 2;
    }
    return true;
}

bool read_header(Source& in, Screen& screen, RGB* palette) {
    uint8_t signature[6];
    if (!in.read(signature, sizeof signature) || std::memcmp(signature, "GIF", 3) != 0) return false;
    screen.width = in.word();
    screen.height = in.word();
    int flags = in.byte();
    screen.background = in.byte();
    if (in.byte() < 0 || screen.width < 0 || screen.height < 0) return false;  // aspect ratio, unused
    screen.has_global_table = flags & 0x80;
    screen.table_bits = (flags & 7) + 1;
    return !screen.has_global_table || read_colour_table(in, palette, 1 << screen.table_bits);
}

bool skip_sub_blocks(Source& in) {
    for (;;) {
        int length = in.byte();
        if (length < 0) return false;
        if (length == 0) return true;
        for (int i = 0; i < length; ++i)
            if (in.byte() < 0) return false;
    }
}

// Reads blocks up to the next image descriptor. False at the trailer or the end of the input.
bool scan_to_image(Source& in, Control& control) {
    control = Control{};
    for (;;) {
        int block = in.byte();
        if (block < 0 || block == 0x3B) return false;
        if (block == 0x2C) return true;
        if (block != 0x21) continue;
        int label = in.byte();
        if (label == 0xF9) {
            in.byte();  // block size
            int flags = in.byte();
            control.disposal = flags >> 2 & 7;
            control.delay = in.word();
            int index = in.byte();
            if (index < 0) return false;
            control.transparent = flags & 1;
            control.transparent_index = control.transparent ? index : 0;
        }
        if (label < 0 || !skip_sub_blocks(in)) return false;
    }
}

// The LZW data of one image, its sub-blocks joined into one bit stream.
std::vector<uint8_t> read_image_data(Source& in) {
    std::vector<uint8_t> data;
    uint8_t block[255];
    for (;;) {
        int length = in.byte();
        if (length <= 0 || !in.read(block, length)) break;
        data.insert(data.end(), block, block + length);
    }
    return data;
}

// Decodes the LZW codes of data into pixels, first pixel first, and returns how many were
// written. Every string in the table is a copy of pixels already written, so a table entry is
// where its string lies in the output and how long it is; a new entry is the previous string and
// the byte after it. Codes that the table cannot explain end the decoding, so neither the table
// nor the output is ever overrun. The output holds copy_slack bytes more than size, as strings
// are copied eight bytes at a time; past the pixels written it holds what the copies left.
constexpr size_t copy_slack = 8;

// Kept out of line: inlined into its caller at -O3 the loop runs about a tenth slower.
[[gnu::noinline]] size_t decode_lzw(std::vector<uint8_t> data, int min_code_size, uint8_t* out, size_t size) {
    struct Entry {
        uint32_t position;
        uint32_t length;
    };
    const size_t bits = data.size() * 8;
    data.resize(data.size() + 4);  // a code is read as a 32-bit window
    const int clear = 1 << min_code_size;
    const int end = clear + 1;
    // Left unset, as clearing it would cost a small picture more than its decoding: only entries
    // made since the last clear code are read.
    Entry entries[max_codes];

    size_t bit = 0;
    int width = min_code_size + 1;
    int next_free = end + 1;
    uint32_t previous_length = 0;  // 0: no previous code since the start or the last clear
    size_t written = 0;
    while (written < size && bit + width <= bits) {
        uint32_t window;
        std::memcpy(&window, data.data() + (bit >> 3), sizeof window);
        int code = window >> (bit & 7) & ((1u << width) - 1);
        bit += width;
        if (code == end) break;
        if (code == clear) {
            width = min_code_size + 1;
            next_free = end + 1;
            previous_length = 0;
            continue;
        }
        if (previous_length == 0) {
            if (code > clear) break;  // the first code after a clear names a single pixel
        } else {
            if (code > next_free) break;
            if (next_free < max_codes) {  // a full table stays as it is until a clear code
                entries[next_free] = {static_cast<uint32_t>(written - previous_length), previous_length + 1};
                ++next_free;
            }
        }
        if (code < clear) {
            out[written++] = static_cast<uint8_t>(code);
            previous_length = 1;
        } else {
            // Copied forward: the string being defined ends with its own first byte, which a
            // copy from less than eight bytes back must have written before it reads it.
            const Entry& e = entries[code];
            const uint8_t* from = out + e.position;
            uint8_t* to = out + written;
            size_t n = std::min<size_t>(e.length, size - written);
            if (to - from >= 8) {
                for (size_t i = 0; i < n; i += 8) std::memcpy(to + i, from + i, 8);
            } else {
                for (size_t i = 0; i < n; ++i) to[i] = from[i];
            }
            written += n;
            previous_length = e.length;
        }
        if (next_free >= 1 << width && width < max_code_width) ++width;
    }
    return written;
}

// The bitmap rows in the order the data gives them: top to bottom, or interlaced in four passes.
template <class Visit>
void in_data_order(int height, bool interlaced, Visit visit) {
    static const int starts[] = {0, 4, 2, 1};
    static const int steps[] = {8, 8, 4, 2};
    int k = 0;
    for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass)
        for (int y = interlaced ? starts[pass] : 0; y < height; y += interlaced ? steps[pass] : 1) visit(k++, y);
}

// One image's indices as decoded, data row k going to the bitmap row in_data_order gives it. A
// transparent index t is to read as 0 and the pixels that were 0 as t (whose palette entry becomes
// a copy of entry 0), so that index 0 is transparent as Allegro's 8-bit sprites expect; pixels the
// data did not reach hold t, so they read as 0.
struct Indices {
    int width = 0, height = 0;
    bool interlaced = false;
    std::unique_ptr<uint8_t[]> pixels;  // width x height, and copy_slack bytes more
    int transparent_index = 0;          // t; 0 when the image has none

    template <class Visit>
    void for_each_row(Visit visit) const {
        in_data_order(height, interlaced, [&](int k, int y) { visit(pixels.get() + static_cast<size_t>(k) * width, y); });
    }
};

// Reads the image descriptor and its data; false when the image is refused or out of memory.
bool read_indices(Source& in, const Control& control, RGB* palette, Image& image, Indices& out) {
    image.left = in.word();
    image.top = in.word();
    image.width = in.word();
    image.height = in.word();
    int flags = in.byte();
    if (flags < 0 || !acceptable_size(image.width, image.height)) return false;
    if ((flags & 0x80) && !read_colour_table(in, palette, 1 << ((flags & 7) + 1))) return false;
    bool interlaced = flags & 0x40;
    image.transparent = control.transparent;
    int t = control.transparent ? control.transparent_index : 0;
    if (t != 0) palette[t] = palette[0];

    int min_code_size = in.byte();
    if (min_code_size < 1 || min_code_size > 11) return false;
    size_t size = static_cast<size_t>(image.width) * image.height;
    out.pixels.reset(new (std::nothrow) uint8_t[size + copy_slack]);
    if (!out.pixels) return false;
    size_t written = decode_lzw(read_image_data(in), min_code_size, out.pixels.get(), size);
    std::fill(out.pixels.get() + written, out.pixels.get() + size, static_cast<uint8_t>(t));
    out.width = image.width;
    out.height = image.height;
    out.interlaced = interlaced;
    out.transparent_index = t;
    return true;
}

// Every pixel through a table from its decoded index, row by row.
template <class Pixel>
void fill_bitmap(BITMAP* bitmap, const Indices& image, const Pixel* table) {
    image.for_each_row([&](const uint8_t* in, int y) {
        auto* out = reinterpret_cast<Pixel*>(bitmap->line[y]);
        for (int x = 0; x < image.width; ++x) out[x] = table[in[x]];
    });
}

// The indices with t and 0 exchanged.
BITMAP* eight_bit_bitmap(const Indices& image) {
    BITMAP* bitmap = create_bitmap_ex(8, image.width, image.height);
    if (!bitmap) return nullptr;
    if (image.transparent_index == 0) {
        image.for_each_row([&](const uint8_t* in, int y) { std::memcpy(bitmap->line[y], in, image.width); });
        return bitmap;
    }
    uint8_t table[PAL_SIZE];
    for (int i = 0; i < PAL_SIZE; ++i) table[i] = static_cast<uint8_t>(i);
    std::swap(table[0], table[image.transparent_index]);
    fill_bitmap(bitmap, image, table);
    return bitmap;
}

// makecol_depth at the depths filled from the indices, inline rather than a call per colour.
int colour_at(int depth, int r, int g, int b) {
    return depth == 15 ? makecol15(r, g, b) : depth == 16 ? makecol16(r, g, b) : makecol32(r, g, b);
}

// The colours at the bitmap's depth, as Allegro's own blit of the 8-bit picture would give them;
// t is the mask colour when the image is transparent.
template <class Pixel>
void fill_in_colour(BITMAP* bitmap, const Indices& image, const RGB* palette, bool transparent) {
    Pixel table[PAL_SIZE];
    const int depth = bitmap_color_depth(bitmap);
    for (int i = 0; i < PAL_SIZE; ++i) {
        const RGB& c = palette[i];
        table[i] = static_cast<Pixel>(colour_at(depth, _rgb_scale_6[c.r & 63], _rgb_scale_6[c.g & 63], _rgb_scale_6[c.b & 63]));
    }
    if (transparent) table[image.transparent_index] = static_cast<Pixel>(bitmap_mask_color(bitmap));
    fill_bitmap(bitmap, image, table);
}

// The picture at Allegro's load depth for 8-bit pictures (the game's 16 bits), its transparent
// pixels the mask colour; null when out of memory. Depths 15, 16 and 32 are filled straight from
// the indices, others through Allegro's conversion of the 8-bit picture.
BITMAP* load_depth_bitmap(const Indices& image, const RGB* palette, bool transparent) {
    int depth = _color_load_depth(8, FALSE);
    if (depth == 8) return eight_bit_bitmap(image);
    BITMAP* converted = create_bitmap_ex(depth, image.width, image.height);
    if (!converted) return nullptr;
    if (depth == 32) {
        fill_in_colour<uint32_t>(converted, image, palette, transparent);
    } else if (depth != 24) {
        fill_in_colour<uint16_t>(converted, image, palette, transparent);
    } else {
        BITMAP* indexed = eight_bit_bitmap(image);
        if (!indexed) {
            destroy_bitmap(converted);
            return nullptr;
        }
        select_palette(palette);
        if (transparent) {
            clear_to_color(converted, bitmap_mask_color(converted));
            draw_sprite(converted, indexed, 0, 0);
        } else {
            blit(indexed, converted, 0, 0, 0, 0, image.width, image.height);
        }
        unselect_palette();
        destroy_bitmap(indexed);
    }
    return converted;
}

// Reads the image descriptor and its data into a bitmap at the load depth.
BITMAP* read_image(Source& in, const Control& control, RGB* palette, Image& image) {
    Indices indices;
    if (!read_indices(in, control, palette, image, indices)) return nullptr;
    return load_depth_bitmap(indices, palette, image.transparent);
}

BITMAP* read_picture(Source& in, RGB* palette) {
    PALETTE scratch = {};
    if (!palette) palette = scratch;
    Screen screen;
    Control control;
    Image image;
    if (!read_header(in, screen, palette) || !scan_to_image(in, control)) return nullptr;
    return read_image(in, control, palette, image);
}

// ---------------------------------------------------------------------------------------------
// Animations: each image drawn onto a canvas of the logical screen's size, which is copied out
// as the frame.

class Composer {
public:
    Composer(Source& in, const Screen& screen, RGB* palette) : in_(in), screen_(screen), palette_(palette) {}
    ~Composer() {
        if (canvas_) destroy_bitmap(canvas_);
    }
    Composer(const Composer&) = delete;
    Composer& operator=(const Composer&) = delete;

    // The next frame, or null after the last image.
    GifFrame* next() {
        Control control;
        Image image;
        if (!scan_to_image(in_, control)) return nullptr;
        BITMAP* picture = read_image(in_, control, palette_, image);
        if (!picture) return nullptr;
        if (!canvas_ && !create_canvas(control)) {
            destroy_bitmap(picture);
            return nullptr;
        }
        if (image.transparent) draw_sprite(canvas_, picture, image.left, image.top);
        else blit(picture, canvas_, 0, 0, image.left, image.top, picture->w, picture->h);
        destroy_bitmap(picture);

        BITMAP* copy = create_bitmap_ex(bitmap_color_depth(canvas_), canvas_->w, canvas_->h);
        if (!copy) return nullptr;
        blit(canvas_, copy, 0, 0, 0, 0, canvas_->w, canvas_->h);
        if (control.disposal == 2) clear_to_background(control);

        auto* frame = new GifFrame{copy, {}, static_cast<uint16_t>(control.delay), nullptr};
        std::copy(palette_, palette_ + (1 << screen_.table_bits), frame->palette);
        return frame;
    }

private:
    bool create_canvas(const Control& control) {
        if (!acceptable_size(screen_.width, screen_.height)) return false;
        canvas_ = _color_load_depth(8, FALSE) == 8 ? create_bitmap_ex(8, screen_.width, screen_.height)
                                                  : create_bitmap(screen_.width, screen_.height);
        if (canvas_) clear_to_background(control);
        return canvas_;
    }

    void clear_to_background(const Control& control) {
        int index = screen_.background;
        bool own_colour = index != 0 && !(control.transparent && index == control.transparent_index);
        int depth = bitmap_color_depth(canvas_);
        int colour = bitmap_mask_color(canvas_);
        if (own_colour) {
            const RGB& c = palette_[index];
            colour = depth == 8 ? index : makecol_depth(depth, c.r * 4, c.g * 4, c.b * 4);
        }
        clear_to_color(canvas_, colour);
    }

    Source& in_;
    const Screen& screen_;
    RGB* palette_;
    BITMAP* canvas_ = nullptr;
};

void free_frames(GifFrame* frame) {
    while (frame) {
        GifFrame* next = frame->next;
        if (frame->bitmap) destroy_bitmap(frame->bitmap);
        delete frame;
        frame = next;
    }
}

GifAnimation* read_animation(Source& in) {
    PALETTE palette = {};
    Screen screen;
    if (!read_header(in, screen, palette)) return nullptr;
    Composer composer(in, screen, palette);
    GifFrame* first = nullptr;
    GifFrame** tail = &first;
    int count = 0;
    long frames_allowed = max_animation_pixels / std::max(1L, static_cast<long>(screen.width) * screen.height);
    while (count < frames_allowed) {
        GifFrame* frame = composer.next();
        if (!frame) break;
        *tail = frame;
        tail = &frame->next;
        ++count;
    }
    if (!first) return nullptr;
    return new GifAnimation{first, screen.background, screen.width, screen.height, count,
                            screen.has_global_table, 0};
}

// Opens a file for one of the readers; the file is closed when the holder goes.
struct OpenFile {
    explicit OpenFile(const char* filename) : file(filename ? pack_fopen(filename, F_READ) : nullptr) {}
    ~OpenFile() {
        if (file) pack_fclose(file);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    PACKFILE* file;
};

// ---------------------------------------------------------------------------------------------
// Output.

void put_word(PACKFILE* out, int value) {
    pack_putc(value & 0xFF, out);
    pack_putc(value >> 8 & 0xFF, out);
}

void write_screen(PACKFILE* out, int width, int height, const RGB* palette) {
    pack_fwrite("GIF89a", 6, out);
    put_word(out, width);
    put_word(out, height);
    pack_putc(0xF7, out);  // global table of 256 entries, 8-bit colour resolution
    pack_putc(0, out);     // background index
    pack_putc(0, out);     // aspect ratio
    for (int i = 0; i < PAL_SIZE; ++i) {
        pack_putc(palette[i].r * 4, out);
        pack_putc(palette[i].g * 4, out);
        pack_putc(palette[i].b * 4, out);
    }
}

// Packs codes least significant bit first into sub-blocks of up to 255 bytes.
class CodeWriter {
public:
    explicit CodeWriter(PACKFILE* out) : out_(out) {}

    void put(int code, int width) {
        bits_ |= static_cast<uint32_t>(code) << count_;
        count_ += width;
        while (count_ > 7) {
            put_byte(bits_ & 0xFF);
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    // The remaining bits padded to a byte (a zero byte when none remain), then the last block.
    void finish() {
        put_byte(bits_ & 0xFF);
        if (used_ > 0) flush();
    }

private:
    void put_byte(int value) {
        block_[used_++] = static_cast<uint8_t>(value);
        if (used_ == sizeof block_) flush();
    }

    void flush() {
        pack_putc(used_, out_);
        pack_fwrite(block_, used_, out_);
        used_ = 0;
    }

    PACKFILE* out_;
    uint8_t block_[255];
    int used_ = 0;
    uint32_t bits_ = 0;
    int count_ = 0;
};

// LZW with 9- to 12-bit codes: one clear code at the start; once codes reach 4094 no more
// entries are made and the table serves as it is to the end of the image.
void write_lzw(PACKFILE* out, BITMAP* bitmap) {
    constexpr int clear = 256;
    constexpr int end = 257;
    constexpr int last_entry = 4094;
    std::vector<uint16_t> child(static_cast<size_t>(max_codes) * 256, 0);  // (string, byte) -> code
    CodeWriter writer(out);
    int width = 9;
    int last = end;  // the last code in use

    auto emit = [&](int code) {
        if (last < last_entry) ++last;
        if (1 << width < last && width < max_code_width) ++width;
        writer.put(code, width);
    };

    writer.put(clear, width);
    int current = getpixel(bitmap, 0, 0);
    long count = static_cast<long>(bitmap->w) * bitmap->h;
    for (long n = 1; n < count; ++n) {
        int c = getpixel(bitmap, n % bitmap->w, n / bitmap->w);
        uint16_t& slot = child[static_cast<size_t>(current) * 256 + c];
        if (slot) {
            current = slot;
            continue;
        }
        bool room = last < last_entry;
        emit(current);
        if (room) slot = static_cast<uint16_t>(last);
        current = c;
    }
    emit(current);
    emit(end);
    writer.finish();
}

void write_image(PACKFILE* out, BITMAP* bitmap, int delay) {
    static const uint8_t control_head[] = {0x21, 0xF9, 0x04, 0x01};  // index 0 transparent
    pack_fwrite(control_head, sizeof control_head, out);
    put_word(out, delay);
    pack_putc(0, out);  // transparent index
    pack_putc(0, out);  // block terminator
    pack_putc(0x2C, out);
    put_word(out, 0);
    put_word(out, 0);
    put_word(out, bitmap->w);
    put_word(out, bitmap->h);
    pack_putc(0x07, out);  // no local table, not interlaced
    pack_putc(8, out);     // minimum code size
    write_lzw(out, bitmap);
    pack_putc(0, out);
}

// An 8-bit copy of a bitmap of another depth, each pixel the palette's nearest colour.
BITMAP* reduced_copy(BITMAP* bitmap, const RGB* palette) {
    BITMAP* copy = create_bitmap_ex(8, bitmap->w, bitmap->h);
    if (!copy) return nullptr;
    auto map = std::make_unique<RGB_MAP>();
    create_rgb_table(map.get(), palette, nullptr);
    RGB_MAP* previous = rgb_map;
    rgb_map = map.get();
    select_palette(palette);
    blit(bitmap, copy, 0, 0, 0, 0, bitmap->w, bitmap->h);
    unselect_palette();
    rgb_map = previous;
    return copy;
}

// Writes a bitmap, reduced to 8 bits first when it is not; false when out of memory.
bool write_reduced_image(PACKFILE* out, BITMAP* bitmap, const RGB* palette, int delay) {
    if (bitmap_color_depth(bitmap) == 8) {
        write_image(out, bitmap, delay);
        return true;
    }
    BITMAP* copy = reduced_copy(bitmap, palette);
    if (!copy) return false;
    write_image(out, copy, delay);
    destroy_bitmap(copy);
    return true;
}

bool writable(BITMAP* bitmap) { return bitmap && bitmap->w > 0 && bitmap->h > 0; }

// A whole file of one picture (delay 0); false when out of memory.
bool write_picture(PACKFILE* out, BITMAP* bitmap, const RGB* palette) {
    write_screen(out, bitmap->w, bitmap->h, palette);
    if (!write_reduced_image(out, bitmap, palette, 0)) return false;
    pack_putc(0x3B, out);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

BITMAP* load_gif(const char* filename, RGB* palette) {
    OpenFile file(filename);
    if (!file.file) return nullptr;
    Source in(file.file);
    return read_picture(in, palette);
}

BITMAP* load_memory_gif(const void* data, RGB* palette) { return load_memory_gif(data, SIZE_MAX, palette); }

BITMAP* load_memory_gif(const void* data, size_t size, RGB* palette) {
    if (!data) return nullptr;
    Source in(data, size);
    return read_picture(in, palette);
}

GifAnimation* load_gif_animation(const char* filename) {
    OpenFile file(filename);
    if (!file.file) return nullptr;
    Source in(file.file);
    return read_animation(in);
}

GifAnimation* load_memory_gif_animation(const void* data) { return load_memory_gif_animation(data, SIZE_MAX); }

GifAnimation* load_memory_gif_animation(const void* data, size_t size) {
    if (!data) return nullptr;
    Source in(data, size);
    return read_animation(in);
}

GifAnimation* load_gif_animation_pf(PACKFILE* file, long size) {
    if (!file || size <= 0) return nullptr;
    Source in(file);
    return read_animation(in);
}

void destroy_gif_animation(GifAnimation* animation) {
    if (!animation) return;
    free_frames(animation->frames);
    delete animation;
}

int for_each_gif_frame(const char* filename, const std::function<void(GifFrame&)>& callback) {
    OpenFile file(filename);
    if (!file.file) return -1;
    Source in(file.file);
    PALETTE palette = {};
    Screen screen;
    if (!read_header(in, screen, palette)) return -1;
    Composer composer(in, screen, palette);
    while (GifFrame* frame = composer.next()) {
        callback(*frame);
        delete frame;
    }
    return 0;
}

BITMAP* load_gif_frame(const char* filename, RGB* palette, int n) {
    if (n <= 0) return nullptr;
    OpenFile file(filename);
    if (!file.file) return nullptr;
    Source in(file.file);
    PALETTE scratch = {};
    if (!palette) palette = scratch;
    Screen screen;
    if (!read_header(in, screen, palette)) return nullptr;
    Composer composer(in, screen, palette);
    BITMAP* result = nullptr;
    for (int i = 0; i < n; ++i) {
        GifFrame* frame = composer.next();
        if (!frame) break;
        if (result) destroy_bitmap(result);
        result = frame->bitmap;
        delete frame;
    }
    return result;
}

GifFrame* gif_frame_at(GifAnimation* animation, int ms) {
    if (!animation) return nullptr;
    int total = 0;
    for (GifFrame* f = animation->frames; f; f = f->next) total += f->delay * 10;
    if (total == 0) {  // no length in time: the first frame stands
        animation->elapsed = 0;
        return animation->frames;
    }
    int elapsed = (animation->elapsed + ms) % total;
    animation->elapsed = elapsed < 0 ? elapsed + total : elapsed;
    int start = 0;
    for (GifFrame* f = animation->frames; f; f = f->next) {
        start += f->delay * 10;
        if (animation->elapsed < start) return f;
    }
    return animation->frames;
}

BITMAP* gif_bitmap_at(GifAnimation* animation, int ms) {
    GifFrame* frame = gif_frame_at(animation, ms);
    return frame ? frame->bitmap : nullptr;
}

GifFrame* gif_frame_by_index(GifAnimation* animation, int index) {
    if (!animation || index < 0 || index >= animation->frame_count) return nullptr;
    GifFrame* frame = animation->frames;
    while (index-- > 0) frame = frame->next;
    return frame;
}

BITMAP* gif_bitmap_by_index(GifAnimation* animation, int index) {
    GifFrame* frame = gif_frame_by_index(animation, index);
    return frame ? frame->bitmap : nullptr;
}

int save_gif(const char* filename, BITMAP* bitmap, const RGB* palette) {
    if (!writable(bitmap) || !filename) return -1;
    PACKFILE* out = pack_fopen(filename, F_WRITE);
    if (!out) return -1;
    int result = write_picture(out, bitmap, palette ? palette : default_palette) ? 0 : -1;
    pack_fclose(out);
    return result;
}

int save_gif_animation(const char* filename, GifAnimation* animation) {
    if (!filename || !animation || !animation->frames) return -1;
    for (GifFrame* f = animation->frames; f; f = f->next)
        if (!writable(f->bitmap)) return -1;
    PACKFILE* out = pack_fopen(filename, F_WRITE);
    if (!out) return -1;
    write_screen(out, animation->width, animation->height, animation->frames->palette);
    bool written = true;
    for (GifFrame* f = animation->frames; f && written; f = f->next)
        written = write_reduced_image(out, f->bitmap, f->palette, f->delay);
    pack_putc(0x3B, out);
    pack_fclose(out);
    return written ? 0 : -1;
}

void* load_gif_object(PACKFILE* file, long size) {
    if (!file) return nullptr;
    auto* object = new GifObject{};
    Source in(file);
    if (size > 0) object->bitmap = read_picture(in, object->palette);
    return object;
}

void destroy_gif_object(void* object) {
    auto* gif = static_cast<GifObject*>(object);
    if (!gif) return;
    if (gif->bitmap) destroy_bitmap(gif->bitmap);
    delete gif;
}
