// The trains (kinds five, six, eight and nine) and kind seven, driven as the stages drive them:
// records released in turn, each stepped and its shots flown in pool order.
#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>
#include <vector>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "player/player.h"

using enemy_world::aim_ship_bullet;

namespace {

class Trains : public ::testing::Test {
protected:
    void SetUp() override { enemy_world::prepare(); }
};

// A train started as the stage starts one: every record placed, reset, shown and in play, the
// first released.
template <class Kind>
void start_train(Kind (&pool)[enemy_train_pool_size]) {
    for (Kind& record : pool) {
        record.init(0.0f, 0.0f);
        if constexpr (std::is_same_v<Kind, EnemyEight> || std::is_same_v<Kind, EnemyNine>)
            record.place();
        else
            record.place(0.0f, 0.0f);
        record.reset();
        record.show();
        record.enter_play();
    }
    pool[0].released = true;
    enemy_count = enemy_train_pool_size;
}

TEST_F(Trains, EachRecordIsReleasedInTheStepTheOneBeforeEntersAndWaitsUntilThen) {
    start_train(enemy_five_pool);
    std::vector<int> released_on(enemy_train_pool_size, -1), entered_on(enemy_train_pool_size, -1);
    for (int step = 0; step < 400; ++step) {
        if (enemy_five_pool[0].entered) enemy_five_pool[0].damage = 100;  // shot down once in view
        step_train(enemy_five_pool);
        for (int i = 0; i < enemy_train_pool_size; ++i) {
            const EnemyFive& record = enemy_five_pool[i];
            if (released_on[i] < 0 && record.released) released_on[i] = step;
            if (entered_on[i] < 0 && record.entered) entered_on[i] = step;
            if (!record.released) {
                EXPECT_FLOAT_EQ(record.y, -94.0f) << "waits where it was placed";
            }
        }
    }
    EXPECT_FALSE(enemy_five_pool[0].in_play);
    EXPECT_TRUE(enemy_five_pool[0].entered) << "still releasing the next after it died";
    for (int i = 1; i < enemy_train_pool_size; ++i) {
        EXPECT_GT(entered_on[i - 1], 0) << i;
        EXPECT_EQ(released_on[i], entered_on[i - 1]) << i;
    }
}

// What one record of a kind does over a whole pass, step by step.
struct Pass {
    std::vector<float> ys;
    std::vector<int> frames;
    int fired_on = -1;  // the step of the volley
    int volleys = 0;
    float fired_from_x = 0.0f, fired_from_y = 0.0f;
    int turn_state = 0;
    int steps = 0;
};

template <class Kind>
Pass fly_pass(Kind& record, float x) {
    record.x = x;
    record.released = true;
    Pass pass;
    bool out_before = false;
    while (record.in_play && pass.steps < 600) {
        const float x_now = record.x;
        record.update();
        record.update_bullets();
        pass.ys.push_back(record.y);
        pass.frames.push_back(record.frame);
        if (record.bullets_out && !out_before) {
            ++pass.volleys;
            pass.fired_on = pass.steps;
            pass.fired_from_x = x_now;  // it turns only after the volley
            pass.fired_from_y = record.y;
            pass.turn_state = record.state;
            EXPECT_FLOAT_EQ(record.bullets[0].angle, 64.0f);
            EXPECT_FLOAT_EQ(record.bullets[1].angle, 64.0f);
        }
        out_before = record.bullets_out;
        ++pass.steps;
    }
    return pass;
}

struct TrainCase {
    const char* name;
    float fire_line;
    float muzzle_x, muzzle_y;
    bool climbs;
    int turn_from_left_half;  // -1: at random
};

template <class Kind>
void check_pass(Kind (&pool)[enemy_train_pool_size], const TrainCase& c) {
    SCOPED_TRACE(c.name);
    for (float x : {150.0f, 420.0f}) {
        start_train(pool);
        Kind& record = pool[0];
        EXPECT_FLOAT_EQ(record.fire_line, c.fire_line);
        player.money = 700;
        const Pass pass = fly_pass(record, x);

        ASSERT_EQ(pass.volleys, 1) << "one volley a pass";
        const float line_y = pass.ys[pass.fired_on];
        EXPECT_TRUE(c.climbs ? line_y < c.fire_line : line_y > c.fire_line);
        EXPECT_TRUE(c.climbs ? pass.ys[pass.fired_on - 1] >= c.fire_line : pass.ys[pass.fired_on - 1] <= c.fire_line);
        for (int s = 1; s < pass.fired_on; ++s) {
            EXPECT_EQ(pass.frames[s], 2) << "level before the line, step " << s;
            EXPECT_EQ(pass.ys[s] < pass.ys[s - 1], c.climbs) << s;
        }
        EXPECT_FLOAT_EQ(record.bullets[0].origin_x, pass.fired_from_x + c.muzzle_x);
        EXPECT_FLOAT_EQ(record.bullets[0].origin_y, pass.fired_from_y + c.muzzle_y);

        // The bank: a frame every four steps toward the turn's side.
        const bool left_half = x < 320.0f - record.w / 2;
        if (c.turn_from_left_half >= 0) {
            const int expected = left_half ? c.turn_from_left_half : (c.turn_from_left_half == 50 ? 51 : 50);
            EXPECT_EQ(pass.turn_state, expected) << x;
        }
        const int way = pass.turn_state == Enemy::sweeping_right ? 1 : -1;
        EXPECT_EQ(pass.frames[pass.fired_on + 2], 2);
        EXPECT_EQ(pass.frames[pass.fired_on + 3], 2 + way);
        EXPECT_EQ(pass.frames[pass.fired_on + 6], 2 + way);
        EXPECT_EQ(pass.frames[pass.fired_on + 7], 2 + 2 * way);

        // Out at an edge: counted, nothing paid.
        EXPECT_FALSE(record.alive);
        EXPECT_TRUE(record.dying);
        EXPECT_EQ(player.money, 700);
        EXPECT_EQ(enemy_count, enemy_train_pool_size - 1);
    }
}

TEST_F(Trains, FiveAndSixFlyDownEightUpOneVolleyAtTheLineThenABankedTurn) {
    check_pass(enemy_five_pool, {"five", 146.0f, 32.0f, 58.0f, false, Enemy::sweeping_right});
    check_pass(enemy_six_pool, {"six", 155.0f, 22.0f, 44.0f, false, Enemy::sweeping_left});
    check_pass(enemy_eight_pool, {"eight", 135.0f, 22.0f, 44.0f, true, -1});
}

TEST_F(Trains, EightTurnsToTheSideItDrawsAtItsLine) {
    for (int side : {1, 2}) {
        start_train(enemy_eight_pool);
        EnemyEight& record = enemy_eight_pool[0];
        record.released = true;
        while (record.passes == 0) {
            enemy_world::next_draw_gives(2, side - 1);
            record.update();
        }
        EXPECT_EQ(record.state, side == 1 ? Enemy::sweeping_left : Enemy::sweeping_right);
    }
}

TEST_F(Trains, FiveCruisesAtAbout3Point6AfterItsVolley) {
    start_train(enemy_five_pool);
    const Pass pass = fly_pass(enemy_five_pool[0], 200.0f);
    const int s = pass.fired_on + 5;
    EXPECT_NEAR(pass.ys[s + 1] - pass.ys[s], 3.6f, 1e-3);
    EXPECT_NEAR(pass.ys[pass.fired_on - 1] - pass.ys[pass.fired_on - 2], 4.0f, 1e-3);
}

// A record held at each y in turn with a ship's shot on its middle: hit only at `inside_y`.
template <class Kind>
void check_band(Kind& record, float outside_y, float inside_y) {
    record.released = true;
    record.max_speed = 0.0f;  // held where it is put
    for (const float y : {outside_y, inside_y}) {
        record.y = y;
        record.damage = 0;
        Sprite& shot = aim_ship_bullet(2, 0, record.x + record.w / 2, record.y + record.h / 2);
        record.update();
        EXPECT_EQ(record.damage > 0, y == inside_y) << y;
        EXPECT_EQ(shot.active, y != inside_y) << y;
        shot.deactivate();
    }
}

TEST_F(Trains, HitsCountOnlyInsideTheBand) {
    start_train(enemy_five_pool);
    start_train(enemy_eight_pool);
    start_train(enemy_nine_pool);
    check_band(enemy_five_pool[0], 5.0f, 5.5f);
    check_band(enemy_eight_pool[0], 475.0f - 105.0f, 474.5f - 105.0f);
    check_band(enemy_nine_pool[0], 50.0f, 50.5f);
}

TEST_F(Trains, ARecordKilledAboveItsLineStillFiresThere) {
    start_train(enemy_five_pool);
    EnemyFive& record = enemy_five_pool[0];
    record.released = true;
    while (record.y < 60.0f) record.update();
    record.damage = record.hit_points + 1;
    record.update();
    ASSERT_TRUE(record.dying);
    while (record.passes == 0 && record.in_play) record.update();
    EXPECT_TRUE(record.bullets[0].active);
    EXPECT_TRUE(record.bullets[1].active);
    EXPECT_TRUE(record.bullets_out);
}

TEST_F(Trains, ARecordWhoseShotsStillFlyCrossesItsLineWithoutFiringButTurns) {
    start_train(enemy_six_pool);
    EnemySix& record = enemy_six_pool[0];
    record.released = true;
    record.bullets_out = true;
    record.x = 100.0f;
    while (record.passes == 0) record.update();
    EXPECT_FALSE(record.bullets[0].active);
    EXPECT_EQ(record.state, Enemy::sweeping_left);
}

TEST_F(Trains, NineCountsAKillAsItsExplosionStartsAndPaysNothing) {
    start_train(enemy_nine_pool);
    EnemyNine& record = enemy_nine_pool[0];
    record.released = true;
    while (record.y <= 80.0f) record.update();
    enemies_hit = 2.0f;
    player.money = 300;
    record.damage = record.hit_points + 1;
    record.update();
    EXPECT_TRUE(record.explosion.active);
    EXPECT_FLOAT_EQ(enemies_hit, 3.0f);
    EXPECT_TRUE(record.reward_shown);
    EXPECT_EQ(record.reward, 0);
    while (record.in_play) record.update();
    EXPECT_FLOAT_EQ(enemies_hit, 3.0f);
    EXPECT_EQ(player.money, 300);
    EXPECT_EQ(enemy_count, enemy_train_pool_size - 1);
}

// Kind seven.
class Seven : public Trains {
protected:
    // A record started as a stage starts one, from `side` (1 the top right, 2 the top left).
    EnemySeven& start(int side) {
        EnemySeven& record = enemy_seven_pool[0];
        record.init(0.0f, 0.0f);
        enemy_world::next_draw_gives(2, side - 1);
        record.reset();
        record.show();
        record.enter_play();
        record.released = true;
        return record;
    }

