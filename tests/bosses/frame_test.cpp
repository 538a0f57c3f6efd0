// The frame every one-body boss shares, on a plain test boss: a solid plate of a body with an
// armour plate over its top-left corner, driven as a stage drives it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

#include "boss_world.h"
#include "bosses/boss_head.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

using boss_world::hold;
using boss_world::step;

constexpr FrameBossKind plate_kind{
    "gfx/boss3/base.png", "gfx/boss1/boss1_phaser_bullet.gif", 5.0f, 1, 0, 0, 3, 500,
    {5.0f, 6.0f, 7.0f, 8.0f, 75}, {100.0f, 40.0f, true, 777}};

class PlateBoss : public FrameBoss {
public:
    static constexpr int armour_size = 40;

    PlateBoss() : FrameBoss(plate_kind) {}
    ~PlateBoss() { destroy_bitmap(armour); }

    BITMAP* armour = nullptr;

    void load() {
        FrameBoss::load();
        clear_to_color(body, makecol(40, 160, 200));
        armour = create_bitmap(armour_size, armour_size);
        clear_to_color(armour, makecol(90, 90, 90));
    }
    void update() {
        const int bx = static_cast<int>(x), by = static_cast<int>(y);
        set_speed_by_hit_points();
        take_hits({{body, bx, by}}, {{armour, bx, by}});
        fly_bullets();
        animate_explosions();
    }
    void draw(BITMAP* dest) {
        if (!visible || dead) return;
        draw_body(dest);
        draw_bullets(dest);
        draw_explosions(dest);
    }
    float middle_x() const { return x + static_cast<float>(width / 2); }
    float middle_y() const { return y + static_cast<float>(height / 2); }
};

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        boss_world::prepare();
        boss_world::load(boss);
        boss.set_position(100.0f, 40.0f);
        boss.show();
        boss.activate();
    }
    int body_pixel() {
        clear_bitmap(boss_world::scratch());
        boss.draw(boss_world::scratch());
        return getpixel(boss_world::scratch(), static_cast<int>(boss.middle_x()), static_cast<int>(boss.middle_y()));
    }

    PlateBoss boss;
};

TEST_F(Frame, RidesTheScrollTillActiveThenTurnsOnlyPastAnEdge) {
    boss.active = false;
    boss.scroll(5);
    EXPECT_FLOAT_EQ(boss.y, 45.0f);
    boss.activate();
    boss.scroll(5);
    EXPECT_FLOAT_EQ(boss.y, 45.0f);

    const float right = static_cast<float>(playfield_width - boss.width);
    struct Case {
        int state;
        float x, vx;
        float x_after_one, x_after_two;
        int state_after_two;
        float vx_after_two;
    };
    // vx at the limit (max_speed - 1) gathers no more; reaching an edge exactly is no turn.
    const Case cases[] = {
        {BossHead::moving_right, right - 4.0f, 4.0f, right, right + 4.0f, BossHead::moving_left, -3.0f},
        {BossHead::moving_left, 4.0f, -4.0f, 0.0f, -4.0f, BossHead::moving_right, 3.0f},
    };
    for (const Case& c : cases) {
        boss.state = c.state;
        boss.x = c.x;
        boss.vx = c.vx;
        boss.update_state();
        EXPECT_FLOAT_EQ(boss.x, c.x_after_one);
        EXPECT_EQ(boss.state, c.state);
        boss.update_state();
        EXPECT_FLOAT_EQ(boss.x, c.x_after_two);
        EXPECT_EQ(boss.state, c.state_after_two);
        EXPECT_FLOAT_EQ(boss.vx, c.vx_after_two);
    }
}

TEST_F(Frame, TopSpeedRisesAsHitPointsFallAndHoldsOnEachBound) {
    const struct {
        int remaining;
        float speed;
    } bands[] = {{300, 99.0f}, {299, 6.0f}, {151, 6.0f}, {150, 99.0f}, {149, 7.0f},
                 {76, 7.0f},   {75, 99.0f}, {74, 8.0f},  {0, 8.0f}};
    for (const auto& band : bands) {
        boss.max_speed = 99.0f;
        boss.damage = boss.hit_points - band.remaining;
        boss.update();
        EXPECT_FLOAT_EQ(boss.max_speed, band.speed) << band.remaining << " left";
    }
}

TEST_F(Frame, WarningTintsEveryTenthStepAndAHitShowsWhiteTillTheNextDraw) {
    const int plain = body_pixel();
    boss.damage = boss.hit_points - 50;
    for (int counter = 1; counter <= 20; ++counter) {
        boss.update();
        ASSERT_EQ(boss.low_hp_counter, counter);
        const int pixel = body_pixel();
        if (counter % 10 == 0) {
            EXPECT_LT(getg(pixel), getg(plain) / 2) << "step " << counter;
            EXPECT_LT(getb(pixel), getb(plain) / 2) << "step " << counter;
        } else {
            EXPECT_EQ(pixel, plain) << "step " << counter;
        }
    }
    boss.hit_flash = true;
    const int flash = body_pixel();
    EXPECT_GE(getr(flash), 248);
    EXPECT_GE(getg(flash), 248);
    EXPECT_GE(getb(flash), 248);
    EXPECT_FALSE(boss.hit_flash);
}

