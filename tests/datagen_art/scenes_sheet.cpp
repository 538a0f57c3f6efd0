// Contact sheets of the stage and screen art (build/art_sheet_*.png), composed from the generated
// tree with the game's own blits and the generated fonts: star-field stages in mark order, the
// planet approach, the forests in every order, stages 9 and 10 with the ship, a dialogue pane per
// boss, and the menus and screens at 1x.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/blit.h"
#include "sheet.h"

namespace {

using art_sheet::Bitmap;
using art_sheet::tree;

Bitmap screen() {
    Bitmap b(create_bitmap(640, 480));
    clear_to_color(b.get(), makecol(0, 0, 0));
    return b;
}

// Adam's ship, level and nose up.
BITMAP* ship() { return tree()["gfx/character_select/kv2_select_adam_plane.gif"]; }

void masked(BITMAP* dst, BITMAP* src, int x, int y) { masked_blit(src, dst, 0, 0, x, y, src->w, src->h); }

// Scenes laid out in rows, each scaled to `scale`, then saved.
void save_sheet(const std::string& name, const std::vector<Bitmap>& scenes, int per_row, float scale) {
    const int gap = 8;
    int cell_w = 0, cell_h = 0;
    for (const Bitmap& s : scenes) cell_w = std::max(cell_w, static_cast<int>(s->w * scale)), cell_h = std::max(cell_h, static_cast<int>(s->h * scale));
    const int rows = (static_cast<int>(scenes.size()) + per_row - 1) / per_row;
    Bitmap sheet(create_bitmap(per_row * (cell_w + gap) + gap, rows * (cell_h + gap) + gap));
    clear_to_color(sheet.get(), makecol(40, 44, 60));
    for (size_t i = 0; i < scenes.size(); ++i) {
        const int x = gap + static_cast<int>(i) % per_row * (cell_w + gap), y = gap + static_cast<int>(i) / per_row * (cell_h + gap);
        stretch_blit(scenes[i].get(), sheet.get(), 0, 0, scenes[i]->w, scenes[i]->h, x, y, static_cast<int>(scenes[i]->w * scale),
                     static_cast<int>(scenes[i]->h * scale));
    }
    const std::string path = std::string(ART_SHEET_DIR) + "/art_sheet_" + name + ".png";
    EXPECT_EQ(save_png(path.c_str(), sheet.get(), nullptr), 0) << path;
}

struct Mark {
    int row;
    const char* picture;
};

const char* const stars = "stage1_stars.png";
const char* const small = "stage1_small_stars.png";

// A stage's backdrop marks; the rest of its rows hold the small stars.
std::vector<Mark> star_stage(std::vector<Mark> own) {
    std::vector<Mark> marks = {{-960, stars}, {-2880, stars}, {-6720, stars}, {-10080, stars}};
    for (int row : {-1440, -3360, -3840, -4320, -4800, -5280, -7200, -7680, -8160, -8640}) marks.push_back({row, small});
    for (const Mark& m : own) marks.push_back(m);  // drawn last, over the small stars of its row
    return marks;
}

// The whole stage from its last mark down to the screen's bottom, as the stage lays it.
Bitmap star_stage_strip(const std::vector<Mark>& marks) {
    Bitmap strip(create_bitmap(640, 10560));
    for (const Mark& m : marks) blit(tree()[m.picture], strip.get(), 0, 0, 0, m.row + 10080, 640, tree()[m.picture]->h);
    return strip;
}

TEST(SceneSheets, StarFieldStagesInMarkOrder) {
    const std::vector<Mark> stage_one_set = {{-3360, "gfx/first_stage/stage1_b.gif"}, {-4320, "gfx/first_stage/stage1_p.gif"},
                                             {-7200, "gfx/first_stage/stage1_r_y.gif"}, {-8160, "gfx/first_stage/stage1_b_g.gif"}};
    const std::vector<Mark> late_set = {{-8160, "gfx/first_stage/stage1_p.gif"}};
    std::vector<Bitmap> strips;
    for (const auto& own : {stage_one_set, std::vector<Mark>{}, stage_one_set, late_set, late_set, late_set})
        strips.push_back(star_stage_strip(star_stage(own)));
    // Stage 1's scenery on its strip: the moon, and the debris field.
    BITMAP* moon = tree()["gfx/first_stage/kv2_moon.gif"];
    masked(strips[0].get(), moon, 10, -5280 - moon->h + 10080);
    masked(strips[0].get(), tree()["gfx/first_stage/debris_level_1_1.gif"], 0, -4800 + 10080);
    masked(strips[0].get(), tree()["gfx/first_stage/kv2_earth_3.gif"], 260, 9000);
    save_sheet("stages_star_fields", strips, 6, 0.25f);
}

// Stages 3, 5 and 7: the planet over its ground, at three sizes of the approach.
TEST(SceneSheets, PlanetApproachOverItsGround) {
    struct Approach { const char* planet; const char* ground; int pivot; };
    const Approach approaches[] = {{"gfx/third_stage/planet.gif", "gfx/third_stage/water.png", 317},
                                   {"gfx/fifth_stage/planet.png", "gfx/fifth_stage/desert.png", 325},
                                   {"gfx/seventh_stage/planet.png", "gfx/seventh_stage/forest1_2.gif", 325}};
    struct Moment { float scale; int planet_y, planet_alpha, ground_alpha; };
    const Moment moments[] = {{0.3f, 440, 255, 0}, {1.0f, 330, 255, 0}, {1.5f, 317, 130, 125}};
    std::vector<Bitmap> shots;
    for (const Approach& a : approaches)
        for (const Moment& m : moments) {
            Bitmap s = screen();
            fade_blit(tree()[small], s.get(), 0, 0, makecol(255, 255, 255), 255);
            if (m.ground_alpha > 0) trans_blit(tree()[a.ground], s.get(), 0, 0, m.ground_alpha);
            Bitmap layer(create_bitmap(640, 480));
            clear_to_color(layer.get(), bitmap_mask_color(layer.get()));
            pivot_scaled_sprite(layer.get(), tree()[a.planet], 320, 240, a.pivot, m.planet_y, 0, ftofix(m.scale));
            trans_blit(layer.get(), s.get(), 0, 0, m.planet_alpha);
            shots.push_back(std::move(s));
        }
    save_sheet("stages_planet_approach", shots, 3, 0.5f);
}

TEST(SceneSheets, ForestsInEveryOrder) {
    const char* forests[] = {"gfx/seventh_stage/forest1_2.gif", "gfx/seventh_stage/forest2_2.gif", "gfx/seventh_stage/forest3_2.gif"};
    std::vector<Bitmap> pairs;
    for (const char* upper : forests)
        for (const char* lower : forests) {
            Bitmap pair(create_bitmap(640, 960));
            blit(tree()[upper], pair.get(), 0, 0, 0, 0, 640, 480);
            blit(tree()[lower], pair.get(), 0, 0, 0, 480, 640, 480);
            pairs.push_back(std::move(pair));
        }
    save_sheet("stages_forests", pairs, 3, 0.4f);
}

// Stage 9 under and over its gate, stage 10 between its walls; the ship in both.
TEST(SceneSheets, StagesNineAndTenWithTheShip) {
    Bitmap nine = screen();
    blit(tree()[stars], nine.get(), 0, 200, 0, 0, 640, 480);
    BITMAP* top = tree()["gfx/ninth_stage/top.png"];
    masked(nine.get(), tree()["gfx/ninth_stage/bottom.png"], 0, 150 + top->h - 200);
    masked(nine.get(), ship(), 288, 400);
    masked(nine.get(), top, 0, 300);
    Bitmap ten = screen();
    blit(tree()["gfx/tenth_stage/floor.png"], ten.get(), 0, 0, 0, 0, 640, 480);
    BITMAP* side = tree()["gfx/tenth_stage/side.png"];
    masked(ten.get(), ship(), 300, 400);
    for (int row : {-200, 280}) masked(ten.get(), side, 10, row), masked(ten.get(), side, 630 - side->w, row);
    std::vector<Bitmap> stages;
    stages.push_back(std::move(nine));
    stages.push_back(std::move(ten));
    save_sheet("stages_nine_ten", stages, 2, 1);
}

TEST(SceneSheets, DialoguePanePerBossFace) {
    const char* first_lines[10] = {"Hah Hah! What are YOU doing here? ",
                                   "How did you get this far? None of your kind's permitted here!! ",
                                   "There will time for that later. Would you like something to drink? ",
                                   "What can I do for you, mate? ",
                                   "Halt! I cannot allow you to venture any further. ",
                                   "I know why you have come, but your journey must end here. ",
                                   "So we meet again, my idiot apprentice... ",
                                   "You haven't given up yet, I see. ",
                                   "Hah Hah! You know me. I've never been able to lie. ",
                                   "Ah, Kim! It's been a long time. How are you? "};
    std::vector<Bitmap> panes;
    for (int i = 0; i < 10; ++i) {
        Bitmap pane(create_bitmap(640, 238));
        clear_to_color(pane.get(), makecol(0, 0, 0));
        draw_sprite(pane.get(), tree()["gfx/dialog/dialog_back.gif"], 0, 0);
        masked(pane.get(), tree()["gfx/dialog/dialog_bars.gif"], 0, 0);
        const std::string face = "gfx/faces/boss_" + std::to_string(i + 1) + (i == 0 || i == 4 ? "_face.gif" : "_face.png");
        masked(pane.get(), tree()[face], 402, 0);
        textout_ex(pane.get(), tree().font(5), first_lines[i], 20, 100, -1, -1);
        panes.push_back(std::move(pane));
    }
    save_sheet("boss_faces", panes, 2, 1);
}

struct Placed {
    const char* path;
    int x, y;
};

// Pictures masked onto the screen in the order given, as the screens' frames draw them.
void place(BITMAP* dst, std::initializer_list<Placed> pictures) {
    for (const Placed& p : pictures) masked(dst, tree()[p.path], p.x, p.y);
}

// A backdrop that scrolls sideways, caught part way: two copies one screen apart.
void scrolled(BITMAP* dst, const char* path, int x) {
    for (int copy : {x, x + 640}) blit(tree()[path], dst, 0, 0, copy, 0, 640, 480);
}

Bitmap series_menu() {
    Bitmap s = screen();
    scrolled(s.get(), "gfx/kv_main_menu/background.png", -200);
    place(s.get(), {{"gfx/main_menu/kv2_words_void.gif", 118, 53}, {"gfx/main_menu/kv2_words_marchers.gif", 57, 160},
                    {"gfx/main_menu/series.png", 125, 180}});
    rectfill(s.get(), 77, 327, 243, 453, makecol(255, 255, 255));
    rectfill(s.get(), 397, 327, 563, 453, makecol(255, 255, 255));
    blit(tree()["gfx/kv_main_menu/kv1.png"], s.get(), 0, 0, 80, 330, 160, 120);  // hovered
    fade_blit(tree()["gfx/kv_main_menu/kv2.png"], s.get(), 400, 330, makecol(0, 0, 0), 175);
    textout_ex(s.get(), tree().font(6), "EXIT", 295, 300, -1, -1);
    return s;
}

// Open, with Options hovered.
Bitmap main_menu() {
    Bitmap s = screen();
    BITMAP* back = tree()["gfx/main_menu/menu_background.gif"];
    masked(s.get(), back, 309 - 300, -896 + 300);
    masked(s.get(), back, -255 - 300, -334 + 300);
    masked_blit(tree()["gfx/main_menu/2_animation.gif"], s.get(), 0, 0, 399, -10, 256, 270);
    place(s.get(), {{"gfx/main_menu/kv2_words_void.gif", 48, 53}, {"gfx/main_menu/kv2_words_marchers.gif", 17, 160},
                    {"gfx/main_menu/kv2_words_kelvorn.png", 108, 243}});
    trans_blit(tree()["gfx/main_menu/kv2_main_box_background.gif"], s.get(), 158, 303, 200);
    draw_sprite(s.get(), tree()["gfx/main_menu/kv2_main_hover.gif"], 225, 350);
    place(s.get(), {{"gfx/main_menu/kv_main_start.gif", 225, 315}, {"gfx/main_menu/kv2_main_options.gif", 225, 350},
                    {"gfx/main_menu/kv2_main_exit.gif", 225, 385}});
    BITMAP* box = tree()["gfx/main_menu/kv2_main_box.gif"];
    masked_blit(box, s.get(), 0, 13, 158, 315, box->w, 117);
    masked_blit(box, s.get(), 0, 0, 158, 303, box->w, 12);
    masked_blit(box, s.get(), 0, 117, 158, 420, box->w, 12);
    place(s.get(), {{"gfx/gui/mouse.gif", 300, 360}});
    return s;
}

// Adam's box hovered: its fill lit, his ship enlarged, his portrait slid in.
Bitmap character_select() {
    Bitmap s = screen();
    scrolled(s.get(), "gfx/character_select/kv2_select_stars.gif", -300);
    place(s.get(), {{"gfx/character_select/select.gif", 30, 15}});
    draw_sprite(s.get(), tree()["gfx/character_select/kv2_select_box_background.gif"], 225, 130);
    place(s.get(), {{"gfx/character_select/kv2_select_box.gif", 225, 130}, {"gfx/character_select/kv2_select_box.gif", 225, 305}});
    pivot_scaled_sprite(s.get(), tree()["gfx/character_select/kv2_select_adam_plane.gif"], 312, 213, 32, 32, 0, ftofix(3.0));
    pivot_scaled_sprite(s.get(), tree()["gfx/character_select/kv2_select_kim_plane.gif"], 312, 388, 32, 32, 0, ftofix(1.0));
    place(s.get(), {{"gfx/character_select/kv2_select_adam.gif", 0, 97}});
    return s;
}

Bitmap store() {
    Bitmap s = screen();
    for (int row : {-200, 280}) blit(tree()["gfx/upgrade_store/background.png"], s.get(), 0, 0, 0, row, 640, 480);
    for (const Placed& p : {Placed{"gfx/upgrade_store/left_side.png", 0, 180}, Placed{"gfx/upgrade_store/right_side.png", 490, 40}}) {
        BITMAP* panel = tree()[p.path];
        trans_blit(panel, s.get(), p.x, p.y, 150);
        rect(s.get(), p.x, p.y, p.x + panel->w - 1, p.y + panel->h - 1, makecol(255, 255, 255));
    }
    place(s.get(), {{"gfx/helpers/shield_frame.png", 20, 375}});
    textout_ex(s.get(), tree().font(8), "Money:", 500, 50, -1, -1);
    textout_ex(s.get(), tree().font(6), "$ 2500", 70, 375, -1, -1);
    textout_ex(s.get(), tree().font(6), "EXIT      BUY", 15, 460, -1, -1);
    return s;
}

// The panel centred, its six control rows where the options screen puts them.
Bitmap options() {
    Bitmap s = screen();
    blit(tree()["gfx/options/option_back.png"], s.get(), 0, 0, 0, 0, 640, 480);
    BITMAP* panel = tree()["gfx/options/option_platform_back.png"];
    FONT* label = tree().font(6);
    const int x0 = 320 - panel->w / 2, y0 = 240 - panel->h / 2, fh = text_height(label);
    trans_blit(panel, s.get(), x0, y0, 150);
    masked(s.get(), tree()["gfx/options/option_platform_bars.png"], x0, y0);
    textout_centre_ex(s.get(), tree().font(0), "OPTIONS", 320, y0 + 10, -1, -1);
    for (int k = 0; k < 6; ++k) textout_ex(s.get(), label, "Move Left:   Left", x0 + 30, y0 + 8 + (4 + k) * fh + 145 + 5 * k, -1, -1);
    textout_ex(s.get(), label, "Exit to Menu", x0 + panel->w - text_length(label, "Exit to Menu") - 25, y0 + panel->h - fh - 10, -1, -1);
    return s;
}

Bitmap ending(const char* picture) {
    Bitmap s = screen();
    trans_blit(tree()[picture], s.get(), 0, 0, 220);
    textout_centre_ex(s.get(), tree().font(8), "T H E  E N D", 320, 200, -1, -1);
    return s;
}

// The menus and screens at 1x, with the generated fonts, roughly as their frames draw them.
TEST(SceneSheets, MenusAndScreens) {
    std::vector<Bitmap> screens;
    screens.push_back(series_menu());
    screens.push_back(main_menu());
    screens.push_back(character_select());
    screens.push_back(store());
    screens.push_back(options());
    for (const char* path : {"gfx/kv2_ending/planet_pic.png", "gfx/kv2_ending/planet_pic_kim.png", "gfx/kv2_ending/adam_kim.png"})
        screens.push_back(ending(path));
    save_sheet("screens", screens, 2, 1);
}

}  // namespace
