// Enemies against the ship's weapons, and enemy bullets against the ship, its helpers, shield
// and bombs, with the real ship and art.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "engine/collision.h"
#include "player/player.h"

using enemy_world::aim_ship_bullet;
using enemy_world::centre_x;
using enemy_world::centre_y;
using enemy_world::place_bullet;

namespace {

// A large kind with no steering of its own, so it stays where the test puts it.
class ShipWeapons : public ::testing::Test {
protected:
    void SetUp() override {
        enemy_world::prepare();
        enemy.init(0.0f, 0.0f);
        enemy_world::spawn(enemy, 250.0f, 150.0f);
    }

    float aim_x() const { return centre_x(enemy); }
    float aim_y() const { return centre_y(enemy); }

    EnemyTwo enemy;
};

TEST_F(ShipWeapons, OnlySlotsBelowTheBulletLimitAreTested) {
    player.bullet_limit = 50;
    Sprite& beyond = aim_ship_bullet(2, 50, aim_x(), aim_y());
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 0);
    EXPECT_TRUE(beyond.active);

    Sprite& last = aim_ship_bullet(2, 49, aim_x(), aim_y());
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, last.damage);
    EXPECT_FALSE(last.active);
}

TEST_F(ShipWeapons, EveryBulletThatTouchesInOneStepCountsAndIsUsedUp) {
    player.set_gun_level(3);  // main gun damage 5
    Sprite& main_shot = aim_ship_bullet(2, 0, aim_x(), aim_y());
    Sprite& side_shot = aim_ship_bullet(1, 7, aim_x() - 10.0f, aim_y());
    Sprite& other_main = aim_ship_bullet(2, 3, aim_x() + 10.0f, aim_y());
    Sprite& miss = aim_ship_bullet(3, 0, 600.0f, 450.0f);
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 5 + side_shot.damage + 5);
    EXPECT_TRUE(enemy.hit_flash);
    EXPECT_FALSE(main_shot.active);
    EXPECT_FALSE(side_shot.active);
    EXPECT_FALSE(other_main.active);
    EXPECT_TRUE(miss.active);
    player.set_gun_level(1);
}

TEST_F(ShipWeapons, HelperBulletsAddOneWhateverTheGunLevel) {
    player.set_gun_level(4);
    Sprite& one_shot = player.helpers[1].bullets[0];
    Sprite& three_shot = player.helpers[2].bullets[2];
    one_shot.damage = 9;  // not what the enemy counts
    place_bullet(one_shot, aim_x(), aim_y());
    place_bullet(three_shot, aim_x() + 5.0f, aim_y());
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 2);
    EXPECT_FALSE(one_shot.active);
    EXPECT_FALSE(three_shot.active);
    one_shot.damage = 1;
    player.set_gun_level(1);
}

TEST_F(ShipWeapons, BombsHurtOnEveryStepOfOverlapAndAreNotUsedUp) {
    player.x = aim_x() - 31.0f;  // the beam's middle over the enemy
    player.bomb1.frame = 0;
    player.bomb1.idle = false;
    enemy.check_hits();
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 2 * 5);

    player.bomb1.idle = true;  // opening or closing: harmless
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 10);

    Bomb2Part& laser = player.bomb2_parts[3];
    laser.frame = 1;
    laser.idle = false;
    laser.set_position(aim_x() - 25.0f, 0.0f);
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 10 + 8);
    EXPECT_TRUE(enemy.hit_flash);
}

TEST_F(ShipWeapons, ADyingEnemyNeitherTakesDamageNorStopsShots) {
    enemy.dying = true;
    Sprite& shot = aim_ship_bullet(2, 0, aim_x(), aim_y());
    player.x = aim_x() - 31.0f;
    player.bomb1.frame = 0;
    player.bomb1.idle = false;
    enemy.check_hits();
    EXPECT_EQ(enemy.damage, 0);
    EXPECT_FALSE(enemy.hit_flash);
    EXPECT_TRUE(shot.active);
}

