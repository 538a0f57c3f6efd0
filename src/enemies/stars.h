#pragma once
// The star fields behind stages and menus. Their owners hold them as local arrays, call `init`
// once, `update` every logic step and `draw` every drawn frame.
#include <allegro.h>

#include "enemies/scroll_pace.h"

// What the stages' stars share: a copy of the stage star of their own, which they recolour, and
// a place within their columns.
class StageStar {
public:
    BITMAP* picture = nullptr;  // its own copy
    int x = 0, y = 0;
    int x_min = 0, x_max = 0;

    StageStar() = default;
    ~StageStar();
    StageStar(const StageStar&) = delete;
    StageStar& operator=(const StageStar&) = delete;

protected:
    // Anywhere on the screen within the columns x_min to x_max, with a fresh copy of the star.
    void set_up(int new_x_min, int new_x_max);
};

// A twinkling star of the stages: it brightens from blue to white, holds, fades back and holds
// again, while it rides down with the scroll; drawn as four stamps side by side, translucent by
// the alpha its stage gives it.
class Star : public StageStar {
public:
    bool rising = false, falling = false;
    int red = 0, green = 0, blue = 0;  // each between its floor and 255
    int hold_count = 0, hold_length = 0;
    float alpha = 0.0f;  // 0 hides it, 255 draws it opaque

    // Anywhere on the screen within the columns x_min to x_max.
    void init(int new_x_min, int new_x_max);
    // Back at the top, blue again.
    void respawn();
    void update(int dy, float new_alpha);
    void draw(BITMAP* target);
};

// A star of the stages and the store that falls at a pace tied to the scroll: scaled about its
// centre at paces up to 9, a streak of eight pixels at pace 10.
class ColorStar : public StageStar {
public:
    ScrollPace pace;     // moving: the star has started
    float scale = 1.0f;  // 1.0, 1.4 or 1.5

    // Anywhere on the screen within the columns x_min to x_max, white as the file is until its
    // first respawn whitens it.
    void init(int new_x_min, int new_x_max);
    // Back at the top with a new pace for scroll v.
    void respawn(int v);
    // One step at scroll v.
    void update(int v);
    void draw(BITMAP* target) const;
};

// A dust particle of the menus, drifting by its travel (1 left and down, 2 left, 3 left and up,
// 4 right) and coming back from beyond the edge it drifts from once off the screen.
class MenuStar {
public:
    enum Travel { down_left = 1, left = 2, up_left = 3, right = 4 };

    BITMAP* picture = nullptr;  // shared by every star of its colour
    int x = 0, y = 0;
    int x_min = 0, x_max = 0;
    int step = 0;        // pixels per step: 1, 2 or 3
    float scale = 1.0f;  // 1.0, 1.5 or 2.0 by step
    int travel = 0;      // a Travel, 1 to 4
    int key_colour = 0;  // makecol of the menu's key colour, choosing the picture

    // Anywhere from x_min to the right edge; the picture of the menu whose key colour is given:
    // (83, 71, 152) the main menu, (44, 129, 58) the story, (107, 105, 34) character select. A
    // travel outside 1 to 4 is taken as the nearest of them.
    void init(int new_x_min, int new_x_max, int new_travel, int new_key_colour);
    void respawn();
    void update();
    void draw(BITMAP* target) const;

private:
    void choose_step();
};
