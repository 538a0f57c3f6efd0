// Flight, formation, firing, escape and payment of enemy kinds one to four.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "player/player.h"

using enemy_world::spawn;

namespace {

// Each kind held still where the test puts it, where it can be.
template <class Kind>
void hold(Kind&) {}
void hold(EnemyOne& record) { record.state = 0; }
void hold(EnemyTwo&) {}
void hold(EnemyThree& record) { record.set_direction(0); }
void hold(EnemyFour& record) { record.set_direction(0); }

// A fresh record, held still at (x, y), that fires on its first step.
template <class Kind>
void fire_from(Kind& record, float x, float y, int chance) {
    record.init(0.0f, 0.0f);
    spawn(record, x, y);
    hold(record);
    enemy_world::fire_on_next_draw(chance);
    record.update();
}

// The stage's formation rule: one record at its edge halts every other that is not dropping.
void apply_formation_rule(EnemyOne* pool, int n) {
    bool edge = false;
    for (int i = 0; i < n; ++i) edge = edge || (pool[i].in_play && !pool[i].dying && pool[i].at_edge);
    if (!edge) return;
    for (int i = 0; i < n; ++i)
        if (pool[i].in_play && !pool[i].dying && pool[i].state != Enemy::dropping) pool[i].stop();
}

class EnemyKinds : public ::testing::Test {
protected:
    void SetUp() override { enemy_world::prepare(); }
};

TEST_F(EnemyKinds, KindOneSweepsRightToItsEdgeDropsFifteenRowsAndTurnsFaster) {
    EnemyOne one;
    one.init(0.0f, 0.0f);
    spawn(one, 560.0f, 100.0f);
    EXPECT_EQ(one.state, Enemy::sweeping_right);
    one.update();
    EXPECT_FLOAT_EQ(one.dx, 0.1f);
    EXPECT_FLOAT_EQ(one.x, 560.1f);
    one.update();
    one.update();
    EXPECT_FLOAT_EQ(one.dx, 0.2f) << "the speed settles at the limit";
    for (int i = 0; i < 200 && !one.at_edge; ++i) one.update();
    ASSERT_TRUE(one.at_edge);
    EXPECT_GT(one.x + 58.0f, 640.0f);
    EXPECT_EQ(one.state, Enemy::dropping);
    EXPECT_FLOAT_EQ(one.dx, 0.0f);
    EXPECT_EQ(one.direction, Enemy::went_right);

    const float anchor = one.anchor_y;
    const float edge_x = one.x;
    for (int i = 0; i < 200 && one.state == Enemy::dropping; ++i) one.update();
    EXPECT_GT(one.y, anchor + 15.0f);
    EXPECT_LE(one.y, anchor + 15.2f + 0.001f);
    EXPECT_FLOAT_EQ(one.x, edge_x);
    EXPECT_EQ(one.state, Enemy::sweeping_left);
    EXPECT_FALSE(one.at_edge);
    EXPECT_FLOAT_EQ(one.dy, 0.0f);
    EXPECT_FLOAT_EQ(one.max_speed, 0.2f + 0.1f);
}

TEST_F(EnemyKinds, KindOneTurnsOnlyOnceItsBodyIsPastAnEdge) {
    EnemyOne one;
    one.init(0.0f, 0.0f);
    spawn(one, -6.0f, 100.0f);
    one.max_speed = 0.0f;  // no sideways speed: the record stays where it is put
    one.state = Enemy::sweeping_left;
    one.update();
    EXPECT_FALSE(one.at_edge);
    EXPECT_EQ(one.state, Enemy::sweeping_left);
    one.x = -6.0f - 1.0f / 64.0f;
    one.update();
    EXPECT_TRUE(one.at_edge);
    EXPECT_EQ(one.state, Enemy::dropping);

    spawn(one, 582.0f, 100.0f);
    one.max_speed = 0.0f;
    one.update();
    EXPECT_FALSE(one.at_edge);
    one.x = 582.0f + 1.0f / 64.0f;
    one.update();
    EXPECT_TRUE(one.at_edge);
}

TEST_F(EnemyKinds, AFormationDropsAndTurnsTogether) {
    constexpr int n = 4;
    for (int i = 0; i < n; ++i) {
        enemy_one_pool[i].init(0.0f, 0.0f);
        spawn(enemy_one_pool[i], 420.0f + 40.0f * i, 50.0f);
    }
    for (int step = 0; step < 300 && !enemy_one_pool[n - 1].at_edge; ++step) {
        for (int i = 0; i < n; ++i) enemy_one_pool[i].update();
        apply_formation_rule(enemy_one_pool, n);
    }
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(enemy_one_pool[i].state, Enemy::dropping) << i;
        EXPECT_FLOAT_EQ(enemy_one_pool[i].anchor_y, 50.0f) << i;
    }
    for (int step = 0; step < 100; ++step) {
        for (int i = 0; i < n; ++i) enemy_one_pool[i].update();
        apply_formation_rule(enemy_one_pool, n);
    }
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(enemy_one_pool[i].state, Enemy::sweeping_left) << i;
        EXPECT_FLOAT_EQ(enemy_one_pool[i].y, enemy_one_pool[0].y) << i;
        EXPECT_FLOAT_EQ(enemy_one_pool[i].x - enemy_one_pool[0].x, 40.0f * i) << i;
    }
}

