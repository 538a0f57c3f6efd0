#pragma once
// The pictures, datafiles, fonts, tunes and effects that more than one screen or object uses.
// All empty until the resource loader fills them; then kept for the whole run.
#include <allegro.h>

#include "engine/soundclip.h"

// Enemy art: the datafiles (one per KV2 kind one to ten; kind nine has none) and the strips.
extern DATAFILE* enemy_datafiles[10];
extern BITMAP* enemy_one_strip;
extern BITMAP* enemy_two_strip;
extern BITMAP* enemy_three_strip;
extern BITMAP* enemy_four_strip;
extern BITMAP* enemy_five_strip;
extern BITMAP* enemy_six_strip;
extern BITMAP* enemy_seven_strip;
extern BITMAP* enemy_eight_strip;
extern BITMAP* enemy_nine_strip;
extern BITMAP* enemy_ten_strip;
extern BITMAP* enemy_eleven_strip;
extern BITMAP* enemy_twelve_strip;
extern BITMAP* enemy_one_bullet_strip;
extern BITMAP* enemy_two_bullet_strip;
extern BITMAP* enemy_three_bullet_strip;
extern BITMAP* enemy_four_bullet_strip;
extern BITMAP* enemy_five_bullet_strip;
extern BITMAP* enemy_six_bullet_strip;
extern BITMAP* enemy_seven_bullet_strip;
extern BITMAP* enemy_eight_bullet_strip;
extern BITMAP* enemy_ten_bullet_strip;
extern BITMAP* enemy_eleven_bullet_strip;
extern BITMAP* enemy_twelve_bullet_strip;
extern BITMAP* kv1_enemy_one_strip;
extern BITMAP* kv1_enemy_two_strip;
extern BITMAP* kv1_enemy_three_strip;
extern BITMAP* kv1_enemy_four_strip;
extern BITMAP* kv1_enemy_one_bullet_strip;
extern BITMAP* kv1_enemy_two_bullet_strip;
extern BITMAP* kv1_enemy_three_bullet_strip;
extern BITMAP* kv1_enemy_four_bullet_strip;

// Scenery.
extern BITMAP* statue_bitmap;
extern BITMAP* cloud_bitmaps[4];   // small to big
extern BITMAP* island_bitmaps[3];
extern BITMAP* debris_bitmaps[12];
extern BITMAP* meteor_bitmaps[2];
extern BITMAP* stage_star;

// Pointer, HUD, pause panel and "Continue?".
extern BITMAP* mouse_pointer;
extern BITMAP* paused_platform;
extern BITMAP* helper_icons[2];  // one-shot, three-shot
extern BITMAP* bomb_icons[2];
extern BITMAP* shield_icon;
extern BITMAP* yes_button;
extern BITMAP* no_button;
extern BITMAP* yes_button_lit;
extern BITMAP* no_button_lit;

// Fonts and faces; the fonts point into fonts_datafile.
extern DATAFILE* fonts_datafile;
extern DATAFILE* faces_datafile;  // object 0 Adam's face, object 1 Kim's
extern BITMAP* player_face;       // the pilot's face, chosen by character select
extern FONT* font0;
extern FONT* font1;
extern FONT* font4;
extern FONT* font5;
extern FONT* font6;
extern FONT* font7;
extern FONT* font8;
extern FONT* font9;

// Target of the pause panel and the in-stage "Continue?", a screen-size memory bitmap.
extern BITMAP* overlay_buffer;

// The first stage's backdrop.
extern BITMAP* stage1_stars;
extern BITMAP* stage1_small_stars;
extern BITMAP* stage1_earth;
extern BITMAP* stage1_moon;
extern BITMAP* stage1_b;
extern BITMAP* stage1_p;
extern BITMAP* stage1_b_g;
extern BITMAP* stage1_r_y;

// In-stage dialogue.
extern BITMAP* dialog_back;
extern BITMAP* dialog_bars;
extern BITMAP* dialog_panes[2];  // the boss's pane (top), the pilot's (bottom)

// The KV2 main menu.
extern BITMAP* menu_words_void;
extern BITMAP* menu_background;
extern BITMAP* menu_words_marchers;
extern BITMAP* menu_words_kelvorn;
extern BITMAP* menu_start_button;
extern BITMAP* menu_exit_button;
extern BITMAP* menu_options_button;
extern BITMAP* menu_hover;
extern BITMAP* menu_box;
extern BITMAP* menu_box_background;
extern BITMAP* menu_animation_frames[6];

// Tunes, all on the music channel.
extern SoundClip tune_main_menu;
extern SoundClip tune_story;
extern SoundClip tune_character_select;
extern SoundClip tune_upgrade_store;
extern SoundClip tune_stage1;
extern SoundClip tune_stage2;
extern SoundClip tune_stage3;
extern SoundClip tune_stage4;
extern SoundClip tune_stage5;
extern SoundClip tune_stage6;
extern SoundClip tune_stage7;
extern SoundClip tune_stage8;
extern SoundClip tune_stage9;
extern SoundClip tune_stage10;
extern SoundClip tune_continue;
extern SoundClip tune_dialog;
extern SoundClip tune_outro;
extern SoundClip tune_boss;
extern SoundClip tune_boss_2;
extern SoundClip tune_challenge_stage;
extern SoundClip tune_kv_main;
extern SoundClip tune_kv1_bgm;
extern SoundClip tune_stage_intro;
extern SoundClip tune_kv2_ending;
extern SoundClip tune_kv1_ending;

// Menu effects, on the jingle channel.
extern SoundEffect sfx_error;
extern SoundEffect sfx_start;
extern SoundEffect sfx_cheat_powerup;
