// The stage backdrops, scenery, faces and menu art as the game loads them (16 bpp): pictures laid
// edge to edge join without a visible seam, and what the screens draw over stays clear.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sys/wait.h>

#include "engine/gif.h"
#include "job.h"
#include "manifest.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// Loaded once per path: several tests look at the same pictures.
BITMAP* picture(const std::string& path) {
    static std::map<std::string, Bitmap> loaded;
    Bitmap& b = loaded[path];
    if (!b) {
        const fs::path full = fs::path(testing_support::data_dir()) / path;
        b.reset(full.extension() == ".png" ? load_png(full.c_str(), nullptr) : load_gif(full.c_str(), nullptr));
    }
    EXPECT_NE(b, nullptr) << path;
    return b.get();
}

bool masked(BITMAP* b, int x, int y) { return getpixel(b, x, y) == bitmap_mask_color(b); }

int step(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by) {
    const int p = getpixel(a, ax, ay), q = getpixel(b, bx, by);
    return std::abs(getr(p) - getr(q)) + std::abs(getg(p) - getg(q)) + std::abs(getb(p) - getb(q));
}

// Mean colour step between neighbouring rows (or columns) inside a picture.
double inner_step(BITMAP* b, bool across) {
    double sum = 0;
    long n = 0;
    for (int y = 0; y + !across < b->h; ++y)
        for (int x = 0; x + across < b->w; ++x) sum += step(b, x, y, b, x + across, y + !across), ++n;
    return sum / n;
}

// Mean step where `upper`'s last row meets `lower`'s first (or `left`'s last column `right`'s first).
double seam_step(BITMAP* a, BITMAP* b, bool across) {
    double sum = 0;
    const int n = across ? a->h : a->w;
    for (int i = 0; i < n; ++i) sum += across ? step(a, a->w - 1, i, b, 0, i) : step(a, i, a->h - 1, b, i, 0);
    return sum / n;
}

// Worked out once per picture: every pairing of the star backdrops reuses them.
double inner_step_of(const std::string& path, bool across) {
    static std::map<std::pair<std::string, bool>, double> known;
    const auto key = std::make_pair(path, across);
    if (!known.count(key)) known[key] = inner_step(picture(path), across);
    return known[key];
}

void expect_joins(const std::string& first, const std::string& second, bool across = false) {
    BITMAP* a = picture(first);
    BITMAP* b = picture(second);
    if (!a || !b) return;
    const double inside = (inner_step_of(first, across) + inner_step_of(second, across)) / 2;
    EXPECT_LE(seam_step(a, b, across), 1.5 * inside) << first << " then " << second;
}

TEST(Scenes, StarBackdropsJoinInEveryOrder) {
    const std::vector<std::string> star_pictures = {
        "stage1_small_stars.png",       "stage1_stars.png",           "gfx/first_stage/stage1_b.gif",
        "gfx/first_stage/stage1_p.gif", "gfx/first_stage/stage1_b_g.gif", "gfx/first_stage/stage1_r_y.gif"};
    for (const std::string& upper : star_pictures)
        for (const std::string& lower : star_pictures) expect_joins(upper, lower);
}

TEST(Scenes, GroundsRepeatAndForestsFollowEachOtherInAnyOrder) {
    for (const char* path : {"gfx/third_stage/water.png", "gfx/fifth_stage/desert.png", "gfx/tenth_stage/floor.png",
                             "gfx/tenth_stage/side.png", "gfx/upgrade_store/background.png"})
        expect_joins(path, path);
    for (const char* path : {"gfx/kv_main_menu/background.png", "gfx/character_select/kv2_select_stars.gif"})
        expect_joins(path, path, true);
    const std::vector<std::string> forests = {"gfx/seventh_stage/forest1_2.gif", "gfx/seventh_stage/forest2_2.gif",
                                              "gfx/seventh_stage/forest3_2.gif"};
    for (const std::string& upper : forests)
        for (const std::string& lower : forests) expect_joins(upper, lower);
}