TEST_F(ShipWeapons, AWaitingEnemySwallowsShotsButNotBeamsAndTakesNoDamage) {
    enemy.leave_play();
    Sprite& shot = aim_ship_bullet(4, 10, aim_x(), aim_y());
    Sprite& helper_shot = player.helpers[3].bullets[1];
    place_bullet(helper_shot, aim_x(), aim_y());
    player.x = aim_x() - 31.0f;
    player.bomb1.frame = 0;
    player.bomb1.idle = false;
    enemy.update();
    EXPECT_FALSE(shot.active);
    EXPECT_FALSE(helper_shot.active);
    EXPECT_EQ(enemy.damage, 0);
    EXPECT_FALSE(enemy.hit_flash);

    // The beam keeps burning through it; a dying record out of play lets shots pass.
    EXPECT_TRUE(!player.bomb1.idle);
    enemy.dying = true;
    Sprite& later = aim_ship_bullet(4, 11, aim_x(), aim_y());
    enemy.update();
    EXPECT_TRUE(later.active);
}

// Enemy bullets meeting the ship. The ship stands at (288, 300).
class EnemyBullets : public ::testing::Test {
protected:
    void SetUp() override {
        enemy_world::prepare();
        shooter.init(0.0f, 0.0f);
        player.set_position(288.0f, 300.0f);
    }

    // The first bullet position, scanning the ship's area, at which `wanted` holds.
    std::pair<float, float> find_spot(const std::function<bool(int, int)>& wanted) {
        for (int y = 250; y < 400; ++y)
            for (int x = 250; x < 380; ++x)
                if (wanted(x, y)) return {static_cast<float>(x), static_cast<float>(y)};
        ADD_FAILURE() << "no such spot";
        return {0.0f, 0.0f};
    }

    bool touches_hit_picture(int x, int y, const Sprite* shot = nullptr) {
        return pixel_collision((shot ? shot : &bullet())->bitmap, x, y, player.hit_picture, 288 + 13, 300) != 0;
    }
    bool touches_shield(int x, int y, const Sprite* shot = nullptr) {
        return pixel_collision((shot ? shot : &bullet())->bitmap, x, y, player.shield_frames[player.shield_frame],
                               288 - 18, 300 - 18) != 0;
    }

    Sprite& bullet() { return shooter.bullets[0]; }
    void fire_at(std::pair<float, float> spot) { place_bullet(bullet(), spot.first, spot.second); }

    EnemyOne shooter;
};

TEST_F(EnemyBullets, ABulletOnTheHullHitsTheShip) {
    fire_at(find_spot([&](int x, int y) { return touches_hit_picture(x, y); }));
    enemy_bullet_meets_ship(bullet());
    EXPECT_EQ(player.hit_count, 1);
    EXPECT_FALSE(bullet().active);
}

TEST_F(EnemyBullets, TheShieldAbsorbsUntilItsCountFallsBelowZeroThenTheShipIsHitInTheSameStep) {
    player.add_shields(1);
    const auto spot = find_spot([&](int x, int y) { return touches_hit_picture(x, y) && touches_shield(x, y); });

    fire_at(spot);
    enemy_bullet_meets_ship(bullet());
    EXPECT_EQ(player.shield_count, 0);
    EXPECT_TRUE(player.shield_on);
    EXPECT_EQ(player.hit_count, 0);
    EXPECT_FALSE(bullet().active);

    fire_at(spot);
    enemy_bullet_meets_ship(bullet());
    EXPECT_EQ(player.shield_count, -1);
    EXPECT_FALSE(player.shield_on);
    EXPECT_EQ(player.hit_count, 1);
    EXPECT_FALSE(bullet().active);
}

TEST_F(EnemyBullets, UnderAShieldABulletMissingItsFrameFliesOn) {
    player.add_shields(3);
    fire_at(find_spot([&](int x, int y) { return touches_hit_picture(x, y) && !touches_shield(x, y); }));
    enemy_bullet_meets_ship(bullet());
    EXPECT_TRUE(bullet().active);
    EXPECT_EQ(player.shield_count, 3);
    EXPECT_EQ(player.hit_count, 0);
}

TEST_F(EnemyBullets, ABlinkingShipLetsBulletsThrough) {
    player.blinking = true;
    fire_at(find_spot([&](int x, int y) { return touches_hit_picture(x, y); }));
    enemy_bullet_meets_ship(bullet());
    EXPECT_TRUE(bullet().active);
    EXPECT_EQ(player.hit_count, 0);
}

