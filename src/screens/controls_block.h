#pragma once
// The six key bindings as both episodes' controls screens show them: a click on a row arms the
// block, and the next key change seen while the pointer lies on a row binds that row. Also the
// panel both screens lay out from and their "Exit to Menu".
#include <allegro.h>

// The panel pictures' sizes and where the panel stands, centred on the 640x480 frame.
struct ControlsPanel {
    int x0, y0;
    int bars_w, bars_h;
};
ControlsPanel controls_panel(BITMAP* panel_back, BITMAP* panel_bars);

// Called between polls of wait_key_change; rest(1) by default, so tests can change `key` there.
extern void (*key_poll_pause)();

// Blocks until an entry of `key` changes state, press or release, and returns its scancode, the
// lowest when several change at once.
int wait_key_change();

// Keys a row never takes: Esc, and P and Q, which pause and save screenshots in every stage.
bool refused_binding(int scancode);

// Restores the six bindings to their defaults.
void restore_default_controls();

class ControlsBlock {
public:
    explicit ControlsBlock(const ControlsPanel& panel) : panel_(panel) {}

    // A fresh left click on a row's label arms the block.
    void step();
    // The hint, the rows with their hover frames and key names.
    void draw(BITMAP* dest) const;
    // The prompt while armed, else the pointer.
    void draw_prompt_or_pointer(BITMAP* dest) const;
    // Once a frame has been shown since the last call, armed, with the pointer on a row: waits for
    // a key change and binds it, unless refused.
    void rebind();
    bool waiting() const { return waiting_; }

    // Where row k's label stands.
    int row_x() const;
    int row_y(int k) const;

private:
    int row_under_pointer() const;

    ControlsPanel panel_;
    bool waiting_ = false;
    mutable bool frame_shown_ = false;
};

// "Exit to Menu" at the panel's bottom right, framed while hovered; true while hovered with the
// left button down, a held button included.
bool exit_to_menu_item(BITMAP* dest, const ControlsPanel& panel);
