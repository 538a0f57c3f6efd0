#include "engine/settings.h"

#include <allegro.h>

int difficulty = 1;
int stage_choice = 1;
int key_left = KEY_LEFT;
int key_right = KEY_RIGHT;
int key_shoot = KEY_SPACE;
int key_bomb1 = KEY_Z;
int key_bomb2 = KEY_LCONTROL;
int key_text_advance = KEY_SPACE;
float master_volume = 1.0f;
