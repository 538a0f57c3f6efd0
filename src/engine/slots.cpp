#include "engine/slots.h"

// Every slot starts empty; the resource loader fills them.

DATAFILE* enemy_datafiles[10]{};
BITMAP* enemy_one_strip = nullptr;
BITMAP* enemy_two_strip = nullptr;
BITMAP* enemy_three_strip = nullptr;
BITMAP* enemy_four_strip = nullptr;
BITMAP* enemy_five_strip = nullptr;
BITMAP* enemy_six_strip = nullptr;
BITMAP* enemy_seven_strip = nullptr;
BITMAP* enemy_eight_strip = nullptr;
BITMAP* enemy_nine_strip = nullptr;
BITMAP* enemy_ten_strip = nullptr;
BITMAP* enemy_eleven_strip = nullptr;
BITMAP* enemy_twelve_strip = nullptr;
BITMAP* enemy_one_bullet_strip = nullptr;
BITMAP* enemy_two_bullet_strip = nullptr;
BITMAP* enemy_three_bullet_strip = nullptr;
BITMAP* enemy_four_bullet_strip = nullptr;
BITMAP* enemy_five_bullet_strip = nullptr;
BITMAP* enemy_six_bullet_strip = nullptr;
BITMAP* enemy_seven_bullet_strip = nullptr;
BITMAP* enemy_eight_bullet_strip = nullptr;
BITMAP* enemy_ten_bullet_strip = nullptr;
BITMAP* enemy_eleven_bullet_strip = nullptr;
BITMAP* enemy_twelve_bullet_strip = nullptr;
BITMAP* kv1_enemy_one_strip = nullptr;
BITMAP* kv1_enemy_two_strip = nullptr;
BITMAP* kv1_enemy_three_strip = nullptr;
BITMAP* kv1_enemy_four_strip = nullptr;
BITMAP* kv1_enemy_one_bullet_strip = nullptr;
BITMAP* kv1_enemy_two_bullet_strip = nullptr;
BITMAP* kv1_enemy_three_bullet_strip = nullptr;
BITMAP* kv1_enemy_four_bullet_strip = nullptr;

BITMAP* statue_bitmap = nullptr;
BITMAP* cloud_bitmaps[4]{};
BITMAP* island_bitmaps[3]{};
BITMAP* debris_bitmaps[12]{};
BITMAP* meteor_bitmaps[2]{};
BITMAP* stage_star = nullptr;

BITMAP* mouse_pointer = nullptr;
BITMAP* paused_platform = nullptr;
BITMAP* helper_icons[2]{};
BITMAP* bomb_icons[2]{};
BITMAP* shield_icon = nullptr;
BITMAP* yes_button = nullptr;
BITMAP* no_button = nullptr;
BITMAP* yes_button_lit = nullptr;
BITMAP* no_button_lit = nullptr;

DATAFILE* fonts_datafile = nullptr;
DATAFILE* faces_datafile = nullptr;
BITMAP* player_face = nullptr;
FONT* font0 = nullptr;
FONT* font1 = nullptr;
FONT* font4 = nullptr;
FONT* font5 = nullptr;
FONT* font6 = nullptr;
FONT* font7 = nullptr;
FONT* font8 = nullptr;
FONT* font9 = nullptr;

BITMAP* overlay_buffer = nullptr;

BITMAP* stage1_stars = nullptr;
BITMAP* stage1_small_stars = nullptr;
BITMAP* stage1_earth = nullptr;
BITMAP* stage1_moon = nullptr;
BITMAP* stage1_b = nullptr;
BITMAP* stage1_p = nullptr;
BITMAP* stage1_b_g = nullptr;
BITMAP* stage1_r_y = nullptr;

BITMAP* dialog_back = nullptr;
BITMAP* dialog_bars = nullptr;
BITMAP* dialog_panes[2]{};

BITMAP* menu_words_void = nullptr;
BITMAP* menu_background = nullptr;
BITMAP* menu_words_marchers = nullptr;
BITMAP* menu_words_kelvorn = nullptr;
BITMAP* menu_start_button = nullptr;
BITMAP* menu_exit_button = nullptr;
BITMAP* menu_options_button = nullptr;
BITMAP* menu_hover = nullptr;
BITMAP* menu_box = nullptr;
BITMAP* menu_box_background = nullptr;
BITMAP* menu_animation_frames[6]{};

SoundClip tune_main_menu;
SoundClip tune_story;
SoundClip tune_character_select;
SoundClip tune_upgrade_store;
SoundClip tune_stage1;
SoundClip tune_stage2;
SoundClip tune_stage3;
SoundClip tune_stage4;
SoundClip tune_stage5;
SoundClip tune_stage6;
SoundClip tune_stage7;
SoundClip tune_stage8;
SoundClip tune_stage9;
SoundClip tune_stage10;
SoundClip tune_continue;
SoundClip tune_dialog;
SoundClip tune_outro;
SoundClip tune_boss;
SoundClip tune_boss_2;
SoundClip tune_challenge_stage;
SoundClip tune_kv_main;
SoundClip tune_kv1_bgm;
SoundClip tune_stage_intro;
SoundClip tune_kv2_ending;
SoundClip tune_kv1_ending;

SoundEffect sfx_error;
SoundEffect sfx_start;
SoundEffect sfx_cheat_powerup;
