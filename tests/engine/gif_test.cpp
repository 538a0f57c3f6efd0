#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/gif.h"
#include "gif_bytes.h"
#include "support/test_support.h"

namespace {

using gif_bytes::Builder;
using gif_bytes::pack;

// Pictures load at 8 bits while one of these lives, so tests see the decoded indices.
struct EightBitLoads {
    EightBitLoads() : previous(get_color_conversion()) { set_color_conversion(COLORCONV_NONE); }
    ~EightBitLoads() { set_color_conversion(previous); }
    int previous;
};

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap load(const std::vector<uint8_t>& bytes, RGB* palette = nullptr) {
    return Bitmap(load_memory_gif(bytes.data(), bytes.size(), palette));
}

std::vector<int> pixels(BITMAP* b) {
    std::vector<int> out;
    for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x) out.push_back(getpixel(b, x, y));
    return out;
}

// A 2x2 picture of indices 0 1 / 2 3 with minimum code size 2: codes are 3 bits wide until entry 7
// is added, then 4.
std::vector<uint8_t> two_by_two(const std::string& version) {
    return Builder()
        .screen(2, 2, 2, version)
        .ramp(4)
        .image(2, 2)
        .data(2, pack({{4, 3}, {0, 3}, {1, 3}, {2, 3}, {3, 4}, {5, 4}}))
        .trailer()
        .bytes;
}

std::vector<uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(GifReader, ReadsAnyVersionOfTheSignature) {
    EightBitLoads eight;
    for (const char* version : {"87a", "89a", "xyz"}) {
        Bitmap b = load(two_by_two(version));
        ASSERT_TRUE(b) << version;
        EXPECT_EQ(bitmap_color_depth(b.get()), 8);
        EXPECT_EQ(pixels(b.get()), (std::vector<int>{0, 1, 2, 3})) << version;
    }
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    EXPECT_FALSE(load(png));
}

TEST(GifReader, ReadsTheGlobalTableOfItsOwnSize) {
    EightBitLoads eight;
    PALETTE palette = {};
    auto bytes = Builder()
                     .screen(1, 1, 1)
                     .colours({{255, 4, 8}, {7, 128, 3}})
                     .image(1, 1)
                     .data(2, pack({{4, 3}, {1, 3}, {5, 3}}))
                     .trailer()
                     .bytes;
    Bitmap b = load(bytes, palette);
    ASSERT_TRUE(b);
    EXPECT_EQ(getpixel(b.get(), 0, 0), 1);
    EXPECT_EQ(palette[0].r, 63);
    EXPECT_EQ(palette[0].g, 1);
    EXPECT_EQ(palette[0].b, 2);
    EXPECT_EQ(palette[1].r, 1);
    EXPECT_EQ(palette[1].g, 32);
    EXPECT_EQ(palette[2].r, 0);  // past the table: untouched
}

TEST(GifReader, LocalTableReplacesGlobalEntriesWithItsOwnSize) {
    EightBitLoads eight;
    PALETTE palette = {};
    auto bytes = Builder()
                     .screen(1, 1, 1)
                     .colours({{4, 4, 4}, {8, 8, 8}})
                     .image(1, 1, 0x81)  // local table of 4 entries
                     .colours({{40, 0, 0}, {0, 40, 0}, {0, 0, 40}, {40, 40, 40}})
                     .data(2, pack({{4, 3}, {3, 3}, {5, 3}}))
                     .trailer()
                     .bytes;
    Bitmap b = load(bytes, palette);
    ASSERT_TRUE(b);
    EXPECT_EQ(getpixel(b.get(), 0, 0), 3);
    EXPECT_EQ(palette[0].r, 10);
    EXPECT_EQ(palette[1].g, 10);
    EXPECT_EQ(palette[3].b, 10);
}

