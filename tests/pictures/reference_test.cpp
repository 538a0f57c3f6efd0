// Pictures made by ImageMagick at test time, decoded by the engine and by giflib.
#include <allegro.h>
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/gif.h"
#include "support/test_support.h"

namespace {

struct EightBitLoads {
    EightBitLoads() : previous(get_color_conversion()) { set_color_conversion(COLORCONV_NONE); }
    ~EightBitLoads() { set_color_conversion(previous); }
    int previous;
};

struct GifFileCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using Reference = std::unique_ptr<GifFileType, GifFileCloser>;

Reference decode_with_giflib(const std::string& path) {
    int error = 0;
    Reference gif(DGifOpenFileName(path.c_str(), &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK) return nullptr;
    return gif;
}

const ColorMapObject* colour_map(GifFileType* gif, int image) {
    const ColorMapObject* local = gif->SavedImages[image].ImageDesc.ColorMap;
    return local ? local : gif->SColorMap;
}

int transparent_index(GifFileType* gif, int image) {
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, image, &control) != GIF_OK) return -1;
    return control.TransparentColor;
}

// The engine moves a file's transparent index t to 0 and index 0 to t.
int moved(int index, int t) {
    if (t <= 0) return index;
    return index == t ? 0 : index == 0 ? t : index;
}

