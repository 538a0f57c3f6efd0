#include "game/resource_loader.h"

#include <allegro.h>

#include <cstdio>
#include <iterator>

#include "enemies/pools.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/ui.h"
#include "player/menu_outfit.h"
#include "player/player.h"

int load_step = 0;
float load_progress = 0.0f;

namespace {

// How a tune repeats: all of it but its first and last 12 ms, or, after playing once, its second
// half from this many ms before the middle.
constexpr int loop_whole = 0;
constexpr int replay_second_half = 51;
constexpr int replay_challenge_half = 48;

constexpr int dialog_pane_w = 640;
constexpr int dialog_pane_h = 238;
constexpr int animation_frame_w = 256;
constexpr int animation_frame_h = 270;

BITMAP* picture(const char* path) { return load_picture_ex(path); }

template <std::size_t n>
void pictures(BITMAP* (&slots)[n], const char* const (&paths)[n]) {
    for (std::size_t i = 0; i < n; ++i) slots[i] = picture(paths[i]);
}

// Pictures named by their number from 1, as "gfx/objects/debris/%d.png".
template <std::size_t n>
void numbered_pictures(BITMAP* (&slots)[n], const char* pattern) {
    for (std::size_t i = 0; i < n; ++i) {
        char path[64];
        std::snprintf(path, sizeof path, pattern, static_cast<int>(i + 1));
        slots[i] = picture(path);
    }
}

// A kind's datafile holds its frame strip as object 0 and its bullet as object 1.
void enemy_datafile(int kind, const char* path, BITMAP*& strip, BITMAP*& bullet_strip) {
    DATAFILE* datafile = load_datafile_ex(path);
    enemy_datafiles[kind - 1] = datafile;
    strip = datafile_bitmap(datafile[0]);
    bullet_strip = datafile_bitmap(datafile[1]);
}

FONT* font_object(int index) { return static_cast<FONT*>(fonts_datafile[index].dat); }

void tune(SoundClip& clip, const char* path, int loop_back) { clip.load_music(path, loop_back, true); }

template <class Kind, std::size_t n>
void build_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) record.init(0.0f, 0.0f);
}

void equipped_template(Player& ship, int character) {
    ship.load(character);
    give_menu_outfit(ship);
}

void menu_animation() {
    BITMAP* sheet = load_bitmap_ex("gfx/main_menu/2_animation.gif");
    for (int i = 0; i < 6; ++i)
        menu_animation_frames[i] = grab_frame(sheet, animation_frame_w, animation_frame_h, 0, 0, 6, i);
    destroy_bitmap(sheet);
}