// Pixels 0 5 1 / 5 0 2 with index 5 transparent.
std::vector<uint8_t> transparent_five(bool transparency_flag = true) {
    std::vector<std::pair<int, int>> codes = {{256, 9}, {0, 9}, {5, 9}, {1, 9}, {5, 9}, {0, 9}, {2, 9}, {257, 9}};
    return Builder()
        .screen(3, 2, 8)
        .colours({{200, 100, 40}})
        .ramp(255)
        .raw({0x21, 0xFE, 3, 'h', 'i', '!', 0})             // comment
        .raw({0x21, 0x01, 2, 0x2C, 0x3B, 1, 0x21, 0})       // plain text holding block bytes
        .raw({0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0})
        .control(transparency_flag, 5)
        .image(3, 2)
        .data(8, pack(codes))
        .trailer()
        .bytes;
}

TEST(GifReader, MovesTheTransparentIndexToZero) {
    EightBitLoads eight;
    PALETTE palette;
    Bitmap b = load(transparent_five(), palette);
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{5, 0, 1, 0, 5, 2}));
    EXPECT_EQ(palette[5].r, palette[0].r);
    EXPECT_EQ(palette[5].g, palette[0].g);
    EXPECT_EQ(palette[5].b, palette[0].b);
}

TEST(GifReader, WithoutTheTransparencyFlagTheIndexByteIsPassedOver) {
    EightBitLoads eight;
    Bitmap b = load(transparent_five(false));
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{0, 5, 1, 5, 0, 2}));
}

TEST(GifReader, TransparentPixelsBecomeTheMaskColourAtSixteenBits) {
    PALETTE palette;
    Bitmap b = load(transparent_five(), palette);
    ASSERT_TRUE(b);
    ASSERT_EQ(bitmap_color_depth(b.get()), 16);
    EXPECT_EQ(getpixel(b.get(), 1, 0), 0xF81F);
    EXPECT_EQ(getpixel(b.get(), 0, 1), 0xF81F);
    int entry_zero = makecol16(_rgb_scale_6[200 / 4], _rgb_scale_6[100 / 4], _rgb_scale_6[40 / 4]);
    EXPECT_EQ(getpixel(b.get(), 0, 0), entry_zero);
    EXPECT_EQ(getpixel(b.get(), 1, 1), entry_zero);
    EXPECT_EQ(getpixel(b.get(), 2, 0), makecol16(0, 0, 0));
}

TEST(GifReader, TransparentIndexZeroIsNotRemapped) {
    EightBitLoads eight;
    auto bytes = Builder()
                     .screen(2, 1, 2)
                     .ramp(4)
                     .control(true, 0)
                     .image(2, 1)
                     .data(2, pack({{4, 3}, {0, 3}, {3, 3}, {5, 3}}))
                     .trailer()
                     .bytes;
    Bitmap b = load(bytes);
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{0, 3}));
    set_color_conversion(COLORCONV_TOTAL);
    Bitmap wide = load(bytes);
    EXPECT_EQ(getpixel(wide.get(), 0, 0), 0xF81F);
}

// Every index of a random 256-colour table, opaque and transparent: the 16-bit picture holds what
// Allegro's own conversion of the 8-bit one gives.
TEST(GifReader, SixteenBitColoursMatchAllegrosConversion) {
    std::mt19937 random(7);
    std::vector<std::vector<int>> table(256);
    for (auto& entry : table) entry = {int(random() % 256), int(random() % 256), int(random() % 256)};
    std::vector<std::pair<int, int>> codes;
    for (int i = 0; i < 256; ++i) codes.insert(codes.end(), {{256, 9}, {i, 9}});
    codes.push_back({257, 9});
    for (bool transparent : {false, true}) {
        auto bytes = Builder().screen(16, 16, 8).colours(table).control(transparent, 0).image(16, 16).data(8, pack(codes)).trailer().bytes;
        PALETTE palette;
        Bitmap indexed;
        {
            EightBitLoads eight;
            indexed = load(bytes, palette);
        }
        Bitmap wide = load(bytes);
        ASSERT_TRUE(indexed && wide);
        Bitmap expected(create_bitmap_ex(16, 16, 16));
        select_palette(palette);
        clear_to_color(expected.get(), bitmap_mask_color(expected.get()));
        if (transparent) draw_sprite(expected.get(), indexed.get(), 0, 0);
        else blit(indexed.get(), expected.get(), 0, 0, 0, 0, 16, 16);
        unselect_palette();
        EXPECT_EQ(pixels(wide.get()), pixels(expected.get())) << "transparent " << transparent;
    }
}

