// The art against the data tree's manifest: every file present once, exact geometry, frames that
// animate, shots and craft facing the way the game fires them, solid where collisions count, and
// no opaque colour that would turn into the mask at 16 bits.
#include <allegro.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "art/art.h"
#include "art/catalogue.h"
#include "draw/canvas.h"
#include "draw/frames.h"
#include "support/test_support.h"

namespace {

using datagen::Image;
using datagen::mask_colour;
using datagen::Rgb;
using namespace datagen::art;

struct Geometry {
    int frame_w, frame_h, frames = 1;
};

// The manifest's geometry of every plain picture of the ships, enemies and scenery.
const std::map<std::string, Geometry> picture_geometry = {
    {"hit_pic.png", {38, 64}},
    {"gfx/helpers/one_shot.gif", {14, 16, 4}},
    {"gfx/helpers/3_shot.png", {21, 15, 4}},
    {"gfx/helpers/one_shot_bullet.png", {6, 10}},
    {"gfx/helpers/three_shot_bullet.png", {3, 8}},
    {"gfx/player_bombs/bomb_charge.png", {164, 164, 17}},
    {"gfx/player_bombs/charge_middle.png", {164, 164}},
    {"gfx/player_bombs/bomb_1.png", {146, 480, 11}},
    {"gfx/player_bombs/bomb_2_laser_2.png", {50, 640, 8}},
    {"gfx/enemies/enemy_five/bullet.gif", {8, 8}},
    {"gfx/enemies/enemy_seven/hit.png", {131, 111}},
    {"gfx/enemies/enemy_nine/enemy.png", {83, 83, 5}},
    {"gfx/enemies/enemy_eleven/enemy.png", {108, 139}},
    {"gfx/enemies/enemy_eleven/bullet.gif", {6, 12}},
    {"gfx/enemies/enemy_eleven/hit.png", {108, 139}},
    {"gfx/enemies/enemy_eleven/turret.png", {22, 44}},
    {"gfx/enemies/enemy_eleven/wheels.png", {10, 29, 3}},
    {"gfx/enemies/enemy_twelve/enemy.png", {103, 130}},
    {"gfx/enemies/enemy_twelve/bullet.gif", {8, 8}},
    {"gfx/enemies/enemy_twelve/hit.png", {103, 130}},
    {"gfx/enemies/enemy_twelve/turret.png", {57, 57}},
    {"gfx/enemies/enemy_twelve/wheels.png", {20, 28, 3}},
    {"gfx/kv1/enemies/enemy_one/rocketship.gif", {64, 64, 3}},
    {"gfx/kv1/enemies/enemy_one/rocketship_thrusters.gif", {64, 64, 3}},
    {"gfx/kv1/enemies/enemy_one/frame.png", {64, 64}},
    {"gfx/kv1/enemies/enemy_two/enemytwo.gif", {64, 64}},
    {"gfx/kv1/enemies/enemy_two/bullet.png", {4, 10}},
    {"gfx/kv1/enemies/enemy_three/enemythree.png", {64, 64}},
    {"gfx/kv1/enemies/enemy_three/bullet.png", {4, 10}},
    {"gfx/kv1/enemies/enemy_four/enemy_four.png", {25, 28}},
    {"gfx/kv1/enemies/enemy_four/bullet.png", {3, 8}},
    {"gfx/kv1/enemies/enemy_four/frame.png", {25, 28}},
    {"gfx/third_stage/cloud_small.png", {96, 48}},
    {"gfx/third_stage/cloud_medium_1.png", {160, 80}},
    {"gfx/third_stage/cloud_medium_2.png", {192, 96}},
    {"gfx/third_stage/cloud_big.png", {320, 160}},
    {"gfx/third_stage/island_1.png", {240, 180}},
    {"gfx/third_stage/island_2.png", {200, 150}},
    {"gfx/third_stage/island_3.png", {280, 200}},
    {"gfx/tenth_stage/statue.png", {128, 192}},
    {"gfx/objects/debris/1.png", {24, 24}},
    {"gfx/objects/debris/2.png", {32, 20}},
    {"gfx/objects/debris/3.png", {16, 16}},
    {"gfx/objects/debris/4.png", {40, 28}},
    {"gfx/objects/debris/5.png", {28, 36}},
    {"gfx/objects/debris/6.png", {48, 32}},
    {"gfx/objects/debris/7.png", {20, 44}},
    {"gfx/objects/debris/8.png", {36, 36}},
    {"gfx/objects/debris/9.png", {56, 24}},
    {"gfx/objects/debris/10.png", {24, 48}},
    {"gfx/objects/debris/11.png", {64, 40}},
    {"gfx/objects/debris/12.png", {32, 32}},
    {"gfx/objects/meteors/1.gif", {64, 64}},
    {"gfx/objects/meteors/2.gif", {256, 256}},
    {"gfx/stars/stage/star.gif", {1, 1}},
    {"gfx/stars/menu/star.gif", {3, 3}},
    {"gfx/stars/story/star.gif", {3, 3}},
    {"gfx/stars/character_select/star.gif", {3, 3}},
};

// Datafile objects in order; nested datafiles list their one picture.
const std::map<std::string, std::vector<Geometry>> datafile_geometry = [] {
    const std::vector<Geometry> ship = {{4, 12}, {6, 14}, {4, 16}, {8, 24}, {14, 12}, {4, 12}, {1, 1},
                                        {1, 1},  {5, 10}, {9, 12}, {11, 14}, {72, 66, 8}, {64, 64, 5}, {16, 10}};
    std::vector<Geometry> kim = ship;
    kim[0] = {6, 12};
    kim[1] = {12, 14};
    kim[2] = {14, 16};
    return std::map<std::string, std::vector<Geometry>>{
        {"adam_ship.dat", ship},
        {"kim_ship.dat", kim},
        {"kv1_adam_ship.dat", {{4, 10}, {5, 10}, {6, 12}, {36, 35}, {52, 40}}},
        {"enemy_one.dat", {{64, 64}, {5, 12}}},
        {"enemy_two.dat", {{125, 125}, {8, 16}}},
        {"enemy_three.dat", {{93, 93}, {6, 12}}},
        {"enemy_four.dat", {{95, 95, 5}, {6, 14}}},
        {"enemy_five.dat", {{94, 94, 5}, {6, 12}}},
        {"enemy_six.dat", {{85, 85, 5}, {6, 12}}},
        {"enemy_seven.dat", {{131, 111}, {8, 8}}},
        {"enemy_eight.dat", {{76, 105, 5}, {6, 14}}},
        {"enemy_ten.dat", {{117, 117}, {6, 14}}},
        {"meteor.dat", {{28, 23}, {28, 23}}},
        {"powerups.dat", {{40, 40}, {302, 60}}},
    };
}();

const std::set<std::string> nested_datafiles = {"meteor.dat", "powerups.dat"};

// Everything drawn once, shared by the tests.
struct Rendered {
    std::map<std::string, Image> pictures;
    std::map<std::string, DatafileContents> datafiles;
};

const Rendered& rendered() {
    static const Rendered r = [] {
        Rendered out;
        for (const auto& p : all_pictures()) EXPECT_TRUE(out.pictures.emplace(p.path, p.draw()).second) << "twice: " << p.path;
        for (const auto& d : all_datafiles()) EXPECT_TRUE(out.datafiles.emplace(d.path, d.draw()).second) << "twice: " << d.path;
        return out;
    }();
    return r;
}

const Image& picture(const std::string& path) { return rendered().pictures.at(path); }

const Image& object(const std::string& file, size_t index) {
    const DatafileObject& o = rendered().datafiles.at(file).at(index);
    return o.children.empty() ? o.picture : o.children.at(0).picture;
}

// Every picture of the art with its geometry, datafile objects included.
std::vector<std::tuple<std::string, const Image*, Geometry>> everything() {
    std::vector<std::tuple<std::string, const Image*, Geometry>> out;
    for (const auto& [path, g] : picture_geometry) out.emplace_back(path, &picture(path), g);
    for (const auto& [path, objects] : datafile_geometry)
        for (size_t i = 0; i < objects.size(); ++i) out.emplace_back(path + " #" + std::to_string(i), &object(path, i), objects[i]);
    return out;
}

bool opaque(Rgb c) { return c != mask_colour; }

float brightness(Rgb c) { return c.r + c.g + c.b; }

// Mean brightness of the opaque pixels of the top or bottom half.
float half_brightness(const Image& img, bool top) {
    float sum = 0;
    int n = 0;
    for (int y = top ? 0 : img.height / 2; y < (top ? img.height / 2 : img.height); ++y)
        for (int x = 0; x < img.width; ++x)
            if (opaque(img.at(x, y))) sum += brightness(img.at(x, y)), ++n;
    return n ? sum / n : 0;
}

TEST(Art, CoversEveryFileOfTheManifestOnce) {
    std::set<std::string> expected;
    for (const auto& [path, g] : picture_geometry) expected.insert(path);
    for (const auto& [path, g] : datafile_geometry) expected.insert(path);
    std::set<std::string> made;
    for (const auto& job : datagen::art_jobs()) EXPECT_TRUE(made.insert(job.path).second) << "twice: " << job.path;
    EXPECT_EQ(made, expected);
    EXPECT_EQ(made.size(), 72u);
}

TEST(Art, PicturesHaveTheManifestGeometry) {
    for (const auto& [name, img, g] : everything()) {
        EXPECT_EQ(img->width, g.frame_w * g.frames) << name;
        EXPECT_EQ(img->height, g.frame_h) << name;
    }
    for (const auto& [path, contents] : rendered().datafiles) {
        ASSERT_EQ(contents.size(), datafile_geometry.at(path).size()) << path;
        for (size_t i = 0; i < contents.size(); ++i) {
            EXPECT_EQ(contents[i].children.size(), nested_datafiles.count(path) ? 1u : 0u) << path << " #" << i;
        }
    }
}

TEST(Art, NoOpaquePixelTurnsIntoTheMask) {
    for (const auto& [name, img, g] : everything())
        for (Rgb p : img->pixels)
            if (p != mask_colour) {
                ASSERT_FALSE(datagen::draw::reduces_to_mask(p)) << name;
            }
}

TEST(Art, EveryFrameOfAnAnimationDiffers) {
    for (const auto& [name, img, g] : everything())
        for (int i = 0; i < g.frames; ++i)
            for (int j = i + 1; j < g.frames; ++j)
                EXPECT_NE(datagen::draw::frame_of(*img, g.frame_w, i).pixels, datagen::draw::frame_of(*img, g.frame_w, j).pixels)
                    << name << " frames " << i << " and " << j;
}

TEST(Art, DrawingTwiceGivesTheSamePictures) {
    for (const auto& p : all_pictures()) EXPECT_EQ(p.draw().pixels, picture(p.path).pixels) << p.path;
    for (const auto& d : all_datafiles()) {
        const DatafileContents again = d.draw();
        for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].picture.pixels, rendered().datafiles.at(d.path)[i].picture.pixels) << d.path;
    }
}

