// The title words the menus stand on, and the series menu's own pictures.
#include "scenes/scenes.h"
#include "shared/text_shape.h"
#include "shared/title.h"

namespace datagen::scenes {

using namespace draw;

namespace {

// One word of the title in the logo's chrome, centred in its picture; `low` lowers it by that much.
Image title_word(int w, int h, int size, const char* text, float low = 0) {
    Canvas c(w, h);
    shared::draw_title(c, {w / 2.0f, h / 2.0f + low}, size, text);
    return c.to_image(rgb(4, 8, 26));
}

}  // namespace

std::vector<PictureFile> title_pictures() {
    return {
        {"gfx/main_menu/kv2_words_void.gif", [] { return title_word(340, 100, 92, "VOID"); }},
        {"gfx/main_menu/kv2_words_marchers.gif", [] { return title_word(526, 80, 74, "MARCH"); }},
        {"gfx/main_menu/kv2_words_kelvorn.png", [] { return title_word(424, 56, 40, "THE KELVORN WAR"); }},
        {"gfx/main_menu/series.png", [] { return title_word(390, 110, 36, "THE SERIES", 26); }},
    };
}

}  // namespace datagen::scenes