TEST_F(EnemyKinds, KindOneFiresStraightDownFromItsMuzzle) {
    EnemyOne one;
    fire_from(one, 200.0f, 100.0f, 1000);
    ASSERT_TRUE(one.bullets[0].active);
    EXPECT_FLOAT_EQ(one.bullets[0].origin_x, 200.0f + 30.0f);
    EXPECT_FLOAT_EQ(one.bullets[0].origin_y, 100.0f + 59.0f);
    EXPECT_FLOAT_EQ(one.bullets[0].y, one.bullets[0].origin_y + 2.0f);
    EXPECT_FLOAT_EQ(one.bullets[0].x, one.bullets[0].origin_x);
}

TEST_F(EnemyKinds, KindTwoHasNoSteeringAndFiresAtItsOwnSpeed) {
    EnemyTwo two;
    fire_from(two, 100.0f, 40.0f, 400);
    EXPECT_FLOAT_EQ(two.x, 100.0f);
    EXPECT_FLOAT_EQ(two.y, 40.0f);
    ASSERT_TRUE(two.bullets[0].active);
    EXPECT_FLOAT_EQ(two.bullets[0].origin_x, 159.0f);
    EXPECT_FLOAT_EQ(two.bullets[0].origin_y, 146.0f);
    EXPECT_FLOAT_EQ(two.bullets[0].y, 149.0f);
}

TEST_F(EnemyKinds, KindThreeWrapsRoundTheSidesInItsSteeringDirection) {
    EnemyThree three;
    three.init(0.0f, 0.0f);
    EXPECT_EQ(three.steering, Enemy::wrapping_left);

    spawn(three, -92.0f, 60.0f);
    three.dx = -0.85f;  // at the speed limit
    three.update();
    EXPECT_NEAR(three.x, -92.85f, 1e-4) << "not yet wholly off the left side";
    EXPECT_EQ(three.direction, Enemy::went_left);
    three.update();
    EXPECT_FLOAT_EQ(three.x, 640.0f);

    spawn(three, 639.5f, 60.0f);
    three.set_direction(Enemy::wrapping_right);
    three.dx = 0.85f;
    three.update();
    EXPECT_FLOAT_EQ(three.x, -93.0f);

    three.set_direction(3);
    three.update();
    EXPECT_FLOAT_EQ(three.x, -93.0f) << "other values do not steer";
}

TEST_F(EnemyKinds, KindThreeFiresASpreadOfThreeOnlyWhenAllThreeAreIdle) {
    EnemyThree three;
    fire_from(three, 300.0f, 50.0f, 400);
    const float headings[3] = {80.0f, 64.0f, 48.0f};
    const float muzzles[3][2] = {{24.0f, 85.0f}, {44.0f, 90.0f}, {61.0f, 85.0f}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(three.bullets[i].active) << i;
        EXPECT_FLOAT_EQ(three.bullets[i].angle, headings[i]) << i;
        EXPECT_FLOAT_EQ(three.bullets[i].origin_x, 300.0f + muzzles[i][0]) << i;
        EXPECT_FLOAT_EQ(three.bullets[i].origin_y, 50.0f + muzzles[i][1]) << i;
        EXPECT_FLOAT_EQ(three.bullets[i].travelled, 4.0f) << i;
    }
    EXPECT_LT(three.bullets[0].x, three.bullets[0].origin_x) << "heading 80 leans left";
    EXPECT_GT(three.bullets[2].x, three.bullets[2].origin_x);

    // Two of the three gone: still no new volley.
    three.bullets[0].deactivate();
    three.bullets[1].deactivate();
    enemy_world::fire_on_next_draw(400);
    three.update();
    EXPECT_FALSE(three.bullets[0].active);
    EXPECT_FLOAT_EQ(three.bullets[2].travelled, 8.0f);
}

