#include "screens/kv1_menu.h"

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "player/kv1player.h"
#include "screens/controls_block.h"

namespace {

struct MenuItem {
    int y;
    const char* label;
    Kv1Menu::Choice choice;
};

const MenuItem menu_items[] = {
    {300, "START", Kv1Menu::start},
    {330, "OPTIONS", Kv1Menu::options},
    {360, "EXIT", Kv1Menu::exit_choice},
};

const char* const mission_story =
    "Your name is Adam and you're a ship trader who has fallen on hard times. A meteor shower "
    "wrecked your headquarters and every prize ship you owned, and now you must earn the money to "
    "rebuild with an old fighter a friend has lent you. Word of your trouble has spread, and the "
    "rivals you once outbid have put a bounty on your head. Every enemy you destroy is worth $100, "
    "so make them count. Good luck!! ";

}  // namespace

Kv1Menu::Kv1Menu() : fade_(FadeStyle{8, 16, false, true}), black_(black_bitmap()) {
    restore_default_controls();
    paused = false;
}

void Kv1Menu::step() { fade_.step(music_silenced(fade_, fade_.choice() == exit_choice, tune_kv_main, 0.08f)); }

void Kv1Menu::draw() {
    draw_masked(black_.get(), 0, 0);
    draw_masked(menu_words_void, 118, 53);
    draw_masked(menu_words_marchers, 57, 160);
    for (const MenuItem& item : menu_items)
        if (text_item(buffer, 265, item.y, item.label, fade_.ready())) fade_.choose(item.choice);
    draw_pointer(buffer);
    fade_.present();
}

NextScreen Kv1Menu::leave() const {
    switch (fade_.choice()) {
    case start: return {Screen::kv1_mission};
    case options: return {Screen::kv1_controls};
    default: return {Screen::series_menu};
    }
}

NextScreen kv1_menu() { return run_screen<Kv1Menu>(); }

Kv1Mission::Kv1Mission()
    : fade_(FadeStyle{8, 4, false, true}),
      black_(black_bitmap()),
      enemies_{own_bitmap(load_png_ex("gfx/kv1/enemies/enemy_one/frame.png")),
               own_bitmap(load_bitmap_ex("gfx/kv1/enemies/enemy_two/enemytwo.gif")),
               own_bitmap(load_png_ex("gfx/kv1/enemies/enemy_three/enemythree.png")),
               own_bitmap(load_png_ex("gfx/kv1/enemies/enemy_four/frame.png"))} {}

void Kv1Mission::step() {
    fade_.step();
    if (continue_pressed(fade_.ready())) fade_.leave();
}

void Kv1Mission::draw() {
    draw_masked(black_.get(), 0, 0);
    draw_continue_prompt(buffer);
    textprintf_centre_ex(buffer, font6, 320, 25, -1, -1, "YOUR MISSION: DESTORY OR BE DESTROYED!!");
    textprintf_ex(buffer, font9, 50, 300, -1, -1, "Enemies:");
    // Measured with the blank after the colon.
    const int x0 = text_length(font9, "Enemies: ") + 50;
    for (int i = 0; i < 4; ++i) draw_masked(enemies_[i].get(), x0 + 64 * i, 277);
    draw_wrapped_text(buffer, font9, mission_story, 50, -90, 540, 360, 0, -1);
    fade_.present();
}

NextScreen Kv1Mission::leave() const {
    kv1_player.load();
    return {Screen::kv1_stage, {1, 1, -1, -1, -1, -1}};
}

NextScreen kv1_mission() { return run_screen<Kv1Mission>(); }