// A one-pixel-wide image whose data rows hold their own ordinal.
std::vector<int> interlaced_rows(int height) {
    EightBitLoads eight;
    std::vector<std::pair<int, int>> codes = {{256, 9}};
    for (int k = 0; k < height; ++k) codes.push_back({k, 9});
    codes.push_back({257, 9});
    Bitmap b = load(Builder().screen(1, height, 8).ramp(256).image(1, height, 0x40).data(8, pack(codes)).trailer().bytes);
    std::vector<int> ordinal_of_row = pixels(b.get());
    std::vector<int> row_of_ordinal(height);
    for (int row = 0; row < height; ++row) row_of_ordinal[ordinal_of_row[row]] = row;
    return row_of_ordinal;
}

TEST(GifReader, InterlacedRowsGoInPassOrder) {
    EXPECT_EQ(interlaced_rows(10), (std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
    EXPECT_EQ(interlaced_rows(3), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(interlaced_rows(1), (std::vector<int>{0}));
}

TEST(GifReader, CodeWidthGrowsAtTheTableBoundaries) {
    EightBitLoads eight;
    // Minimum code size 2, pixels 0 1 2 3 0 1 2 3 ...: entries 6, 7 (then 4 bits), 8 ... 15 (then 5 bits).
    std::vector<std::pair<int, int>> codes = {{4, 3}, {0, 3}, {1, 3}, {2, 3}};
    std::vector<int> expected = {0, 1, 2};
    for (int n = 3; n < 20; ++n) {
        int next_free = 6 + n - 1;  // the entry this code adds is next_free
        codes.push_back({n % 4, next_free <= 7 ? 3 : next_free <= 15 ? 4 : 5});
        expected.push_back(n % 4);
    }
    codes.push_back({5, 5});
    Bitmap b = load(Builder().screen(20, 1, 2).ramp(4).image(20, 1).data(2, pack(codes)).trailer().bytes);
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), expected);
}

TEST(GifReader, CodeWidthStopsAtTwelveAndAFullTableWaitsForAClearCode) {
    EightBitLoads eight;
    // Minimum code size 2: 4091 codes of pixel 0 fill entries 6 to 4095, the width growing by one
    // each time the next free entry reaches a power of two.
    std::vector<std::pair<int, int>> codes = {{4, 3}};
    int next_free = 6;
    auto width = [&] {
        int w = 3;
        while ((1 << w) <= next_free && w < 12) ++w;
        return w;
    };
    for (int k = 0; k < 4091; ++k) {
        codes.push_back({0, width()});
        if (k > 0) ++next_free;
    }
    ASSERT_EQ(next_free, 4096);
    codes.push_back({4095, 12});  // the last entry: 0 0
    codes.push_back({4, 12});     // clear: back to 3 bits
    codes.push_back({1, 3});
    codes.push_back({5, 3});
    Bitmap b = load(Builder().screen(4094, 1, 2).ramp(4).image(4094, 1).data(2, pack(codes)).trailer().bytes);
    ASSERT_TRUE(b);
    std::vector<int> expected(4094, 0);
    expected.back() = 1;
    EXPECT_EQ(pixels(b.get()), expected);
}

TEST(GifReader, DecodesTheCodeBeingDefined) {
    EightBitLoads eight;
    // 0, then 6 (= 0 0, the entry being made), then 7 (= 0 0 0, again the one being made).
    auto bytes = Builder().screen(6, 1, 2).ramp(4).image(6, 1).data(2, pack({{4, 3}, {0, 3}, {6, 3}, {7, 3}, {5, 4}})).trailer();
    Bitmap b = load(bytes.bytes);
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

TEST(GifReader, CodesStraddlingSubBlocksReadWhole) {
    EightBitLoads eight;
    std::vector<std::pair<int, int>> codes = {{4, 3}, {0, 3}, {1, 3}, {2, 3}, {3, 4}, {6, 4}, {8, 4}, {5, 4}};
    std::vector<int> expected = {0, 1, 2, 3, 0, 1, 2, 3};
    for (size_t block : {1, 2, 3, 255}) {
        Bitmap b = load(Builder().screen(8, 1, 2).ramp(4).image(8, 1).data(2, pack(codes), block).trailer().bytes);
        ASSERT_TRUE(b) << block;
        EXPECT_EQ(pixels(b.get()), expected) << "sub-blocks of " << block;
    }
}

TEST(GifReader, AClearCodeRestartsTheTable) {
    EightBitLoads eight;
    auto bytes = Builder()
                     .screen(4, 1, 2)
                     .ramp(4)
                     .image(4, 1)
                     .data(2, pack({{4, 3}, {1, 3}, {2, 3}, {4, 3}, {3, 3}, {3, 3}, {5, 3}}))
                     .trailer()
                     .bytes;
    Bitmap b = load(bytes);
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{1, 2, 3, 3}));
}

