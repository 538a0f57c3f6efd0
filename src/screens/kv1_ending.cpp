#include "screens/kv1_ending.h"

#include <algorithm>

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "screens/credits.h"
#include "stages/kv1_formations.h"

namespace {

const CreditHeadings credit_headings = {{
    // {heading, mask: the entries of the credits table under it, one bit each}
    {"TECHNICAL DIRECTOR", 1},
    {"PROGRAM MANAGER", 1},
    {"LEAD PROGRAMMER", 1},
    {"SYSTEM/GRAPHICS/DATA OPTIMIZER", 1},
    {"AI PROGRAMMER", 1},
    {"GRAPHICS PROGRAMMER", 1},
    {"LEAD DESIGNER", 1},
    {"EXECUTIVE PRODUCER", 1},
    {"SENIOR ART DIRECTOR", 1},
    {"LEAD ARTIST", 1},
    {"INTERFACE ARTIST", 1},
    {"CHARACTER DESIGNERS", 263},
    {"BACKGROUND ARTISTS", 5},
    {"ARTISTS", 263},
    {"SOUND PRODUCER", 1},
    {"SOUND DESIGNER", 1},
    {"SOUND MIXER/PROG.MER/EDITOR", 1},
    {"COMPOSER", 1},
    {"STORY/SCENARIO WRITER", 1},
    {"TEST LEAD/TESTER", 1},
    {"SPECIAL THANKS", 1024},
}};

constexpr int fade_step = 4;  // the text layer's alpha lost per step once the hold is over

const char* const ending_text =
    "You have successfully defeated all the enemies that were after you, and the bounty on your "
    "head has earned you more than enough to restore your business to what it was before the "
    "meteors came. You have even recruited a crew of new employees to replace the ones you lost, "
    "and the hangar is filling with ships once more. ";

// The two title words at half brightness: the screens' backdrop.
void draw_titles(BITMAP* layer) {
    masked_blit(menu_words_void, layer, 0, 0, 118, 153, menu_words_void->w, menu_words_void->h);
    masked_blit(menu_words_marchers, layer, 0, 0, 57, 260, menu_words_marchers->w, menu_words_marchers->h);
    fade_blit(layer, buffer, 0, 0, makecol(0, 0, 0), 127);
}

}  // namespace

Kv1Ending::Kv1Ending()
    : fade_(FadeStyle{8, 4, false, true, &tune_kv1_ending, 0.01f}),
      titles_(black_bitmap()),
      text_(own_bitmap(create_bitmap(SCREEN_W, SCREEN_H))),
      end_gap_(static_cast<float>(text_height(font6) + text_height(font5) + 5)) {
    clear_to_color(text_.get(), makecol(255, 0, 255));
    tune_kv1_ending.play_music();
}

float Kv1Ending::end_stop() const { return 240.0f - end_gap_ / 2.0f; }

void Kv1Ending::step() {
    fade_.step();
    if (fade_.ready()) {
        hold_ = std::min(hold_steps, hold_ + hold_gain_);
        if (hold_ == hold_steps) alpha_ = std::max(0, alpha_ - fade_step);
        if (alpha_ == 0) {
            credits_y_ -= scroll_;
            end_y_ = std::max(end_stop(), end_y_ - scroll_);
            if (key[KEY_ESC]) fade_.leave();
        }
    }
    const bool hurried = key[key_text_advance];
    scroll_ = hurried ? 1.75f : 0.75f;
    hold_gain_ = hurried ? 2 : 1;
}

void Kv1Ending::draw() {
    draw_titles(titles_.get());
    textprintf_centre_ex(text_.get(), font8, 320, 15, -1, -1, "CONGRATULATIONS!!");
    draw_wrapped_text(text_.get(), font9, ending_text, 50, -100, 540, 360, 0, -1);
    trans_blit(text_.get(), buffer, 0, 0, alpha_);
    draw_credits_roll(buffer, credit_headings, credits_y_, end_y_, end_y_ == end_stop());
    fade_.present();
}

NextScreen kv1_ending() { return run_screen<Kv1Ending>(); }

WhatToDo::WhatToDo() : fade_(FadeStyle{8, 16, false, true}), titles_(black_bitmap()) {}

void WhatToDo::draw() {
    draw_titles(titles_.get());
    textprintf_centre_ex(buffer, font8, 320, 10, -1, -1, "WHAT TO DO, WHAT TO DO...");
    const bool ready = fade_.ready();
    if (current_stage < last_kv1_stage && text_item(buffer, 265, 200, "KEEP PLAYING KV1", ready))
        fade_.choose(keep_playing);
    if (text_item(buffer, 265, 230, "GO TO KV2", ready)) fade_.choose(kv2);
    if (text_item(buffer, 265, 260, "EXIT GAME", ready)) fade_.choose(exit_choice);
    draw_pointer(buffer);
    fade_.present();
}

NextScreen WhatToDo::leave() const {
    switch (fade_.choice()) {
    case keep_playing:
        current_stage += 1;
        tune_kv1_bgm.play_music();
        return {Screen::kv1_stage, {current_stage, 1, -1, -1, -1, -1}};
    case kv2: return {Screen::story};
    default: return {Screen::series_menu};
    }
}

NextScreen what_to_do() { return run_screen<WhatToDo>(); }