    // Steps with no shot drawn.
    void fly(EnemySeven& record, int steps) {
        for (int i = 0; i < steps; ++i) {
            enemy_world::next_draw_gives(300, 1);
            record.update();
            record.update_bullets();
        }
    }
};

TEST_F(Seven, EachSideStartsOnItsEdgeAndFliesExactlyItsSpeedAlongItsLine) {
    struct Case {
        int side;
        float heading, x, y;
    };
    for (const Case& c : {Case{1, 104.0f, 640.0f, -111.0f}, Case{2, 24.0f, -131.0f, -111.0f}}) {
        SCOPED_TRACE(c.side);
        EnemySeven& record = start(c.side);
        EXPECT_FLOAT_EQ(record.heading, c.heading);
        EXPECT_FLOAT_EQ(record.x, c.x);
        EXPECT_FLOAT_EQ(record.y, c.y);
        record.max_speed = 5.5f;  // with a difficulty bonus
        for (int step = 1; step <= 50; ++step) {
            const float last_x = record.x, last_y = record.y;
            fly(record, 1);
            ASSERT_TRUE(record.in_play) << step;
            EXPECT_NEAR(std::hypot(record.x - last_x, record.y - last_y), 5.5, 0.01) << step;
            const double along = std::atan2(record.y - c.y, record.x - c.x) * 128.0 / M_PI;
            EXPECT_NEAR(along, c.heading, 0.05) << step;
        }
        EXPECT_TRUE(record.entered);
    }
}

TEST_F(Seven, OneShotAtATimeAimedAtTheShipAsItWasWhenFiredFlyingOnAfterTheRecordDies) {
    struct Case {
        float ship_x, ship_y;
    };
    // Down and left, down and right, and up and right: a heading past 192.
    for (const Case& c : {Case{20.0f, 400.0f}, Case{600.0f, 400.0f}, Case{600.0f, 10.0f}}) {
        SCOPED_TRACE(c.ship_x + c.ship_y);
        EnemySeven& record = start(2);
        fly(record, 60);
        player.set_position(c.ship_x, c.ship_y);
        enemy_world::fire_on_next_draw(300);
        record.update();
        Sprite& shot = record.bullets[0];
        ASSERT_TRUE(shot.active);
        // Allegro's arctangent comes in half units.
        const double toward = std::atan2(c.ship_y - record.y, c.ship_x - record.x) * 128.0 / M_PI;
        EXPECT_NEAR(shot.angle, toward < 0 ? toward + 256.0 : toward, 0.5);
        EXPECT_FLOAT_EQ(shot.angle * 2.0f, std::round(shot.angle * 2.0f));
        EXPECT_FLOAT_EQ(shot.origin_x, record.x + 30.0f);
        EXPECT_FLOAT_EQ(shot.origin_y, record.y + 59.0f);

        // The ship moves; the shot does not follow, and no second shot goes while it flies.
        const float angle = shot.angle, origin_x = shot.origin_x;
        player.set_position(300.0f, 200.0f);
        enemy_world::fire_on_next_draw(300);
        record.update();
        record.update_bullets();
        EXPECT_FLOAT_EQ(shot.angle, angle);
        EXPECT_FLOAT_EQ(shot.origin_x, origin_x);

        // Killed: the shot flies on.
        record.damage = 10;
        enemy_world::park_ship();
        fly(record, 3);
        EXPECT_TRUE(record.dying);
        EXPECT_TRUE(shot.active);
        EXPECT_FLOAT_EQ(shot.travelled, 3.5f * 4);
        fly(record, 200);
        EXPECT_FALSE(shot.active);
        EXPECT_FALSE(record.bullets_out);
    }
}

}  // namespace
