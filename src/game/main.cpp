#include "engine/gameengine.h"
#include "game/loading_screen.h"
#include "game/screen_table.h"

int main() {
    if (!start_engine()) return 1;
    loading_screen();
    run_screens(first_screen, screen_table);
    return 0;
}
