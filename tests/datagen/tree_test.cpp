// The generated data tree against the manifest: every file there, decodable, with the sizes,
// frame strips, datafile objects and sound lengths the game relies on; and made the same way twice.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>
#include <mpg123.h>
#include <vorbis/vorbisfile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "engine/gif.h"
#include "manifest.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using manifest::Fill;
using manifest::Size;

std::vector<uint8_t> read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path tree() { return testing_support::data_dir(); }

bool present(const std::string& path) {
    if (fs::exists(tree() / path)) return true;
    ADD_FAILURE() << path << " is missing";
    return false;
}

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

Bitmap load_picture(const fs::path& path) {
    if (path.extension() == ".png") return Bitmap(load_png(path.c_str(), nullptr));
    return Bitmap(load_gif(path.c_str(), nullptr));
}

void expect_picture(const std::string& what, BITMAP* bmp, Size size, Fill fill) {
    ASSERT_NE(bmp, nullptr) << what << " does not decode";
    EXPECT_TRUE(bmp->w >= size.min_w && bmp->w <= size.max_w && bmp->h >= size.min_h && bmp->h <= size.max_h)
        << what << " is " << bmp->w << "x" << bmp->h;
    if (fill != Fill::opaque) return;
    for (int y = 0; y < bmp->h; ++y)
        for (int x = 0; x < bmp->w; ++x)
            ASSERT_NE(getpixel(bmp, x, y), bitmap_mask_color(bmp)) << what << " shows the mask at " << x << "," << y;
}

TEST(Tree, TablesHoldEveryFile) {
    EXPECT_EQ(manifest::pictures().size(), 205u);
    EXPECT_EQ(manifest::datafiles().size(), 17u);
    EXPECT_EQ(manifest::sounds().size(), 41u);
}

TEST(Tree, PicturesDecodeWithTheirGeometry) {
    for (const manifest::Picture& p : manifest::pictures()) {
        if (!present(p.path)) continue;
        fs::path path = tree() / p.path;
        if (path.extension() == ".png") {
            auto bytes = read_bytes(path);
            ASSERT_GT(bytes.size(), 26u);
            EXPECT_EQ(bytes[24], 8) << p.path << ": 8 bits per channel";
            EXPECT_EQ(bytes[25], 2) << p.path << ": RGB without alpha";
        }
        Bitmap bmp = load_picture(path);
        expect_picture(p.path, bmp.get(), p.size, p.fill);
    }
}

TEST(Tree, MousePointerTipIsItsTopLeftPixel) {
    Bitmap pointer = load_picture(tree() / "gfx/gui/mouse.gif");
    ASSERT_TRUE(pointer);
    EXPECT_NE(getpixel(pointer.get(), 0, 0), bitmap_mask_color(pointer.get()));
}

void expect_objects(const std::string& where, const DATAFILE* d, const std::vector<manifest::Object>& objects) {
    size_t count = 0;
    while (d[count].type != DAT_END) ++count;
    ASSERT_EQ(count, objects.size()) << where;
    for (size_t i = 0; i < count; ++i) {
        const manifest::Object& want = objects[i];
        std::string what = where + " object " + std::to_string(i);
        switch (want.kind) {
            case manifest::Object::gif:
                ASSERT_EQ(d[i].type, DAT_ID('G', 'I', 'F', ' ')) << what;
                expect_picture(what, static_cast<GifObject*>(d[i].dat)->bitmap, want.size, want.fill);
                break;
            case manifest::Object::font: {
                ASSERT_EQ(d[i].type, DAT_FONT) << what;
                auto* f = static_cast<FONT*>(d[i].dat);
                EXPECT_LE(text_height(f), want.size.max_h) << what;
                EXPECT_GT(text_length(f, " !09AZaz~"), 0) << what << " lacks printable ASCII";
                break;
            }
            case manifest::Object::file:
                ASSERT_EQ(d[i].type, DAT_FILE) << what;
                expect_objects(what, static_cast<DATAFILE*>(d[i].dat), want.children);
                break;
        }
        std::string name = get_datafile_property(&d[i], DAT_NAME);
        char index[24];
        std::snprintf(index, sizeof index, "%02zu", i);
        EXPECT_EQ(name.substr(0, 2), index) << what << " is named " << name;
    }
}

TEST(Tree, DatafilesLoadWithTheirObjectsInOrder) {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    for (const manifest::Datafile& file : manifest::datafiles()) {
        if (!present(file.path)) continue;
        DATAFILE* d = load_datafile((tree() / file.path).c_str());
        ASSERT_NE(d, nullptr) << file.path << " does not load";
        expect_objects(file.path, d, file.objects);
        unload_datafile(d);
    }
}

