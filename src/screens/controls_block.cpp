#include "screens/controls_block.h"

#include <cstring>

#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "engine/ui.h"
#include "engine/screen_frame.h"

namespace {

constexpr int frame_w = 640, frame_h = 480;
constexpr int scanned_keys = 127;
constexpr const char* hint = " (Click on control option and hit the key you want to use.)";
constexpr const char* prompt = "HIT ANY KEY TO CHANGE CONTROL ";
constexpr const char* exit_label = "Exit to Menu";

struct ControlRow {
    const char* label;
    int* binding;
};

const ControlRow control_rows[] = {
    {"LEFT:", &key_left},   {"RIGHT:", &key_right}, {"SHOOT:", &key_shoot},
    {"BOMB 1:", &key_bomb1}, {"BOMB 2:", &key_bomb2}, {"TEXT ADVANCE:", &key_text_advance},
};
constexpr int row_count = sizeof control_rows / sizeof control_rows[0];

const int default_bindings[row_count] = {KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_Z, KEY_LCONTROL, KEY_SPACE};

int tl(const char* s) { return text_length(font6, s); }
int fh() { return text_height(font6); }

}  // namespace

ControlsPanel controls_panel(BITMAP* panel_back, BITMAP* panel_bars) {
    return {frame_w / 2 - panel_back->w / 2, frame_h / 2 - panel_back->h / 2, panel_bars->w, panel_bars->h};
}

void (*key_poll_pause)() = [] { rest(1); };

int wait_key_change() {
    char before[scanned_keys];
    for (;;) {
        std::memcpy(before, const_cast<const char*>(key), scanned_keys);
        key_poll_pause();
        for (int k = 0; k < scanned_keys; ++k)
            if (key[k] != before[k]) return k;
    }
}

bool refused_binding(int scancode) { return scancode == KEY_ESC || scancode == KEY_P || scancode == KEY_Q; }

void restore_default_controls() {
    for (int k = 0; k < row_count; ++k) *control_rows[k].binding = default_bindings[k];
}

int ControlsBlock::row_x() const { return panel_.x0 + 30; }

int ControlsBlock::row_y(int k) const { return panel_.y0 + text_height(font) + (4 + k) * fh() + 145 + 5 * k; }

int ControlsBlock::row_under_pointer() const {
    for (int k = 0; k < row_count; ++k)
        if (pointer_inside(row_x(), row_y(k), tl(control_rows[k].label), fh())) return k;
    return -1;
}

void ControlsBlock::step() {
    if (left_button_down() && !mouse_held && row_under_pointer() >= 0) waiting_ = true;
}

void ControlsBlock::draw(BITMAP* dest) const {
    const int hint_y = panel_.y0 + 3 * fh() + 150;
    textprintf_centre_ex(dest, font, frame_w / 2 - 1, hint_y + 1, makecol(0, 0, 0), -1, "%s", hint);
    textprintf_centre_ex(dest, font, frame_w / 2, hint_y, makecol(255, 255, 255), -1, "%s", hint);
    frame_shown_ = true;
    const int hovered = row_under_pointer();
    for (int k = 0; k < row_count; ++k) {
        const char* label = control_rows[k].label;
        if (k == hovered)
            rect(dest, row_x() - 3, row_y(k) - 3, row_x() + tl(label), row_y(k) + fh(), makecol(255, 255, 255));
        textprintf_ex(dest, font6, row_x(), row_y(k), -1, -1, "%s", label);
    }
    for (int k = 0; k < row_count; ++k)
        draw_key_name(*control_rows[k].binding, font8, panel_.x0 + tl(control_rows[k].label) + 40, row_y(k), dest);
}

void ControlsBlock::draw_prompt_or_pointer(BITMAP* dest) const {
    if (waiting_)
        draw_wrapped_text(dest, font8, prompt, 280, 220, 275, 150, 0, -1);
    else
        draw_pointer(dest);
}

void ControlsBlock::rebind() {
    if (!frame_shown_) return;
    frame_shown_ = false;
    if (!waiting_) return;
    const int k = row_under_pointer();
    if (k < 0) return;
    const int scancode = wait_key_change();
    if (refused_binding(scancode)) return;
    *control_rows[k].binding = scancode;
    waiting_ = false;
}

bool exit_to_menu_item(BITMAP* dest, const ControlsPanel& panel) {
    const int w = tl(exit_label);
    const int x = panel.x0 + panel.bars_w - w - 25, y = panel.y0 + panel.bars_h - fh() - 10;
    const bool hovered = pointer_inside(x, y, w, fh());
    if (hovered) rect(dest, x - 3, y - 3, x + w + 3, y + fh() + 3, makecol(255, 255, 255));
    textprintf_ex(dest, font6, x, y, -1, -1, "%s", exit_label);
    return hovered && left_button_down();
}