TEST_F(EnemyKinds, KindFourBanksTowardItsLastFrameOneFrameEveryFourSteps) {
    EnemyFour four;
    four.init(0.0f, 0.0f);
    EXPECT_EQ(four.frame, 2);
    spawn(four, 100.0f, 60.0f);
    EXPECT_EQ(four.frame, 0);
    four.set_direction(Enemy::wrapping_right);
    int frames_seen[13];
    for (int& f : frames_seen) {
        four.update();
        f = four.frame;
    }
    const int expected[13] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(frames_seen[i], expected[i]) << i;
    for (int i = 0; i < 20; ++i) four.update();
    EXPECT_EQ(four.frame, 4);

    four.set_direction(Enemy::wrapping_left);
    for (int i = 0; i < 4; ++i) four.update();
    EXPECT_EQ(four.frame, 3);
}

TEST_F(EnemyKinds, KindFourVolleyFlashesAndItsBulletsMoveTwiceAStepWhileItIsInPlay) {
    EnemyFour four;
    fire_from(four, 200.0f, 40.0f, 300);
    EXPECT_TRUE(four.hit_flash);
    const float muzzles[3][2] = {{37.0f, 59.0f}, {46.0f, 84.0f}, {55.0f, 59.0f}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(four.bullets[i].active);
        EXPECT_FLOAT_EQ(four.bullets[i].origin_x, 200.0f + muzzles[i][0]);
        EXPECT_FLOAT_EQ(four.bullets[i].origin_y, 40.0f + muzzles[i][1]);
        EXPECT_FLOAT_EQ(four.bullets[i].travelled, 4.1f) << "launched after the in-play move: one move";
    }
    four.update();
    EXPECT_FLOAT_EQ(four.bullets[1].travelled, 4.1f + 4.1f + 4.1f);
    EXPECT_FLOAT_EQ(four.bullets[1].y, 124.0f + (4.1f + 4.1f + 4.1f));

    four.leave_play();
    const float before = four.bullets[1].travelled;
    four.update();
    EXPECT_FLOAT_EQ(four.bullets[1].travelled, before + 4.1f);
}

template <class Kind, class = void>
struct waits_for_release : std::false_type {};
template <class Kind>
struct waits_for_release<Kind, std::void_t<decltype(std::declval<Kind&>().released)>> : std::true_type {};

// A record of the kind put in play in the middle of the field, as its stage would have it there:
// released, in its first lane, by its first entry.
template <class Kind>
Kind& bring_into_view(Kind& record) {
    spawn(record, 260.0f, 120.0f);
    if constexpr (waits_for_release<Kind>::value) record.released = true;
    if constexpr (std::is_same_v<Kind, EnemyTen>) record.set_lane(1);
    if constexpr (std::is_same_v<Kind, EnemyEleven> || std::is_same_v<Kind, EnemyTwelve>) record.set_entry(1);
    return record;
}
template <class Kind>
Kind& start_in_view(Kind& record) {
    record.init(0.0f, 0.0f);
    return bring_into_view(record);
}

// What a player sees of a record shot down: it flies on with as much damage as its hit points,
// dies on one point more, and pays once its explosion has run.
struct ShotDown {
    bool dying_at_its_hit_points, dying_one_point_on;
    int paid;
};
template <class Kind>
ShotDown shoot_down(Kind& record, int hit_points) {
    ShotDown seen{};
    player.money = 1000;
    enemy_count = 2;
    record.damage = hit_points;
    record.update();
    seen.dying_at_its_hit_points = record.dying;
    record.damage = hit_points + 1;
    record.update();
    seen.dying_one_point_on = record.dying;
    for (int i = 0; i < 200 && record.in_play; ++i) record.update();
    for (int i = 0; i < 50; ++i) record.update();
    seen.paid = player.money - 1000;
    return seen;
}