TEST(GifReader, MalformedStreamsStopDecodingAndLeaveTheRestZero) {
    EightBitLoads eight;
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> codes;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"code past the next free entry", {{4, 3}, {1, 3}, {7, 3}, {2, 3}}, {1, 0, 0, 0}},
        {"first code not a pixel", {{4, 3}, {6, 3}, {1, 3}}, {0, 0, 0, 0}},
        {"data ends early", {{4, 3}, {3, 3}}, {3, 0, 0, 0}},
        {"no clear code first", {{2, 3}, {1, 3}, {6, 3}, {5, 3}}, {2, 1, 2, 1}},
        {"string running past the image", {{4, 3}, {1, 3}, {6, 3}, {6, 3}, {5, 4}}, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        Bitmap b = load(Builder().screen(4, 1, 2).ramp(4).image(4, 1).data(2, pack(c.codes)).trailer().bytes);
        ASSERT_TRUE(b) << c.name;
        EXPECT_EQ(pixels(b.get()), c.expected) << c.name;
    }
}

TEST(GifReader, FailsCleanlyOnBrokenFiles) {
    auto image = [](int w, int h, int min_code_size) {
        return Builder().screen(4, 4, 2).ramp(4).image(w, h).data(min_code_size, pack({{4, 3}, {5, 3}})).trailer().bytes;
    };
    EXPECT_FALSE(load(image(0, 4, 2))) << "zero width";
    EXPECT_FALSE(load(image(4, 0, 2))) << "zero height";
    EXPECT_FALSE(load(image(4, 4, 0))) << "code size 0";
    EXPECT_FALSE(load(image(4, 4, 12))) << "code size 12";
    EXPECT_TRUE(load(image(4, 4, 1)));
    EXPECT_TRUE(load(image(4, 4, 11)));
    EXPECT_FALSE(load(image(65535, 65535, 2))) << "more pixels than any picture the reader accepts";
    EXPECT_FALSE(load(Builder().screen(4, 4, 2).ramp(4).trailer().bytes)) << "no image";
    EXPECT_FALSE(load({'G', 'I'})) << "short signature";
    EXPECT_FALSE(load_memory_gif(nullptr, nullptr));
}

// A cut-short file either fails or gives the picture at its full size, never a torn one.
TEST(GifReader, EveryTruncationOfAFileFailsOrLoadsWhole) {
    auto bytes = transparent_five();
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + n);
        if (Bitmap b = load(cut)) {
            EXPECT_EQ(b->w, 3);
            EXPECT_EQ(b->h, 2);
        }
        if (GifAnimation* a = load_memory_gif_animation(cut.data(), cut.size())) {
            EXPECT_EQ(a->width, 3);
            EXPECT_EQ(a->height, 2);
            EXPECT_GE(a->frame_count, 1);
            for (GifFrame* frame = a->frames; frame; frame = frame->next) {
                EXPECT_EQ(frame->bitmap->w, 3);
                EXPECT_EQ(frame->bitmap->h, 2);
            }
            destroy_gif_animation(a);
        }
    }
}

