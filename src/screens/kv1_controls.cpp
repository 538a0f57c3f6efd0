#include "screens/kv1_controls.h"

#include "engine/blit.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/ui.h"

namespace {

// The panel pictures only place the block, as on the options screen; they are not drawn.
ControlsPanel measured_panel() {
    ScreenBitmap back = own_bitmap(load_png_ex("gfx/options/option_platform_back.png"));
    ScreenBitmap bars = own_bitmap(load_png_ex("gfx/options/option_platform_bars.png"));
    return controls_panel(back.get(), bars.get());
}

}  // namespace

Kv1Controls::Kv1Controls()
    : fade_(FadeStyle{8, 16, false, true}), backdrop_(black_bitmap()), panel_(measured_panel()), controls_(panel_) {}

void Kv1Controls::step() {
    controls_.rebind();
    fade_.step();
    controls_.step();
    mouse_down();
}

void Kv1Controls::draw() {
    BITMAP* backdrop = backdrop_.get();
    masked_blit(menu_words_void, backdrop, 0, 0, 118, 53, menu_words_void->w, menu_words_void->h);
    masked_blit(menu_words_marchers, backdrop, 0, 0, 57, 160, menu_words_marchers->w, menu_words_marchers->h);
    fade_blit(backdrop, buffer, 0, 0, makecol(0, 0, 0), 127);
    controls_.draw(buffer);
    if (exit_to_menu_item(buffer, panel_)) fade_.leave();
    controls_.draw_prompt_or_pointer(buffer);
    fade_.present();
}

NextScreen kv1_controls() { return run_screen<Kv1Controls>(); }
