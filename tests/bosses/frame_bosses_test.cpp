// What Boss6 to Boss9 share with the frame, each with its own numbers: the top speed by the hit
// points left, and the reward paid once the death has run.
#include <allegro.h>
#include <gtest/gtest.h>

#include <array>

#include "boss_world.h"
#include "bosses/boss6.h"
#include "bosses/boss7.h"
#include "bosses/boss8.h"
#include "bosses/boss9.h"

namespace {

struct Expected {
    std::array<float, 4> speeds;  // at load, below 300, below 150, below 75 left
    int reward;
};

template <class Boss>
Expected expected();
template <>
Expected expected<Boss6>() {
    return {{2.0f, 3.0f, 4.0f, 5.0f}, 6000};
}
template <>
Expected expected<Boss7>() {
    return {{5.0f, 4.0f, 5.0f, 6.0f}, 6500};
}
template <>
Expected expected<Boss8>() {
    return {{5.0f, 6.0f, 6.5f, 6.5f}, 7000};  // its warning starts only at 9 left
}
template <>
Expected expected<Boss9>() {
    return {{5.0f, 6.0f, 7.0f, 8.0f}, 7500};
}

template <class Boss>
class FrameBosses : public ::testing::Test {
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

using LaterBosses = ::testing::Types<Boss6, Boss7, Boss8, Boss9>;
TYPED_TEST_SUITE(FrameBosses, LaterBosses);

TYPED_TEST(FrameBosses, TopSpeedRisesAsHitPointsFall) {
    boss_world::expect_top_speeds(this->boss, expected<TypeParam>().speeds);
}

TYPED_TEST(FrameBosses, DeathPaysItsRewardOnceTheStepAfterTheBodyHasGone) {
    EXPECT_EQ(boss_world::money_from_death(this->boss), expected<TypeParam>().reward);
}

}  // namespace