// One row per step, each short enough for one logic tick: at most one enemy datafile or one pool,
// with small pictures to fill; the tunes are streams, so their steps only open files.
void (*const steps[])() = {
    /* 0 */
    [] {
        enemy_datafile(1, "enemy_one.dat", enemy_one_strip, enemy_one_bullet_strip);
        kv1_enemy_four_strip = picture("gfx/kv1/enemies/enemy_four/enemy_four.png");
        kv1_enemy_four_bullet_strip = picture("gfx/kv1/enemies/enemy_four/bullet.png");
        kv1_enemy_one_strip = picture("gfx/kv1/enemies/enemy_one/rocketship.gif");
        kv1_enemy_one_bullet_strip = datafile_bitmap(enemy_datafiles[0][1]);  // KV1's rocket ship fires kind one's shot
        kv1_enemy_three_strip = picture("gfx/kv1/enemies/enemy_three/enemythree.png");
        kv1_enemy_three_bullet_strip = picture("gfx/kv1/enemies/enemy_three/bullet.png");
        kv1_enemy_two_strip = picture("gfx/kv1/enemies/enemy_two/enemytwo.gif");
        kv1_enemy_two_bullet_strip = picture("gfx/kv1/enemies/enemy_two/bullet.png");
        statue_bitmap = picture("gfx/tenth_stage/statue.png");
    },
    /* 1 */ [] { enemy_datafile(2, "enemy_two.dat", enemy_two_strip, enemy_two_bullet_strip); },
    /* 2 */ [] { enemy_datafile(3, "enemy_three.dat", enemy_three_strip, enemy_three_bullet_strip); },
    /* 3 */
    [] {
        enemy_datafile(4, "enemy_four.dat", enemy_four_strip, enemy_four_bullet_strip);
        pictures(cloud_bitmaps, {"gfx/third_stage/cloud_small.png", "gfx/third_stage/cloud_medium_1.png",
                                 "gfx/third_stage/cloud_medium_2.png", "gfx/third_stage/cloud_big.png"});
        numbered_pictures(island_bitmaps, "gfx/third_stage/island_%d.png");
        numbered_pictures(debris_bitmaps, "gfx/objects/debris/%d.png");
        numbered_pictures(meteor_bitmaps, "gfx/objects/meteors/%d.gif");
        pictures(button_pictures,
                 {"gfx/gui/left_btn.gif", "gfx/gui/right_btn.gif", "gfx/gui/play_btn.gif", "gfx/gui/stop_btn.gif"});
    },
    /* 4 */ [] { tune(tune_main_menu, "bgm/main_menu/tune.mp3", loop_whole); },
    /* 5 */ [] { tune(tune_story, "bgm/story/tune.ogg", replay_second_half); },
    /* 6 */
    [] { tune(tune_character_select, "bgm/character_select/kv2_characterselect.ogg", replay_second_half); },
    /* 7 */ [] { tune(tune_upgrade_store, "bgm/upgrade_store/tune.ogg", replay_second_half); },
    /* 8 */ [] { tune(tune_stage1, "bgm/first_stage/tune.ogg", loop_whole); },
    /* 9 */ [] { tune(tune_stage2, "bgm/second_stage/tune.ogg", loop_whole); },
    /* 10 */ [] { tune(tune_stage3, "bgm/third_stage/tune.ogg", loop_whole); },
    /* 11 */ [] { tune(tune_stage4, "bgm/fourth_stage/tune.ogg", loop_whole); },
    /* 12 */ [] { tune(tune_stage5, "bgm/fifth_stage/tune.ogg", loop_whole); },
    /* 13 */ [] { tune(tune_stage6, "bgm/sixth_stage/tune.ogg", loop_whole); },
    /* 14 */ [] { tune(tune_stage7, "bgm/seventh_stage/tune.ogg", loop_whole); },
    /* 15 */ [] { tune(tune_stage8, "bgm/eigth_stage/tune.ogg", loop_whole); },
    /* 16 */ [] { tune(tune_stage9, "bgm/ninth_stage/tune.ogg", loop_whole); },
    /* 17 */ [] { tune(tune_stage10, "bgm/tenth_stage/tune.ogg", loop_whole); },
    /* 18 */ [] { tune(tune_continue, "bgm/continue/kv2_continue.ogg", replay_second_half); },
    /* 19 */ [] { tune(tune_dialog, "bgm/dialog/tune.ogg", loop_whole); },
    /* 20 */ [] { tune_outro.load_music("bgm/outro/tune.ogg", loop_whole, false); },
    /* 21 */ [] { tune(tune_boss, "bgm/boss/tune.ogg", loop_whole); },
    /* 22 */ [] { tune(tune_boss_2, "bgm/boss_2/tune.ogg", replay_second_half); },
    /* 23 */
    [] {
        tune(tune_challenge_stage, "bgm/challenge_stage/tune.ogg", replay_challenge_half);
        mouse_pointer = picture("gfx/gui/mouse.gif");
    },
    /* 24 */
    [] {
        tune(tune_kv_main, "bgm/kv_main/tune.ogg", replay_second_half);
        paused_platform = picture("paused_platform.png");
        pictures(helper_icons, {"gfx/helpers/one_shot_frame.png", "gfx/helpers/three_shot_frame.png"});
    },
    /* 25 */
    [] {
        tune(tune_kv1_bgm, "bgm/kv1_bgm/tune.ogg", replay_second_half);
        pictures(bomb_icons, {"gfx/bombs/bomb1_frame.png", "gfx/bombs/bomb2_frame.png"});
    },
    /* 26 */ [] { tune(tune_stage_intro, "bgm/stage_intro/tune.ogg", replay_second_half); },
    /* 27 */
    [] {
        sfx_error.load_sfx("sfx/error.ogg");
        enemy_datafile(5, "enemy_five.dat", enemy_five_strip, enemy_five_bullet_strip);
    },
    /* 28 */
    [] {
        tune(tune_kv2_ending, "bgm/kv2_ending/tune.ogg", replay_second_half);
        enemy_datafile(6, "enemy_six.dat", enemy_six_strip, enemy_six_bullet_strip);
    },
    /* 29 */
    [] {
        sfx_start.load_sfx("sfx/start.ogg");
        enemy_datafile(7, "enemy_seven.dat", enemy_seven_strip, enemy_seven_bullet_strip);
        yes_button = picture("kv2_yes.gif");
    },
    /* 30 */
    [] {
        sfx_cheat_powerup.load_sfx("sfx/cheat_powerup.ogg");
        enemy_datafile(8, "enemy_eight.dat", enemy_eight_strip, enemy_eight_bullet_strip);
        no_button = picture("kv2_no.gif");
    },
    /* 31 */
    [] {
        tune(tune_kv1_ending, "bgm/kv1_ending/tune.ogg", replay_second_half);
        enemy_nine_strip = picture("gfx/enemies/enemy_nine/enemy.png");
        stage_star = picture("gfx/stars/stage/star.gif");
    },
    /* 32 */
    [] {
        enemy_datafile(10, "enemy_ten.dat", enemy_ten_strip, enemy_ten_bullet_strip);
        yes_button_lit = create_bitmap(yes_button->w, yes_button->h);
    },
    /* 33 */
    [] {
        enemy_eleven_strip = picture("gfx/enemies/enemy_eleven/enemy.png");
        enemy_eleven_bullet_strip = picture("gfx/enemies/enemy_eleven/bullet.gif");
        no_button_lit = create_bitmap(no_button->w, no_button->h);
    },
    /* 34 */
    [] {
        enemy_twelve_strip = picture("gfx/enemies/enemy_twelve/enemy.png");
        enemy_twelve_bullet_strip = picture("gfx/enemies/enemy_twelve/bullet.gif");
        const int lit_blue = makecol(0, 143, 225);
        clear_to_color(yes_button_lit, lit_blue);
        clear_to_color(no_button_lit, lit_blue);
    },
    /* 35 */ [] { fonts_datafile = load_datafile_ex("fonts/fonts.dat"); },
    /* 36 */ [] { faces_datafile = load_datafile_ex("gfx/faces/faces.dat"); },
    /* 37 */ [] { font0 = font_object(0); },
    /* 38 */ [] { font4 = font_object(4); },
    /* 39 */ [] { font1 = font_object(1); },
    /* 40 */ [] { font5 = font_object(5); },
    /* 41 */
    [] {
        font6 = font_object(6);
        font8 = font_object(8);
        font9 = font_object(9);
    },
    /* 42 */ [] { font7 = font_object(7); },
    /* 43 */
    [] {
        shield_icon = picture("shield_bar.png");
        overlay_buffer = create_bitmap(SCREEN_W, SCREEN_H);
    },
    /* 44 */ [] { stage1_stars = picture("stage1_stars.png"); },
    /* 45 */ [] { stage1_small_stars = picture("stage1_small_stars.png"); },
    /* 46 */ [] { stage1_earth = picture("gfx/first_stage/kv2_earth_3.gif"); },
    /* 47 */ [] { stage1_moon = picture("gfx/first_stage/kv2_moon.gif"); },
    /* 48 */ [] { stage1_b = picture("gfx/first_stage/stage1_b.gif"); },
    /* 49 */ [] { stage1_p = picture("gfx/first_stage/stage1_p.gif"); },
    /* 50 */ [] { stage1_b_g = picture("gfx/first_stage/stage1_b_g.gif"); },
    /* 51 */ [] { stage1_r_y = picture("gfx/first_stage/stage1_r_y.gif"); },
    /* 52 */ [] { dialog_back = picture("gfx/dialog/dialog_back.gif"); },
    /* 53 */ [] { dialog_bars = picture("gfx/dialog/dialog_bars.gif"); },
    /* 54 */ [] { dialog_panes[0] = create_bitmap(dialog_pane_w, dialog_pane_h); },
    /* 55 */ [] { dialog_panes[1] = create_bitmap(dialog_pane_w, dialog_pane_h); },
    /* 56 */ [] { build_pool(enemy_one_pool); },
    /* 57 */ [] { build_pool(enemy_two_pool); },
    /* 58 */ [] { build_pool(enemy_three_pool); },
    /* 59 */ [] { build_pool(enemy_four_pool); },
    /* 60 */ [] {
        build_pool(enemy_five_pool);
        menu_words_void = picture("gfx/main_menu/kv2_words_void.gif");
    },
    /* 61 */ [] {
        build_pool(enemy_six_pool);
        menu_background = picture("gfx/main_menu/menu_background.gif");
    },
    /* 62 */ [] {
        build_pool(enemy_seven_pool);
        menu_words_marchers = picture("gfx/main_menu/kv2_words_marchers.gif");
    },
    /* 63 */ [] {
        build_pool(enemy_eight_pool);
        menu_words_kelvorn = picture("gfx/main_menu/kv2_words_kelvorn.png");
    },
    /* 64 */ [] { build_pool(enemy_nine_pool); },
    /* 65 */ [] {
        build_pool(enemy_ten_pool);
        menu_start_button = picture("gfx/main_menu/kv_main_start.gif");
    },
    /* 66 */ [] {
        build_pool(enemy_eleven_pool);
        menu_exit_button = picture("gfx/main_menu/kv2_main_exit.gif");
    },
    /* 67 */ [] {
        build_pool(enemy_twelve_pool);
        menu_options_button = picture("gfx/main_menu/kv2_main_options.gif");
    },
    /* 68 */ [] {
        build_pool(kv1_enemy_one_pool);
        menu_hover = picture("gfx/main_menu/kv2_main_hover.gif");
    },
    /* 69 */ [] {
        build_pool(kv1_enemy_four_pool);
        menu_box = picture("gfx/main_menu/kv2_main_box.gif");
    },
    /* 70 */ [] {
        build_pool(kv1_enemy_three_pool);
        menu_box_background = picture("gfx/main_menu/kv2_main_box_background.gif");
    },
    /* 71 */ [] {
        build_pool(kv1_enemy_two_pool);
        menu_animation();
    },
    /* 72 */ [] { equipped_template(adam_ship, 1); },
    /* 73 */ [] { equipped_template(kim_ship, 2); },
};
static_assert(std::size(steps) == load_step_count, "one row per loader step");

}  // namespace

float load_resources_step() {
    if (load_step < load_step_count) {
        steps[load_step]();
        ++load_step;
        load_progress += 1.0f;
    }
    return load_progress / static_cast<float>(load_step_count);
}