TEST(GifReader, LoadsFromAFile) {
    std::string path = testing_support::scratch_dir() + "/five.gif";
    auto bytes = transparent_five();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    EightBitLoads eight;
    Bitmap b(load_gif(path.c_str(), nullptr));
    ASSERT_TRUE(b);
    EXPECT_EQ(pixels(b.get()), (std::vector<int>{5, 0, 1, 0, 5, 2}));
    EXPECT_EQ(load_gif((path + ".missing").c_str(), nullptr), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Writer

Bitmap eight_bit(int w, int h, std::initializer_list<int> values) {
    Bitmap b(create_bitmap_ex(8, w, h));
    auto v = values.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) putpixel(b.get(), x, y, *v++);
    return b;
}

TEST(GifWriter, WritesTheExactOnePixelFile) {
    std::string path = testing_support::scratch_dir() + "/one.gif";
    PALETTE palette = {};
    palette[5] = {63, 32, 1, 0};
    Bitmap b = eight_bit(1, 1, {5});
    ASSERT_EQ(save_gif(path.c_str(), b.get(), palette), 0);

    std::vector<uint8_t> expected = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0xF7, 0, 0};
    for (int i = 0; i < 256; ++i)
        for (int c : {palette[i].r, palette[i].g, palette[i].b}) expected.push_back(static_cast<uint8_t>(c * 4));
    for (int v : {0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 7, 8, 4, 0x00, 0x0B, 0x04, 0x04, 0, 0x3B})
        expected.push_back(static_cast<uint8_t>(v));
    EXPECT_EQ(read_file(path), expected);
}

TEST(GifWriter, RoundTripsEightBitPicturesAndPalettes) {
    std::mt19937 rng(7);
    std::string dir = testing_support::scratch_dir();
    // Random noise fills the table (12-bit codes); runs make long strings; odd sizes end mid-block.
    struct Case {
        int w, h, colours;
    };
    for (Case c : {Case{1, 1, 2}, Case{300, 200, 256}, Case{333, 7, 3}, Case{2000, 5, 16}, Case{64, 64, 1}}) {
        Bitmap b(create_bitmap_ex(8, c.w, c.h));
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) putpixel(b.get(), x, y, (x / 3 + rng() % 2) % c.colours);
        PALETTE palette;
        for (int i = 0; i < 256; ++i) palette[i] = {static_cast<unsigned char>(i % 64), static_cast<unsigned char>(63 - i % 64),
                                                    static_cast<unsigned char>(i / 4), 0};
        std::string path = dir + "/" + std::to_string(c.w) + ".gif";
        ASSERT_EQ(save_gif(path.c_str(), b.get(), palette), 0);

        EightBitLoads eight;
        PALETTE back;
        Bitmap loaded(load_gif(path.c_str(), back));
        ASSERT_TRUE(loaded) << path;
        EXPECT_EQ(pixels(loaded.get()), pixels(b.get())) << path;
        for (int i = 1; i < 256; ++i) {  // entry 0 is the transparent one
            EXPECT_EQ(back[i].r, palette[i].r);
            EXPECT_EQ(back[i].g, palette[i].g);
            EXPECT_EQ(back[i].b, palette[i].b);
        }
    }
}

TEST(GifWriter, SplitsDataIntoFullSubBlocksAndAShortLastOne) {
    std::string path = testing_support::scratch_dir() + "/blocks.gif";
    Bitmap b(create_bitmap_ex(8, 100, 100));
    std::mt19937 rng(3);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) putpixel(b.get(), x, y, rng() % 256);
    ASSERT_EQ(save_gif(path.c_str(), b.get(), nullptr), 0);
    auto bytes = read_file(path);
    size_t at = 13 + 768 + 8 + 10 + 1;  // header, table, control, descriptor, code size
    std::vector<int> lengths;
    while (at < bytes.size() && bytes[at] != 0) {
        lengths.push_back(bytes[at]);
        at += bytes[at] + 1;
    }
    ASSERT_GT(lengths.size(), 2u);
    for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], 255);
    EXPECT_GT(lengths.back(), 0);
    EXPECT_LT(lengths.back(), 255);
    EXPECT_EQ(at + 2, bytes.size());  // terminator and trailer
    EXPECT_EQ(bytes.back(), 0x3B);
}

