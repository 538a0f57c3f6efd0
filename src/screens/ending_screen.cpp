#include "screens/ending_screen.h"

#include <algorithm>

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "screens/credits.h"

namespace {

constexpr int paragraph_fade_step = 4;
constexpr int picture_fade_step = 2;

// By paragraph, then pilot (Adam, Kim). Kept as written, blanks and spellings included.
const char* const paragraphs[EndingScreen::paragraph_count][2] = {
    {"Adam has defeated and killed the tyrannt, Lord Artemus. With only 5 minutes to spare, he must reach to the "
     "back of Art's fortress to rescue his family. ",
     "Kim has killed Art, her former boss. She has indeed surpassed him in strength. After coming down from her high "
     "horse, she realizes that there's only 5 minutes to spare. "},
    {"When he got there, everyone was there except his oldest son, Justin. His wife didn't know where he was, that "
     "he was seperated from them when they got to the castle. ",
     "Kim finds Adam's family and begins to load them in her ship. But, there  was a problem, and Adam's oldest son, "
     "Justin, is missing. There's only 1 minute left before the castle explodes. "},
    {"Unfortunately, there wasn't enough time to try to find him. Torn away at this, he's forced to leave the castle "
     "before it explodes. Everything was wiped out within 30 mile radius. ",
     "Kim realizes that there's nothing she can do. She rescues the rest of Adam's family and gets to a safe "
     "distance. As Adam's wife yells J - U - S - T - I - N, the castle explodes in to a huge A-Bomb appearance. "},
    {"After the explosion, Adam makes a once-over to see if he could find any remains or anything, but everythinng "
     "was disinegrated. Adam's happy for his family's rescue, but saddened by the loss of his son. ",
     "After the explosion, Kim sees that the explosion covered a 30 mile radius. She does a look-over to see if she "
     "can find any trace of Justin, but can't find anything at all. The explosion has taken everything. "},
    {"Adam thinks that is son is still out there, somewhere.... ",
     "The mission to rescue Adam's family has been a semi-success. Kim's  glad that she was able to rescue who she "
     "could feels really bad about Justin. But somehow, she believes that he is alive somewhere....Let's hope so. "},
};

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
    {"CHARACTER DESIGNERS", 193},
    {"BACKGROUND ARTISTS", 5},
    {"ARTISTS", 53},
    {"SOUND PRODUCER", 1},
    {"SOUND DESIGNER", 9},
    {"SOUND MIXER/PROG.MER/EDITOR", 1},
    {"COMPOSER", 9},
    {"STORY/SCENARIO WRITER", 513},
    {"TEST LEAD/TESTER", 1},
    {"SPECIAL THANKS", 1024},
}};

const char* planet_path(int character) {
    return character == 2 ? "gfx/kv2_ending/planet_pic_kim.png" : "gfx/kv2_ending/planet_pic.png";
}

ScreenBitmap magenta_layer() { return own_bitmap(create_bitmap(640, 480)); }

}  // namespace

EndingScreen::EndingScreen()
    : fade_(FadeStyle{8, 2, false, true, &tune_kv2_ending, 0.009f}),
      planet_(own_bitmap(load_png_ex(planet_path(selected_character)))),
      pair_(own_bitmap(load_png_ex("gfx/kv2_ending/adam_kim.png"))),
      black_(black_bitmap()),
      text_layer_(magenta_layer()),
      end_gap_(static_cast<float>(text_height(font6) + text_height(font5) + 5)) {
    tune_kv2_ending.play_music();
}

void EndingScreen::step_paragraphs() {
    if (!paragraph_showing_) {
        paragraph_alpha_ -= paragraph_fade_step;
        if (paragraph_alpha_ < 0) {
            paragraph_alpha_ = 0;
            if (paragraph_ < paragraph_count - 1) {
                ++paragraph_;
                paragraph_showing_ = true;
            }
        }
    }
    if (paragraph_showing_) paragraph_alpha_ = std::min(paragraph_alpha_ + paragraph_fade_step, 255);
    const bool advance_down = key[key_text_advance];
    if (advance_down && !advance_latch_ && paragraph_showing_ && paragraph_alpha_ == 255) paragraph_showing_ = false;
    advance_latch_ = advance_down;
}

void EndingScreen::step_credits() {
    if (paragraph_showing_ || paragraph_ != paragraph_count - 1 || paragraph_alpha_ != 0) return;
    const int towards_pair = end_reached_ ? picture_fade_step : -picture_fade_step;
    planet_alpha_ = std::clamp(planet_alpha_ - towards_pair, 0, 255);
    pair_alpha_ = std::clamp(pair_alpha_ + towards_pair, 0, 255);
    credits_y_ -= scroll_;
    end_y_ -= scroll_;
    if (end_rest_y() > end_y_) {
        end_y_ = end_rest_y();
        end_reached_ = true;
        if (key[KEY_ESC]) fade_.leave();
    }
}

void EndingScreen::step() {
    fade_.step();
    if (!fade_.running()) game_completed = 1;
    step_paragraphs();
    step_credits();
    scroll_ = key[key_text_advance] ? fast_scroll : slow_scroll;
}

void EndingScreen::draw() {
    clear_to_color(text_layer_.get(), makecol(255, 0, 255));
    draw_masked(black_.get(), 0, 0);
    trans_blit(planet_.get(), buffer, 0, 0, planet_alpha_);
    trans_blit(pair_.get(), buffer, 0, 0, pair_alpha_);
    const int pilot = selected_character == 2 ? 1 : 0;
    draw_wrapped_text(text_layer_.get(), font9, paragraphs[paragraph_][pilot], 50, -100, 540, 360, 0, -1);
    trans_blit(text_layer_.get(), buffer, 0, 0, paragraph_alpha_);
    draw_credits_roll(buffer, credit_headings, credits_y_, end_y_, end_y_ == end_rest_y());
    fade_.present();
}

NextScreen ending_screen() { return run_screen<EndingScreen>(); }
