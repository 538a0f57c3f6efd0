#include "stages/playfield.h"

void draw_masked(BITMAP* picture, BITMAP* dest, int x, int y) {
    masked_blit(picture, dest, 0, 0, x, y, picture->w, picture->h);
}
