// The generator's writers, read back by Allegro, loadpng and an independent GIF reader.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/gif.h"
#include "support/test_support.h"
#include "writers/writers.h"

namespace {

using datagen::Image;
using datagen::Rgb;

std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A GIF read by the game's own codec, kept at 8 bits: palette indexes and the palette.
struct Indexed {
    BITMAP* bitmap = nullptr;
    PALETTE palette;
    Indexed(const std::vector<uint8_t>& gif) {
        set_color_conversion(COLORCONV_NONE);
        bitmap = load_memory_gif(gif.data(), gif.size(), palette);
        set_color_conversion(COLORCONV_TOTAL);
    }
    ~Indexed() {
        if (bitmap) destroy_bitmap(bitmap);
    }
    int index(int x, int y) const { return getpixel(bitmap, x, y); }
    Rgb colour(int x, int y) const {
        const RGB& c = palette[index(x, y)];
        return Rgb{static_cast<uint8_t>(c.r * 4), static_cast<uint8_t>(c.g * 4), static_cast<uint8_t>(c.b * 4)};
    }
};

int rgb565(Rgb c) { return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3); }

// A picture with a mask border, a smooth gradient, and colours that sit just beside the mask.
Image sample_picture(int w, int h) {
    Image image(w, h);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            image.at(x, y) = Rgb{static_cast<uint8_t>(x * 255 / w), static_cast<uint8_t>(y * 255 / h),
                                 static_cast<uint8_t>((x + y) * 127 / (w + h))};
    image.at(2, 2) = Rgb{250, 1, 252};  // opaque, but would become the mask at 16 bits
    image.at(3, 2) = Rgb{255, 3, 255};
    return image;
}

// Random indexes over a fixed set of colours: exact round trips, and long enough to fill the LZW
// table many times over.
Image noise_picture(int w, int h, int colours) {
    Image image(w, h);
    std::srand(7);
    for (Rgb& p : image.pixels) {
        int k = std::rand() % colours;
        p = k == 0 ? datagen::mask_colour : Rgb{static_cast<uint8_t>(k * 4), static_cast<uint8_t>(255 - k), 60};
    }
    return image;
}

TEST(Writers, PngLoadsWithMaskAndNudgedColours) {
    Image image = sample_picture(40, 30);
    std::string path = testing_support::scratch_dir() + "/p.png";
    ASSERT_TRUE(datagen::write_png(path, image));
    BITMAP* bmp = load_png(path.c_str(), nullptr);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->w, 40);
    EXPECT_EQ(bmp->h, 30);
    EXPECT_EQ(getpixel(bmp, 0, 0), 0xF81F);
    EXPECT_NE(getpixel(bmp, 2, 2), 0xF81F);
    EXPECT_NE(getpixel(bmp, 3, 2), 0xF81F);
    EXPECT_EQ(getpixel(bmp, 20, 15), rgb565(image.at(20, 15)));
    destroy_bitmap(bmp);
}

TEST(Writers, GifKeepsUpTo255ColoursExactlyAndMasksIndexZero) {
    Image image = noise_picture(300, 200, 200);
    Indexed gif(datagen::gif_bytes(image));
    ASSERT_NE(gif.bitmap, nullptr);
    ASSERT_EQ(gif.bitmap->w, 300);
    ASSERT_EQ(gif.bitmap->h, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            Rgb want = image.at(x, y);
            if (want == datagen::mask_colour) {
                ASSERT_EQ(gif.index(x, y), 0) << x << "," << y;
                continue;
            }
            ASSERT_NE(gif.index(x, y), 0) << x << "," << y;
            Rgb got = gif.colour(x, y);
            ASSERT_EQ(got.r >> 2, want.r >> 2) << x << "," << y;
            ASSERT_EQ(got.g >> 2, want.g >> 2) << x << "," << y;
            ASSERT_EQ(got.b >> 2, want.b >> 2) << x << "," << y;
        }
}

