#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/gif.h"
#include "engine/loaders.h"
#include "gif_bytes.h"
#include "support/test_support.h"

namespace {

// The message box prints to standard output when there is no display; death tests match what the
// child writes to standard error.
template <class Load>
void load_with_messages_on_stderr(Load load) {
    dup2(STDERR_FILENO, STDOUT_FILENO);
    load();
}

TEST(LoadersDeathTest, AFailedLoadReportsAndEndsTheProcessWithStatusOne) {
    std::string missing = testing_support::scratch_dir() + "/missing";
    EXPECT_EXIT(load_with_messages_on_stderr([&] { load_png_ex((missing + ".png").c_str()); }),
                testing::ExitedWithCode(1), "missing\\.png not able to load\\.");
    EXPECT_EXIT(load_with_messages_on_stderr([&] { load_bitmap_ex((missing + ".bmp").c_str()); }),
                testing::ExitedWithCode(1), "missing\\.bmp not able to load\\.");
    EXPECT_EXIT(load_with_messages_on_stderr([&] { load_datafile_ex((missing + ".dat").c_str()); }),
                testing::ExitedWithCode(1), "missing\\.dat not able to load\\.");
}

TEST(Loaders, LoadPicturesThatExist) {
    std::string dir = testing_support::scratch_dir();
    BITMAP* picture = create_bitmap(3, 2);
    clear_to_color(picture, makecol(10, 200, 30));
    ASSERT_EQ(save_png((dir + "/p.png").c_str(), picture, nullptr), 0);
    ASSERT_EQ(save_gif((dir + "/p.gif").c_str(), picture, nullptr), 0);
    destroy_bitmap(picture);

    BITMAP* png = load_png_ex((dir + "/p.png").c_str());
    EXPECT_EQ(png->w, 3);
    EXPECT_EQ(getpixel(png, 2, 1), makecol(10, 200, 30));
    destroy_bitmap(png);

    register_bitmap_file_type("gif", load_gif, save_gif);
    BITMAP* gif = load_bitmap_ex((dir + "/p.gif").c_str());
    EXPECT_EQ(gif->h, 2);
    EXPECT_EQ(bitmap_color_depth(gif), 16);
    destroy_bitmap(gif);
}

void put_be32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

using Objects = std::vector<std::pair<uint32_t, std::vector<uint8_t>>>;

// The count and objects, as a datafile's body or a nested datafile object holds them.
std::vector<uint8_t> datafile_body(const Objects& objects) {
    std::vector<uint8_t> out;
    put_be32(out, static_cast<uint32_t>(objects.size()));
    for (const auto& [type, data] : objects) {
        put_be32(out, type);
        put_be32(out, static_cast<uint32_t>(data.size()));
        put_be32(out, static_cast<uint32_t>(data.size()));
        out.insert(out.end(), data.begin(), data.end());
    }
    return out;
}

// A plain datafile in the scratch folder; returns its path.
std::string write_datafile(const std::string& name, const Objects& objects) {
    std::vector<uint8_t> file = {'s', 'l', 'h', '.', 'A', 'L', 'L', '.'};
    std::vector<uint8_t> body = datafile_body(objects);
    file.insert(file.end(), body.begin(), body.end());
    std::string path = testing_support::scratch_dir() + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
    return path;
}

std::vector<uint8_t> two_pixel_gif() {
    using gif_bytes::Builder;
    using gif_bytes::pack;
    return Builder()
        .screen(2, 1, 1)
        .colours({{0, 0, 0}, {252, 0, 0}})
        .image(2, 1)
        .data(2, pack({{4, 3}, {1, 3}, {0, 3}, {5, 3}}))
        .trailer()
        .bytes;
}

TEST(Loaders, DatafilePicturesReadAlikeFromGifAndBitmapObjects) {
    std::vector<uint8_t> plain = {0, 16, 0, 2, 0, 1, 0x00, 0xF8, 0x1F, 0xF8};  // 16-bit 2x1: red, mask
    std::string path = write_datafile("pictures.dat", {{DAT_GIF, two_pixel_gif()},
                                                       {DAT_ID('B', 'M', 'P', ' '), plain},
                                                       {DAT_ID('D', 'A', 'T', 'A'), {1, 2, 3}}});

    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    DATAFILE* data = load_datafile_ex(path.c_str());
    BITMAP* from_gif = datafile_bitmap(data[0]);
    BITMAP* from_bitmap = datafile_bitmap(data[1]);
    ASSERT_TRUE(from_gif && from_bitmap);
    EXPECT_EQ(getpixel(from_gif, 0, 0), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(from_bitmap, 0, 0), makecol(255, 0, 0));
    EXPECT_EQ(getpixel(from_bitmap, 1, 0), bitmap_mask_color(from_bitmap));
    EXPECT_EQ(static_cast<GifObject*>(data[0].dat)->palette[1].r, 63);
    EXPECT_EQ(datafile_bitmap(data[2]), nullptr);
    unload_datafile(data);
}

std::vector<uint8_t> first_bytes(std::vector<uint8_t> bytes, size_t n) {
    bytes.resize(n);
    return bytes;
}

// GIF objects that hold no picture: empty, not a GIF, cut off before its image.
const std::vector<std::pair<std::string, std::vector<uint8_t>>> broken_gifs = {
    {"empty", {}},
    {"junk", {'n', 'o', 't', ' ', 'a', ' ', 'G', 'I', 'F'}},
    {"cut", first_bytes(two_pixel_gif(), 20)},
};

// Allegro frees a datafile twice when an object loader fails, so a broken GIF object loads
// empty, the next object still loads intact, and the game refuses the datafile as unloadable.
TEST(GifObject, BrokenOnesLoadEmptyAndTheNextObjectIntact) {
    EXPECT_EQ(load_gif_object(nullptr, 0), nullptr);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    for (const auto& [name, gif] : broken_gifs) {
        DATAFILE* data = load_datafile(write_datafile(name + ".dat", {{DAT_GIF, gif}, {DAT_DATA, {7, 8}}}).c_str());
        ASSERT_NE(data, nullptr) << name;
        EXPECT_EQ(datafile_bitmap(data[0]), nullptr) << name;
        ASSERT_EQ(data[1].size, 2) << name;
        EXPECT_EQ(static_cast<uint8_t*>(data[1].dat)[1], 8) << name;
        unload_datafile(data);
    }
}

TEST(LoadersDeathTest, ADatafileHoldingABrokenGifObjectIsReportedAsNotLoading) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    for (const auto& [name, gif] : broken_gifs) {
        std::string flat = write_datafile(name + ".dat", {{DAT_GIF, two_pixel_gif()}, {DAT_GIF, gif}});
        std::string nested = write_datafile(name + "_nested.dat", {{DAT_FILE, datafile_body({{DAT_GIF, gif}})}});
        for (const std::string& path : {flat, nested}) {
            EXPECT_EXIT(load_with_messages_on_stderr([&] { load_datafile_ex(path.c_str()); }),
                        testing::ExitedWithCode(1), "\\.dat not able to load\\.")
                << path;
        }
    }
}

TEST(Screenshots, TakeTheNextFreeNumberAndCreateTheFolder) {
    testing_support::WorkingDirectory here(testing_support::scratch_dir());
    screenshot_count = 0;
    BITMAP* frame = create_bitmap(4, 4);
    clear_to_color(frame, makecol(1, 2, 3));
    save_screenshot(frame);
    EXPECT_TRUE(std::filesystem::exists("screenshots/0.png"));

    std::ofstream("screenshots/1.png") << "an earlier run's picture";
    save_screenshot(frame);
    EXPECT_TRUE(std::filesystem::exists("screenshots/2.png"));
    std::ifstream earlier("screenshots/1.png");
    std::string content;
    std::getline(earlier, content);
    EXPECT_EQ(content, "an earlier run's picture");
    EXPECT_EQ(screenshot_count, 3);
    destroy_bitmap(frame);
}

TEST(RandomRange, StaysWithinItsBoundsAndReachesBoth) {
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(random_range(3, 3), 3);
        int v = random_range(-2, 1);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 1);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST(RandomRangeDeathTest, ReversedBoundsAreAProgrammingError) {
    EXPECT_DEBUG_DEATH(random_range(5, 3), "lo <= hi");
}

}  // namespace
