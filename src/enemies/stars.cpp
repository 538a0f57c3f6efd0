#include "enemies/stars.h"

#include <algorithm>

#include "enemies/scenery_art.h"
#include "engine/blit.h"
#include "engine/loaders.h"
#include "engine/sprite.h"

namespace {

constexpr const char* stage_star_path = "gfx/stars/stage/star.gif";
constexpr int bottom_row = 479;

// The twinkle: from these floors up to white and back, by these amounts a step.
constexpr int floor_red = 66, floor_green = 125, floor_blue = 190;
constexpr int rise_red = 30, rise_green = 20, rise_blue = 10;
constexpr int stamps = 4;

constexpr float color_star_scales[3] = {1.0f, 1.4f, 1.5f};
constexpr int streak_pace = 10;
constexpr int streak_length = 8;

struct MenuPicture {
    int r, g, b;
    const char* path;
};
constexpr MenuPicture menu_pictures[] = {
    {83, 71, 152, "gfx/stars/menu/star.gif"},
    {44, 129, 58, "gfx/stars/story/star.gif"},
    {107, 105, 34, "gfx/stars/character_select/star.gif"},
};
constexpr float menu_star_scales[3] = {1.0f, 1.5f, 2.0f};

// Each travel: its direction, and where a star comes back once it has left the screen.
struct Drift {
    int dx, dy;
    int x_lo, x_hi, y_lo, y_hi;
};
constexpr Drift drifts[4] = {
    {-1, +1, 640, 1280, -720, 0},   // left and down, from above the right
    {-1, 0, 640, 640, 0, 480},      // left, from the right edge
    {-1, -1, 640, 1280, 480, 1200}, // left and up, from below the right
    {+1, 0, 0, 0, 0, 480},          // right, from the left edge
};

// A fixed edge draws no number.
int drawn_from(int lo, int hi) { return lo == hi ? lo : random_range(lo, hi); }

void draw_scaled_about_centre(BITMAP* target, BITMAP* picture, int x, int y, float scale) {
    pivot_scaled(target, picture, x, y, picture->w / 2, picture->h / 2, 0, ftofix(scale));
}

}  // namespace

StageStar::~StageStar() {
    if (picture) destroy_bitmap_safely(picture);
}

void StageStar::set_up(int new_x_min, int new_x_max) {
    x_min = new_x_min;
    x_max = new_x_max;
    x = random_range(x_min, x_max);
    y = random_range(0, bottom_row);
    renew_copy(picture, shared_picture(stage_star_path));
}

void Star::init(int new_x_min, int new_x_max) {
    set_up(new_x_min, new_x_max);
    red = floor_red, green = floor_green, blue = floor_blue;
    rising = true;
    falling = false;
    hold_count = 0;
    hold_length = random_range(10, 25);
    alpha = 0.0f;
}

void Star::respawn() {
    red = floor_red, green = floor_green, blue = floor_blue;
    x = random_range(x_min, x_max);
    y = -10;
}

void Star::update(int dy, float new_alpha) {
    y += dy;
    alpha = new_alpha;
    const int sign = rising ? 1 : falling ? -1 : 0;
    red = std::clamp(red + sign * rise_red, floor_red, 255);
    green = std::clamp(green + sign * rise_green, floor_green, 255);
    blue = std::clamp(blue + sign * rise_blue, floor_blue, 255);
    const bool white = red == 255 && green == 255 && blue == 255;
    const bool dim = red == floor_red && green == floor_green && blue == floor_blue;
    // The colour holds at either end before it turns; only the first white holds long.
    if ((white || dim) && ++hold_count > hold_length) {
        hold_count = 0;
        hold_length = random_range(0, 2);
        rising = dim;
        falling = white;
    }
    if (y > playfield_height) respawn();
}

void Star::draw(BITMAP* target) {
    if (alpha <= 0.0f || alpha > 255.0f) return;
    putpixel(picture, 0, 0, makecol(red, green, blue));
    for (int i = 0; i < stamps; ++i) {
        if (alpha == 255.0f)
            blit(picture, target, 0, 0, x + i, y, picture->w, picture->h);
        else
            trans_blit(picture, target, x + i, y, static_cast<int>(alpha));
    }
}

void ColorStar::init(int new_x_min, int new_x_max) {
    set_up(new_x_min, new_x_max);
    pace.moving = false;
    scale = color_star_scales[random_range(1, 3) - 1];
}

void ColorStar::respawn(int v) {
    pace.scroll = v;
    pace.renew(v);
    putpixel(picture, 0, 0, makecol(255, 255, 255));
    x = random_range(x_min, x_max);
    y = 0;
    scale = color_star_scales[random_range(1, 3) - 1];
}

void ColorStar::update(int v) {
    y += pace.advance(v, true);
    if (y > bottom_row) respawn(v);
}

void ColorStar::draw(BITMAP* target) const {
    if (pace.step < streak_pace) {
        draw_scaled_about_centre(target, picture, x, y, scale);
    } else if (pace.step == streak_pace) {
        for (int k = 0; k < streak_length; ++k) blit(picture, target, 0, 0, x, y + k, picture->w, picture->h);
    }
}

void MenuStar::choose_step() {
    step = random_range(1, 3);
    scale = menu_star_scales[step - 1];
}

void MenuStar::init(int new_x_min, int new_x_max, int new_travel, int new_key_colour) {
    travel = std::clamp(new_travel, static_cast<int>(down_left), static_cast<int>(right));
    key_colour = new_key_colour;
    x_min = new_x_min;
    x_max = new_x_max;
    x = random_range(x_min, playfield_width);
    y = random_range(0, playfield_height);
    picture = nullptr;
    for (const MenuPicture& choice : menu_pictures)
        if (key_colour == makecol(choice.r, choice.g, choice.b)) picture = shared_picture(choice.path);
    choose_step();
}

void MenuStar::respawn() {
    choose_step();
    const Drift& drift = drifts[travel - 1];
    x = drawn_from(drift.x_lo, drift.x_hi);
    y = drawn_from(drift.y_lo, drift.y_hi);
}

void MenuStar::update() {
    const Drift& drift = drifts[travel - 1];
    x += drift.dx * step;
    y += drift.dy * step;
    // Off the screen on a side it drifts toward.
    if ((drift.dx < 0 && x < 0) || (drift.dx > 0 && x > playfield_width) || (drift.dy > 0 && y > playfield_height) ||
        (drift.dy < 0 && y < 0))
        respawn();
}

void MenuStar::draw(BITMAP* target) const {
    // A key colour of no menu has no picture.
    if (picture) draw_scaled_about_centre(target, picture, x, y, scale);
}