TEST_F(Frame, BombsScoreOnceBetweenDrawsShotsScoreAllAndArmourOnlySwallows) {
    player.x = boss.middle_x() - 31.0f;
    boss_world::burn_beam();
    boss_world::burn_laser(2, boss.middle_x() - 25.0f, 0.0f);
    boss.update();
    EXPECT_EQ(boss.damage, 1) << "beam and laser together";
    boss.update();
    EXPECT_EQ(boss.damage, 1) << "no draw, no second score";
    boss.draw(boss_world::scratch());
    boss.update();
    EXPECT_EQ(boss.damage, 2);
    enemy_world::park_ship();
    step(boss);  // the last flash drawn away

    player.set_gun_level(3);
    int expected = boss.damage;
    for (int i = 0; i < 10; ++i) {
        Sprite& shot = enemy_world::aim_ship_bullet(i % 5, i, boss.middle_x() + 3.0f * i, boss.middle_y());
        expected += shot.damage;
    }
    boss.update();
    EXPECT_EQ(boss.damage, expected);
    player.set_gun_level(1);

    Sprite& on_armour = enemy_world::aim_ship_bullet(2, 0, boss.x + 10.0f, boss.y + 10.0f);
    Sprite& helper_on_armour = player.helpers[2].bullets[1];
    enemy_world::place_bullet(helper_on_armour, boss.x + 20.0f, boss.y + 20.0f);
    boss.update();
    EXPECT_FALSE(on_armour.active);
    EXPECT_FALSE(helper_on_armour.active);
    EXPECT_EQ(boss.damage, expected);

    boss.damage = boss.hit_points;
    EXPECT_FALSE(boss.beaten());
    boss.damage += 1;
    EXPECT_TRUE(boss.beaten());
}

class HostileBullets : public Frame {
protected:
    void SetUp() override {
        Frame::SetUp();
        boss_world::fly_ship();
    }
    Sprite& shot() { return boss.bullets[0]; }
};

TEST_F(HostileBullets, HelpersAndBombsStopThemABlinkingShipLetsThemPass) {
    Helper& idle_helper = player.helpers[1];
    idle_helper.set_position(60.0f, 300.0f);
    hold(shot(), enemy_world::centre_x(idle_helper), enemy_world::centre_y(idle_helper));
    boss.update();
    EXPECT_FALSE(shot().active) << "a helper stops shots whether it flies or not";

    boss_world::burn_beam();
    hold(shot(), player.x + 31.0f, 100.0f);
    boss.update();
    EXPECT_FALSE(shot().active);
    player.bomb1.idle = true;

    boss_world::burn_laser(4, 500.0f, 0.0f);
    hold(shot(), 525.0f, 200.0f);
    boss.update();
    EXPECT_FALSE(shot().active);

    player.blinking = true;
    hold(shot(), boss_world::hull_x(), boss_world::hull_y());
    boss.update();
    EXPECT_TRUE(shot().active);
    EXPECT_EQ(player.hit_count, 0);
}

TEST_F(HostileBullets, TheShieldDrainsOnEveryStepOfContactThenTheShipIsHit) {
    player.shield_on = true;
    player.shield_count = 5;
    hold(shot(), boss_world::hull_x(), boss_world::hull_y());
    boss.update();
    EXPECT_EQ(player.shield_count, 2);
    EXPECT_TRUE(shot().active) << "a shot the shield holds stays in flight";
    EXPECT_EQ(player.hit_count, 0);
    boss.update();
    EXPECT_EQ(player.shield_count, -1);
    EXPECT_FALSE(player.shield_on);
    EXPECT_EQ(player.hit_count, 1);
    EXPECT_FALSE(shot().active);
}

TEST_F(HostileBullets, WhileTheBossWaitsOrDiesTheyOnlyMove) {
    for (const bool dying : {false, true}) {
        boss.active = dying;
        boss.state = dying ? BossHead::dying : BossHead::moving_right;
        hold(shot(), boss_world::hull_x(), boss_world::hull_y());
        shot().speed = 1.0f;
        boss.update();
        EXPECT_TRUE(shot().active);
        EXPECT_FLOAT_EQ(shot().y, boss_world::hull_y() + 1.0f);
        EXPECT_EQ(player.hit_count, 0);
    }
}

TEST_F(Frame, DeathShakesExplodesInOrderFadesAndPaysOnceOnTheStepAfterItIsGone) {
    std::srand(12);
    boss.start_death();
    EXPECT_EQ(shake_amplitude.load(), BossHead::death_shake);
    EXPECT_EQ(boss.state, BossHead::dying);
    for (int i = 0; i < 9; ++i) {
        const Explosion& e = boss.explosions[i];
        EXPECT_GE(e.x, 100.0f);
        EXPECT_LE(e.x, 100.0f + boss.width - 64);
        EXPECT_GE(e.y, 40.0f);
        EXPECT_LE(e.y, 40.0f + boss.height - 64);
    }
    EXPECT_FLOAT_EQ(boss.explosions[9].x, 100.0f + boss.width / 2 - 24);
    EXPECT_FLOAT_EQ(boss.explosions[9].y, 40.0f + boss.height / 2 - 24);

    std::vector<int> started;
    std::set<int> seen;
    int steps = 0;
    while (!boss.dead && steps < 2000) {
        step(boss);
        ++steps;
        for (int i = 0; i < BossHead::explosion_count; ++i)
            if (boss.explosions[i].active && seen.insert(i).second) started.push_back(i);
        EXPECT_LE(std::hypot(boss.x - 100.0f, boss.y - 40.0f), 10.01f);
    }
    ASSERT_TRUE(boss.dead);
    EXPECT_FALSE(boss.visible);
    EXPECT_EQ(boss.alpha, 1);
    EXPECT_EQ(started, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(player.money, 1500) << "nothing paid in the step that ends the fade";

    step(boss);
    EXPECT_EQ(player.money, 1500 + 777);
    EXPECT_EQ(boss_world::shakes_stopped(), 1);
    step(boss, 300);
    EXPECT_EQ(player.money, 1500 + 777);
    EXPECT_EQ(boss.reward_paid, 1);
    EXPECT_EQ(boss_world::shakes_stopped(), 1);
    EXPECT_EQ(boss.alpha, 255);
}

}  // namespace
