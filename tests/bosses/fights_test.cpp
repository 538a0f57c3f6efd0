// Every boss fought from the start of its fight to its end, as its stage drives it, with a bonus
// the stage hands it: one ship bullet a step on the part that the fight lets the ship hurt (a
// heavy one first where the speed bands are watched, one point a step after), each part in turn
// until the boss is beaten; then its death. One row per boss: the hit points of each part with
// the bonus, the top speed at every hit point left, the reward and how often it is paid, where
// the body dies, and in which part of the fight each of its guns may fire.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "boss_world.h"
#include "bosses/boss1.h"
#include "bosses/boss10.h"
#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss6.h"
#include "bosses/boss7.h"
#include "bosses/boss8.h"
#include "bosses/boss9.h"
#include "engine/collision.h"
#include "player/player.h"

namespace {

// A picture the ship can hurt, as it stands this step.
struct Target {
    const HitPoints* life;
    bool fallen;
    Placed at;
    Placed before = {nullptr, 0, 0};  // armour, or a picture that takes the bullet first
};

Target body_of(const FrameBoss& boss) {
    return {&boss, boss.beaten(), {boss.body, static_cast<int>(boss.x), static_cast<int>(boss.y)}};
}
template <class Part>
Target part_of(const Part& part, int bx, int by) {
    return {&part, part.destroyed, placed_part(part, bx, by)};
}

template <class Shots>
int in_flight(const Shots& shots) {
    int n = 0;
    for (const Sprite& shot : shots) n += shot.active;
    return n;
}

int bx_of(const BossHead& boss) { return static_cast<int>(boss.x); }
int by_of(const BossHead& boss) { return static_cast<int>(boss.y); }

// Per boss: its targets in the order the fight opens them, and the shots in flight of each of its
// guns, in the order of the row's gates.
std::vector<Target> targets(const Boss1& b) {
    return {part_of(b.left_gun, bx_of(b), by_of(b)), part_of(b.right_gun, bx_of(b), by_of(b)),
            part_of(b.phaser, bx_of(b), by_of(b))};
}
std::vector<int> guns(const Boss1& b) {
    return {in_flight(b.left_gun.bullets), in_flight(b.right_gun.bullets), in_flight(b.phaser.bullets)};
}
std::vector<Target> targets(const Boss2& b) {
    return {part_of(b.left_gun, bx_of(b), by_of(b)), part_of(b.right_gun, bx_of(b), by_of(b)),
            part_of(b.phaser, bx_of(b), by_of(b))};
}
std::vector<int> guns(const Boss2& b) {
    return {in_flight(b.left_gun.bullets), in_flight(b.right_gun.bullets), in_flight(b.phaser.bullets)};
}
std::vector<Target> targets(const Boss3& b) { return {body_of(b)}; }
std::vector<int> guns(const Boss3& b) {
    return {in_flight(b.bullets), in_flight(b.turrets[0].shots) + in_flight(b.turrets[1].shots)};
}
std::vector<Target> targets(const Boss4& b) { return {body_of(b)}; }
std::vector<int> guns(const Boss4& b) { return {in_flight(b.bullets)}; }
std::vector<Target> targets(const Boss5& b) {
    const Boss5Turret& t = b.turret;
    const Boss5WeakSpot& w = b.weak_spot;
    constexpr int core_offset = 25;
    return {{&t, t.state == Boss5Turret::exploding,
             {t.core_picture, static_cast<int>(t.x + b.x) + core_offset, static_cast<int>(t.y + b.y) + core_offset}},
            {&w, w.beaten(), {w.current_frame(), static_cast<int>(w.x + b.x), static_cast<int>(w.y + b.y)}}};
}
std::vector<int> guns(const Boss5& b) { return {in_flight(b.turret.shots), in_flight(b.weak_spot.shots)}; }
std::vector<Target> targets(const Boss6& b) {
    Target head = body_of(b);
    head.at = {b.head, bx_of(b) + Boss6::head_x, by_of(b) + Boss6::head_y};
    head.before = {b.body, bx_of(b), by_of(b)};
    return {head};
}
std::vector<int> guns(const Boss6& b) {
    int n = 0;
    for (const Boss6Leg& leg : b.legs) n += in_flight(leg.leg_bullets);
    return {n};
}
// Its turrets first, which the body would take the bullet from; then the body.
std::vector<Target> targets(const Boss7& b) {
    std::vector<Target> all;
    for (const BossTurret& turret : b.turrets) {
        Target t = part_of(turret, bx_of(b), by_of(b));
        t.before = body_of(b).at;
        all.push_back(t);
    }
    all.push_back(body_of(b));
    return all;
}
std::vector<int> guns(const Boss7& b) {
    int n = 0;
    for (const BossTurret& turret : b.turrets) n += in_flight(turret.bullets);
    return {in_flight(b.bullets), n};
}
std::vector<Target> targets(const Boss8& b) { return {body_of(b)}; }
std::vector<int> guns(const Boss8& b) {
    return {in_flight(b.bullets), in_flight(b.turrets[0].turret_bullets) + in_flight(b.turrets[1].turret_bullets)};
}
std::vector<Target> targets(const Boss9& b) { return {body_of(b)}; }
std::vector<int> guns(const Boss9& b) { return {in_flight(b.bullets), in_flight(b.turret.turret_bullets)}; }
// The side turrets of each side, then the main turret they guard; the core last.
std::vector<Target> targets(const Boss10& b) {
    const auto& side = b.side_turrets;
    const auto& main = b.main_turrets;
    const int bx = bx_of(b), by = by_of(b);
    return {part_of(side[0], bx, by), part_of(side[1], bx, by), part_of(main[0], bx, by), part_of(side[2], bx, by),
            part_of(side[3], bx, by), part_of(main[1], bx, by), part_of(b.phaser, bx, by)};
}
std::vector<int> guns(const Boss10& b) {
    const auto& side = b.side_turrets;
    return {in_flight(side[0].bullets), in_flight(side[1].bullets), in_flight(side[2].bullets),
            in_flight(side[3].bullets), !b.main_turrets[0].beam.idle, !b.main_turrets[1].beam.idle,
            in_flight(b.phaser.bullets)};
}

template <class Boss, class = void>
struct has_top_speed : std::false_type {};
template <class Boss>
struct has_top_speed<Boss, std::void_t<decltype(std::declval<Boss&>().max_speed)>> : std::true_type {};

// Top speeds by hit points left, r: 150 < r < 300, 75 < r < 150, and in the warning zone; on a
// bound the speed stays as it was.
struct Bands {
    int target;  // whose hit points
    float at_load, below_300, below_150, warning;
    int warning_below;