TEST_F(EnemyBullets, ActiveHelpersAndBurningBombsStopBullets) {
    Helper& helper = player.helpers[3];
    helper.set_position(100.0f, 100.0f);
    place_bullet(bullet(), centre_x(helper), centre_y(helper));
    enemy_bullet_meets_ship(bullet());
    EXPECT_TRUE(bullet().active) << "an inactive helper stops nothing";
    helper.activate();
    enemy_bullet_meets_ship(bullet());
    EXPECT_FALSE(bullet().active);

    player.bomb1.frame = 1;
    player.bomb1.idle = false;
    place_bullet(bullet(), player.x + 31.0f, 100.0f);
    enemy_bullet_meets_ship(bullet());
    EXPECT_FALSE(bullet().active);

    Bomb2Part& laser = player.bomb2_parts[0];
    laser.set_position(500.0f, 0.0f);
    laser.frame = 0;
    laser.idle = false;
    place_bullet(bullet(), 525.0f, 200.0f);
    enemy_bullet_meets_ship(bullet());
    EXPECT_FALSE(bullet().active);
    EXPECT_EQ(player.hit_count, 0);
}

TEST_F(EnemyBullets, BulletsOfAFallenEnemyFlyOnAndStillHit) {
    const auto spot = find_spot([&](int x, int y) { return touches_hit_picture(x, y); });
    // Launched so that its first move lands on the spot.
    bullet().launch_from(spot.first, spot.second - 2.0f);
    bullet().active = true;
    shooter.alive = false;
    shooter.update();
    EXPECT_FLOAT_EQ(bullet().y, spot.second);
    EXPECT_EQ(player.hit_count, 1);
}

// Every shot of a kind, as its init leaves them.
template <class Kind>
std::vector<Sprite*> shots_of(Kind& record) {
    record.init(0.0f, 0.0f);
    std::vector<Sprite*> shots;
    for (Sprite& shot : record.bullets) shots.push_back(&shot);
    return shots;
}

TEST_F(EnemyBullets, EveryKindsShotsFlyAtTheirSpeedAndCostTheShieldTheirDamage) {
    const struct {
        const char* kind;
        std::vector<Sprite*> (*shots)();
        float speed;
        int damage;
    } kinds[] = {
        {"one", [] { return shots_of(enemy_one_pool[0]); }, 2.0f, 1},
        {"two", [] { return shots_of(enemy_two_pool[0]); }, 3.0f, 1},
        {"three", [] { return shots_of(enemy_three_pool[0]); }, 4.0f, 1},
        {"four", [] { return shots_of(enemy_four_pool[0]); }, 4.1f, 1},
        {"five", [] { return shots_of(enemy_five_pool[0]); }, 4.0f, 1},
        {"six", [] { return shots_of(enemy_six_pool[0]); }, 4.1f, 2},
        {"seven", [] { return shots_of(enemy_seven_pool[0]); }, 3.5f, 1},
        {"eight", [] { return shots_of(enemy_eight_pool[0]); }, 5.75f, 1},
        {"ten", [] { return shots_of(enemy_ten_pool[0]); }, 6.5f, 1},
        {"eleven", [] { return shots_of(enemy_eleven_pool[0]); }, 5.0f, 1},
        {"twelve", [] { return shots_of(enemy_twelve_pool[0]); }, 4.0f, 1},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        for (Sprite* shot : k.shots()) {
            shot->bitmap = shot->current_frame();
            const auto [x, y] = find_spot([&](int sx, int sy) {
                return touches_hit_picture(sx, sy, shot) && touches_shield(sx, sy, shot);
            });
            // Straight down, one move short of the shielded hull.
            shot->launch_from(x, y - k.speed);
            shot->set_angle(64.0f, 0.0f);
            shot->active = true;
            player.shield_on = true;
            player.shield_count = 10;
            shot->move_bullet();
            EXPECT_FLOAT_EQ(shot->travelled, k.speed);
            enemy_bullet_meets_ship(*shot);
            EXPECT_EQ(player.shield_count, 10 - k.damage);
            EXPECT_EQ(player.hit_count, 0);
        }
    }
}

}  // namespace
