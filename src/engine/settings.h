#pragma once
// Player settings: changed only by the options screens, never saved.

extern int difficulty;    // 1 EASY, 2 NORMAL, 3 HARD, 4 EXTRA HARD
extern int stage_choice;  // the stage a new KV2 game starts at
extern int key_left;      // Allegro scancodes
extern int key_right;
extern int key_shoot;
extern int key_bomb1;
extern int key_bomb2;
extern int key_text_advance;
extern float master_volume;
