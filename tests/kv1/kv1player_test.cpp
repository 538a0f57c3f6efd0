#include <gtest/gtest.h>

#include <vector>

#include "engine/settings.h"
#include "kv1_fixture.h"
#include "support/test_support.h"

using kv1_testing::Kv1ShipTest;
using kv1_testing::sounding;

namespace {

bool any_bullet_active(const Kv1Player& ship) {
    for (const auto& group : ship.bullets)
        for (const Sprite& bullet : group)
            if (bullet.active) return true;
    return false;
}

}  // namespace

class Kv1Flight : public Kv1ShipTest {
protected:
    // Standing (the request taken), then holding `scancode`: the first step of the hold requests
    // the move, the next enters it.
    std::vector<float> x_while_holding(int scancode, int steps) {
        step();
        hold(scancode);
        step(2);
        std::vector<float> xs;
        for (int i = 0; i < steps; ++i) {
            const float before = ship->x;
            step();
            xs.push_back(ship->x - before);
        }
        return xs;
    }
};

TEST_F(Kv1Flight, ALoadedShipStandsCentredAtTheBottomWithThreeLivesAndItsStake) {
    EXPECT_EQ(ship->width, 36);
    EXPECT_EQ(ship->height, 35);
    EXPECT_EQ(ship->x, 302.0f);
    EXPECT_EQ(ship->y, 435.0f);
    EXPECT_EQ(ship->state, Kv1Player::request_stand);
    EXPECT_EQ(ship->lives, 3);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->gun_level, 1);
    EXPECT_EQ(ship->bullet_limit, 1);
    EXPECT_EQ(ship->max_speed, 3.0f);
    EXPECT_TRUE(ship->alive);
    EXPECT_EQ(ship->explosion.mode, explosion_flash);
    const Sprite& bullet = ship->bullets[2][255];
    EXPECT_EQ(bullet.speed, 5.0f);
    EXPECT_EQ(bullet.type, bullet_up);
    EXPECT_EQ(bullet.picture, ship->bullet_picture);
    EXPECT_FALSE(any_bullet_active(*ship));

    step();
    EXPECT_EQ(ship->state, Kv1Player::standing);  // no take-off: it is in place at once
    EXPECT_EQ(ship->y, 435.0f);
}

TEST_F(Kv1Flight, SpeedRampsUpToThreeAndToFourOnceTheBigShipIsFitted) {
    EXPECT_EQ(x_while_holding(key_right, 5), (std::vector<float>{1, 2, 3, 3, 3}));
    release(key_right);
    step();
    EXPECT_EQ(ship->vx, 0.0f);  // no glide
    EXPECT_EQ(ship->state, Kv1Player::request_stand);

    ship->setup_sprite();
    EXPECT_EQ(x_while_holding(key_left, 5), (std::vector<float>{-1, -2, -3, -4, -4}));
}

TEST_F(Kv1Flight, TheShipStopsAtBothScreenEdges) {
    x_while_holding(key_right, 120);
    EXPECT_EQ(ship->x, 604.0f);
    release(key_right);
    x_while_holding(key_left, 250);
    EXPECT_EQ(ship->x, 0.0f);
    release(key_left);

    ship->setup_sprite();
    x_while_holding(key_right, 200);
    EXPECT_EQ(ship->x, 588.0f);
}

TEST_F(Kv1Flight, TheBigShipSitsHigherAndKeepsItsPlace) {
    ship->x = 100;
    ship->setup_sprite();
    EXPECT_EQ(ship->width, 52);
    EXPECT_EQ(ship->height, 40);
    EXPECT_EQ(ship->y, 430.0f);
    EXPECT_EQ(ship->x, 100.0f);
    EXPECT_EQ(ship->max_speed, 4.0f);

    ship->reset();
    EXPECT_EQ(ship->x, 294.0f);
    EXPECT_EQ(ship->y, 430.0f);
}

TEST_F(Kv1Flight, FlyingOffClimbsFasterUntilTheShipHasLeftTheTop) {
    ship->vx = 2;
    ship->fly_off();
    EXPECT_TRUE(sounding(ship->channel, ship->take_off_sound));
    step();
    EXPECT_EQ(ship->state, Kv1Player::flying_off);
    EXPECT_EQ(ship->vx, 0.0f);
    int climbed = 0;
    while (!ship->stage_cleared && climbed < 100) {
        step();
        ++climbed;
    }
    EXPECT_EQ(climbed, 44);
    EXPECT_EQ(ship->vy, -20.0f);
    EXPECT_LT(ship->y, -35.0f);
}

