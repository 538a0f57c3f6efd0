// The generator's writers, read back by Allegro, loadpng and an independent GIF reader.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "gif_reader.h"
#include "support/test_support.h"
#include "writers/writers.h"

namespace {

using datagen::Image;
using datagen::Rgb;

std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
    auto gif = gif_test::decode(datagen::gif_bytes(image));
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->width, 300);
    ASSERT_EQ(gif->height, 200);
    EXPECT_EQ(gif->transparent, 0);
    EXPECT_EQ((std::vector<uint8_t>(gif->palette.begin(), gif->palette.begin() + 3)), (std::vector<uint8_t>{255, 0, 255}));
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        int k = gif->pixels[i];
        Rgb got{gif->palette[3 * k], gif->palette[3 * k + 1], gif->palette[3 * k + 2]};
        Rgb want = image.pixels[i];
        if (want == datagen::mask_colour) {
            ASSERT_EQ(k, 0) << "pixel " << i;
        } else {
            ASSERT_NE(k, 0) << "pixel " << i;
            ASSERT_EQ(got.r >> 2, want.r >> 2) << "pixel " << i;
            ASSERT_EQ(got.g >> 2, want.g >> 2) << "pixel " << i;
        }
    }
}

TEST(Writers, GifReducesManyColoursCloselyAndNeverOntoTheMask) {
    Image image = sample_picture(256, 256);
    auto gif = gif_test::decode(datagen::gif_bytes(image));
    ASSERT_TRUE(gif);
    long worst = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            int k = gif->pixels[y * 256 + x];
            Rgb want = image.at(x, y);
            if (want == datagen::mask_colour) {
                ASSERT_EQ(k, gif->transparent);
                continue;
            }
            ASSERT_NE(k, gif->transparent);
            Rgb got{gif->palette[3 * k], gif->palette[3 * k + 1], gif->palette[3 * k + 2]};
            ASSERT_FALSE(got.r >= 248 && got.g <= 3 && got.b >= 248) << x << "," << y;
            long e = std::max({std::labs(got.r - want.r), std::labs(got.g - want.g), std::labs(got.b - want.b)});
            worst = std::max(worst, e);
        }
    EXPECT_LE(worst, 16) << "even the lone near-magenta pixels keep their colour";
}

TEST(Writers, OpaqueGifHasNoTransparency) {
    Image image(8, 8, Rgb{10, 20, 30});
    auto gif = gif_test::decode(datagen::gif_bytes(image));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->transparent, -1);
}

TEST(Writers, DatafileLoadsInOrderWithEveryObjectType) {
    gif_test::register_gif_objects();
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
    auto* gif = static_cast<BITMAP*>(d[0].dat);
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
    EXPECT_EQ(static_cast<BITMAP*>(nested[0].dat)->h, 10);
    unload_datafile(d);
}

}  // namespace
