#include "engine/ui.h"

BITMAP* button_pictures[4] = {};
int mouse_held = 0;

BITMAP* grab_frame(BITMAP* sheet, int w, int h, int x0, int y0, int cols, int i) {
    BITMAP* frame = create_bitmap_ex(bitmap_color_depth(sheet), w, h);
    blit(sheet, frame, x0 + (i % cols) * w, y0 + (i / cols) * h, 0, 0, w, h);
    return frame;
}

bool image_button(int type, BITMAP* dest, int x, int y, int draw) {
    if (type < 1 || type > 4) return false;
    BITMAP* picture = button_pictures[type - 1];
    bool inside = mouse_x > x && mouse_x < x + picture->w && mouse_y > y && mouse_y < y + picture->h;
    bool pressed = inside && (mouse_b & 1);
    if (draw == 1) {
        if (pressed) {
            set_trans_blender(255, 255, 255, 255);
            draw_lit_sprite(dest, picture, x, y, 255);
        } else {
            masked_blit(picture, dest, 0, 0, x, y, picture->w, picture->h);
        }
    }
    return pressed;
}

void mouse_down() { mouse_held = (mouse_b & 3) ? 1 : 0; }
