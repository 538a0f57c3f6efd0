// Main gun and side guns: spacing, rings, the beam gate and the menu pose's own rules.
#include "engine/settings.h"
#include "player_fixture.h"

namespace player_testing {
namespace {

using GunsTest = PlayerTest;

Sprite& main_slot(Player& ship, int s) { return ship.bullets[Player::main_group][s]; }

// Puts bullet s of the ring in flight at height y (the ship tests heights before moving them).
void in_flight(Sprite& bullet, float y) {
    bullet.active = true;
    bullet.y = y;
}

TEST_F(GunsTest, EachCharactersGunLevelFiresFromItsMuzzleOnceThePreviousBulletIsStrictlyAboveItsGap) {
    const struct {
        int character, level;
        int dx, dy, gap;
        bool half_height;  // the previous bullet's height counts half
    } rows[] = {
        {1, 1, 30, 16, 66, false}, {1, 2, 29, 18, 58, false}, {1, 3, 30, 20, 50, false}, {1, 4, 28, 26, 46, true},
        {2, 1, 29, 15, 65, false}, {2, 2, 26, 16, 56, false}, {2, 3, 25, 23, 47, false}, {2, 4, 28, 23, 33, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "character " << row.character << " level " << row.level);
        auto ship = flying(row.character);
        ship->set_gun_level(row.level);
        press(key_shoot);

        ship->next_slot = 1;
        Sprite& before = main_slot(*ship, 0);
        const float threshold = ship->y - row.gap - (row.half_height ? before.margin_h / 2 : before.margin_h) - 5;
        // The ship moves the bullets after its state; keep the one before at a fixed height.
        before.speed = 0.0f;
        in_flight(before, threshold);
        before.launch_from(before.x, threshold);
        step(*ship);
        EXPECT_FALSE(main_slot(*ship, 1).active);
        EXPECT_EQ(ship->next_slot, 1);

        before.y = threshold - 0.25f;
        step(*ship);
        const Sprite& shot = main_slot(*ship, 1);
        EXPECT_TRUE(shot.active);
        EXPECT_EQ(shot.origin_x, ship->x + row.dx);
        EXPECT_EQ(shot.origin_y, ship->y - row.dy);
        EXPECT_EQ(ship->next_slot, 2);
        EXPECT_TRUE(ship->main_fired);
    }
}

TEST_F(GunsTest, AfterTheRingWrapsSlotZeroNeedsOnlyItselfIdle) {
    auto ship = flying();
    press(key_shoot);
    ship->next_slot = 49;
    step(*ship);
    EXPECT_TRUE(main_slot(*ship, 49).active);
    EXPECT_EQ(ship->next_slot, 0);
    step(*ship);
    EXPECT_TRUE(main_slot(*ship, 0).active) << "slot 49, just fired, does not hold slot 0";

    // A slot still in flight when its turn comes holds the gun; the index does not skip ahead.
    ship->next_slot = 5;
    in_flight(main_slot(*ship, 5), 100.0f);
    main_slot(*ship, 5).speed = 0.0f;
    step(*ship, 3);
    EXPECT_EQ(ship->next_slot, 5);
}

TEST_F(GunsTest, AnOpenBeamHoldsBothGunsEvenWithTheKeyDown) {
    auto ship = flying();
    ship->add_side_bullets();
    press(key_shoot);
    ship->bomb1.frame = 8;
    step(*ship);
    EXPECT_FALSE(main_slot(*ship, 0).active);
    EXPECT_FALSE(ship->bullets[Player::left_side_group][0].active);
    ship->bomb1.frame = 9;
    step(*ship);
    EXPECT_TRUE(main_slot(*ship, 0).active);
    EXPECT_TRUE(ship->bullets[Player::left_side_group][0].active);
}

TEST_F(GunsTest, NothingFiresWithoutTheKeyOrWithSideGunsAtLevelZero) {
    auto ship = flying();
    ship->add_side_bullets();
    ship->set_side_level(0);
    step(*ship, 3);
    EXPECT_FALSE(main_slot(*ship, 0).active);
    press(key_shoot);
    step(*ship);
    EXPECT_TRUE(main_slot(*ship, 0).active);
    EXPECT_FALSE(ship->bullets[Player::left_side_group][0].active);
    EXPECT_FALSE(ship->bullets[Player::right_side_group][0].active);
}

TEST_F(GunsTest, TheLeftSideGunSetsThePaceAndABlockedRightGunDoesNotAdvance) {
    auto ship = flying();
    ship->add_side_bullets();
    ship->set_side_level(3);
    press(key_shoot);
    step(*ship);
    ASSERT_TRUE(ship->bullets[Player::left_side_group][0].active);
    ASSERT_TRUE(ship->bullets[Player::right_side_group][0].active);
    EXPECT_EQ(ship->side_next_left, 1);
    EXPECT_EQ(ship->side_next_right, 1);

    // Right slot 1 is still busy: the left fires alone and only its index moves.
    ship->bullets[Player::left_side_group][0].deactivate();
    Sprite& busy = ship->bullets[Player::right_side_group][1];
    in_flight(busy, 100.0f);
    busy.speed = 0.0f;
    step(*ship);
    EXPECT_TRUE(ship->bullets[Player::left_side_group][1].active);
    EXPECT_EQ(ship->side_next_left, 2);
    EXPECT_EQ(ship->side_next_right, 1);

    // A busy left slot stops both.
    in_flight(ship->bullets[Player::left_side_group][2], 100.0f);
    ship->bullets[Player::left_side_group][2].speed = 0.0f;
    busy.deactivate();
    step(*ship);
    EXPECT_FALSE(ship->bullets[Player::right_side_group][1].active);
    EXPECT_EQ(ship->side_next_left, 2);
}

TEST_F(GunsTest, EachSideLevelFiresThePairFromItsMuzzlesAndSpacesItByItsThreshold) {
    const struct {
        int level;
        int left_dx, right_dx, dy, threshold;
    } rows[] = {{1, 20, 39, 2, 60}, {2, 18, 37, 4, 50}, {3, 16, 37, 5, 40}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.level);
        auto ship = flying();
        ship->add_side_bullets();
        ship->set_side_level(row.level);
        press(key_shoot);
        step(*ship);
        const Sprite& left = ship->bullets[Player::left_side_group][0];
        const Sprite& right = ship->bullets[Player::right_side_group][0];
        ASSERT_TRUE(left.active);
        ASSERT_TRUE(right.active);
        EXPECT_EQ(left.origin_x, ship->x + row.left_dx);
        EXPECT_EQ(right.origin_x, ship->x + row.right_dx);
        EXPECT_EQ(left.origin_y, ship->y - row.dy);
        EXPECT_EQ(right.origin_y, ship->y - row.dy);
        EXPECT_EQ(ship->side_threshold_left, ship->y - left.margin_h - row.threshold);
        EXPECT_EQ(ship->side_threshold_right, ship->y - right.margin_h - row.threshold);
    }
}

// Each level's bullets as they fly: their climb per step and the damage they do.
TEST_F(GunsTest, EachLevelArmsItsBulletsWithTheirSpeedAndDamage) {
    const struct {
        bool side;
        int level;
        float speed;
        int damage;
    } rows[] = {{false, 1, 9.0f, 1}, {false, 2, 9.0f, 3}, {false, 3, 9.0f, 5}, {false, 4, 9.0f, 7},
                {true, 1, 5.5f, 1},  {true, 2, 6.0f, 3},  {true, 3, 6.5f, 5}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << (row.side ? "side level " : "gun level ") << row.level);
        auto ship = flying();
        ship->add_side_bullets();
        if (row.side)
            ship->set_side_level(row.level);
        else
            ship->set_gun_level(row.level);
        press(key_shoot);
        step(*ship);
        release(key_shoot);
        for (int group : {Player::main_group, Player::left_side_group, Player::right_side_group}) {
            if ((group == Player::main_group) == row.side) continue;
            const Sprite& bullet = ship->bullets[group][0];
            ASSERT_TRUE(bullet.active);
            const float before = bullet.y;
            step(*ship);
            EXPECT_FLOAT_EQ(before - bullet.y, row.speed);
            EXPECT_EQ(bullet.damage, row.damage);
        }
    }
}