TEST(GifWriter, ReducesOtherDepthsToThePaletteWithIndexZeroTransparent) {
    std::string path = testing_support::scratch_dir() + "/reduced.gif";
    PALETTE palette = {};
    palette[0] = {63, 0, 63, 0};
    palette[1] = {63, 0, 0, 0};
    palette[2] = {0, 0, 63, 0};
    palette[3] = {0, 40, 0, 0};
    Bitmap b(create_bitmap_ex(16, 3, 1));
    putpixel(b.get(), 0, 0, makecol16(250, 10, 10));  // nearest: red
    putpixel(b.get(), 1, 0, makecol16(0, 150, 20));   // nearest: green
    putpixel(b.get(), 2, 0, bitmap_mask_color(b.get()));
    ASSERT_EQ(save_gif(path.c_str(), b.get(), palette), 0);

    {
        EightBitLoads eight;
        Bitmap back(load_gif(path.c_str(), nullptr));
        ASSERT_TRUE(back);
        EXPECT_EQ(pixels(back.get()), (std::vector<int>{1, 3, 0}));
    }
    Bitmap wide(load_gif(path.c_str(), nullptr));
    ASSERT_TRUE(wide);
    EXPECT_EQ(getpixel(wide.get(), 0, 0), makecol16(255, 0, 0));
    EXPECT_EQ(getpixel(wide.get(), 2, 0), 0xF81F);
}

TEST(GifWriter, RefusesNothingToWriteWithoutCreatingAFile) {
    std::string path = testing_support::scratch_dir() + "/none.gif";
    EXPECT_EQ(save_gif(path.c_str(), nullptr, nullptr), -1);
    EXPECT_FALSE(std::ifstream(path).good());
    Bitmap b = eight_bit(1, 1, {1});
    EXPECT_EQ(save_gif("/nonexistent-folder/x.gif", b.get(), nullptr), -1);
    EXPECT_EQ(save_gif_animation(path.c_str(), nullptr), -1);
    EXPECT_FALSE(std::ifstream(path).good());
}

// ---------------------------------------------------------------------------------------------
// Animations

struct AnimationDeleter {
    void operator()(GifAnimation* a) const { destroy_gif_animation(a); }
};
using Animation = std::unique_ptr<GifAnimation, AnimationDeleter>;

// Three 4x2 frames: a red field, a green 2x1 patch at (1, 1) that is cleared after it, a
// green pixel and a transparent one at (0, 0).
std::vector<uint8_t> three_frames() {
    auto two_codes = [](int a, int b) { return pack({{4, 3}, {a, 3}, {b, 3}, {5, 3}}); };
    std::vector<std::pair<int, int>> reds = {{4, 3}, {1, 3}, {6, 3}, {7, 3}, {1, 4}, {1, 4}, {5, 4}};
    return Builder()
        .screen(4, 2, 2, "89a", 3)
        .colours({{0, 0, 0}, {252, 0, 0}, {0, 252, 0}, {0, 0, 252}})
        .control(false, 0, 10)
        .image(4, 2)
        .data(2, pack(reds))
        .control(false, 0, 10, 2)
        .image(2, 1, 0, 1, 1)
        .data(2, two_codes(2, 2))
        .control(true, 0, 10)
        .image(2, 1)
        .data(2, two_codes(2, 0))
        .trailer()
        .bytes;
}