TEST(Scenes, FortressWallServesBothSidesUnmirrored) {
    BITMAP* wall = picture("gfx/tenth_stage/side.png");
    ASSERT_TRUE(wall);
    for (int y = 0; y < wall->h; ++y)
        for (int x = 0; x < wall->w / 2; ++x)
            ASSERT_EQ(getpixel(wall, x, y), getpixel(wall, wall->w - 1 - x, y)) << x << "," << y;
}

// The main menu's two backdrop copies, moved as the menu moves them for two full cycles: together
// they cover the screen, and where the upper copy's edge crosses the lower one the colours run on.
TEST(Scenes, MenuBackdropCopiesCoverTheScreenWithoutVisibleSeams) {
    BITMAP* back = picture("gfx/main_menu/menu_background.gif");
    ASSERT_TRUE(back);
    const double inside = (inner_step(back, false) + inner_step(back, true)) / 2;
    struct Place { int x, y; } a{-255, -334}, b{309, -896};
    const auto covers = [back](Place p, int x, int y) { return x >= p.x && x < p.x + back->w && y >= p.y && y < p.y + back->h; };
    double worst = 0;
    for (int t = 0; t < 2 * 1120; ++t) {
        for (int y = 0; y < 480; ++y)
            for (int x : {0, 639, a.x - 1, a.x, a.x + back->w - 1, a.x + back->w, b.x - 1, b.x, b.x + back->w - 1, b.x + back->w})
                if (x >= 0 && x < 640) {
                    ASSERT_TRUE(covers(a, x, y) || covers(b, x, y)) << "step " << t << " at " << x << "," << y;
                }
        // A is drawn last: along each of its edges, compare its edge pixel with B's pixel beyond it.
        double sum = 0;
        int n = 0;
        const auto compare = [&](int x, int y, int ox, int oy) {
            if (x < 0 || y < 0 || x >= 640 || y >= 480 || !covers(a, x, y) || covers(a, x + ox, y + oy) || !covers(b, x + ox, y + oy)) return;
            sum += step(back, x - a.x, y - a.y, back, x + ox - b.x, y + oy - b.y), ++n;
        };
        for (int y = 0; y < 480; ++y) compare(a.x, y, -1, 0), compare(a.x + back->w - 1, y, 1, 0);
        for (int x = 0; x < 640; ++x) compare(x, a.y, 0, -1), compare(x, a.y + back->h - 1, 0, 1);
        if (n > 20) worst = std::max(worst, sum / n);
        for (Place* p : {&b, &a}) {
            p->x -= 1, p->y += 1;
            if (p->x < -810) *p = {309, -896};
        }
    }
    EXPECT_LE(worst, 1.5 * inside);
}

TEST(Scenes, MenuBoxesAndItemsKeepTheirShapes) {
    BITMAP* box = picture("gfx/main_menu/kv2_main_box.gif");
    ASSERT_TRUE(box);
    for (int y = 13; y <= 116; ++y)
        for (int x = 0; x < box->w; ++x) ASSERT_EQ(getpixel(box, x, y), getpixel(box, x, 64)) << x << "," << y;
    EXPECT_TRUE(masked(box, box->w / 2, 64)) << "the box is open inside";
    BITMAP* select = picture("gfx/character_select/kv2_select_box.gif");
    BITMAP* lit = picture("gfx/character_select/kv2_select_box_background.gif");
    ASSERT_TRUE(select && lit);
    EXPECT_TRUE(select->w == lit->w && select->h == lit->h) << "the lit fill is the box's size";
    BITMAP* hover = picture("gfx/main_menu/kv2_main_hover.gif");
    for (const char* item : {"gfx/main_menu/kv_main_start.gif", "gfx/main_menu/kv2_main_options.gif", "gfx/main_menu/kv2_main_exit.gif"}) {
        BITMAP* b = picture(item);
        ASSERT_TRUE(b && hover);
        EXPECT_TRUE(b->w == hover->w && b->h == hover->h) << item;
        EXPECT_TRUE(masked(b, 0, 0) && masked(b, b->w - 1, b->h - 1)) << item << ": the hover bar shows round the word";
    }
}

// Fraction of a picture's pixels (in the given columns) that are the mask colour.
double masked_share(BITMAP* b, int x0, int x1) {
    long n = 0, m = 0;
    for (int y = 0; y < b->h; ++y)
        for (int x = std::max(0, x0); x < std::min(b->w, x1); ++x) m += masked(b, x, y), ++n;
    return n ? double(m) / n : 1;
}

