#include "stages/hud.h"

#include <cstdio>

#include "engine/game_state.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/playfield.h"

namespace {

constexpr int pip_step = 11;

// In the font's own colours, on a transparent background.
void print(BITMAP* dest, FONT* f, const char* text, int x, int y) { textout_ex(dest, f, text, x, y, -1, -1); }
void print_centred(BITMAP* dest, FONT* f, const char* text, int x, int y) {
    textout_centre_ex(dest, f, text, x, y, -1, -1);
}

void print_number(BITMAP* dest, FONT* f, const char* format, int value, int x, int y) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    print(dest, f, text, x, y);
}

// One pip per shield the ship holds.
void draw_pips(BITMAP* dest, int x, int y) {
    for (int i = 0; i < player.shield_count; ++i, x += pip_step) draw_masked(shield_icon, dest, x, y);
}

// Whether the pointer lies strictly inside the w x h box at (x, y) of the screen.
bool pointer_inside(float x, float y, int w, int h) {
    return x < mouse_x && mouse_x < x + w && y < mouse_y && mouse_y < y + h;
}

bool left_button() { return mouse_b & 1; }

// A helper pair's picture with its count, marked " *" when it is the pair that flies.
void draw_helper(BITMAP* panel, BITMAP* icon, int x, int count, bool selected) {
    constexpr int icon_y = 175, count_y = 177;
    draw_masked(icon, panel, x, icon_y);
    print_number(panel, font8, selected ? " - %d *" : " - %d", count, icon->w + x, count_y);
}

void draw_bomb(BITMAP* panel, BITMAP* icon, int x, int count) {
    constexpr int icon_y = 275, count_y = 279;
    draw_masked(icon, panel, x, icon_y);
    print_number(panel, font8, " - %d", count, icon->w + x, count_y);
}

// The white hover outline of a helper picture, and its click.
void helper_choice(BITMAP* panel, BITMAP* icon, int x, float px, float py, int kind) {
    constexpr int top = 177;
    if (!pointer_inside(px + x, py + top, icon->w, icon->h)) return;
    rect(panel, x - 3, top - 3, icon->w + x, icon->h + top, makecol(255, 255, 255));
    if (left_button()) player.set_helper_type(kind);
}

}  // namespace

void draw_hud(const char* money_text, const char* gun_text, const char* side_text) {
    const int th6 = text_height(font6);
    const int th8 = text_height(font8);
    print_centred(buffer, font6, "Money:", screen_w / 2, 2);
    print_centred(buffer, font8, money_text, screen_w / 2 - text_length(font8, "$ ") / 2, th8 + 2);
    print(buffer, font6, "G-lvl: ", 5, screen_h - th6 - 5);
    print(buffer, font8, gun_text, text_length(font6, "G-lvl: ") + 5, screen_h - th8 - 5);
    print(buffer, font6, "Bomb 1:", 5, 5);
    print(buffer, font6, "Bomb 2:", screen_w - text_length(font6, "Bomb 2:   ") - 5, 5);
    print_number(buffer, font8, "%d", player.bomb2_count, screen_w - text_length(font8, "  ") - 5, 5);
    print(buffer, font6, "SHIELD: ", screen_w / 2 - text_length(font6, "SHIELD: ") / 2, screen_h - th6 - 5);
    print_number(buffer, font8, "%d", player.bomb1_count, text_length(font6, "Bomb 1: ") + 5, 5);
    draw_pips(buffer, screen_w / 2 + text_length(font6, "SHIELD: ") / 2 + 8, screen_h - th8 - 8);
    // The side level is measured in the label font and printed in the value font.
    const int side_w = text_length(font6, side_text);
    print(buffer, font6, "S-lvl: ", screen_w - 5 - text_length(font6, "S-lvl: ") - side_w, screen_h - th6 - 5);
    print(buffer, font8, side_text, screen_w - 5 - side_w, screen_h - th8 - 5);
}

int pause_screen(BITMAP* panel, float px, float py) {
    const int th6 = text_height(font6);
    const int th8 = text_height(font8);
    const int white = makecol(255, 255, 255);
    blit(paused_platform, panel, 0, 0, 0, 0, paused_platform->w, paused_platform->h);
    print_centred(panel, font8, "PAUSED", panel->w / 2, 20);
    print_centred(panel, font6, "STATS", panel->w / 2, th8 + 25);
    print_number(panel, font6, "Gun Level: %d", player.gun_level, 35, 70);
    print_number(panel, font6, "Side Level: %d", player.side_level, 35, th6 + 75);
    print(panel, font6, "HELPERS", 25, 150);
    draw_helper(panel, helper_icons[0], 40, player.one_shot_count, player.one_shot_selected);
    draw_helper(panel, helper_icons[1], 175, player.three_shot_count, player.three_shot_selected);
    print(panel, font6, "BOMBS", 25, 250);
    draw_bomb(panel, bomb_icons[0], 40, player.bomb1_count);
    draw_bomb(panel, bomb_icons[1], 175, player.bomb2_count);
    print(panel, font6, "SHIELD: ", 25, 355);
    draw_pips(panel, text_length(font6, "SHIELD: ") + 25, 352);
    print_number(panel, font6, "MONEY: $%d.00", player.money, 25, 385);

    helper_choice(panel, helper_icons[0], 40, px, py, 1);
    helper_choice(panel, helper_icons[1], 175, px, py, 2);
    constexpr int buttons_y = 410;
    const int back_w = text_length(font6, "Go Back");
    if (pointer_inside(px + 25, py + buttons_y, back_w, th6)) {
        rect(panel, 22, buttons_y - 3, back_w + 25, th6 + buttons_y, white);
        if (left_button()) paused = false;
    }
    const int exit_x = panel->w - text_length(font6, "Exit to Menu") - 25;
    if (pointer_inside(px + exit_x, py + buttons_y, panel->w - 25 - exit_x, th6)) {
        rect(panel, exit_x - 3, buttons_y - 3, panel->w - 22, th6 + buttons_y, white);
        if (left_button()) return 1;
    }
    print(panel, font6, "Go Back", 25, buttons_y);
    print(panel, font6, "Exit to Menu", exit_x, buttons_y);
    masked_blit(panel, overlay_buffer, 0, 0, static_cast<int>(px), static_cast<int>(py), panel->w, panel->h);
    return 0;
}