TEST(GifAnimation, ComposesEveryImageOntoTheLogicalScreen) {
    EightBitLoads eight;
    auto bytes = three_frames();
    Animation a(load_memory_gif_animation(bytes.data(), bytes.size()));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->frame_count, 3);
    EXPECT_EQ(a->width, 4);
    EXPECT_EQ(a->height, 2);
    EXPECT_TRUE(a->has_global_table);
    EXPECT_EQ(pixels(gif_bitmap_by_index(a.get(), 0)), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(pixels(gif_bitmap_by_index(a.get(), 1)), (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 1}));
    // Disposal 2 cleared the canvas to the background (index 3) before the last image.
    EXPECT_EQ(pixels(gif_bitmap_by_index(a.get(), 2)), (std::vector<int>{2, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(gif_frame_by_index(a.get(), 3), nullptr);
    EXPECT_EQ(gif_frame_by_index(a.get(), -1), nullptr);
    EXPECT_EQ(gif_frame_by_index(a.get(), 0)->palette[1].r, 63);
}

TEST(GifAnimation, FramesAreLookedUpByElapsedTime) {
    auto bytes = three_frames();
    Animation a(load_memory_gif_animation(bytes.data(), bytes.size()));
    ASSERT_TRUE(a);
    GifFrame* f[3] = {gif_frame_by_index(a.get(), 0), gif_frame_by_index(a.get(), 1), gif_frame_by_index(a.get(), 2)};
    EXPECT_EQ(gif_frame_at(a.get(), 0), f[0]);
    EXPECT_EQ(gif_frame_at(a.get(), 99), f[0]);
    EXPECT_EQ(gif_frame_at(a.get(), 1), f[1]);
    EXPECT_EQ(gif_frame_at(a.get(), 100), f[2]);
    EXPECT_EQ(gif_frame_at(a.get(), 100), f[0]);  // exactly the end: round again
    EXPECT_EQ(a->elapsed, 0);
    EXPECT_EQ(gif_bitmap_at(a.get(), 350), f[0]->bitmap);
    EXPECT_EQ(a->elapsed, 50);
}

TEST(GifAnimation, WritesAndReadsBackWithDelays) {
    auto bytes = three_frames();
    Animation a(load_memory_gif_animation(bytes.data(), bytes.size()));
    ASSERT_TRUE(a);
    std::string path = testing_support::scratch_dir() + "/anim.gif";
    ASSERT_EQ(save_gif_animation(path.c_str(), a.get()), 0);
    auto written = read_file(path);
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written[written.size() - 2], 0);
    EXPECT_EQ(written.back(), 0x3B);

    Animation back(load_gif_animation(path.c_str()));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->frame_count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gif_frame_by_index(back.get(), i)->delay, 10);
        EXPECT_EQ(pixels(gif_bitmap_by_index(back.get(), i)), pixels(gif_bitmap_by_index(a.get(), i))) << i;
    }

    std::vector<uint16_t> delays;
    EXPECT_EQ(for_each_gif_frame(path.c_str(), [&](GifFrame& f) {
                  delays.push_back(f.delay);
                  destroy_bitmap(f.bitmap);
              }),
              0);
    EXPECT_EQ(delays.size(), 3u);
    EXPECT_EQ(for_each_gif_frame((path + ".missing").c_str(), [](GifFrame&) {}), -1);

    Bitmap second(load_gif_frame(path.c_str(), nullptr, 2));
    ASSERT_TRUE(second);
    EXPECT_EQ(pixels(second.get()), pixels(gif_bitmap_by_index(a.get(), 1)));
    Bitmap last(load_gif_frame(path.c_str(), nullptr, 9));
    EXPECT_EQ(pixels(last.get()), pixels(gif_bitmap_by_index(a.get(), 2)));
    EXPECT_EQ(load_gif_frame(path.c_str(), nullptr, 0), nullptr);
}

TEST(GifAnimation, RefusesAHugeLogicalScreen) {
    auto bytes = Builder().screen(65535, 65535, 2).ramp(4).image(2, 1).data(2, pack({{4, 3}, {1, 3}, {2, 3}, {5, 3}})).trailer().bytes;
    EXPECT_TRUE(load(bytes)) << "a picture is the image alone";
    EXPECT_EQ(load_memory_gif_animation(bytes.data(), bytes.size()), nullptr);
}

TEST(GifAnimation, AnimationWithoutLengthShowsItsFirstFrame) {
    auto bytes = two_by_two("89a");
    Animation a(load_memory_gif_animation(bytes.data(), bytes.size()));
    ASSERT_TRUE(a);
    EXPECT_EQ(gif_frame_at(a.get(), 1234), a->frames);
    EXPECT_EQ(load_gif_animation_pf(nullptr, 10), nullptr);
    destroy_gif_animation(nullptr);
}

}  // namespace
