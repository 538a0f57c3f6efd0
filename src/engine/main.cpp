#include <allegro.h>

#include "engine/gameengine.h"
#include "engine/timing.h"
#include "screens/splash.h"

int main() {
    if (!start_engine()) return 1;
    buffer = create_bitmap(SCREEN_W, SCREEN_H);
    fade_buffer = create_bitmap(SCREEN_W, SCREEN_H);
    splash_logo();
    return 0;
}
