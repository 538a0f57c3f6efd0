#pragma once
// The KV2 options: difficulty, the stage a new game starts at (once unlocked), a jukebox of every
// tune, and the controls block, on a translucent panel. Fades from and to white; "Exit to Menu"
// fades the main menu's tune out with it and leads back to the main menu.
#include "screens/controls_block.h"
#include "engine/screen_frame.h"

NextScreen options_screen();

class OptionsScreen {
public:
    static constexpr int jukebox_size = 24;

    OptionsScreen();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const { return {Screen::main_menu}; }

    const ScreenFade& fade() const { return fade_; }
    const ControlsBlock& controls() const { return controls_; }
    const ControlsPanel& panel() const { return panel_; }
    int jukebox_index() const { return jukebox_index_; }

    // Where the arrows and jukebox buttons stand (button picture type, x, y).
    struct Button {
        int type, x, y;
    };
    Button difficulty_arrow(int type) const;
    Button stage_arrow(int type) const;
    Button jukebox_button(int type) const;

private:
    bool clicked(const Button& b) const;

    ScreenFade fade_;
    ScreenBitmap back_, panel_back_, panel_bars_;
    ControlsPanel panel_;
    ControlsBlock controls_;
    int jukebox_index_ = 1;
};
