#include "engine/screen_frame.h"

#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"

ScreenFade::ScreenFade(const FadeStyle& style)
    : style_(style), ready_(style.ready_at_start), tune_faded_(style.tune == nullptr) {}

void ScreenFade::step(bool may_end) {
    if (fading_in_) level_ += style_.in_step;
    if (fading_out_) {
        level_ -= style_.out_step;
        if (level_ <= darkest_level) level_ = darkest_level;
        if (style_.tune) tune_faded_ = style_.tune->fade_out(0.0f, style_.music_step);
        if (level_ == darkest_level && tune_faded_ && may_end) running_ = false;
    }
    if (level_ > brightest_level) {
        level_ = brightest_level;
        ready_ = true;
    }
}

void ScreenFade::choose(int item) {
    choice_ = item;
    leave();
}

void ScreenFade::leave() {
    fading_in_ = false;
    fading_out_ = true;
}

void ScreenFade::present() const {
    const int colour = style_.white ? makecol(255, 255, 255) : makecol(0, 0, 0);
    fade_onto_page(buffer, colour, level_);
}

bool music_silenced(const ScreenFade& fade, bool silencing, SoundClip& tune, float step) {
    return !silencing || !fade.fading_out() || tune.fade_out(0.0f, step);
}

bool pointer_inside(int x, int y, int w, int h) {
    return mouse_x > x && mouse_x < x + w && mouse_y > y && mouse_y < y + h;
}

bool left_button_down() { return mouse_b & 1; }

bool text_item(BITMAP* dest, int x, int y, const char* label, bool ready) {
    const int w = text_length(font6, label), h = text_height(font6);
    if (!pointer_inside(x, y, w, h)) {
        textprintf_ex(dest, font6, x, y, -1, -1, "%s", label);
        return false;
    }
    rect(dest, x - 3, y - 3, x + w, y + h, makecol(255, 255, 255));
    textprintf_ex(dest, font8, x, y, -1, -1, "%s", label);
    return left_button_down() && ready;
}

void draw_masked(BITMAP* picture, int x, int y) {
    masked_blit(picture, buffer, 0, 0, x, y, picture->w, picture->h);
}

void draw_pointer(BITMAP* dest) {
    masked_blit(mouse_pointer, dest, 0, 0, mouse_x, mouse_y, mouse_pointer->w, mouse_pointer->h);
}

void draw_continue_prompt(BITMAP* dest) {
    textprintf_ex(dest, font5, 10, 475 - text_height(font5), -1, -1, "Press '%s' to continue...",
                  key_name(key_text_advance));
}

bool continue_pressed(bool ready) { return key[key_text_advance] && ready; }

ScreenBitmap own_bitmap(BITMAP* bitmap) { return ScreenBitmap(bitmap, &destroy_bitmap); }

ScreenBitmap black_bitmap() {
    ScreenBitmap black = own_bitmap(create_bitmap(SCREEN_W, SCREEN_H));
    clear_to_color(black.get(), makecol(0, 0, 0));
    return black;
}