    // Coming down one point at a time, the speed that r leaves.
    float at(int r) const {
        if (r >= 300) return at_load;
        if (r >= 150) return below_300;
        return r >= warning_below ? below_150 : warning;
    }
};

enum class Death { circles, stands, endless };
struct DeathPlace {
    Death kind;
    float x = 0.0f, y = 0.0f;  // the centre of a circling death
};

// A gun fires only while at least `opens` and fewer than `closes` targets have fallen.
struct Gate {
    const char* gun;
    int opens, closes;
};

struct Fought;
struct Row;
using Fight = Fought (*)(const Row&);

struct Row {
    const char* name;
    Fight fight;
    std::pair<float, float> start;  // where the fight starts
    int bonus;
    std::vector<int> hit_points;  // of each target, the bonus included
    std::vector<Bands> bands;     // none for a boss whose speed is fixed
    int reward;
    DeathPlace death;
    std::vector<Gate> gates;
};

constexpr int no_launch = -1;

// What a player could tell of the fight.
struct Fought {
    std::vector<int> fell_at;                  // damage each target had taken as it fell
    std::vector<std::pair<int, float>> speeds;  // hit points left by the row, then the top speed
    std::vector<std::pair<int, int>> fired;     // per gun, targets fallen at its first and last launch
    int paid = 0, payments = 0;
    float beaten_x = 0.0f, beaten_y = 0.0f;
    std::vector<std::pair<float, float>> dying_at;
    bool dead = false;
};

// Hit points above this are knocked off in one blow, so that the bands are watched point by
// point from just above the first.
constexpr int watched_from = 310;
constexpr int step_limit = 20000;

Sprite& blow() { return player.bullets[2][0]; }

// Where the blow's corner goes to land on the target and miss what stands before it: the spot nearest the
// middle of the picture.
bool lands(const Sprite& shot, int x, int y, const Target& t) {
    if (!pixel_collision(shot.bitmap, x, y, t.at.picture, t.at.x, t.at.y)) return false;
    return !t.before.picture || !pixel_collision(shot.bitmap, x, y, t.before.picture, t.before.x, t.before.y);
}
std::pair<int, int> spot_on(const Sprite& shot, const Target& t) {
    const int cx = t.at.x + t.at.picture->w / 2 - shot.bitmap->w / 2;
    const int cy = t.at.y + t.at.picture->h / 2 - shot.bitmap->h / 2;
    const int reach = std::max(t.at.picture->w, t.at.picture->h);
    for (int d = 0; d < reach; ++d)
        for (int dy = -d; dy <= d; ++dy)
            for (int dx = -d; dx <= d; ++dx)
                if ((std::abs(dx) == d || std::abs(dy) == d) && lands(shot, cx + dx, cy + dy, t))
                    return {cx + dx, cy + dy};
    ADD_FAILURE() << "no spot on the target";
    return {cx, cy};
}

template <class Boss>
class Arena {
public:
    Arena(Boss& boss, const Row& row) : boss_(boss), row_(row), money_(player.money) {
        fought_.fired.assign(guns(boss).size(), {no_launch, no_launch});
    }