TEST(Writers, GifReducesManyColoursCloselyAndNeverOntoTheMask) {
    Image image = sample_picture(256, 256);
    Indexed gif(datagen::gif_bytes(image));
    ASSERT_NE(gif.bitmap, nullptr);
    long worst = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            Rgb want = image.at(x, y);
            if (want == datagen::mask_colour) {
                ASSERT_EQ(gif.index(x, y), 0);
                continue;
            }
            ASSERT_NE(gif.index(x, y), 0);
            Rgb got = gif.colour(x, y);
            ASSERT_FALSE(got.r >= 248 && got.g <= 3 && got.b >= 248) << x << "," << y;
            long e = std::max({std::labs(got.r - want.r), std::labs(got.g - want.g), std::labs(got.b - want.b)});
            worst = std::max(worst, e);
        }
    EXPECT_LE(worst, 16) << "even the lone near-magenta pixels keep their colour";
}

TEST(Writers, GifAtSixteenBitsMasksOnlyTheMask) {
    Image image = sample_picture(30, 20);
    std::vector<uint8_t> bytes = datagen::gif_bytes(image);
    BITMAP* bmp = load_memory_gif(bytes.data(), bytes.size(), nullptr);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bitmap_color_depth(bmp), 16);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(getpixel(bmp, x, y) == 0xF81F, image.at(x, y) == datagen::mask_colour) << x << "," << y;
    destroy_bitmap(bmp);
}

TEST(Writers, DatafileLoadsInOrderWithEveryObjectType) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    Image picture = sample_picture(12, 10);
    datagen::Font font;
    font.first = 'A';
    font.glyphs = {Image(5, 9, Rgb{255, 255, 0}), Image(7, 9, Rgb{0, 255, 0})};
    font.glyphs[0].at(0, 0) = datagen::mask_colour;
    datagen::Datafile inner;
    inner.add_gif("INNER", picture);
    datagen::Datafile file;
    file.add_gif("STRIP", picture);
    file.add_bitmap("BITMAP", picture);
    file.add_font("FONT", font);
    file.add_datafile("NESTED", inner);
    std::string path = testing_support::scratch_dir() + "/d.dat";
    ASSERT_TRUE(file.write(path));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(read_bytes(path).data()), 8), "slh.ALL.");

    DATAFILE* d = load_datafile(path.c_str());
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d[4].type, DAT_END);
    EXPECT_EQ(d[0].type, DAT_ID('G', 'I', 'F', ' '));
    EXPECT_STREQ(get_datafile_property(&d[0], DAT_NAME), "00_STRIP");
    EXPECT_STREQ(get_datafile_property(&d[3], DAT_NAME), "03_NESTED");
    BITMAP* gif = static_cast<GifObject*>(d[0].dat)->bitmap;
    EXPECT_EQ(gif->w, 12);
    EXPECT_EQ(getpixel(gif, 0, 0), 0xF81F);

    ASSERT_EQ(d[1].type, DAT_BITMAP);
    auto* bmp = static_cast<BITMAP*>(d[1].dat);
    EXPECT_EQ(bitmap_color_depth(bmp), 16);
    EXPECT_EQ(getpixel(bmp, 0, 0), 0xF81F);
    EXPECT_NE(getpixel(bmp, 2, 2), 0xF81F);
    EXPECT_EQ(getpixel(bmp, 5, 5), rgb565(picture.at(5, 5)));

    ASSERT_EQ(d[2].type, DAT_FONT);
    auto* f = static_cast<FONT*>(d[2].dat);
    EXPECT_EQ(text_height(f), 9);
    EXPECT_EQ(text_length(f, "AB"), 12);
    BITMAP* canvas = create_bitmap(20, 10);
    clear_to_color(canvas, makecol(0, 0, 255));
    textout_ex(canvas, f, "AB", 0, 0, -1, -1);
    EXPECT_EQ(getpixel(canvas, 0, 0), makecol(0, 0, 255)) << "mask pixel of a glyph is transparent";
    EXPECT_EQ(getpixel(canvas, 1, 0), makecol(255, 255, 0));
    EXPECT_EQ(getpixel(canvas, 6, 0), makecol(0, 255, 0));
    destroy_bitmap(canvas);

    ASSERT_EQ(d[3].type, DAT_FILE);
    auto* nested = static_cast<DATAFILE*>(d[3].dat);
    ASSERT_EQ(nested[0].type, DAT_ID('G', 'I', 'F', ' '));
    EXPECT_EQ(nested[1].type, DAT_END);
    EXPECT_EQ(static_cast<GifObject*>(nested[0].dat)->bitmap->h, 10);
    unload_datafile(d);
}

}  // namespace
