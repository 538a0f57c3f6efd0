// Kind ten and the tanks, the kinds that fly legs along a heading, driven as the stages drive
// them: update, then the shots.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "player/player.h"

namespace {

template <class Kind>
void step(Kind& record, int draw_modulus, int draw) {
    enemy_world::next_draw_gives(draw_modulus, draw);
    record.update();
    record.update_bullets();
}

class KindTen : public ::testing::Test {
protected:
    EnemyTen& start(int lane) {
        enemy_world::prepare();
        EnemyTen& record = enemy_ten_pool[lane - 1];
        record.init(0.0f, 0.0f);
        record.reset();
        record.show();
        record.enter_play();
        record.set_lane(lane);
        return record;
    }

    // Steps until the record has crossed its hold line; returns the steps taken.
    static int dive_to_hold_line(EnemyTen& record) {
        int steps = 0;
        while (record.hold_ticks == 0) {
            record.update();
            ++steps;
        }
        return steps;
    }
};

TEST_F(KindTen, HaltsElevenStepsCountingTheCrossingAndFansFromItsMuzzles) {
    EnemyTen& record = start(2);
    EXPECT_FLOAT_EQ(record.x, 262.5f);
    EXPECT_FLOAT_EQ(record.y, -117.0f);
    dive_to_hold_line(record);
    EXPECT_GT(record.y, 10.0f);
    EXPECT_LE(record.y - 7.5f, 10.0f);

    const float muzzles[3] = {22.0f, 49.0f, 49.0f};
    const float fan[3] = {80.0f, 64.0f, 48.0f};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(record.bullets[i].active) << i;
        EXPECT_FLOAT_EQ(record.bullets[i].angle, fan[i]) << i;
        EXPECT_FLOAT_EQ(record.bullets[i].origin_x, record.x + muzzles[i]) << i;
        EXPECT_FLOAT_EQ(record.bullets[i].origin_y, record.y + 44.0f) << i;
    }
    const float held_y = record.y;
    int halted = 1;
    while (record.y == held_y) {
        record.update();
        ++halted;
    }
    EXPECT_EQ(halted - 1, 11) << "steps at the hold line, the crossing included";
    EXPECT_FLOAT_EQ(record.y, held_y + 7.5f);
}

TEST_F(KindTen, FiresAgainOnALaterHaltedStepOnceItsFanIsSpentButNeverReplacesOneInFlight) {
    EnemyTen& record = start(1);
    dive_to_hold_line(record);
    Sprite& straight = record.bullets[1];
    const float first_origin = straight.origin_y;
    // Two of three gone: the third still flies, so no new fan.
    record.bullets[0].deactivate();
    record.bullets[2].deactivate();
    record.update_bullets();
    record.update();
    EXPECT_FLOAT_EQ(straight.origin_y, first_origin);
    EXPECT_FALSE(record.bullets[0].active);

    straight.deactivate();
    record.update_bullets();
    EXPECT_FALSE(record.bullets_out);
    record.update();
    for (const Sprite& bullet : record.bullets) EXPECT_TRUE(bullet.active);
    EXPECT_FLOAT_EQ(straight.travelled, 0.0f);
}

TEST_F(KindTen, OuterLanesVeerToTheirSlantInTwoStepsAfterTheHalt) {
    const float after_one[3] = {72.0f, 64.0f, 56.0f};
    const float after_two[3] = {80.0f, 64.0f, 48.0f};
    for (int lane = 1; lane <= 3; ++lane) {
        SCOPED_TRACE(lane);
        EnemyTen& record = start(lane);
        dive_to_hold_line(record);
        while (record.hold_done == 0) record.update();
        EXPECT_FLOAT_EQ(record.heading, 64.0f);
        record.update();
        EXPECT_FLOAT_EQ(record.heading, after_one[lane - 1]);
        record.update();
        EXPECT_FLOAT_EQ(record.heading, after_two[lane - 1]);
        record.update();
        EXPECT_FLOAT_EQ(record.heading, after_two[lane - 1]);
    }
}

TEST_F(KindTen, CanBeHitAboveTheFieldAndBlinksOutWhenHit) {
    EnemyTen& record = start(2);
    record.update();
    ASSERT_LT(record.y, 0.0f);
    enemy_world::aim_ship_bullet(2, 0, record.x + 58.0f, record.y + 7.5f + 58.0f);
    record.update();
    EXPECT_GT(record.damage, 0);
    ASSERT_TRUE(record.hit_flash);

    // Pixels the record leaves on an empty picture at (200, 200).
    record.set_position(200.0f, 200.0f);
    auto drawn = [&record] {
        BITMAP* picture = create_bitmap(640, 480);
        clear_to_color(picture, bitmap_mask_color(picture));
        record.draw(picture);
        int n = 0;
        for (int y = 200; y < 317; ++y)
            for (int x = 200; x < 317; ++x) n += getpixel(picture, x, y) != bitmap_mask_color(picture);
        destroy_bitmap(picture);
        return n;
    };
    EXPECT_EQ(drawn(), 0);
    EXPECT_FALSE(record.hit_flash);
    EXPECT_GT(drawn(), 1000) << "back the next frame";
}