    // One stage step with the blow aimed where the target will stand when its hits are taken.
    void fight_step() {
        blow().deactivate();
        if constexpr (boss_world::has_state_step<Boss>::value) boss_.update_state();
        const std::vector<Target> before = targets(boss_);
        const Target& t = before[fallen_];
        const int left = row_.hit_points[fallen_] - t.life->damage;
        const Bands* bands = watched();
        const int heavy = bands ? left - watched_from : 0;
        const auto [sx, sy] = spot_on(blow(), t);
        enemy_world::aim_ship_bullet(2, 0, static_cast<float>(sx + drift_x_), static_cast<float>(sy + drift_y_));
        blow().damage = std::max(1, heavy);
        watch([this] { boss_.update(); });
        const Target after = targets(boss_)[fallen_];
        drift_x_ = after.at.x - t.at.x;
        drift_y_ = after.at.y - t.at.y;
        if constexpr (has_top_speed<Boss>::value) {
            if (bands) fought_.speeds.push_back({left, boss_.max_speed});
        }
        if (after.fallen) {
            fought_.fell_at.push_back(after.life->damage);
            fallen_ += 1;
            drift_x_ = drift_y_ = 0;
        }
    }
    bool beaten() const { return fallen_ == row_.hit_points.size(); }

    // After the closing dialogue: the death, to the body's end and on.
    void die() {
        fought_.beaten_x = boss_.x;
        fought_.beaten_y = boss_.y;
        boss_.start_death();
        for (int i = 0; i < 1000 && !boss_.dead; ++i) {
            dying_step();
            if (!boss_.dead) fought_.dying_at.push_back({boss_.x, boss_.y});
        }
        for (int i = 0; i < 300; ++i) dying_step();
        fought_.dead = boss_.dead;
    }

    Fought result() const { return fought_; }

private:
    const Bands* watched() const {
        for (const Bands& b : row_.bands)
            if (b.target == static_cast<int>(fallen_)) return &b;
        return nullptr;
    }
    void dying_step() {
        blow().deactivate();
        watch([this] {
            if constexpr (boss_world::has_state_step<Boss>::value) boss_.update_state();
            boss_.update();
        });
    }
    // Runs `update`, then draws; notes the guns that fired and any money paid.
    template <class Update>
    void watch(Update&& update) {
        const std::vector<int> in_flight_before = guns(boss_);
        update();
        boss_.draw(boss_world::scratch());
        const std::vector<int> now = guns(boss_);
        for (std::size_t g = 0; g < now.size(); ++g) {
            if (now[g] <= in_flight_before[g]) continue;
            auto& [first, last] = fought_.fired[g];
            if (first == no_launch) first = static_cast<int>(fallen_);
            last = static_cast<int>(fallen_);
        }
        if (player.money != money_) {
            fought_.paid += player.money - money_;
            fought_.payments += 1;
            money_ = player.money;
        }
    }

