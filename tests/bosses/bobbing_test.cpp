// What Boss3 and Boss4 share, driven as their stages drive them: the bob past each turning
// height, a ship bullet on the body, a bullet on the bare ship.
#include <allegro.h>
#include <gtest/gtest.h>

#include "boss_world.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "player/player.h"

namespace {

using boss_world::step;

struct Expected {
    float highest, lowest;  // where the bob turns
};

template <class Boss>
Expected expected();
template <>
Expected expected<Boss3>() {
    return {60.0f, 70.0f};
}
template <>
Expected expected<Boss4>() {
    return {5.0f, 160.0f};
}

template <class Boss>
class Bobbing : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(170.0f, 40.0f);
        boss.show();
        boss.activate();
    }

    Boss boss;
};

using BobbingBosses = ::testing::Types<Boss3, Boss4>;
TYPED_TEST_SUITE(Bobbing, BobbingBosses);

TYPED_TEST(Bobbing, TheBobSwingsPastEachTurningHeightByItsBrakingDistance) {
    auto& boss = this->boss;
    const Expected e = expected<TypeParam>();
    boss.y = e.highest;
    const boss_world::Swing swing = boss_world::swing(boss, 1200);
    // Braking from 3.0 (3.1 once rounding lets one more step through) at 0.1 a step takes 41 to
    // 50 pixels.
    EXPECT_NEAR(swing.lowest - e.lowest, 45.5f, 4.5f);
    EXPECT_NEAR(e.highest - swing.highest, 45.5f, 4.5f);
    EXPECT_GE(swing.turns, 6);
}

TYPED_TEST(Bobbing, AShipBulletOnTheBodyScoresAndFlashesTillTheDraw) {
    auto& boss = this->boss;
    Sprite& shot = enemy_world::aim_ship_bullet(2, 0, boss.x + static_cast<float>(boss.width / 2),
                                                boss.y + static_cast<float>(boss.height / 3));
    boss.bob_down = false;
    boss.update();
    EXPECT_FALSE(shot.active);
    EXPECT_EQ(boss.damage, shot.damage);
    EXPECT_TRUE(boss.hit_flash);
    boss.draw(boss_world::scratch());
    EXPECT_FALSE(boss.hit_flash);
}

TYPED_TEST(Bobbing, ABulletHitsTheBareShipOnlyWhileTheFightIsOn) {
    auto& boss = this->boss;
    boss_world::fly_ship();
    boss_world::hold(boss.bullets[0], boss_world::hull_x() - 5.0f, boss_world::hull_y() - 5.0f);
    const int hits = player.hit_count;
    boss.update();
    EXPECT_EQ(player.hit_count, hits + 1);
    EXPECT_FALSE(boss.bullets[0].active);
    enemy_world::park_ship();
}

}  // namespace