// Type 1 shots point up, types 2 to 4 down: the white-hot end leads.
TEST(Art, ShotsLeadWithTheirHotEnd) {
    const std::vector<const Image*> up = {&object("adam_ship.dat", 0), &object("adam_ship.dat", 3), &object("kim_ship.dat", 0),
                                          &object("adam_ship.dat", 8), &object("kv1_adam_ship.dat", 0), &object("enemy_five.dat", 1),
                                          &object("enemy_six.dat", 1), &picture("gfx/helpers/one_shot_bullet.png"),
                                          &picture("gfx/enemies/enemy_eleven/bullet.gif")};
    const std::vector<const Image*> down = {&object("enemy_one.dat", 1), &object("enemy_two.dat", 1), &object("enemy_three.dat", 1),
                                            &object("enemy_four.dat", 1), &object("enemy_eight.dat", 1), &object("enemy_ten.dat", 1),
                                            &picture("gfx/kv1/enemies/enemy_two/bullet.png"),
                                            &picture("gfx/kv1/enemies/enemy_four/bullet.png")};
    for (const Image* img : up) EXPECT_GT(half_brightness(*img, true), half_brightness(*img, false));
    for (const Image* img : down) EXPECT_LT(half_brightness(*img, true), half_brightness(*img, false));
}

