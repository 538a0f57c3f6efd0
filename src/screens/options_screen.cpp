#include "screens/options_screen.h"

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/ui.h"

namespace {

enum ButtonType { left_arrow = 1, right_arrow = 2, play_button = 3, stop_button = 4 };

constexpr int max_difficulty = 4;
constexpr int stage_count = 10;

const char* const difficulty_names[max_difficulty] = {"EASY", "NORMAL", "HARD", "EXTRA HARD"};

struct JukeboxTrack {
    const char* label;  // a format taking `number`
    int number;
    SoundClip* tune;
};

const JukeboxTrack jukebox[OptionsScreen::jukebox_size] = {
    {"[  MAIN MENU  ]", 0, &tune_main_menu},
    {"[  STORY  ]", 0, &tune_story},
    {"[  CHARACTER SELECT  ]", 0, &tune_character_select},
    {"[  UPGRADE STORE  ]", 0, &tune_upgrade_store},
    {"[  STAGE %d  ]", 1, &tune_stage1},
    {"[  STAGE %d  ]", 2, &tune_stage2},
    {"[  STAGE %d  ]", 3, &tune_stage3},
    {"[  STAGE %d  ]", 4, &tune_stage4},
    {"[  STAGE %d  ]", 5, &tune_stage5},
    {"[  STAGE %d  ]", 6, &tune_stage6},
    {"[  STAGE %d  ]", 7, &tune_stage7},
    {"[  STAGE %d  ]", 8, &tune_stage8},
    {"[  STAGE %d  ]", 9, &tune_stage9},
    {"[  STAGE %d  ]", 10, &tune_stage10},
    {"[  STAGE INTRO  ]", 0, &tune_stage_intro},
    {"[  CONTINUE  ]", 0, &tune_continue},
    {"[  DIALOG  ]", 0, &tune_dialog},
    {"[  OUTRO  ]", 0, &tune_outro},
    {"[  BOSS %d  ]", 1, &tune_boss},
    {"[  BOSS %d  ]", 2, &tune_boss_2},
    {"[  CHALLENGE STAGE  ]", 0, &tune_challenge_stage},
    {"[  ENDING  ]", 0, &tune_kv2_ending},
    {"[  KV1 BGM  ]", 0, &tune_kv1_bgm},
    {"[  KV1 CREDITS  ]", 0, &tune_kv1_ending},
};

int tl(const char* s) { return text_length(font6, s); }
int fh() { return text_height(font6); }

// Moves value one up or down, kept within [low, high].
void nudge(int& value, int by, int low, int high) {
    value += by;
    if (value < low) value = low;
    if (value > high) value = high;
}

}  // namespace

OptionsScreen::OptionsScreen()
    : fade_(FadeStyle{8, 16, true, true, &tune_main_menu, 0.08f}),
      back_(own_bitmap(load_png_ex("gfx/options/option_back.png"))),
      panel_back_(own_bitmap(load_png_ex("gfx/options/option_platform_back.png"))),
      panel_bars_(own_bitmap(load_png_ex("gfx/options/option_platform_bars.png"))),
      panel_(controls_panel(panel_back_.get(), panel_bars_.get())),
      controls_(panel_) {}

OptionsScreen::Button OptionsScreen::difficulty_arrow(int type) const {
    const int x = panel_.x0 + tl("Difficulty:") + (type == left_arrow ? 20 : tl("EXTRA HARD") + 50);
    return {type, x, panel_.y0 + 98};
}

OptionsScreen::Button OptionsScreen::stage_arrow(int type) const {
    const int x = panel_.x0 + tl("Stage Choice:") + (type == left_arrow ? 20 : tl("EXTRA HARD") + 50);
    return {type, x, panel_.y0 + fh() + 108};
}

OptionsScreen::Button OptionsScreen::jukebox_button(int type) const {
    static const int offsets[] = {20, 110, 80, 50};  // by type: left, right, play, stop
    return {type, panel_.x0 + tl("BGM:") + offsets[type - 1], panel_.y0 + 2 * fh() + 118};
}

