// Settings from the options screen reach a stage started later: rebound keys move and fire the
// ship while the old ones do nothing, and the difficulty sets the boss's hit points.
#include <allegro.h>
#include <gtest/gtest.h>

#include "engine/settings.h"
#include "player/player.h"
#include "engine/ui.h"
#include "screens/controls_block.h"
#include "screens/options_screen.h"
#include "stage_world.h"
#include "support/test_support.h"

namespace {

using stage_world::Driver;

int bullets_alive() {
    int n = 0;
    for (const auto& group : player.bullets)
        for (const auto& b : group) n += b.active;
    return n;
}

TEST(ReboundKeys, TheShipMovesAndFiresOnTheNewKeysOnly) {
    stage_world::prepare();
    key_left = KEY_A;
    key_shoot = KEY_B;
    Driver d(std::make_unique<StageOne>());
    d.pass(32);
    d.skip_title();
    const struct {
        int scancode;
        bool moves_left, fires;
    } cases[] = {{KEY_LEFT, false, false}, {KEY_SPACE, false, false}, {KEY_A, true, false}, {KEY_B, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scancode);
        const float x = player.x;
        const int shots = bullets_alive();
        key[c.scancode] = 1;
        d.pass(10);
        key[c.scancode] = 0;
        EXPECT_EQ(player.x < x, c.moves_left);
        EXPECT_EQ(bullets_alive() > shots, c.fires);
        d.pass(60);  // the ship comes to rest, the shots fly off
    }
    restore_default_controls();
}

int boss_hit_points() {
    Driver d(std::make_unique<StageOne>());
    return d.boss1().phaser.hit_points;
}

TEST(ReboundKeys, HardChosenOnTheOptionsGivesStageOnesBoss300More) {
    stage_world::prepare();
    const int easy = boss_hit_points();
    {
        testing_support::WorkingDirectory in_tree(testing_support::data_dir());
        OptionsScreen options;
        const OptionsScreen::Button right = options.difficulty_arrow(2);
        for (int click = 0; click < 2; ++click) {
            mouse_x = right.x + 5;
            mouse_y = right.y + 5;
            mouse_b = 1;
            options.step();
            mouse_b = 0;
            options.step();
        }
    }
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(boss_hit_points(), easy + 300);
    difficulty = 1;
}

}  // namespace