// Leaving past the bottom row: what it costs.
template <class Kind>
int escape_cost(Kind& record) {
    spawn(record, 300.0f, 481.0f);
    hold(record);
    player.money = 10;
    record.update();
    return 10 - player.money;
}

template <class Kind>
ShotDown shoot_one_of(Kind& record, int hit_points) {
    return shoot_down(start_in_view(record), hit_points);
}

TEST_F(EnemyKinds, EachKindDiesOnThePointAfterItsHitPointsAndPaysItsRewardOnce) {
    const struct {
        const char* kind;
        ShotDown (*shoot)(int hit_points);
        int hit_points, reward;
    } kinds[] = {
        {"one", [](int hp) { return shoot_one_of(enemy_one_pool[0], hp); }, 3, 25},
        {"two", [](int hp) { return shoot_one_of(enemy_two_pool[0], hp); }, 23, 25},
        {"three", [](int hp) { return shoot_one_of(enemy_three_pool[0], hp); }, 6, 50},
        {"four", [](int hp) { return shoot_one_of(enemy_four_pool[0], hp); }, 7, 75},
        {"five", [](int hp) { return shoot_one_of(enemy_five_pool[0], hp); }, 3, 15},
        {"six", [](int hp) { return shoot_one_of(enemy_six_pool[0], hp); }, 3, 15},
        {"seven", [](int hp) { return shoot_one_of(enemy_seven_pool[0], hp); }, 1, 16},
        {"eight", [](int hp) { return shoot_one_of(enemy_eight_pool[0], hp); }, 5, 25},
        {"nine", [](int hp) { return shoot_one_of(enemy_nine_pool[0], hp); }, 4, 0},
        {"ten", [](int hp) { return shoot_one_of(enemy_ten_pool[0], hp); }, 4, 30},
        {"eleven", [](int hp) { return shoot_one_of(enemy_eleven_pool[0], hp); }, 2, 40},
        {"twelve", [](int hp) { return shoot_one_of(enemy_twelve_pool[0], hp); }, 3, 40},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        const ShotDown seen = k.shoot(k.hit_points);
        EXPECT_FALSE(seen.dying_at_its_hit_points);
        EXPECT_TRUE(seen.dying_one_point_on);
        EXPECT_EQ(seen.paid, k.reward);
    }
}

// A kind that fires on one step in N, never short of shots, fires about steps / N volleys.
template <class Kind>
int volleys_of(Kind& record, int steps) {
    auto bring_back = [](Kind& r) { hold(bring_into_view(r)); };
    Kind& first = start_in_view(record);
    hold(first);
    return enemy_world::volleys_over(first, steps, 5, bring_back);
}

TEST_F(EnemyKinds, EachKindFiresOnAboutOneStepInItsChance) {
    const struct {
        const char* kind;
        int (*volleys)(int steps);
        int chance;
    } kinds[] = {
        {"one", [](int n) { return volleys_of(enemy_one_pool[0], n); }, 1000},
        {"two", [](int n) { return volleys_of(enemy_two_pool[0], n); }, 400},
        {"three", [](int n) { return volleys_of(enemy_three_pool[0], n); }, 400},
        {"four", [](int n) { return volleys_of(enemy_four_pool[0], n); }, 300},
        {"twelve", [](int n) { return volleys_of(enemy_twelve_pool[0], n); }, 200},
    };
    for (const auto& k : kinds) {
        const int volleys = k.volleys(40 * k.chance);
        EXPECT_GE(volleys, 25) << k.kind;
        EXPECT_LE(volleys, 55) << k.kind;
    }
}

TEST_F(EnemyKinds, KindsOneToFourChargeTheirEscapeCostEvenPastZero) {
    EXPECT_EQ(escape_cost(start_in_view(enemy_one_pool[0])), 100);
    EXPECT_EQ(escape_cost(start_in_view(enemy_two_pool[0])), 100);
    EXPECT_EQ(escape_cost(start_in_view(enemy_three_pool[0])), 150);
    EXPECT_EQ(escape_cost(start_in_view(enemy_four_pool[0])), 200);
}

}  // namespace