// The tanks.
class Tanks : public ::testing::Test {
protected:
    void SetUp() override { enemy_world::prepare(); }

    template <class Kind>
    static Kind& start(Kind& record, int entry) {
        record.init(0.0f, 0.0f);
        record.reset();
        record.show();
        record.enter_play();
        record.set_entry(entry);
        return record;
    }
};

TEST_F(Tanks, RecordsShareTheirKindsPicturesAndKeepTheirOwnCanvasThroughAnotherInit) {
    EnemyEleven& first = enemy_eleven_pool[0];
    EnemyEleven& second = enemy_eleven_pool[1];
    BITMAP* canvas = first.wheel_canvas;
    first.init(0.0f, 0.0f);
    EXPECT_EQ(first.wheel_canvas, canvas);
    EXPECT_NE(first.wheel_canvas, second.wheel_canvas);
    EXPECT_EQ(first.hit_picture, second.hit_picture);
    EXPECT_EQ(first.turret_picture, second.turret_picture);
    EXPECT_EQ(first.wheels_picture, second.wheels_picture);
    EXPECT_NE(first.turret_picture, enemy_twelve_pool[0].turret_picture);
    EXPECT_EQ(enemy_seven_pool[0].hit_picture, enemy_seven_pool[4].hit_picture);
}

TEST_F(Tanks, EveryEntryStartsOnItsEdgeHeadingIn) {
    struct Case {
        int entry;
        float heading, x, y;
    };
    // Twelve's hull is 103 x 130.
    const Case twelve[] = {
        {1, 24.0f, -103.0f, -130.0f}, {2, 64.0f, 269.0f, -130.0f}, {3, 104.0f, 640.0f, -130.0f},
        {4, 0.0f, -103.0f, 189.0f},   {5, 192.0f, 269.0f, 480.0f}, {6, 128.0f, 640.0f, 189.0f},
        {7, 152.0f, 640.0f, 480.0f},  {8, 232.0f, -103.0f, 480.0f},
    };
    // Eleven's hull is 108 x 139; it has the first three.
    const Case eleven[] = {{1, 24.0f, -108.0f, -139.0f}, {2, 64.0f, 266.0f, -139.0f}, {3, 104.0f, 640.0f, -139.0f}};
    auto check = [](auto& record, const Case& c, int chance) {
        SCOPED_TRACE(c.entry);
        start(record, c.entry);
        EXPECT_FLOAT_EQ(record.heading, c.heading);
        EXPECT_FLOAT_EQ(record.x, c.x);
        EXPECT_FLOAT_EQ(record.y, c.y);
        EXPECT_FLOAT_EQ(record.start_x, c.x);
        EXPECT_FLOAT_EQ(record.start_y, c.y);
        step(record, chance, 1);
        EXPECT_TRUE(record.in_play) << "on the edge is not out";
    };
    for (const Case& c : twelve) check(enemy_twelve_pool[0], c, 200);
    for (const Case& c : eleven) check(enemy_eleven_pool[0], c, 400);
}

TEST_F(Tanks, ElevenSwingsOntoItsSlantOnceBelowItsTurnLine) {
    struct Case {
        int entry;
        float from, to;
    };
    for (const Case& c : {Case{1, 24.0f, 96.0f}, Case{2, 64.0f, 64.0f}, Case{3, 104.0f, 32.0f}}) {
        SCOPED_TRACE(c.entry);
        EnemyEleven& record = start(enemy_eleven_pool[c.entry - 1], c.entry);
        float last_heading = record.heading;
        int swinging = 0;
        while (record.in_play) {
            const float y_before = record.y;
            step(record, 400, 1);
            if (record.heading != last_heading) {
                EXPECT_GT(record.y, 100.0f) << "not before the turn line";
                EXPECT_LE(std::fabs(record.heading - last_heading), 5.0f);
                ++swinging;
            }
            if (y_before <= 100.0f && record.y <= 100.0f) {
                EXPECT_FLOAT_EQ(record.heading, c.from);
            }
            last_heading = record.heading;
        }
        EXPECT_FLOAT_EQ(record.heading, c.to);
        EXPECT_EQ(swinging, static_cast<int>(std::ceil(std::fabs(c.to - c.from) / 5.0f)));
    }
}