// Makes a fixture with ImageMagick's convert; the arguments end with the output name.
std::string make_fixture(const std::string& arguments, const std::string& name) {
    static const std::string dir = testing_support::scratch_dir();
    std::string path = dir + "/" + name;
    std::string command = "convert " + arguments + " " + path;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

struct Fixture {
    const char* name;
    const char* arguments;
};

const Fixture pictures[] = {
    {"rose.gif", "rose:"},
    {"interlaced.gif", "rose: -interlace GIF"},
    {"transparent.gif", "rose: -fuzz 25% -transparent red"},
    {"transparent_interlaced.gif", "rose: -fuzz 15% -transparent white -interlace GIF"},
    {"few_colours.gif", "rose: -colors 7"},
    {"two_colours.gif", "rose: -monochrome"},
    {"one_pixel.gif", "-size 1x1 xc:red"},
    {"strip.gif", "-size 2000x3 gradient:red-blue"},
    {"odd.gif", "-seed 5 -size 17x31 plasma:"},
    {"tall.gif", "-seed 9 -size 3x1001 plasma: -interlace GIF"},
    {"large.gif", "-seed 3 -size 640x480 plasma: -colors 256"},
};

TEST(GifReference, FirstImagesDecodeToTheReferenceIndicesAndPalette) {
    for (const Fixture& f : pictures) {
        std::string path = make_fixture(f.arguments, f.name);
        Reference gif = decode_with_giflib(path);
        ASSERT_TRUE(gif) << f.name;
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = colour_map(gif.get(), 0);
        int t = transparent_index(gif.get(), 0);

        EightBitLoads eight;
        PALETTE palette;
        BITMAP* ours = load_gif(path.c_str(), palette);
        ASSERT_TRUE(ours) << f.name;
        ASSERT_EQ(ours->w, image.ImageDesc.Width) << f.name;
        ASSERT_EQ(ours->h, image.ImageDesc.Height) << f.name;
        for (int y = 0; y < ours->h; ++y)
            for (int x = 0; x < ours->w; ++x)
                ASSERT_EQ(getpixel(ours, x, y), moved(image.RasterBits[y * ours->w + x], t)) << f.name << " at " << x << "," << y;
        for (int i = 0; i < map->ColorCount; ++i) {
            const GifColorType& c = map->Colors[i > 0 && i == t ? 0 : i];
            ASSERT_EQ(palette[i].r, c.Red >> 2) << f.name << " entry " << i;
            ASSERT_EQ(palette[i].g, c.Green >> 2) << f.name << " entry " << i;
            ASSERT_EQ(palette[i].b, c.Blue >> 2) << f.name << " entry " << i;
        }
        destroy_bitmap(ours);
    }
}

TEST(GifReference, SixteenBitPicturesShowTheReferenceColoursWithTransparencyAsMask) {
    int transparent_files = 0;
    for (const Fixture& f : pictures) {
        std::string path = make_fixture(f.arguments, f.name);
        Reference gif = decode_with_giflib(path);
        ASSERT_TRUE(gif) << f.name;
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = colour_map(gif.get(), 0);
        int t = transparent_index(gif.get(), 0);
        transparent_files += t >= 0;

        BITMAP* ours = load_gif(path.c_str(), nullptr);
        ASSERT_TRUE(ours) << f.name;
        ASSERT_EQ(bitmap_color_depth(ours), 16);
        for (int y = 0; y < ours->h; ++y)
            for (int x = 0; x < ours->w; ++x) {
                int index = image.RasterBits[y * ours->w + x];
                const GifColorType& c = map->Colors[index];
                int expected = index == t ? 0xF81F
                                          : makecol16(_rgb_scale_6[c.Red >> 2], _rgb_scale_6[c.Green >> 2], _rgb_scale_6[c.Blue >> 2]);
                ASSERT_EQ(getpixel(ours, x, y), expected) << f.name << " at " << x << "," << y;
            }
        destroy_bitmap(ours);
    }
    EXPECT_GE(transparent_files, 2);
}

TEST(GifReference, LaterImagesWithLocalPalettesDecodeToTheReference) {
    std::string path = make_fixture(
        "-delay 20 -size 30x20 gradient:red-yellow -size 30x20 gradient:blue-green -seed 4 -size 30x20 plasma:",
        "local_palettes.gif");
    Reference gif = decode_with_giflib(path);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 3);
    int local_tables = 0;
    EightBitLoads eight;
    GifAnimation* animation = load_gif_animation(path.c_str());
    ASSERT_TRUE(animation);
    ASSERT_EQ(animation->frame_count, 3);
    for (int i = 0; i < 3; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        local_tables += image.ImageDesc.ColorMap != nullptr;
        int t = transparent_index(gif.get(), i);
        ASSERT_EQ(image.ImageDesc.Width, animation->width);
        GifFrame* frame = gif_frame_by_index(animation, i);
        EXPECT_EQ(frame->delay, 20);
        for (int y = 0; y < animation->height; ++y)
            for (int x = 0; x < animation->width; ++x)
                ASSERT_EQ(getpixel(frame->bitmap, x, y), moved(image.RasterBits[y * animation->width + x], t))
                    << "image " << i << " at " << x << "," << y;
        // A frame keeps as many palette entries as the global table has.
        const ColorMapObject* map = colour_map(gif.get(), i);
        int kept = std::min(map->ColorCount, gif->SColorMap->ColorCount);
        for (int k = 1; k < kept; ++k) {
            if (k == t) continue;
            ASSERT_EQ(frame->palette[k].g, map->Colors[k].Green >> 2) << "image " << i << " entry " << k;
        }
    }
    EXPECT_GE(local_tables, 1);
    destroy_gif_animation(animation);
}

// Our writer's files read back identically through giflib.
TEST(GifReference, WrittenFilesDecodeInGiflib) {
    BITMAP* picture = create_bitmap_ex(8, 401, 299);
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) putpixel(picture, x, y, (x * x + y * 7 + (x ^ y)) & 0xFF);
    std::string path = testing_support::scratch_dir() + "/ours.gif";
    ASSERT_EQ(save_gif(path.c_str(), picture, default_palette), 0);
    Reference gif = decode_with_giflib(path);
    ASSERT_TRUE(gif);
    EXPECT_EQ(transparent_index(gif.get(), 0), 0);
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            ASSERT_EQ(gif->SavedImages[0].RasterBits[y * picture->w + x], getpixel(picture, x, y)) << x << "," << y;
    destroy_bitmap(picture);
}

}  // namespace
