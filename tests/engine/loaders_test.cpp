#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/datafile_check.h"
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

using Bytes = std::vector<uint8_t>;

Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::string write_file(const std::string& name, const Bytes& bytes) {
    std::string path = testing_support::scratch_dir() + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

// The bytes after the magic number packed whole ("slh!"), as Allegro's packfile layer packs them.
Bytes packed_whole(const Bytes& plain) {
    std::string path = testing_support::scratch_dir() + "/packing.dat";
    PACKFILE* out = pack_fopen(path.c_str(), F_WRITE_PACKED);
    pack_fwrite(plain.data() + 4, static_cast<long>(plain.size() - 4), out);
    pack_fclose(out);
    return read_file(path);
}

uint32_t be32_at(const Bytes& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
}

// In a plain datafile's bytes, from an object count at `at`: where each object's header begins,
// where its type ends and where its body begins, nested datafiles' objects included.
void header_boundaries(const Bytes& file, size_t at, std::set<size_t>& cuts) {
    const uint32_t count = be32_at(file, at);
    at += 4;
    for (uint32_t i = 0; i < count; ++i) {
        cuts.insert(at);
        while (be32_at(file, at) == static_cast<uint32_t>(DAT_PROPERTY)) at += 12 + be32_at(file, at + 8);
        const uint32_t type = be32_at(file, at);
        const size_t stored = be32_at(file, at + 4);
        cuts.insert(at + 4);
        at += 12;
        cuts.insert(at);
        if (type == static_cast<uint32_t>(DAT_FILE)) header_boundaries(file, at, cuts);
        at += stored;
    }
}

int object_count(const DATAFILE* data) {
    int n = 0;
    while (data[n].type != DAT_END) ++n;
    return n;
}

// Loaded and let go again; the object count of what loaded, or -1 when it was refused.
int load_count(const std::string& path) {
    DATAFILE* data = load_checked_datafile(path.c_str());
    if (!data) return -1;
    const int n = object_count(data);
    unload_datafile(data);
    return n;
}

// One byte in a hundred changed, at places drawn from `seed`.
Bytes flipped(Bytes bytes, unsigned seed) {
    std::mt19937 draw(seed);
    std::uniform_int_distribution<size_t> place(0, bytes.size() - 1);
    std::uniform_int_distribution<int> change(1, 255);
    for (size_t i = 0; i < std::max<size_t>(1, bytes.size() / 100); ++i)
        bytes[place(draw)] ^= static_cast<uint8_t>(change(draw));
    return bytes;
}

struct TreeDatafile {
    const char* kind;
    const char* path;
};

class DamagedTreeDatafile : public ::testing::TestWithParam<TreeDatafile> {};

// Every cut is refused; a file with flipped bytes is refused or loads whole. Allegro's own reader
// dies on most of these.
TEST_P(DamagedTreeDatafile, IsRefusedOrLoadsWholeNeverCrashes) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    const Bytes plain = read_file(testing_support::data_dir() + "/" + GetParam().path);
    ASSERT_GT(plain.size(), 16u);
    const Bytes packed = packed_whole(plain);
    const int objects = load_count(write_file("whole.dat", plain));
    ASSERT_GT(objects, 0) << "the undamaged file loads";
    EXPECT_EQ(load_count(write_file("packed.dat", packed)), objects) << "packed whole, it loads alike";

    std::set<size_t> cuts{plain.size() / 2, plain.size() / 10};
    header_boundaries(plain, 8, cuts);
    for (size_t n : cuts) EXPECT_EQ(load_count(write_file("cut.dat", first_bytes(plain, n))), -1) << "cut at " << n;
    for (size_t n : {packed.size() / 2, packed.size() / 10})
        EXPECT_EQ(load_count(write_file("cut.dat", first_bytes(packed, n))), -1) << "packed, cut at " << n;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        for (const Bytes* file : {&plain, &packed}) {
            const int n = load_count(write_file("flipped.dat", flipped(*file, seed)));
            EXPECT_TRUE(n == -1 || n == objects) << "seed " << seed << ": " << n << " objects";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedTreeDatafile,
                         ::testing::Values(TreeDatafile{"ship", "adam_ship.dat"},
                                           TreeDatafile{"enemy", "enemy_one.dat"},
                                           TreeDatafile{"explosions", "explosions.dat"},
                                           TreeDatafile{"faces", "gfx/faces/faces.dat"},
                                           TreeDatafile{"fonts", "fonts/fonts.dat"},
                                           TreeDatafile{"meteor", "meteor.dat"},
                                           TreeDatafile{"power_ups", "powerups.dat"}),
                         [](const auto& info) { return std::string(info.param.kind); });

Bytes be16s(std::initializer_list<int> values) {
    Bytes out;
    for (int v : values) {
        out.push_back(static_cast<uint8_t>(v >> 8));
        out.push_back(static_cast<uint8_t>(v));
    }
    return out;
}

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes be32s(std::initializer_list<uint32_t> values) {
    Bytes out;
    for (uint32_t v : values) put_be32(out, v);
    return out;
}

// A colour font of one range: `kind`, characters first..last, each glyph w x h of `pixel` bytes.
Bytes colour_font(int kind, uint32_t first, uint32_t last, int w, int h, int pixel) {
    Bytes font = joined({be16s({0, 1}), {static_cast<uint8_t>(kind)}, be32s({first, last})});
    for (uint32_t c = first; c <= last; ++c) {
        Bytes glyph = joined({be16s({w, h}), Bytes(static_cast<size_t>(w * h * pixel), 0x40)});
        font.insert(font.end(), glyph.begin(), glyph.end());
    }
    return font;
}

Bytes nested(int depth) {
    return depth == 0 ? datafile_body({{DAT_DATA, {1}}}) : datafile_body({{DAT_FILE, nested(depth - 1)}});
}

Bytes file_of(const Bytes& body) { return joined({{'s', 'l', 'h', '.', 'A', 'L', 'L', '.'}, body}); }

// A file of one object whose body Allegro packs on its own, its size then raised by `size_error`.
Bytes packed_object_file(int32_t type, const Bytes& body, int size_error) {
    const std::string path = testing_support::scratch_dir() + "/packing.dat";
    PACKFILE* out = pack_fopen(path.c_str(), F_WRITE_NOPACK);
    pack_mputl(DAT_MAGIC, out);
    pack_mputl(1, out);
    pack_mputl(type, out);
    PACKFILE* chunk = pack_fopen_chunk(out, TRUE);
    pack_fwrite(body.data(), static_cast<long>(body.size()), chunk);
    pack_fclose(pack_fclose_chunk(chunk));
    Bytes file = read_file(path);
    const uint32_t size = be32_at(file, 20) - static_cast<uint32_t>(size_error);  // stored negated
    for (int i = 0; i < 4; ++i) file[20 + i] = static_cast<uint8_t>(size >> (24 - 8 * i));
    return file;
}

// Files made to the layout, whole or damaged in one way each.
struct Crafted {
    const char* name;
    Bytes file;
    bool loads;
};

const Bytes bitmap_2x1 = {0, 16, 0, 2, 0, 1, 0x00, 0xF8, 0x1F, 0xF8};

Bytes file_with(uint32_t type, const Bytes& body) { return file_of(datafile_body({{type, body}})); }

// Words as they stand after the magic numbers (a count, headers), then bytes.
Bytes file_of_words(std::initializer_list<uint32_t> words, const Bytes& tail = {}) {
    return file_of(joined({be32s(words), tail}));
}

std::vector<Crafted> crafted_files() {
    const Bytes two = datafile_body({{DAT_BITMAP, bitmap_2x1}, {DAT_DATA, {7, 8}}});
    const Bytes two_objects(two.begin() + 4, two.end());
    const Bytes bitmap_object(two.begin() + 4, two.begin() + 26);
    const uint32_t prop = DAT_PROPERTY, data = DAT_DATA;
    const Bytes property = joined({be32s({prop, DAT_NAME, 1}), {'A'}});
    const Bytes font = colour_font(16, 'A', 'B', 2, 3, 2);
    const Bytes xs(300, 'x');
    return {
        {"whole", file_of(two), true},
        {"with a property", file_of_words({1}, joined({property, bitmap_object})), true},
        {"cut inside the first header", first_bytes(file_of(two), 14), false},
        {"cut inside a property", first_bytes(file_of_words({1}, property), 20), false},
        {"a property longer than the file", file_of_words({1, prop, DAT_NAME, 0x7FFFFFF0}), false},
        {"a type read as -1", file_with(0xFFFFFFFFu, {1, 2}), false},
        {"a type the game never holds", file_with(DAT_ID('S', 'A', 'M', 'P'), {0, 8, 0, 1, 0, 0, 0, 1, 0}), false},
        {"a count one short", file_of_words({1}, two_objects), false},
        {"a count one over", file_of_words({3}, two_objects), false},
        {"a stored size past the end", file_of_words({1, data, 0x7FFFFFF0, 0x7FFFFFF0}, {1}), false},
        {"sizes that differ", file_of_words({1, data, 2, 1}, {1, 2}), false},
        {"a byte after the last object", joined({file_of(two), {0}}), false},
        {"a bitmap of an unknown depth", file_with(DAT_BITMAP, joined({be16s({12, 2, 1}), {0, 0, 0, 0}})), false},
        {"a bitmap larger than its body", file_with(DAT_BITMAP, joined({be16s({16, 30000, 30000}), {0, 0}})), false},
        {"a colour font", file_with(DAT_FONT, font), true},
        {"a font glyph cut", file_with(DAT_FONT, first_bytes(font, 30)), false},
        {"a font range reversed", file_with(DAT_FONT, colour_font(16, 'B', 'A', 2, 3, 2)), false},
        {"a font of an unknown kind", file_with(DAT_FONT, colour_font(7, 'A', 'A', 2, 3, 1)), false},
        {"an object packed on its own", packed_object_file(DAT_DATA, xs, 0), true},
        {"a packed object asking one byte more", packed_object_file(DAT_DATA, xs, 1), false},
        {"a packed object asking half its bytes", packed_object_file(DAT_DATA, xs, -150), false},
        {"nested 16 deep", file_of(nested(16)), true},
        {"nested 17 deep", file_of(nested(17)), false},
    };
}

TEST(DatafileCheck, CraftedFilesLoadOnlyWhenWhole) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    for (const Crafted& c : crafted_files()) {
        const std::string path = write_file("crafted.dat", c.file);
        EXPECT_EQ(datafile_is_whole(path.c_str()), c.loads) << c.name;
        EXPECT_EQ(load_count(path) >= 0, c.loads) << c.name;
    }
}

TEST(LoadersDeathTest, ADamagedDatafileIsReportedAsNotLoading) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    const Bytes body = datafile_body({{DAT_BITMAP, bitmap_2x1}});
    for (const Bytes& damaged : {first_bytes(file_of(body), 14), file_with(0xFFFFFFFFu, {1, 2})}) {
        const std::string path = write_file("damaged.dat", damaged);
        EXPECT_EXIT(load_with_messages_on_stderr([&] { load_datafile_ex(path.c_str()); }), testing::ExitedWithCode(1),
                    "damaged\\.dat not able to load\\.");
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
