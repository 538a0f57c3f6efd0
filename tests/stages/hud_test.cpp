// The HUD's and the pause panel's figures stand where a player looks for them.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stage_world.h"
#include "stages/hud.h"

namespace {

using stage_world::shows;

struct Figure {
    FONT* const* font;
    std::string text;
    int x, y;
};

TEST(Hud, PutsEveryFigureInItsPlace) {
    stage_world::prepare();
    player.shield_count = 2;
    player.bomb1_count = 3;
    player.bomb2_count = 7;
    clear_bitmap(buffer);
    draw_hud("$ 1500.00", "2", "13");
    const int th6 = text_height(font6), th8 = text_height(font8);
    auto tl6 = [](const char* s) { return text_length(font6, s); };
    const Figure figures[] = {
        {&font6, "Money:", 320 - tl6("Money:") / 2, 2},
        // Left of centre by half the width of "$ ".
        {&font8, "$ 1500.00", 320 - text_length(font8, "$ ") / 2 - text_length(font8, "$ 1500.00") / 2, th8 + 2},
        {&font6, "G-lvl: ", 5, 480 - th6 - 5},
        {&font8, "2", tl6("G-lvl: ") + 5, 480 - th8 - 5},
        {&font6, "Bomb 1:", 5, 5},
        {&font8, "3", tl6("Bomb 1: ") + 5, 5},
        {&font6, "Bomb 2:", 640 - tl6("Bomb 2:   ") - 5, 5},
        {&font8, "7", 640 - text_length(font8, "  ") - 5, 5},
        {&font6, "SHIELD: ", 320 - tl6("SHIELD: ") / 2, 480 - th6 - 5},
        // Measured in the label font, printed in the value font.
        {&font6, "S-lvl: ", 640 - 5 - tl6("S-lvl: ") - tl6("13"), 480 - th6 - 5},
        {&font8, "13", 640 - 5 - tl6("13"), 480 - th8 - 5},
    };
    for (const Figure& f : figures) EXPECT_TRUE(shows(buffer, *f.font, f.text, f.x, f.y)) << f.text;
    const int pips_x = 320 + tl6("SHIELD: ") / 2 + 8, pips_y = 480 - th8 - 8;
    BITMAP* pip = shield_icon;
    auto pip_at = [&](int x) { return getpixel(buffer, x + pip->w / 2, pips_y + pip->h / 2) != 0; };
    EXPECT_TRUE(pip_at(pips_x) && pip_at(pips_x + 11)) << "one pip per shield";
    EXPECT_FALSE(pip_at(pips_x + 22));
}

// A stage's frame shows the ship's money in dollars and cents and its two gun levels.
TEST(Hud, ShowsTheShipsMoneyAndGunLevels) {
    stage_world::prepare();
    stage_world::Driver d(std::make_unique<StageOne>());
    player.money = 1500;
    player.gun_level = 3;
    player.side_level = 2;
    d.pass();
    const int th8 = text_height(font8);
    const Figure figures[] = {
        {&font8, "$ 1500.00", 320 - text_length(font8, "$ ") / 2 - text_length(font8, "$ 1500.00") / 2, th8 + 2},
        {&font8, "3", text_length(font6, "G-lvl: ") + 5, 480 - th8 - 5},
        {&font8, "2", 640 - 5 - text_length(font6, "2"), 480 - th8 - 5},
    };
    for (const Figure& f : figures) EXPECT_TRUE(shows(buffer, *f.font, f.text, f.x, f.y)) << f.text;
}

TEST(PausePanel, MarksTheSelectedHelperPairAndListsTheStats) {
    stage_world::prepare();
    player.one_shot_count = 4;
    player.three_shot_count = 1;
    player.set_helper_type(2);
    player.money = 2500;
    BITMAP* panel = create_bitmap(paused_platform->w, paused_platform->h);
    clear_bitmap(overlay_buffer);
    mouse_x = mouse_y = 0;
    EXPECT_EQ(pause_screen(panel, 150.0f, 20.0f), 0);
    const int th6 = text_height(font6);
    const Figure figures[] = {
        {&font8, " - 4", helper_icons[0]->w + 40, 177},
        {&font8, " - 1 *", helper_icons[1]->w + 175, 177},
        {&font6, "Gun Level: 1", 35, 70},
        {&font6, "Side Level: 0", 35, th6 + 75},
        {&font6, "MONEY: $2500.00", 25, 385},
        {&font6, "Exit to Menu", panel->w - text_length(font6, "Exit to Menu") - 25, 410},
    };
    for (const Figure& f : figures) EXPECT_TRUE(shows(panel, *f.font, f.text, f.x, f.y)) << f.text;
    EXPECT_FALSE(shows(panel, font8, " - 4 *", helper_icons[0]->w + 40, 177));
    EXPECT_TRUE(shows(overlay_buffer, font6, "Exit to Menu", 150 + figures[5].x, 20 + 410)) << "masked at its place";
    destroy_bitmap(panel);
}

}  // namespace