TEST(Tree, FontsDrawInTheirOwnColours) {
    DATAFILE* d = load_datafile((tree() / "fonts/fonts.dat").c_str());
    ASSERT_NE(d, nullptr);
    BITMAP* canvas = create_bitmap(200, 80);
    for (int i : {0, 1, 5, 6, 7, 8, 9}) {
        clear_to_color(canvas, makecol(0, 0, 0));
        textout_ex(canvas, static_cast<FONT*>(d[i].dat), "Stage 8", 0, 0, -1, -1);
        int lit = 0;
        for (int y = 0; y < canvas->h; ++y)
            for (int x = 0; x < canvas->w; ++x) lit += getr(getpixel(canvas, x, y)) > 150;
        EXPECT_GT(lit, 20) << "font " << i << " drawn with colour -1 shows no bright letters";
    }
    destroy_bitmap(canvas);
    unload_datafile(d);
}

TEST(Tree, LitMenuItemsTakeTheRoomOfTheirLabels) {
    DATAFILE* d = load_datafile((tree() / "fonts/fonts.dat").c_str());
    ASSERT_NE(d, nullptr);
    auto* label = static_cast<FONT*>(d[6].dat);
    auto* lit = static_cast<FONT*>(d[8].dat);
    for (const char* text : {"Exit to Menu", "Go Back", "START", "Options", "Bomb 2:   "})
        EXPECT_EQ(text_length(lit, text), text_length(label, text)) << text;
    EXPECT_EQ(text_height(lit), text_height(label));
    unload_datafile(d);
}

long length_ms(const fs::path& path) {
    if (path.extension() == ".mp3") {
        int error = 0;
        mpg123_handle* mh = mpg123_new(nullptr, &error);
        if (!mh) return -1;
        mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
        long ms = -1, rate = 0;
        int channels = 0, encoding = 0;
        if (mpg123_open(mh, path.c_str()) == MPG123_OK && mpg123_getformat(mh, &rate, &channels, &encoding) == MPG123_OK &&
            mpg123_scan(mh) == MPG123_OK && rate > 0)
            ms = static_cast<long>(mpg123_length(mh) * 1000 / rate);
        mpg123_close(mh);
        mpg123_delete(mh);
        return ms;
    }
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return -1;
    long rate = ov_info(&vf, -1)->rate;
    long ms = static_cast<long>(ov_pcm_total(&vf, -1) * 1000 / rate);
    ov_clear(&vf);
    return ms;
}

// The loop points the game sets from the length, as it computes them; true when they are valid.
bool loop_points_valid(manifest::Loop loop, long length) {
    unsigned half = static_cast<unsigned>(length) / 2;
    long start = 0, end = 0;
    switch (loop) {
        case manifest::Loop::whole: start = 12, end = length - 12; break;
        case manifest::Loop::from_half_51: start = long(half) - 51, end = length - 51; break;
        case manifest::Loop::from_half_48: start = long(half) - 48, end = length - 51; break;
        case manifest::Loop::effect_from_half: start = half, end = length - 12; break;
        case manifest::Loop::once: return true;
    }
    return start >= 0 && start < end && end <= length;
}

TEST(Tree, SoundsDecodeAndAllowTheirLoopPoints) {
    for (const manifest::Sound& s : manifest::sounds()) {
        if (!present(s.path)) continue;
        long ms = length_ms(tree() / s.path);
        ASSERT_GE(ms, 0) << s.path << " does not decode";
        EXPECT_GE(ms, s.min_ms) << s.path;
        EXPECT_TRUE(loop_points_valid(s.loop, ms)) << s.path << " is " << ms << " ms long";
    }
}

std::set<std::string> files_under(const fs::path& top) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(top))
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), top).string());
    return files;
}

TEST(Tree, ASecondRunWritesTheSameBytes) {
    fs::path again = fs::path(testing_support::scratch_dir()) / "tree";
    std::string command = std::string(DATAGEN_PROGRAM) + " " + again.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::is_directory(again / "screenshots"));
    EXPECT_TRUE(fs::is_empty(again / "screenshots"));
    std::set<std::string> made = files_under(again);
    EXPECT_FALSE(made.empty());
    for (const std::string& path : made)
        EXPECT_EQ(read_bytes(again / path), read_bytes(tree() / path)) << path << " differs between runs";
}

}  // namespace
