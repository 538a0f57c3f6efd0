// Keys rebound on the options screen reach the ship in a stage: it moves and fires on the new
// keys, and the old ones do nothing.
#include <allegro.h>
#include <gtest/gtest.h>

#include "engine/settings.h"
#include "player/player.h"
#include "screens/controls_block.h"
#include "stage_world.h"

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

}  // namespace
