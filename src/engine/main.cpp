#include "engine/gameengine.h"
#include "engine/loading_screen.h"
#include "engine/screen_flow.h"

int main() {
    if (!start_engine()) return 1;
    loading_screen();
    run_screens(first_screen);
    return 0;
}