TEST_F(Kv1Flight, AReloadStartsANewShipOverTheSameData) {
    DATAFILE* const datafile = ship->datafile;
    FMOD_SOUND* const bullet_sound = ship->bullet_sound;
    ship->set_gun_level(3);
    ship->setup_sprite();
    ship->money = -700;
    ship->lives = 0;
    ship->hit();

    testing_support::WorkingDirectory in_data(testing_support::data_dir());
    ship->load();
    EXPECT_EQ(ship->datafile, datafile);
    EXPECT_EQ(ship->bullet_sound, bullet_sound);
    EXPECT_EQ(ship->width, 36);
    EXPECT_EQ(ship->y, 435.0f);
    EXPECT_EQ(ship->max_speed, 3.0f);
    EXPECT_EQ(ship->gun_level, 1);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->lives, 3);
    EXPECT_EQ(ship->hit_count, 0);
    EXPECT_EQ(ship->bullets[1][0].speed, 5.0f);
    EXPECT_EQ(ship->bullets[1][0].w, 4);  // the level-1 bullet again
}

class Kv1Gun : public Kv1ShipTest {
protected:
    void press_fire() {
        hold(key_shoot);
        step();
    }
    void release_fire() {
        release(key_shoot);
        step();
    }
    // Where the bullet of `barrel` left from.
    std::pair<float, float> launch_point(int barrel) const {
        const Sprite& bullet = ship->bullets[barrel][0];
        return {bullet.origin_x - ship->x, bullet.origin_y - ship->y};
    }
    void until_bullets_gone() {
        for (int i = 0; i < 200 && any_bullet_active(*ship); ++i) step();
        ASSERT_FALSE(any_bullet_active(*ship));
    }
};

TEST_F(Kv1Gun, OnePressFiresOneVolleyFromTheNose) {
    step();  // standing
    press_fire();
    const Sprite& bullet = ship->bullets[0][0];
    ASSERT_TRUE(bullet.active);
    EXPECT_EQ(launch_point(0), std::make_pair(16.0f, -9.0f));
    EXPECT_FALSE(ship->bullets[1][0].active);
    EXPECT_TRUE(sounding(ship->channel, ship->bullet_sound));
    EXPECT_EQ(ship->next_slot, 0);  // one bullet per barrel: always slot 0
    EXPECT_EQ(bullet.y, 426.0f - 5);  // it flies in the step it was fired

    // Held down, the key fires nothing more, even once the bullet has gone.
    until_bullets_gone();
    step(5);
    EXPECT_FALSE(any_bullet_active(*ship));

    release_fire();
    press_fire();
    EXPECT_TRUE(bullet.active);
}

TEST_F(Kv1Gun, ANewPressFiresOnlyOnceTheBarrelsBulletIsBack) {
    step();
    press_fire();
    release_fire();
    press_fire();  // the first bullet still flies
    EXPECT_EQ(ship->bullets[0][0].origin_y, 426.0f);
    EXPECT_EQ(ship->bullets[0][0].travelled, 15.0f);  // not relaunched

    until_bullets_gone();
    release_fire();
    press_fire();
    EXPECT_EQ(ship->bullets[0][0].travelled, 5.0f);
    EXPECT_TRUE(ship->bullets[0][0].active);
}

TEST_F(Kv1Gun, HigherLevelsFireEveryBarrelOrNone) {
    ship->set_gun_level(2);
    EXPECT_EQ(ship->bullets[0][0].speed, 5.5f);
    EXPECT_EQ(ship->bullets[1][0].w, 5);
    step();
    press_fire();
    EXPECT_EQ(launch_point(0), std::make_pair(7.0f, -5.0f));
    EXPECT_EQ(launch_point(1), std::make_pair(24.0f, -5.0f));
    EXPECT_FALSE(ship->bullets[2][0].active);
    until_bullets_gone();

    // One barrel still busy holds back the whole volley.
    ship->bullets[1][0].active = true;
    release_fire();
    press_fire();
    EXPECT_FALSE(ship->bullets[0][0].active);
    ship->bullets[1][0].active = false;
    release_fire();

    ship->set_gun_level(3);
    ship->setup_sprite();
    EXPECT_EQ(ship->bullets[2][0].speed, 6.0f);
    EXPECT_EQ(ship->bullets[2][0].h, 12);
    ship->bullets[2][0].active = true;
    press_fire();
    EXPECT_FALSE(ship->bullets[0][0].active);
    ship->bullets[2][0].active = false;
    release_fire();
    press_fire();
    EXPECT_EQ(launch_point(0), std::make_pair(9.0f, -10.0f));
    EXPECT_EQ(launch_point(1), std::make_pair(23.0f, -13.0f));
    EXPECT_EQ(launch_point(2), std::make_pair(36.0f, -10.0f));
}

TEST_F(Kv1Gun, TheShipFiresWhileMovingButNotWhileFlyingOff) {
    step();
    hold(key_right);
    step(3);
    press_fire();
    EXPECT_TRUE(ship->bullets[0][0].active);
    until_bullets_gone();
    release(key_right);

    ship->fly_off();
    step();
    release_fire();
    press_fire();
    EXPECT_FALSE(any_bullet_active(*ship));
}