bool OptionsScreen::clicked(const Button& b) const { return image_button(b.type, buffer, b.x, b.y, 0) && !mouse_held; }

void OptionsScreen::step() {
    controls_.rebind();
    fade_.step();
    if (clicked(difficulty_arrow(left_arrow))) nudge(difficulty, -1, 1, max_difficulty);
    if (clicked(difficulty_arrow(right_arrow))) nudge(difficulty, 1, 1, max_difficulty);
    if (stage_choice_unlocked) {
        if (clicked(stage_arrow(left_arrow))) nudge(stage_choice, -1, 1, stage_count);
        if (clicked(stage_arrow(right_arrow))) nudge(stage_choice, 1, 1, stage_count);
    }
    if (clicked(jukebox_button(left_arrow)) && --jukebox_index_ < 1) jukebox_index_ = jukebox_size;
    if (clicked(jukebox_button(right_arrow)) && ++jukebox_index_ > jukebox_size) jukebox_index_ = 1;
    if (clicked(jukebox_button(stop_button))) tune_main_menu.stop();  // stops whatever the music channel plays
    if (clicked(jukebox_button(play_button))) jukebox[jukebox_index_ - 1].tune->play_music();
    controls_.step();
    mouse_down();
}

void OptionsScreen::draw() {
    const int x0 = panel_.x0, y0 = panel_.y0;
    blit(back_.get(), buffer, 0, 0, 0, 0, back_->w, back_->h);
    trans_blit(panel_back_.get(), buffer, x0, y0, 150);
    draw_masked(panel_bars_.get(), x0, y0);
    textprintf_centre_ex(buffer, font0, 320, y0 + 10, -1, -1, "OPTIONS");
    textprintf_ex(buffer, font6, x0 + 10, y0 + 100, -1, -1, "Difficulty:");
    if (stage_choice_unlocked) textprintf_ex(buffer, font6, x0 + 10, y0 + fh() + 110, -1, -1, "Stage Choice:");
    textprintf_ex(buffer, font6, x0 + 10, y0 + 2 * fh() + 120, -1, -1, "BGM:");
    textprintf_ex(buffer, font6, x0 + 10, y0 + 3 * fh() + 130, -1, -1, "CONTROLS:");
    controls_.draw(buffer);

    for (int type : {left_arrow, right_arrow}) {
        const Button b = difficulty_arrow(type);
        image_button(b.type, buffer, b.x, b.y, 1);
    }
    textprintf_centre_ex(buffer, font8, x0 + tl("Difficulty:") + tl("EXTRA HARD") / 2 + 45, y0 + 100, -1, -1, "%s",
                         difficulty_names[difficulty - 1]);
    if (stage_choice_unlocked) {
        for (int type : {left_arrow, right_arrow}) {
            const Button b = stage_arrow(type);
            image_button(b.type, buffer, b.x, b.y, 1);
        }
        textprintf_centre_ex(buffer, font8, x0 + tl("Stage Choice:") + tl("EXTRA HARD") / 2 + 45, y0 + fh() + 110, -1,
                             -1, "Stage %d", stage_choice);
    }
    for (int type : {left_arrow, stop_button, play_button, right_arrow}) {
        const Button b = jukebox_button(type);
        image_button(b.type, buffer, b.x, b.y, 1);
    }
    const JukeboxTrack& track = jukebox[jukebox_index_ - 1];
    const int label_x = x0 + tl("BGM:") + tl("CHARACTER SELECT") / 2 + (jukebox_index_ == 1 ? 180 : 170);
    textprintf_centre_ex(buffer, font8, label_x, y0 + 2 * fh() + 120, -1, -1, track.label, track.number);

    if (exit_to_menu_item(buffer, panel_)) {
        return_to_menu = true;
        fade_.leave();
    }
    controls_.draw_prompt_or_pointer(buffer);
    fade_.present();
}

NextScreen options_screen() { return run_screen<OptionsScreen>(); }