TEST_F(GunsTest, TheMenuPoseFiresWithoutAKeyWithAdamsOwnMuzzleAndGap) {
    auto ship = loaded(1);
    ship->add_side_bullets();
    ship->set_side_level(2);
    ship->set_gun_level(3);
    ship->show_in_menu();
    step(*ship, 2);
    EXPECT_EQ(ship->state, Player::menu_pose);
    const Sprite& shot = main_slot(*ship, 0);
    ASSERT_TRUE(shot.active);
    EXPECT_EQ(shot.origin_x, ship->x + 29);
    // Both sides share the left ring index and threshold.
    EXPECT_TRUE(ship->bullets[Player::left_side_group][0].active);
    EXPECT_TRUE(ship->bullets[Player::right_side_group][0].active);
    EXPECT_EQ(ship->side_next_left, 1);
    EXPECT_EQ(ship->side_next_right, 0);

    // Level 4 in the menu waits for a gap of 36, not 46.
    ship->set_gun_level(4);
    for (Sprite& bullet : ship->bullets[Player::main_group]) bullet.deactivate();
    ship->next_slot = 1;
    Sprite& before = main_slot(*ship, 0);
    before.speed = 0.0f;
    in_flight(before, ship->y - 36 - before.margin_h / 2 - 5 - 0.25f);
    step(*ship);
    EXPECT_TRUE(main_slot(*ship, 1).active);
}

TEST_F(GunsTest, TheMenuPairWaitsForBothSidesToClearTheThreshold) {
    auto ship = loaded(2);
    ship->add_side_bullets();
    ship->show_in_menu();
    step(*ship, 2);
    ASSERT_EQ(ship->side_next_left, 1);
    Sprite& left_before = ship->bullets[Player::left_side_group][0];
    Sprite& right_before = ship->bullets[Player::right_side_group][0];
    left_before.speed = right_before.speed = 0.0f;
    left_before.y = ship->side_threshold_left - 1.0f;
    right_before.y = ship->side_threshold_left;
    step(*ship);
    EXPECT_FALSE(ship->bullets[Player::left_side_group][1].active);
    left_before.y = right_before.y = ship->side_threshold_left - 1.0f;
    step(*ship);
    EXPECT_TRUE(ship->bullets[Player::left_side_group][1].active);
    EXPECT_TRUE(ship->bullets[Player::right_side_group][1].active);
}

}  // namespace
}  // namespace player_testing
