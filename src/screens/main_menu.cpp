#include "screens/main_menu.h"

#include <algorithm>

#include "enemies/pools.h"
#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/slots.h"

namespace {

constexpr int box_x = 158;
constexpr int box_delay = 20;
constexpr int box_open_top = 303;
constexpr int box_edge_rows = 12;
constexpr int box_bottom_source_y = 117;
constexpr int item_x = 225;
constexpr int first_frame_steps = 200;
constexpr int later_frame_steps = 2;
constexpr int title_frames = 6;

struct MenuItem {
    BITMAP* const* picture;  // filled by the loader
    int y;
    MainMenu::Choice choice;
};

const MenuItem menu_items[] = {
    {&menu_start_button, 315, MainMenu::start},
    {&menu_options_button, 350, MainMenu::options},
    {&menu_exit_button, 385, MainMenu::exit_choice},
};

// Where a drifting backdrop copy starts again once it has drifted far enough left.
constexpr int backdrop_restart_x = 309, backdrop_restart_y = -896, backdrop_last_x = -810;

template <class Kind, std::size_t n>
void restore_hit_points(Kind (&pool)[n]) {
    for (Kind& record : pool) record.object_reset();
}

// Stage bonuses raise hit points in the records and the kinds' resets keep them: only here do
// they go back to each kind's own.
void restore_kv2_pools() {
    restore_hit_points(enemy_one_pool);
    restore_hit_points(enemy_two_pool);
    restore_hit_points(enemy_three_pool);
    restore_hit_points(enemy_four_pool);
    restore_hit_points(enemy_five_pool);
    restore_hit_points(enemy_six_pool);
    restore_hit_points(enemy_seven_pool);
    restore_hit_points(enemy_eight_pool);
    restore_hit_points(enemy_nine_pool);
    restore_hit_points(enemy_twelve_pool);
    restore_hit_points(enemy_ten_pool);
    restore_hit_points(enemy_eleven_pool);
}

// Moves value by step, stopping at bound.
void move_toward(int& value, int step, int bound) {
    value += step;
    if (step < 0 ? value < bound : value > bound) value = bound;
}

void drift(int& x, int& y) {
    --x;
    ++y;
    if (x < backdrop_last_x) {
        x = backdrop_restart_x;
        y = backdrop_restart_y;
    }
}

}  // namespace

MainMenu::MainMenu() : fade_(FadeStyle{8, 16, true, false, &tune_main_menu, 0.08f}) {
    return_to_menu = false;
    paused = false;
    restore_kv2_pools();
    clear_bitmap(active_page);
    for (MenuStar& star : stars_) star.init(0, 800, MenuStar::down_left, makecol(83, 71, 152));
    tune_main_menu.play_music();
}

void MainMenu::unlock_stage_choice() {
    if (stage_choice_unlocked) return;
    if ((key[KEY_H] && key[KEY_J]) || game_completed == 1) {
        sfx_cheat_powerup.play_jingle();
        stage_choice_unlocked = true;
    }
}

void MainMenu::animate_title() {
    if (frame_ == 0 && ++frame_ticks_ > first_frame_steps) {
        frame_ticks_ = 0;
        frame_ = 1;
    }
    // The step that enters frame 1 already counts for it.
    if (frame_ > 0 && ++frame_ticks_ > later_frame_steps) {
        frame_ticks_ = 0;
        frame_ = (frame_ + 1) % title_frames;
    }
}

void MainMenu::Box::step() {
    if (delay < box_delay) ++delay;
    if (delay < box_delay) return;
    move_toward(top_y, -5, box_open_top);
    move_toward(bottom_y, 5, 420);
    move_toward(middle_y, -5, 315);
    move_toward(middle_source_y, -5, 13);
    move_toward(middle_height, 10, 117);
}

void MainMenu::Box::draw() const {
    const int w = menu_box->w;
    masked_blit(menu_box, buffer, 0, middle_source_y, box_x, middle_y, w, middle_height);
    masked_blit(menu_box, buffer, 0, 0, box_x, top_y, w, box_edge_rows);
    masked_blit(menu_box, buffer, 0, box_bottom_source_y, box_x, bottom_y, w, box_edge_rows);
}

bool MainMenu::box_open() const { return box_.delay == box_delay && box_.top_y == box_open_top; }

void MainMenu::step() {
    unlock_stage_choice();
    // Start waits for its sound only if the sound was played in this visit; once over, it stays over.
    if (start_played_ && !start_finished_) start_finished_ = sfx_start.jingle_finished();
    fade_.step(fade_.choice() != start || !start_played_ || start_finished_);
    animate_title();
    if (fade_.ready()) box_.step();
    drift(backdrop_a_x_, backdrop_a_y_);
    drift(backdrop_b_x_, backdrop_b_y_);
    for (MenuStar& star : stars_) star.update();
}

void MainMenu::item(BITMAP* picture, int y, Choice choice) {
    if (!pointer_inside(item_x, y, picture->w, picture->h)) return;
    draw_sprite(buffer, menu_hover, item_x, y);
    if (!left_button_down() || !fade_.ready()) return;
    if (choice == start && !fade_.fading_out()) {
        sfx_start.play_jingle();
        start_played_ = true;
    }
    fade_.choose(choice);
}

void MainMenu::draw() {
    draw_masked(menu_background, backdrop_b_x_, backdrop_b_y_);
    draw_masked(menu_background, backdrop_a_x_, backdrop_a_y_);
    for (const MenuStar& star : stars_) star.draw(buffer);
    draw_masked(menu_words_void, 48, 53);
    draw_masked(menu_animation_frames[frame_], 399, -10);
    draw_masked(menu_words_marchers, 17, 160);
    draw_masked(menu_words_kelvorn, 108, 243);
    if (box_.delay == box_delay) {
        if (box_open()) {
            trans_blit(menu_box_background, buffer, box_x, box_open_top, 200);
            for (const MenuItem& it : menu_items) item(*it.picture, it.y, it.choice);
            // The items over the hover bar.
            for (const MenuItem& it : menu_items) draw_masked(*it.picture, item_x, it.y);
        }
        box_.draw();
        if (box_open()) draw_pointer(buffer);
    }
    fade_.present();
}

NextScreen MainMenu::leave() const {
    switch (fade_.choice()) {
        case start: return {Screen::character_select};
        case options: return {Screen::options_screen};
        default: return {Screen::series_menu};
    }
}

NextScreen main_menu() { return run_screen<MainMenu>(); }
