#pragma once
// The KV2 main menu: it restores the KV2 enemies, shows the animated title over a drifting
// backdrop and dust, then opens a box with Start, Options and Exit. H+J, or having seen the
// ending, unlocks the stage choice of the options screen.
#include "enemies/stars.h"
#include "engine/screen_frame.h"

NextScreen main_menu();

class MainMenu {
public:
    enum Choice { none = 0, start = 1, options = 2, exit_choice = 3 };
    static constexpr int star_count = 250;

    // Clears the quit flags, restores every KV2 pool record's hit points, and starts the tune.
    MainMenu();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }
    int title_frame() const { return frame_; }
    bool box_open() const;

private:
    // The box opens from a thin bar in the middle: edges move apart, the middle band grows.
    struct Box {
        int delay = 0;  // steps of the wait before it opens, up to 20
        int top_y = 355;
        int bottom_y = 367;
        int middle_y = 367;
        int middle_source_y = 64;
        int middle_height = 0;

        void step();
        void draw() const;
    };

    void unlock_stage_choice();
    void animate_title();
    void item(BITMAP* picture, int y, Choice choice);

    ScreenFade fade_;
    MenuStar stars_[star_count];
    int backdrop_a_x_ = -255, backdrop_a_y_ = -334;
    int backdrop_b_x_ = 309, backdrop_b_y_ = -896;
    int frame_ = 0;  // of the title animation
    int frame_ticks_ = 0;
    Box box_;
    bool start_played_ = false;  // the start sound, in this visit
    bool start_finished_ = false;
};