TEST_F(Kv1Gun, AStageStartSwitchesEveryBulletOffAndRecentresTheShip) {
    step();
    hold(key_left);
    press_fire();
    step(10);
    ship->stage_cleared = true;
    ship->hit();
    ship->reset();
    EXPECT_FALSE(any_bullet_active(*ship));
    EXPECT_EQ(ship->x, 302.0f);
    EXPECT_EQ(ship->vx, 0.0f);
    EXPECT_EQ(ship->state, Kv1Player::request_stand);
    EXPECT_EQ(ship->hit_count, 0);
    EXPECT_FALSE(ship->stage_cleared);
    EXPECT_EQ(ship->money, 1200);  // a stage start costs nothing and gives nothing back
    EXPECT_EQ(ship->lives, 3);
}

class Kv1Lives : public Kv1ShipTest {
protected:
    // Hit, explode and play out, as the stage sees it.
    void lose_a_life() {
        ship->hit();
        step();
        for (int i = 0; i < 100 && !played_out(); ++i) step();
        ASSERT_TRUE(played_out());
    }
    bool played_out() const {
        return ship->hit_count > 0 && !ship->explosion.active && ship->explosion_rounds > 0;
    }
};

TEST_F(Kv1Lives, EveryHitCostsAndTheFirstStartsTheOneExplosion) {
    step();
    ship->hit();
    ship->hit();
    EXPECT_EQ(ship->money, 900);
    EXPECT_EQ(ship->hit_count, 2);
    EXPECT_EQ(ship->lives, 3);  // the life goes when the explosion starts

    step();
    EXPECT_TRUE(ship->exploding);
    EXPECT_TRUE(ship->explosion.active);
    EXPECT_EQ(ship->lives, 2);
    EXPECT_EQ(ship->explosion_rounds, 1);
    EXPECT_TRUE(sounding(ship->channel, ship->explosion_sound));
    EXPECT_EQ(ship->explosion.x, ship->x - 2);

    ship->hit();  // an exploding ship takes nothing more
    EXPECT_EQ(ship->money, 900);
    EXPECT_EQ(ship->hit_count, 2);

    hold(key_right);  // nor flies
    for (int i = 0; i < 24; ++i) {  // 26 steps of frames, counting the one that started it
        step();
        ASSERT_TRUE(ship->explosion.active) << "step " << i;
    }
    step();
    EXPECT_FALSE(ship->explosion.active);
    EXPECT_EQ(ship->x, 302.0f);
    EXPECT_EQ(ship->lives, 2);  // and no second explosion for the same life
    step(10);
    EXPECT_EQ(ship->explosion_rounds, 1);
}

TEST_F(Kv1Lives, ARespawnCostsFiveHundredAndBlinksButLeavesTheBulletsFlying) {
    step();
    hold(key_shoot);
    step();
    release(key_shoot);
    hold(key_left);
    step(5);
    lose_a_life();
    EXPECT_TRUE(ship->bullets[0][0].active);

    ship->respawn();
    EXPECT_EQ(ship->money, 1500 - 300 - 500);
    EXPECT_EQ(ship->lives, 2);
    EXPECT_TRUE(ship->blinking);
    EXPECT_FALSE(ship->exploding);
    EXPECT_EQ(ship->hit_count, 0);
    EXPECT_EQ(ship->explosion_rounds, 0);
    EXPECT_EQ(ship->x, 302.0f);
    EXPECT_EQ(ship->vx, 0.0f);
    EXPECT_EQ(ship->state, Kv1Player::request_stand);
    EXPECT_TRUE(ship->bullets[0][0].active);

    ship->hit();  // the blink protects nothing
    EXPECT_EQ(ship->money, 400);
}

TEST_F(Kv1Lives, MoneyGoesNegativeAndTheLastLifeOnlyClearsAlive) {
    for (int life = 3; life > 1; --life) {
        lose_a_life();
        ship->respawn();
    }
    lose_a_life();
    EXPECT_EQ(ship->lives, 0);
    EXPECT_EQ(ship->money, 1500 - 3 * 300 - 2 * 500);

    ship->x = 10;
    ship->respawn();
    EXPECT_FALSE(ship->alive);
    EXPECT_EQ(ship->money, -400);
    EXPECT_EQ(ship->x, 10.0f);
    EXPECT_EQ(ship->hit_count, 1);

    int blinked = ship->blink_timer;  // the steps each respawn blinked before its hit
    ASSERT_GT(blinked, 0);
    ship->reset_ship();
    EXPECT_TRUE(ship->alive);
    EXPECT_EQ(ship->money, 1500);
    EXPECT_EQ(ship->lives, 3);
    EXPECT_TRUE(ship->blinking);
    EXPECT_FALSE(ship->exploding);
    EXPECT_EQ(ship->hit_count, 0);
    EXPECT_EQ(ship->explosion_rounds, 0);
    EXPECT_EQ(ship->x, 302.0f);
    EXPECT_EQ(ship->state, Kv1Player::request_stand);

    // The blink goes on from where the last one stopped, so it is over before a full second.
    step(60 - blinked);
    EXPECT_TRUE(ship->blinking);
    step();
    EXPECT_FALSE(ship->blinking);
}