TEST(Scenes, WhatTheScreensDrawOverStaysClear) {
    struct Clear { const char* path; int from_x, to_x; double share; };
    const Clear clear[] = {
        {"gfx/character_select/kv2_select_adam.gif", 215, 640, 1.0},  // the boxes begin at x 225
        {"gfx/character_select/kv2_select_kim.gif", 215, 640, 1.0},
        {"gfx/ninth_stage/top.png", 120, 640 - 120, 1.0},            // over the ship
        {"gfx/ninth_stage/bottom.png", 0, 640, 0.6},
        {"gfx/first_stage/debris_level_1_1.gif", 0, 640, 0.6},
        {"gfx/character_select/kv2_select_box.gif", 12, 174 - 12, 0.9},
        {"gfx/options/option_platform_bars.png", 20, 500, 0.8},
    };
    for (const Clear& c : clear) {
        BITMAP* b = picture(c.path);
        if (b) {
            EXPECT_GE(masked_share(b, c.from_x, c.to_x), c.share) << c.path;
        }
    }
}

TEST(Scenes, PlanetsAreDiscsAboutTheirPivot) {
    for (const char* path : {"gfx/third_stage/planet.gif", "gfx/fifth_stage/planet.png", "gfx/seventh_stage/planet.png",
                             "gfx/fourth_stage/planet.png", "gfx/first_stage/kv2_earth_3.gif", "gfx/first_stage/kv2_moon.gif"}) {
        BITMAP* b = picture(path);
        if (!b) continue;
        EXPECT_TRUE(masked(b, 0, 0) && masked(b, b->w - 1, b->h - 1)) << path;
        // Each row's disc is centred on the middle column and the middle row spans the width.
        for (int y = 2; y < b->h - 2; ++y) {
            int left = 0, right = b->w - 1;
            while (left < b->w && masked(b, left, y)) ++left;
            while (right >= 0 && masked(b, right, y)) --right;
            ASSERT_LE(std::abs(left + right + 1 - b->w), 2) << path << " row " << y;
        }
        EXPECT_FALSE(masked(b, 1, b->h / 2)) << path << " fills its square";
    }
}

TEST(Scenes, OptionsPanelHoldsEveryControlRow) {
    DATAFILE* fonts = load_datafile((fs::path(testing_support::data_dir()) / "fonts/fonts.dat").c_str());
    ASSERT_NE(fonts, nullptr);
    const int th6 = text_height(static_cast<FONT*>(fonts[6].dat));
    unload_datafile(fonts);
    for (const char* path : {"gfx/options/option_platform_back.png", "gfx/options/option_platform_bars.png"}) {
        BITMAP* b = picture(path);
        ASSERT_TRUE(b);
        EXPECT_GE(b->w, 480) << path;
        EXPECT_GE(b->h, 11 * th6 + 190) << path;
        EXPECT_LE(b->h, 480) << path;
    }
}

// The generator writes exactly the files the manifest lists.
TEST(Scenes, GeneratorPathsEqualTheManifest) {
    std::set<std::string> listed, made;
    for (const auto& p : manifest::pictures()) listed.insert(p.path);
    for (const auto& d : manifest::datafiles()) listed.insert(d.path);
    for (const auto& s : manifest::sounds()) listed.insert(s.path);
    for (const datagen::JobList& group : {datagen::audio_jobs(), datagen::picture_jobs()})
        for (const datagen::Job& job : group) made.insert(job.path);
    EXPECT_EQ(made, listed);
}

TEST(Scenes, CommandLineRefusesWhatItDoesNotKnow) {
    const std::string dir = testing_support::scratch_dir();
    for (const char* args : {"--help", "--bogus", "-o", "out --stamp", "out --verbose x", "--contact-sheet"}) {
        const std::string command = "cd " + dir + " && " + DATAGEN_PROGRAM + " " + args + " 2>/dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << args;
    }
    EXPECT_TRUE(fs::is_empty(dir)) << "a refused command line wrote something";
}

}  // namespace
