#include "screens/character_select.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "player/menu_outfit.h"

bool pilot_chosen = false;

namespace {

constexpr int box_x = 225;
constexpr int icon_x = 312;
constexpr int icon_pivot = 32;
constexpr int icon_below_box = 83;
constexpr int portrait_step = 20;
constexpr float scale_step = 0.5f, largest_scale = 3.0f, smallest_scale = 1.0f;

ScreenBitmap picture(const char* path) { return own_bitmap(load_bitmap_ex(path)); }

}  // namespace

CharacterSelect::CharacterSelect()
    : fade_(FadeStyle{8, 16, true, false, &tune_character_select, 0.08f}),
      backdrop_(picture("gfx/character_select/kv2_select_stars.gif")),
      title_(picture("gfx/character_select/select.gif")),
      box_frame_(picture("gfx/character_select/kv2_select_box.gif")),
      box_fill_(picture("gfx/character_select/kv2_select_box_background.gif")),
      // {ship, portrait, icon, box y, portrait y, hidden x, hovered, portrait x}
      pilots_{{&adam_ship, picture("gfx/character_select/kv2_select_adam.gif"),
               picture("gfx/character_select/kv2_select_adam_plane.gif"), 130, 97, -309, false, -309},
              {&kim_ship, picture("gfx/character_select/kv2_select_kim.gif"),
               picture("gfx/character_select/kv2_select_kim_plane.gif"), 305, 92, -302, false, -302}} {
    for (MenuStar& star : stars_) star.init(0, 640, MenuStar::left, makecol(107, 105, 34));
    tune_character_select.play_music();
    for (Pilot& pilot : pilots_) give_menu_outfit(*pilot.ship);
}

void CharacterSelect::Pilot::slide() {
    if (hovered) {
        portrait_x = std::min(portrait_x + portrait_step, 0);
        icon_scale = std::min(icon_scale + scale_step, largest_scale);
    } else {
        portrait_x = std::max(portrait_x - portrait_step, hidden_x);
        icon_scale = std::max(icon_scale - scale_step, smallest_scale);
    }
}

void CharacterSelect::step() {
    fade_.step();
    for (Pilot& pilot : pilots_) pilot.ship->update();
    for (Pilot& pilot : pilots_) pilot.slide();
    if (fade_.ready() && box_delay_ < box_delay) ++box_delay_;
    if (key[KEY_ESC] && fade_.ready() && pilot_chosen) fade_.leave();
    for (int& x : backdrop_x_)
        if (--x < -639) x = 640;
    for (MenuStar& star : stars_) star.update();
}

void CharacterSelect::box(Pilot& pilot, Choice choice) {
    pilot.hovered = pointer_inside(box_x, pilot.box_y, box_frame_->w, box_frame_->h);
    if (!pilot.hovered) return;
    draw_sprite(buffer, box_fill_.get(), box_x, pilot.box_y);
    if (left_button_down() && fade_.ready()) fade_.choose(choice);
}

void CharacterSelect::draw() {
    clear_bitmap(active_page);
    blit(backdrop_.get(), buffer, 0, 0, backdrop_x_[1], 0, backdrop_->w, backdrop_->h);
    blit(backdrop_.get(), buffer, 0, 0, backdrop_x_[0], 0, backdrop_->w, backdrop_->h);
    for (const MenuStar& star : stars_) star.draw(buffer);
    draw_masked(title_.get(), 30, 15);
    if (boxes_shown()) {
        box(pilots_[0], adam);
        box(pilots_[1], kim);
        for (Pilot& pilot : pilots_)
            if (pilot.hovered) pilot.ship->draw(buffer);
        for (Pilot& pilot : pilots_) draw_masked(box_frame_.get(), box_x, pilot.box_y);
        for (Pilot& pilot : pilots_)
            pivot_scaled_sprite(buffer, pilot.icon.get(), icon_x, pilot.box_y + icon_below_box, icon_pivot, icon_pivot,
                                0, ftofix(pilot.icon_scale));
        for (Pilot& pilot : pilots_) draw_masked(pilot.portrait.get(), pilot.portrait_x, pilot.portrait_y);
        draw_pointer(buffer);
    }
    fade_.present();
}

NextScreen CharacterSelect::leave() const {
    const int choice = fade_.choice();
    if (choice != none) {
        if (game_completed != 1) player.load(choice);
        player_face = datafile_bitmap(faces_datafile[choice - 1]);
        selected_character = choice;
        pilot_chosen = true;
    }
    // A kept ship whose last game ended in a declined "Continue?" would open the new one on it.
    if (!player.alive) player.continue_reset();
    if (stage_choice > 1) {
        player.add_helper(2);
        player.set_helper_type(2);
        player.add_side_bullets();
    }
    return {Screen::stage_intro, {stage_choice}};
}

NextScreen character_select() { return run_screen<CharacterSelect>(); }