TEST(Art, BankStripsRollLeftThenRight) {
    // The outer frames are the two rolls, mirror images of each other for a symmetric craft;
    // the level frame sits in the middle and is itself symmetric.
    for (const auto& [file, w] : {std::pair{"enemy_eight.dat", 76}, {"enemy_nine", 83}}) {
        const Image& s = std::string(file) == "enemy_nine" ? picture("gfx/enemies/enemy_nine/enemy.png") : object(file, 0);
        const Image left = datagen::draw::frame_of(s, w, 0), right = datagen::draw::frame_of(s, w, 4), level = datagen::draw::frame_of(s, w, 2);
        int mirrored = 0, symmetric = 0, total = 0;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < w; ++x) {
                mirrored += opaque(left.at(x, y)) == opaque(right.at(w - 1 - x, y));
                symmetric += opaque(level.at(x, y)) == opaque(level.at(w - 1 - x, y));
                ++total;
            }
        EXPECT_GT(mirrored, total * 97 / 100) << file;
        EXPECT_GT(symmetric, total * 97 / 100) << file;
    }
}

TEST(Art, HitTestedPicturesAreSolidWhereTheyCount) {
    // The ship's hit area is one solid fuselage down the middle.
    const Image& hit = picture("hit_pic.png");
    for (int y = 8; y < 56; ++y) EXPECT_TRUE(opaque(hit.at(19, y))) << y;
    EXPECT_FALSE(opaque(hit.at(0, 0)));
    // The shield: every 2x2 block inside its disc holds a solid pixel, so no shot slips through.
    const Image& shield = object("adam_ship.dat", 11);
    for (int f = 0; f < 8; ++f)
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 71; ++x) {
                const float dx = (x + 1 - 36) / 35.0f, dy = (y + 1 - 33) / 32.0f;
                if (dx * dx + dy * dy > 0.95f) continue;
                const int fx = f * 72 + x;
                EXPECT_TRUE(opaque(shield.at(fx, y)) || opaque(shield.at(fx + 1, y)) || opaque(shield.at(fx, y + 1)) ||
                            opaque(shield.at(fx + 1, y + 1)))
                    << "frame " << f << " at " << x << "," << y;
            }
    // Burning beam frames are solid down their middle from top to bottom.
    const Image& beam = picture("gfx/player_bombs/bomb_1.png");
    const Image& laser = picture("gfx/player_bombs/bomb_2_laser_2.png");
    for (int f = 0; f <= 2; ++f)
        for (int y = 0; y < 480; ++y) ASSERT_TRUE(opaque(beam.at(f * 146 + 73, y)) && opaque(beam.at(f * 146 + 40, y))) << f << " " << y;
    for (int f = 0; f <= 3; ++f)
        for (int y = 0; y < 640; ++y) ASSERT_TRUE(opaque(laser.at(f * 50 + 25, y))) << f << " " << y;
    // Ships, drones, the pick-up and the ground markers have solid middles.
    EXPECT_TRUE(opaque(object("adam_ship.dat", 12).at(2 * 64 + 32, 32)));
    EXPECT_TRUE(opaque(object("kim_ship.dat", 12).at(2 * 64 + 32, 32)));
    EXPECT_TRUE(opaque(object("powerups.dat", 0).at(20, 20)));
    EXPECT_TRUE(opaque(object("powerups.dat", 0).at(20, 2)));
    for (const char* island : {"gfx/third_stage/island_1.png", "gfx/third_stage/island_2.png", "gfx/third_stage/island_3.png"}) {
        const Image& img = picture(island);
        EXPECT_TRUE(opaque(img.at(img.width / 2, img.height / 2))) << island;
        EXPECT_FALSE(opaque(img.at(0, 0))) << island;
    }
}

