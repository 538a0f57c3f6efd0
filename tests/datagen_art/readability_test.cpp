// Play that reads, checked on the generated tree as the game loads it: every shot that can hurt
// the ship stands out from every backdrop picture it flies over, in brightness and in colour, and
// the HUD's labels from the backdrop under them; clouds over the sea are thin; the hovered pilot
// icon stays inside its box.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "sheet.h"

namespace {

using art_sheet::tree;

// WCAG relative luminance of a 16-bit pixel, and the contrast ratio of two luminances.
double luminance(int pixel) {
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(getr16(pixel)) + 0.7152 * linear(getg16(pixel)) + 0.0722 * linear(getb16(pixel));
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The luminance that 90% of a picture's drawn pixels stay at or below, in rows from..to.
double bright_end(BITMAP* picture, int from = 0, int to = -1) {
    if (to < 0) to = picture->h;
    std::vector<double> seen;
    for (int y = from; y < to; ++y)
        for (int x = 0; x < picture->w; ++x)
            if (const int p = getpixel(picture, x, y); p != bitmap_mask_color(picture)) seen.push_back(luminance(p));
    std::sort(seen.begin(), seen.end());
    return seen.empty() ? 0 : seen[seen.size() * 9 / 10];
}

bool is_datafile(const std::string& path) { return path.size() > 4 && path.compare(path.size() - 4, 4, ".dat") == 0; }

// A shot: a picture, or picture 1 of an enemy datafile; strips of frames `frame_w` wide.
struct Shot {
    std::string path;
    int frame_w = 0;

    BITMAP* picture() const { return is_datafile(path) ? tree().object(path, 1) : tree()[path]; }
};

// The HUD's labels: their font and text, and the rows of a backdrop that pass beneath them.
struct Hud {
    int font;
    const char* labels;
    int from_row = 0, to_row = -1;  // every row, for a backdrop that scrolls beneath
};

// The KV2 stages' labels; KV1's one line, in font 8, at y 475 less half the ship's height, over a
// backdrop that stands still.
const Hud kv2_hud{6, "Money: Bomb 1: G-lvl: SHIELD: S-lvl:"}, kv1_hud{8, "3 $ 700.00", 455, 475};

// The pictures a stage draws beneath its enemies, the shots its enemies and bosses fire, its HUD.
struct Stage {
    const char* name;
    std::vector<std::string> backdrops;
    std::vector<Shot> shots;
    Hud hud = kv2_hud;
};

const std::string stars = "stage1_stars.png", small_stars = "stage1_small_stars.png";
const std::string nebula_b = "gfx/first_stage/stage1_b.gif", nebula_p = "gfx/first_stage/stage1_p.gif",
                  nebula_b_g = "gfx/first_stage/stage1_b_g.gif", nebula_r_y = "gfx/first_stage/stage1_r_y.gif";
const std::vector<std::string> rocks = {"gfx/objects/meteors/1.gif", "gfx/objects/meteors/2.gif"};
const std::vector<std::string> formation_shots = {"enemy_one.dat", "enemy_two.dat", "enemy_three.dat", "enemy_four.dat"};
const std::vector<std::string> train_shots = {"enemy_five.dat", "enemy_six.dat", "enemy_seven.dat", "enemy_eight.dat"};

// path1.png .. pathN.png
std::vector<std::string> numbered(const std::string& path, int n, const char* extension) {
    std::vector<std::string> all;
    for (int i = 1; i <= n; ++i) all.push_back(path + std::to_string(i) + extension);
    return all;
}

std::vector<std::string> joined(std::vector<std::vector<std::string>> lists) {
    std::vector<std::string> all;
    for (auto& list : lists) all.insert(all.end(), list.begin(), list.end());
    return all;
}

std::vector<Shot> shots_of(std::vector<std::vector<std::string>> lists, std::vector<Shot> more = {}) {
    std::vector<Shot> all;
    for (const std::string& path : joined(std::move(lists))) all.push_back({path});
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

// The bosses' own shots, with the enemies' shots that bosses borrow.
const Shot boss1_gun{"gfx/boss1/boss1_bullet.gif"}, boss1_phaser{"gfx/boss1/boss1_phaser_bullet.gif"},
    phaser_orb{"gfx/boss2/boss2_phaser_bullet.gif", 12}, boss2_gun{"gfx/boss2/boss2_gun_bullet.gif"},
    boss2_laser{"gfx/boss2/boss2_gun_laser.gif"}, boss3_turret{"gfx/boss3/bullet_2.png", 32},
    fan_ball{"gfx/enemies/enemy_five/bullet.gif"}, boss4_ball{"gfx/boss4/bullet.gif"}, heavy_bolt{"gfx/boss5/bullet.png"},
    round_shot{"gfx/enemies/enemy_twelve/bullet.gif"}, boss9_bolt{"gfx/boss9/bullet.png"};

const std::vector<Shot> rush_shots = {boss1_gun, boss1_phaser, phaser_orb, boss2_gun, boss2_laser, boss4_ball,
                                      round_shot, fan_ball,  heavy_bolt, boss9_bolt};

const std::vector<Stage>& stages() {
    static const std::vector<Stage> table = {
        {"stage 1",
         {stars, small_stars, nebula_b, nebula_p, nebula_r_y, nebula_b_g, "gfx/first_stage/debris_level_1_1.gif",
          "gfx/first_stage/kv2_moon.gif", "gfx/first_stage/kv2_earth_3.gif", "meteor.dat"},
         shots_of({formation_shots}, {boss1_gun, boss1_phaser})},
        {"stage 2", joined({{stars, small_stars}, rocks}), shots_of({formation_shots}, {phaser_orb, boss2_gun, boss2_laser})},
        {"stage 3",
         joined({{small_stars, "gfx/third_stage/water.png"}, numbered("gfx/third_stage/island_", 3, ".png"),
                 {"gfx/third_stage/cloud_small.png", "gfx/third_stage/cloud_medium_1.png", "gfx/third_stage/cloud_medium_2.png",
                  "gfx/third_stage/cloud_big.png"}}),
         shots_of({train_shots}, {fan_ball, boss3_turret})},
        {"stage 4",
         joined({{stars, small_stars, nebula_b, nebula_p, nebula_r_y, nebula_b_g, "gfx/fourth_stage/planet.png", "meteor.dat"},
                 numbered("gfx/objects/debris/", 12, ".png")}),
         shots_of({formation_shots, train_shots}, {boss4_ball})},
        {"stage 5", {small_stars, "gfx/fifth_stage/desert.png"},
         shots_of({{"enemy_five.dat", "enemy_six.dat", "enemy_seven.dat", "gfx/enemies/enemy_eleven/bullet.gif",
                    "gfx/enemies/enemy_twelve/bullet.gif"}},
                  {heavy_bolt, phaser_orb})},
        {"stage 6", joined({{stars, small_stars, nebula_p}, rocks}),
         shots_of({formation_shots, train_shots}, {round_shot, phaser_orb})},
        {"stage 7", {small_stars, "gfx/seventh_stage/forest1_2.gif", "gfx/seventh_stage/forest2_2.gif", "gfx/seventh_stage/forest3_2.gif"},
         shots_of({train_shots, {"enemy_ten.dat"}}, {boss4_ball, round_shot})},
        {"stage 8", joined({{stars, small_stars, nebula_p}, rocks}),
         shots_of({formation_shots, train_shots, {"enemy_ten.dat"}}, {fan_ball, heavy_bolt})},
        {"stage 9", {stars, small_stars, nebula_p, "gfx/ninth_stage/bottom.png"},
         shots_of({formation_shots, train_shots, {"enemy_ten.dat"}}, {phaser_orb, boss9_bolt})},
        {"stage 10", {"gfx/tenth_stage/floor.png", "gfx/tenth_stage/statue.png"}, rush_shots},
        {"KV1", {"gfx/kv1/background.png"},
         shots_of({{"enemy_one.dat", "gfx/kv1/enemies/enemy_two/bullet.png", "gfx/kv1/enemies/enemy_three/bullet.png",
                    "gfx/kv1/enemies/enemy_four/bullet.png"}}),
         kv1_hud},
    };
    return table;
}

// The colours at the centre of each frame, the point a shot turns about.
std::vector<int> cores(const Shot& shot) {
    BITMAP* picture = shot.picture();
    const int w = shot.frame_w ? shot.frame_w : picture->w;
    std::vector<int> out;
    for (int f = 0; f < picture->w / w; ++f) out.push_back(getpixel(picture, f * w + w / 2, picture->h / 2));
    return out;
}

// A backdrop's pictures: the file's own, or each of a datafile's (the meteors' two).
std::vector<BITMAP*> pictures_of(const std::string& path) { return is_datafile(path) ? tree().pictures(path) : std::vector{tree()[path]}; }

TEST(Readability, EveryShotStandsOutFromEveryBackdropItsStageDraws) {
    for (const Stage& stage : stages())
        for (const std::string& path : stage.backdrops)
            for (BITMAP* backdrop : pictures_of(path)) {
                const double ground = bright_end(backdrop);
                for (const Shot& shot : stage.shots)
                    for (int core : cores(shot))
                        EXPECT_GE(contrast(luminance(core), ground), 3.0) << stage.name << ": " << shot.path << " over " << path;
            }
}

struct Hsv {
    double hue, saturation, value;  // hue in degrees
};

Hsv hsv(int pixel) {
    const double r = getr16(pixel) / 255.0, g = getg16(pixel) / 255.0, b = getb16(pixel) / 255.0;
    const double top = std::max({r, g, b}), chroma = top - std::min({r, g, b});
    double hue = 0;
    if (chroma > 0) hue = top == r ? std::fmod((g - b) / chroma + 6, 6) : top == g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
    return {hue * 60, top > 0 ? chroma / top : 0, top};
}

// A shot's own colour: the most saturated of its bright pixels (its dark rim left out).
Hsv shot_colour(const Shot& shot) {
    BITMAP* picture = shot.picture();
    Hsv best{0, 0, 0};
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) {
            const int p = getpixel(picture, x, y);
            if (p != bitmap_mask_color(picture) && hsv(p).value >= 0.5 && hsv(p).saturation > best.saturation) best = hsv(p);
        }
    return best;
}

// The pixels of a picture that wear a colour: vivid (at least half saturated and half bright) and
// within 30 degrees of its hue.
int pixels_wearing(BITMAP* picture, Hsv colour) {
    int wearing = 0;
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) {
            const int p = getpixel(picture, x, y);
            if (p == bitmap_mask_color(picture)) continue;
            const Hsv c = hsv(p);
            const double apart = std::fabs(std::fmod(c.hue - colour.hue + 540, 360) - 180);
            wearing += apart <= 30 && c.saturation >= 0.5 && c.value >= 0.5;
        }
    return wearing;
}

TEST(Readability, NoBackdropWearsTheColourOfAShotFlyingOverIt) {
    for (const Stage& stage : stages())
        for (const std::string& path : stage.backdrops)
            for (BITMAP* backdrop : pictures_of(path))
                for (const Shot& shot : stage.shots)
                    EXPECT_EQ(pixels_wearing(backdrop, shot_colour(shot)), 0) << stage.name << ": " << shot.path << " over " << path;
}

// The HUD's labels as drawn, in their font's own colours: the middle luminance of the letters'
// face, the pixels at least half as bright as the brightest (edges and shadow left out).
double label_luminance(FONT* font, const char* text) {
    art_sheet::Bitmap canvas(create_bitmap(text_length(font, text), text_height(font)));
    clear_to_color(canvas.get(), bitmap_mask_color(canvas.get()));
    textout_ex(canvas.get(), font, text, 0, 0, -1, -1);
    std::vector<double> letters;
    for (int y = 0; y < canvas->h; ++y)
        for (int x = 0; x < canvas->w; ++x)
            if (const int p = getpixel(canvas.get(), x, y); p != bitmap_mask_color(canvas.get())) letters.push_back(luminance(p));
    std::sort(letters.begin(), letters.end());
    const auto face = std::lower_bound(letters.begin(), letters.end(), letters.back() / 2);
    return *(face + (letters.end() - face) / 2);
}

TEST(Readability, HudLabelsStandOutFromTheBackdropUnderThem) {
    for (const Stage& stage : stages()) {
        const double label = label_luminance(tree().font(stage.hud.font), stage.hud.labels);
        for (const std::string& path : stage.backdrops)
            for (BITMAP* backdrop : pictures_of(path))
                EXPECT_GE(contrast(label, bright_end(backdrop, stage.hud.from_row, stage.hud.to_row)), 3.0) << stage.name << ": " << path;
    }
}

// Stage 3 draws its clouds beneath the enemies and their shots: thin ones, through which the sea
// and whatever flies over it show, at least two pixels in five clear across each cloud's breadth.
TEST(Readability, CloudsLetWhatIsBeneathShowThrough) {
    for (const char* path : {"gfx/third_stage/cloud_small.png", "gfx/third_stage/cloud_medium_1.png",
                             "gfx/third_stage/cloud_medium_2.png", "gfx/third_stage/cloud_big.png"}) {
        BITMAP* cloud = tree()[path];
        const auto clear = [cloud](int x, int y) { return getpixel(cloud, x, y) == bitmap_mask_color(cloud); };
        int across = 0, through = 0;
        for (int y = 0; y < cloud->h; ++y) {
            int left = 0, right = cloud->w - 1;
            while (left <= right && clear(left, y)) ++left;
            while (right > left && clear(right, y)) --right;
            for (int x = left; x <= right; ++x) through += clear(x, y), ++across;
        }
        EXPECT_GE(through * 5, across * 2) << path;
    }
}

// Character select: a hovered box enlarges its pilot's ship to three times, the icon's point
// (32, 32) on the box's middle; the enlarged ship covers nothing of the frame or outside it.
TEST(Readability, HoveredPilotIconStaysInsideItsBox) {
    BITMAP* box = tree()["gfx/character_select/kv2_select_box.gif"];
    const struct { const char* icon; int box_y, pivot_y; } pilots[] = {
        {"gfx/character_select/kv2_select_adam_plane.gif", 130, 213},
        {"gfx/character_select/kv2_select_kim_plane.gif", 305, 388},
    };
    constexpr int box_x = 225, pivot_x = 312, scale = 3;
    for (const auto& pilot : pilots) {
        BITMAP* icon = tree()[pilot.icon];
        int outside = 0;
        for (int y = 0; y < icon->h; ++y)
            for (int x = 0; x < icon->w; ++x) {
                if (getpixel(icon, x, y) == bitmap_mask_color(icon)) continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx) {
                        const int bx = pivot_x + (x - 32) * scale + dx - box_x, by = pilot.pivot_y + (y - 32) * scale + dy - pilot.box_y;
                        outside += bx < 0 || by < 0 || bx >= box->w || by >= box->h || getpixel(box, bx, by) != bitmap_mask_color(box);
                    }
            }
        EXPECT_EQ(outside, 0) << pilot.icon;
    }
}

}  // namespace