TEST_F(Tanks, ElevenFiresOneAimedPairAPassFromItsBarrelTips) {
    EnemyEleven& record = start(enemy_eleven_pool[0], 2);
    player.set_position(record.x + 38.0f, 300.0f);  // straight below the turret's corner
    for (int i = 0; i < 30; ++i) step(record, 400, 1);
    step(record, 400, 0);
    EXPECT_FLOAT_EQ(record.turret.angle, 64.0f);
    const float height = static_cast<float>(record.turret_picture->h);
    for (int i = 0; i < 2; ++i) {
        const Sprite& shot = record.bullets[i];
        ASSERT_TRUE(shot.active) << i;
        EXPECT_FLOAT_EQ(shot.angle, 64.0f) << i;
        EXPECT_FLOAT_EQ(shot.origin_x, record.x + 38.0f + (i == 0 ? 5.0f : 17.0f)) << i;
        EXPECT_FLOAT_EQ(shot.origin_y, record.y + 30.0f) << i;
        EXPECT_FLOAT_EQ(shot.travelled, height + 5.0f) << "shown at the tip, then one step";
    }
    EXPECT_EQ(record.shots_fired, 1);

    // Spent, and lucky again: no second pair this pass.
    for (Sprite& shot : record.bullets) shot.deactivate();
    step(record, 400, 1);
    step(record, 400, 0);
    EXPECT_FALSE(record.bullets[0].active);

    record.reset();
    record.enter_play();
    enemy_world::fire_on_next_draw(400);
    record.update();
    EXPECT_TRUE(record.bullets[0].active) << "a new pass";
    EXPECT_EQ(record.shots_fired, 1);
}

TEST_F(Tanks, TwelvesTurretSpinsRoundAndItsFourShotsLeaveItsCentreAtRightAngles) {
    EnemyTwelve& record = start(enemy_twelve_pool[0], 4);
    record.turret.angle = 0.0f;
    record.max_speed = 0.0f;  // held on its edge
    for (int i = 1; i <= 170; ++i) {
        step(record, 200, 1);
        ASSERT_FLOAT_EQ(record.turret.angle, 1.5f * i) << i;
    }
    EXPECT_FLOAT_EQ(record.turret.angle, 255.0f);
    step(record, 200, 1);
    EXPECT_FLOAT_EQ(record.turret.angle, 0.0f);

    for (int i = 0; i < 20; ++i) step(record, 200, 1);
    enemy_world::fire_on_next_draw(200);
    record.update();
    const float turret = record.turret.angle;
    const float turns[4] = {128.0f, 0.0f, 64.0f, 192.0f};
    for (int i = 0; i < 4; ++i) {
        const Sprite& shot = record.bullets[i];
        ASSERT_TRUE(shot.active) << i;
        EXPECT_FLOAT_EQ(shot.angle, turret + turns[i]) << i;
        EXPECT_FLOAT_EQ(shot.origin_x, record.x + (51 - shot.w / 2)) << i;
        EXPECT_FLOAT_EQ(shot.origin_y, record.y + (65 - shot.h / 2)) << i;
    }
    for (int i = 0; i < 3; ++i) record.update_bullets();
    // Each shot's way from the centre is a quarter turn from the next.
    auto way = [&](int i) {
        const Sprite& shot = record.bullets[i];
        return std::atan2(shot.y - shot.origin_y, shot.x - shot.origin_x);
    };
    auto turn_between = [&](int a, int b) { return std::remainder(way(b) - way(a), 2 * M_PI); };
    EXPECT_NEAR(std::fabs(turn_between(1, 0)), M_PI, 0.02);
    EXPECT_NEAR(turn_between(1, 2), M_PI / 2, 0.02);
    EXPECT_NEAR(turn_between(1, 3), -M_PI / 2, 0.02);
}

TEST_F(Tanks, TwelveAlsoLeavesOverTheTopAndPaysNothingForIt) {
    EnemyTwelve& record = start(enemy_twelve_pool[1], 5);
    enemy_count = 4;
    player.money = 800;
    int steps = 0;
    while (record.in_play && steps < 400) {
        step(record, 200, 1);
        ++steps;
    }
    EXPECT_FALSE(record.in_play);
    EXPECT_FALSE(record.alive);
    EXPECT_LT(record.y, -130.0f);
    EXPECT_GE(record.y, -134.0f);
    EXPECT_EQ(enemy_count, 3);
    EXPECT_EQ(player.money, 800);
}

}  // namespace