TEST(Art, EdgesTheGameTestsStayInsideTheirColumns) {
    // Kind one's body spans x 6 to 58, the KV1 rocket's 11 to 49: the edge tests turn them there.
    const auto columns_clear = [](const Image& img, int frame_w, int from, int to) {
        for (int f = 0; f < img.width / frame_w; ++f)
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < frame_w; ++x)
                    if ((x < from || x >= to) && opaque(img.at(f * frame_w + x, y))) return false;
        return true;
    };
    EXPECT_TRUE(columns_clear(object("enemy_one.dat", 0), 64, 6, 58));
    EXPECT_TRUE(columns_clear(picture("gfx/kv1/enemies/enemy_one/rocketship.gif"), 64, 11, 49));
}

TEST(Art, WheelsAndStarsAreFullyOpaque) {
    for (const char* path : {"gfx/enemies/enemy_eleven/wheels.png", "gfx/enemies/enemy_twelve/wheels.png", "gfx/stars/stage/star.gif"})
        for (Rgb p : picture(path).pixels) ASSERT_TRUE(opaque(p)) << path;
    EXPECT_EQ(picture("gfx/stars/stage/star.gif").at(0, 0), (Rgb{255, 255, 255}));
}

TEST(Art, JobsWriteFilesTheGameCanLoad) {
    const std::string dir = testing_support::scratch_dir();
    for (const auto& job : datagen::art_jobs()) {
        const std::filesystem::path to = std::filesystem::path(dir) / job.path;
        std::filesystem::create_directories(to.parent_path());
        ASSERT_TRUE(job.write(to)) << job.path;
    }
    for (const auto& [path, objects] : datafile_geometry) {
        DATAFILE* dat = load_datafile((dir + "/" + path).c_str());
        ASSERT_NE(dat, nullptr) << path;
        size_t count = 0;
        while (dat[count].type != DAT_END) ++count;
        EXPECT_EQ(count, objects.size()) << path;
        for (size_t i = 0; i < count && nested_datafiles.count(path); ++i) EXPECT_EQ(dat[i].type, DAT_FILE) << path;
        unload_datafile(dat);
    }
}

}  // namespace
