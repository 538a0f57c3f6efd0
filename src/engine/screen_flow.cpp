#include "engine/screen_flow.h"

#include <algorithm>

void run_screens(NextScreen next, const std::vector<ScreenRow>& table) {
    while (next.screen != Screen::none) {
        const auto row = std::find_if(table.begin(), table.end(), [&](const ScreenRow& r) { return r.screen == next.screen; });
        if (row == table.end()) return;
        next = row->run(next.args);
    }
}
