#pragma once
// Cutting frames out of picture sheets, and the menus' mouse helpers.
#include <allegro.h>

// The pictures of image_button types 1 to 4: left, right, play and stop (filled by the loader).
extern BITMAP* button_pictures[4];

// 1 while the left or the right mouse button is down, as of the last mouse_down call.
extern int mouse_held;

// A new w x h bitmap (owned by the caller) holding frame i of a sheet laid out cols frames to a
// row from (x0, y0).
BITMAP* grab_frame(BITMAP* sheet, int w, int h, int x0, int y0, int cols, int i);

// Whether the left button is down with the pointer strictly inside the button's picture; with
// draw 1 the button is drawn too, lit white while pressed. Types other than 1 to 4: false.
bool image_button(int type, BITMAP* dest, int x, int y, int draw);

void mouse_down();