    Boss& boss_;
    const Row& row_;
    Fought fought_;
    std::size_t fallen_ = 0;
    int money_;
    int drift_x_ = 0, drift_y_ = 0;
};

template <class Boss>
Fought fight(const Row& row) {
    boss_world::prepare();
    std::srand(7);
    Boss boss;
    boss_world::load(boss);
    boss.set_position(row.start.first, row.start.second);
    boss.add_hit_points(row.bonus);
    boss.show();
    boss.activate();
    Arena<Boss> arena(boss, row);
    for (int i = 0; i < step_limit && !arena.beaten(); ++i) arena.fight_step();
    if (arena.beaten()) arena.die();
    return arena.result();
}

// The bonus a stage of 1 to 9 gives on "NORMAL", and stage 10's; Boss5's stays off its parts.
const std::vector<Row> rows = {
    {"Boss1", fight<Boss1>, {15.0f, 0.0f}, 250, {163, 163, 410}, {}, 2000, {Death::circles, 0.0f, 0.0f},
     {{"left gun", 0, 1}, {"right gun", 0, 2}, {"core", 2, 3}}},
    {"Boss2", fight<Boss2>, {-1.0f, 0.0f}, 250, {283, 283, 650}, {}, 2500, {Death::stands},
     {{"left gun", 0, 1}, {"right gun", 0, 2}, {"core", 2, 3}}},
    {"Boss3", fight<Boss3>, {168.5f, 40.0f}, 250, {1250}, {{0, 3.0f, 4.0f, 4.5f, 5.0f, 75}}, 3000,
     {Death::circles, 168.5f, 75.0f}, {{"fans", 0, 1}, {"turrets", 0, 1}}},
    {"Boss4", fight<Boss4>, {170.0f, 40.0f}, 250, {1450}, {{0, 3.0f, 4.0f, 5.0f, 6.0f, 75}}, 4000,
     {Death::circles, 170.0f, 5.0f}, {{"fans", 0, 1}}},
    {"Boss5", fight<Boss5>, {226.0f, 140.0f}, 250, {700, 750}, {{1, 3.0f, 4.0f, 5.0f, 6.0f, 75}}, 5000,
     {Death::stands}, {{"turret", 0, 1}, {"weak spot", 1, 2}}},
    {"Boss6", fight<Boss6>, {247.0f, 0.0f}, 250, {2250}, {{0, 2.0f, 3.0f, 4.0f, 5.0f, 75}}, 6000,
     {Death::circles, 247.0f, 30.0f}, {{"legs", 0, 1}}},
    {"Boss7", fight<Boss7>, {170.5f, -133.0f}, 250, {100, 100, 100, 2550}, {{3, 5.0f, 4.0f, 5.0f, 6.0f, 75}}, 6500,
     {Death::circles, 170.5f, -133.0f}, {{"fans", 0, 4}, {"turrets", 0, 3}}},
    {"Boss8", fight<Boss8>, {168.5f, 60.0f}, 250, {2750}, {{0, 5.0f, 6.0f, 6.5f, 7.0f, 10}}, 7000,
     {Death::circles, 168.5f, 75.0f}, {{"fans", 0, 1}, {"gun turrets", 0, 1}}},
    {"Boss9", fight<Boss9>, {131.0f, 20.0f}, 250, {3250}, {{0, 5.0f, 6.0f, 7.0f, 8.0f, 75}}, 7500,
     {Death::circles, 131.0f, 1.0f}, {{"fans", 0, 1}, {"gun turret", 0, 1}}},
    {"Boss10", fight<Boss10>, {0.0f, 0.0f}, 500, {316, 316, 666, 316, 316, 666, 1900}, {}, 3000, {Death::endless},
     {{"side turret 1", 0, 1},
      {"side turret 2", 0, 2},
      {"side turret 3", 0, 4},
      {"side turret 4", 0, 5},
      {"left main beam", 0, 3},
      {"right main beam", 0, 6},
      {"core", 6, 7}}},
};

class Fights : public ::testing::TestWithParam<Row> {};

TEST_P(Fights, FoughtToItsEnd) {
    const Row& row = GetParam();
    const Fought f = row.fight(row);
    ASSERT_EQ(f.fell_at.size(), row.hit_points.size()) << "not beaten";
    for (std::size_t t = 0; t < row.hit_points.size(); ++t)
        EXPECT_EQ(f.fell_at[t], row.hit_points[t] + 1) << "target " << t << " falls on the point after its last";

    for (const Bands& bands : row.bands) {
        int wrong = 0;
        for (const auto& [left, speed] : f.speeds)
            if (speed != bands.at(left) && ++wrong <= 3)
                ADD_FAILURE() << "with " << left << " left the top speed is " << speed << ", not " << bands.at(left);
        EXPECT_GE(f.speeds.size(), static_cast<std::size_t>(watched_from));
    }

    EXPECT_EQ(f.paid, row.reward);
    EXPECT_EQ(f.payments, 1);

    EXPECT_EQ(f.dead, row.death.kind != Death::endless);
    ASSERT_FALSE(f.dying_at.empty());
    for (const auto& [x, y] : f.dying_at) {
        if (row.death.kind == Death::circles) {
            ASSERT_NEAR(std::hypot(x - row.death.x, y - row.death.y), 10.0f, 0.01f) << "at " << x << ", " << y;
        } else {
            ASSERT_FLOAT_EQ(x, f.beaten_x);
            ASSERT_FLOAT_EQ(y, f.beaten_y);
        }
    }

    ASSERT_EQ(f.fired.size(), row.gates.size());
    for (std::size_t g = 0; g < row.gates.size(); ++g) {
        const Gate& gate = row.gates[g];
        const auto [first, last] = f.fired[g];
        EXPECT_NE(first, no_launch) << gate.gun << " never fired";
        EXPECT_GE(first, gate.opens) << gate.gun << " fired too soon";
        EXPECT_LT(last, gate.closes) << gate.gun << " fired too late";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBoss, Fights, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
