#include "screens/story.h"

#include "engine/slots.h"
#include "engine/text.h"

namespace {

constexpr float scroll_per_step = 0.25f;  // 15 pixels a second
constexpr float last_rest = 765.0f;

struct Paragraph {
    int offset;  // from its position to the top of its text box
    const char* text;
};

const Paragraph paragraphs[Story::paragraph_count] = {
    {172,
     "Since Adam prevailed against the hordes of enemy that were after him, he has set his life back in order. "
     "He rebuilt his freight company, Halvard Haulage, from the wreck it had been left in. He also took on a "
     "partner, Kim, a renegade pilot from the planet Rytiok. "},
    {376,
     "Meanwhile, the crime lord, Lord Artemus, the man who put the hit out on Adam, has watched him rise again "
     "and now wants him as his right-hand man. Adam wants nothing to do with him and turns him down flat. "},
    {564,
     "After several failed attempts for Adam to join his crew, Art runs out of patience. His men strike "
     "Adam's home while he is away on a run. They take his family and vanish into the void. Art sends word "
     "that they will be freed only when Adam agrees to work for him. "},
    {752,
     "What do think that their answer would be??? Adam and Kim arm their ships and set out together. Art now has "
     "two pilots to answer to instead of one. They want the family back. They will not leave without them. "},
};

}  // namespace

Story::Story() : fade_(FadeStyle{8, 4, false, true, &tune_story, 0.01f}), black_(black_bitmap()) {
    tune_story.set_volume(1.0f);
    tune_story.play_music();
}

void Story::step() {
    fade_.step();
    if (fade_.ready()) {
        for (float& y : y_) y -= scroll_per_step;
        if (y_[paragraph_count - 1] < last_rest) y_[paragraph_count - 1] = last_rest;
    }
    if (continue_pressed(fade_.ready())) fade_.leave();
}

void Story::draw() {
    masked_blit(black_.get(), buffer, 0, 0, 0, 0, black_->w, black_->h);
    draw_continue_prompt(buffer);
    for (int i = 0; i < paragraph_count; ++i)
        draw_wrapped_text(buffer, font9, paragraphs[i].text, 50, static_cast<int>(y_[i]) - paragraphs[i].offset, 540,
                          360, 0, -1);
    fade_.present();
}

NextScreen story() { return run_screen<Story>(); }
