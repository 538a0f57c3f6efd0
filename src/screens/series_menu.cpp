#include "screens/series_menu.h"

#include "engine/blit.h"
#include "engine/loaders.h"
#include "engine/slots.h"

namespace {

constexpr int episode_y = 330;
// The hover rectangles are fixed, whatever the pictures' sizes.
constexpr int episode_w = 160;
constexpr int episode_h = 120;
constexpr int kv1_x = 80;
constexpr int kv2_x = 400;
constexpr int frame_width = 3;
constexpr int dimmed = 175;

}  // namespace

SeriesMenu::SeriesMenu()
    : fade_(FadeStyle{8, 16, false, true, &tune_kv_main, 0.08f}),
      backdrop_(own_bitmap(load_png_ex("gfx/kv_main_menu/background.png"))),
      kv1_(own_bitmap(load_png_ex("gfx/kv_main_menu/kv1.png"))),
      kv2_(own_bitmap(load_png_ex("gfx/kv_main_menu/kv2.png"))),
      series_(own_bitmap(load_png_ex("gfx/main_menu/series.png"))) {
    tune_kv_main.play_music();
}

void SeriesMenu::step() {
    fade_.step();
    if (!fade_.ready()) return;
    for (int& x : backdrop_x_)
        if (--x < -639) x = 640;
}

void SeriesMenu::episode_item(BITMAP* picture, int x, Choice episode) {
    if (!pointer_inside(x, episode_y, episode_w, episode_h)) {
        fade_blit(picture, buffer, x, episode_y, makecol(0, 0, 0), dimmed);
        return;
    }
    blit(picture, buffer, 0, 0, x, episode_y, picture->w, picture->h);
    if (left_button_down() && fade_.ready()) fade_.choose(episode);
}

void SeriesMenu::draw() {
    for (int x : backdrop_x_) blit(backdrop_.get(), buffer, 0, 0, x, 0, backdrop_->w, backdrop_->h);
    draw_masked(menu_words_void, 118, 53);
    draw_masked(menu_words_marchers, 57, 160);
    draw_masked(series_.get(), 125, 180);
    for (int x : {kv1_x, kv2_x})
        rectfill(buffer, x - frame_width, episode_y - frame_width, x + episode_w + frame_width,
                 episode_y + episode_h + frame_width, makecol(255, 255, 255));
    episode_item(kv1_.get(), kv1_x, kv1);
    episode_item(kv2_.get(), kv2_x, kv2);
    // EXIT leaves an episode already chosen as it is.
    if (text_item(buffer, 295, 300, "EXIT", fade_.ready())) fade_.leave();
    draw_pointer(buffer);
    fade_.present();
}

NextScreen SeriesMenu::leave() const {
    if (fade_.choice() == exit_choice) return {};
    return {Screen::instructions, {fade_.choice()}};
}

NextScreen series_menu() { return run_screen<SeriesMenu>(); }
