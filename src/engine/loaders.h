#pragma once
// Loading pictures and datafiles with one failure report, screenshots, and the game's random
// numbers.
#include <allegro.h>

// A picture or datafile that cannot be loaded is reported in a message box ("<path> not able to
// load."), Allegro is shut down and the process ends with status 1: these never return null. A
// datafile counts as unloadable when it is damaged or one of its 'GIF ' objects holds no picture
// (load_checked_datafile).
BITMAP* load_png_ex(const char* path);
BITMAP* load_bitmap_ex(const char* path);  // any registered picture type, by extension
BITMAP* load_picture_ex(const char* path);  // PNG through loadpng, anything else as load_bitmap_ex
DATAFILE* load_datafile_ex(const char* path);

// The picture a datafile object holds, whether a 'GIF ' object or a plain bitmap; null for
// objects of other types.
BITMAP* datafile_bitmap(const DATAFILE& object);

// Saves the bitmap as "screenshots/<n>.png" with the next number not yet taken, creating the
// folder when missing. A failed save is silently lost.
extern int screenshot_count;  // the next number to try
void save_screenshot(BITMAP* bitmap);

// An integer from lo to hi inclusive, from the C library's rand(); lo must not exceed hi.
int random_range(int lo, int hi);
