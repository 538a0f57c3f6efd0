// One whole frame (logic step, compose, fade and copy to the page) at the busiest moment of every
// stage and every boss fight of both episodes, and the logic step of it alone. A stage is played
// from its start, its enemies shot down as they come, up to its fullest phase; there everything
// becomes unbreakable. A fight is reached the same way and talked through; there the boss keeps
// every weapon it has in use. A beaten boss is talked through to its death, whose explosions go on
// for as long as measured with its shots still flying. Throughout, every shot slot of the ship is
// live and its beam bomb burns. Each row counts the enemies (a boss is one), the bullets and the
// explosions its last frame drew.
//
// With --window the frames are copied to the game's own window, as the game does, instead of to a
// page in memory: run it by hand under an X server (Xvfb at 24-bit depth, as the README says).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "game_world.h"
#include "ship_shots.h"
#include "game/resource_loader.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/kv1player.h"
#include "player/player.h"
#include "stages/challenge_stage.h"
#include "stages/kv1_stage.h"
#include "stages/stage_eight.h"
#include "stages/stage_five.h"
#include "stages/stage_four.h"
#include "stages/stage_nine.h"
#include "stages/stage_one.h"
#include "stages/stage_seven.h"
#include "stages/stage_six.h"
#include "stages/stage_ten.h"
#include "stages/stage_three.h"
#include "stages/stage_two.h"
#include "support/shooting.h"

namespace {

constexpr int endless = 1 << 28;  // nothing is shot away while measured

// Off for the contact sheet: the ship holds its fire, so nothing hides what the enemies do.
bool ship_firing = true;

bool on_screen(float x, float y, int w, int h) {
    return y > static_cast<float>(-h) && y < 480.0f && x > static_cast<float>(-w) && x < 640.0f;
}

// A record that is drawn whole or in part.
bool on_screen(const Enemy& r) { return r.in_play && r.visible && !r.dying && on_screen(r.x, r.y, r.w, r.h); }

template <class Record, class = void>
constexpr bool armed = false;
template <class Record>
constexpr bool armed<Record, std::void_t<decltype(std::declval<Record&>().bullets)>> = true;

// What a frame draws: the enemies (a boss is one), the bullets in flight and the explosions.
struct Census {
    int enemies = 0, bullets = 0, explosions = 0;

    template <size_t n>
    void shots(const std::array<Sprite, n>& pool) {
        for (const Sprite& shot : pool) bullets += shot.active && on_screen(shot.x, shot.y, shot.w, shot.h);
    }
    void explosion(const Explosion& e) { explosions += e.active; }
    template <class Record>
    void record(const Record& r) {
        enemies += on_screen(r);
        explosion(r.explosion);
        if constexpr (armed<Record>) shots(r.bullets);
    }
};

// Out of play and back to its kind's hit points: no record stays unbreakable, or is counted,
// in the next scene.
void retire(Enemy& r) {
    r.object_reset();
    r.leave_play();
    r.hide();
}

template <class F>
void for_every_record(F f) {
    for (const Group& group : every_kv2_pool) for_each_record(group, f);
}

template <class F>
void for_every_kv1_record(F f) {
    for (auto& r : kv1_enemy_one_pool) f(r);
    for (auto& r : kv1_enemy_two_pool) f(r);
    for (auto& r : kv1_enemy_three_pool) f(r);
    for (auto& r : kv1_enemy_four_pool) f(r);
}

template <class Done>
void steps_until(StageRunner& stage, Done done) {
    for (int i = 0; i < 40000 && !done(); ++i) stage.step();
}

void steps(StageRunner& stage, int n) {
    for (int i = 0; i < n; ++i) stage.step();
}

// The stage played until phase `phase` has run a while, everything in it then unbreakable.
template <class Stage>
std::unique_ptr<StageRunner> in_phase(int phase) {
    auto stage = std::make_unique<Stage>();
    stage->set_up();
    steps_until(*stage, [&] {
        testing_support::shoot_in_view();
        return stage->wave_phase >= phase;
    });
    for_every_record([](Enemy& r) { r.add_hit_points(endless); });
    steps(*stage, 240);
    return stage;
}

// The text key tapped until the talk is over.
void talk_through(StageRunner& stage, const std::function<bool()>& over) {
    for (int i = 0; i < 4000 && !over(); ++i) {
        key[key_text_advance] = i % 2;
        stage.step();
    }
    key[key_text_advance] = 0;
}

// The stage played through its waves to its boss's fight, the boss unbreakable.
template <class Stage>
std::unique_ptr<StageRunner> in_fight() {
    auto stage = std::make_unique<Stage>();
    stage->set_up();
    steps_until(*stage, [&] {
        testing_support::shoot_in_view();
        return stage->dialog_active;
    });
    talk_through(*stage, [&] { return stage->boss_fight; });
    stage->boss->add_hit_points(endless);
    return stage;
}

// Stage 10 from its start: the first of the rush at its floor, or the last fight after its talk.
std::unique_ptr<StageRunner> rush_fight() {
    auto stage = std::make_unique<StageTen>();
    stage->set_up();
    steps_until(*stage, [&] { return stage->fight_count >= 1; });
    stage->rush().earlier[0]->add_hit_points(endless);
    return stage;
}

std::unique_ptr<StageRunner> final_fight() {
    auto stage = std::make_unique<StageTen>();
    stage->set_up();
    steps(*stage, 200);
    stage->fight_count = BossRush::earlier_count;
    stage->marks.back() = 0;
    stage->rush().last.set_position(0.0f, 0.0f);
    stage->rush().last.show();
    talk_through(*stage, [&] { return stage->boss_fight; });
    stage->rush().last.add_hit_points(endless);
    return stage;
}

std::unique_ptr<StageRunner> mid_train() {
    auto stage = std::make_unique<ChallengeStage>(3);
    stage->set_up();
    for (EnemyNine& r : enemy_nine_pool) r.add_hit_points(endless);
    steps_until(*stage, [] { return enemy_nine_pool[4].entered; });
    return stage;
}

// ---------------------------------------------------------------------------------------------
// The bosses: their shots, kept flying, a fight's weapons kept firing, a death kept going.

template <class Boss>
Boss& typed(StageBoss& boss) {
    return static_cast<BossAdapter<Boss>&>(boss).boss;
}

// Every shot pool of each boss.
template <class Gun, class F>
void for_each_shot_pool(GunnedCoreBoss<Gun>& boss, F f) {
    f(boss.phaser.bullets);
    f(boss.left_gun.bullets);
    f(boss.right_gun.bullets);
}
template <class F>
void for_each_shot_pool(Boss3& boss, F f) {
    f(boss.bullets);
    for (Boss3Turret& turret : boss.turrets) f(turret.shots);
}
template <class F>
void for_each_shot_pool(Boss4& boss, F f) {
    f(boss.bullets);
}
template <class F>
void for_each_shot_pool(Boss5& boss, F f) {
    f(boss.turret.shots);
    f(boss.weak_spot.shots);
}
template <class F>
void for_each_shot_pool(Boss6& boss, F f) {
    f(boss.bullets);
    for (Boss6Leg& leg : boss.legs) f(leg.leg_bullets);
}
template <class F>
void for_each_shot_pool(Boss7& boss, F f) {
    f(boss.bullets);
    for (BossTurret& turret : boss.turrets) f(turret.bullets);
}
template <class F>
void for_each_shot_pool(Boss8& boss, F f) {
    f(boss.bullets);
    for (BossGunTurret& turret : boss.turrets) f(turret.turret_bullets);
}
template <class F>
void for_each_shot_pool(Boss9& boss, F f) {
    f(boss.bullets);
    f(boss.turret.turret_bullets);
}
template <class F>
void for_each_shot_pool(Boss10& boss, F f) {
    f(boss.phaser.bullets);
    for (BossTurret& turret : boss.side_turrets) f(turret.bullets);
}

// A shot that has left the field is sent again from the boss's body.
template <class Boss>
void keep_flying(Boss& boss) {
    for_each_shot_pool(boss, [&](auto& shots) {
        int i = 0;
        for (Sprite& shot : shots) {
            float heading = 32.0f + 16.0f * static_cast<float>(i++ % 5);
            if (shot.active) continue;
            shot.launch_from(boss.x + 150.0f, boss.y + 100.0f);
            shot.set_angle(heading, 0.0f);
            shot.active = true;
        }
    });
}

// The weapons that fire only when armed: the core's fan and its beam, Boss3's turrets, Boss5's
// turret (unbreakable), Boss10's main turrets unshielded and sweeping; the others fire by
// themselves.
void keep_firing(BossHead&) {}

void keep_firing(CoreBoss& boss) {
    boss.phaser.arm();
    if (boss.beam.idle) boss.beam.start();
}

void keep_firing(Boss3& boss) {
    for (Boss3Turret& turret : boss.turrets) turret.firing = true;
}

void keep_firing(Boss5& boss) {
    boss.turret.hit_points = endless;
    boss.turret.volley_on = 1;
}

// A main turret whose beam went out lights it again, sweeping.
void keep_sweeping(BossMainTurret& turret) {
    if (!turret.beam.idle) return;
    turret.charges = 1;
    (turret.id == 1 ? turret.sweeping_down : turret.sweeping_up) = true;
    turret.beam.start();
}

void keep_firing(Boss10& boss) {
    keep_firing(static_cast<CoreBoss&>(boss));
    for (BossMainTurret& turret : boss.main_turrets) {
        turret.shielded = false;
        keep_sweeping(turret);
    }
}

template <class Boss>
void keep_busy(Boss& boss) {
    keep_flying(boss);
    keep_firing(boss);
}

// The death's explosions started over once the last has begun, before the fade it brings ends
// the death; Boss10's rounds of them kept short of the one that ends the stage.
void replay_death(BossHead& boss) {
    if (boss.explosion_index < BossHead::explosion_count - 1 || !boss.explosion_started) return;
    boss.explosion_index = 0;
    boss.explosion_started = 0;
    boss.fading = 0;
}

void replay_death(Boss10& boss) { boss.death_round = 0; }

template <class Boss>
void keep_dying(Boss& boss) {
    keep_flying(boss);
    replay_death(boss);
}

// One blow of the tests' direct hits, in the order the fight allows: Boss5's turret goes first,
// as its weak spot only fights once the turret is gone.
template <class Boss>
void beat_down(Boss& boss) {
    testing_support::beat(boss);
}

void beat_down(Boss5& boss) {
    if (boss.turret.destroyed) testing_support::beat(boss);
    else testing_support::destroy(boss.turret);
}

template <class Boss>
void count_boss(Boss& boss, Census& census) {
    census.enemies += boss.visible && !boss.dead;
    for (const Explosion& explosion : boss.explosions) census.explosion(explosion);
    for_each_shot_pool(boss, [&](const auto& shots) { census.shots(shots); });
}

// ---------------------------------------------------------------------------------------------
// What is measured.

// A screen under measure: one logic step, and one frame composed and put on the page the way
// the frame loop does both.
class Scene {
public:
    virtual ~Scene() = default;
    virtual void step() = 0;
    virtual int phase() const { return 0; }
    virtual bool boss_beaten() const { return false; }  // at any step so far
    virtual Census census() const = 0;
    void frame() {
        step();
        acquire_active_page();
        draw();
        update_screen();
    }

private:
    virtual void draw() = 0;
};

// What a scene does with its boss every step, and the boss's share of the census.
struct BossHooks {
    std::function<void(StageRunner&)> step;
    std::function<void(StageRunner&, Census&)> count;
};

using BossOf = StageBoss& (*)(StageRunner&);

StageBoss& stage_boss(StageRunner& stage) { return *stage.boss; }
StageBoss& rush_first(StageRunner& stage) { return *static_cast<StageTen&>(stage).rush().earlier[0]; }
StageBoss& rush_last(StageRunner& stage) { return static_cast<StageTen&>(stage).rush().last; }

template <class Boss>
BossHooks hooks(BossOf boss_of, void (*step)(Boss&)) {
    return {[=](StageRunner& s) { step(typed<Boss>(boss_of(s))); },
            [=](StageRunner& s, Census& census) { count_boss(typed<Boss>(boss_of(s)), census); }};
}

class StageScene final : public Scene {
public:
    StageScene(std::unique_ptr<StageRunner> stage, BossHooks boss) : stage_(std::move(stage)), boss_(std::move(boss)) {}
    ~StageScene() override {
        key[key_shoot] = 0;
        stage_->finish();
        for_every_record(retire);
    }

    void step() override {
        if (ship_firing) {
            key[key_shoot] = 1;
            player.gun_level = 4;
            player.bomb1.idle = false;
            player.bomb1.frame = 0;
            fly_ship_shots();
        }
        if (boss_.step) boss_.step(*stage_);
        stage_->step();
        beaten_ = beaten_ || stage_->boss->beaten();
    }

    int phase() const override { return stage_->boss_fight ? 9 : stage_->wave_phase; }
    bool boss_beaten() const override { return beaten_; }
    Census census() const override {
        Census census;
        for_every_record([&](auto& r) { census.record(r); });
        for (const auto& group : player.bullets) census.shots(group);
        for (const Helper& helper : player.helpers) census.shots(helper.bullets);
        census.explosion(player.explosion);
        if (boss_.count) boss_.count(*stage_, census);
        return census;
    }

private:
    void draw() override { stage_->draw(); }

    std::unique_ptr<StageRunner> stage_;
    BossHooks boss_;
    bool beaten_ = false;
};

// KV1's largest random mix (70 records) marching with their shots out; the ship, firing, never
// loses a life, so the stage never fades out.
class Kv1Scene final : public Scene {
public:
    Kv1Scene() : stage_({70, 0, 3, 3, 5, 1}) {
        for_every_kv1_record([](Enemy& r) { r.add_hit_points(endless); });
        for (int i = 0; i < 600; ++i) step();
    }
    ~Kv1Scene() override {
        key[key_shoot] = 0;
        for_every_kv1_record(retire);
    }

    void step() override {
        key[key_shoot] = ship_firing;
        kv1_player.hit_count = 0;
        stage_.step();
    }

    Census census() const override {
        Census census;
        for_every_kv1_record([&](auto& r) { census.record(r); });
        for (const auto& group : kv1_player.bullets) census.shots(group);
        census.explosion(kv1_player.explosion);
        return census;
    }

private:
    void draw() override { stage_.draw(); }

    Kv1Stage stage_;
};

using MakeScene = std::function<std::unique_ptr<Scene>()>;

template <class Make>
MakeScene stage_scene(Make make, BossHooks boss = {}) {
    return [=] { return std::make_unique<StageScene>(make(), boss); };
}

template <class Stage, class Boss>
MakeScene fight_scene() {
    return stage_scene(in_fight<Stage>, hooks<Boss>(stage_boss, keep_busy<Boss>));
}

// The fight reached, the boss beaten and the talk after it given: its death under full fire.
template <class Boss, class Make>
MakeScene beaten_scene(Make make, BossOf boss_of) {
    return stage_scene(
        [=] {
            auto stage = make();
            steps_until(*stage, [&] {
                beat_down(typed<Boss>(boss_of(*stage)));
                return stage->dialog_active;
            });
            talk_through(*stage, [&] { return !stage->dialog_active; });
            return stage;
        },
        hooks<Boss>(boss_of, keep_dying<Boss>));
}

template <class Stage, class Boss>
MakeScene beaten_scene() {
    return beaten_scene<Boss>(in_fight<Stage>, stage_boss);
}

template <class Stage>
MakeScene phase_scene(int phase) {
    return stage_scene([phase] { return in_phase<Stage>(phase); });
}

struct Row {
    const char* name;
    MakeScene make;
};

// Each wave stage at the phase that puts the most enemies on the screen; stage 10, which has only
// bosses, at the first fight of its rush, between the fortress walls.
const std::vector<Row>& rows() {
    static const std::vector<Row> table{
        {"stage1", phase_scene<StageOne>(3)},
        {"stage2", phase_scene<StageTwo>(4)},
        {"stage3", phase_scene<StageThree>(4)},
        {"stage4", phase_scene<StageFour>(4)},
        {"stage5", phase_scene<StageFive>(4)},
        {"stage6", phase_scene<StageSix>(4)},
        {"stage7", phase_scene<StageSeven>(4)},
        {"stage8", phase_scene<StageEight>(4)},
        {"stage9", phase_scene<StageNine>(4)},
        {"stage10", stage_scene(rush_fight, hooks<Boss1>(rush_first, keep_busy<Boss1>))},
        {"challenge", stage_scene(mid_train)},
        {"kv1", [] { return std::unique_ptr<Scene>(std::make_unique<Kv1Scene>()); }},
        {"boss1", fight_scene<StageOne, Boss1>()},
        {"boss2", fight_scene<StageTwo, Boss2>()},
        {"boss3", fight_scene<StageThree, Boss3>()},
        {"boss4", fight_scene<StageFour, Boss4>()},
        {"boss5", fight_scene<StageFive, Boss5>()},
        {"boss6", fight_scene<StageSix, Boss6>()},
        {"boss7", fight_scene<StageSeven, Boss7>()},
        {"boss8", fight_scene<StageEight, Boss8>()},
        {"boss9", fight_scene<StageNine, Boss9>()},
        {"boss10", stage_scene(final_fight, hooks<Boss10>(rush_last, keep_busy<Boss10>))},
        {"boss1_beaten", beaten_scene<StageOne, Boss1>()},
        {"boss2_beaten", beaten_scene<StageTwo, Boss2>()},
        {"boss3_beaten", beaten_scene<StageThree, Boss3>()},
        {"boss4_beaten", beaten_scene<StageFour, Boss4>()},
        {"boss5_beaten", beaten_scene<StageFive, Boss5>()},
        {"boss6_beaten", beaten_scene<StageSix, Boss6>()},
        {"boss7_beaten", beaten_scene<StageSeven, Boss7>()},
        {"boss8_beaten", beaten_scene<StageEight, Boss8>()},
        {"boss9_beaten", beaten_scene<StageNine, Boss9>()},
        {"boss10_beaten", beaten_scene<Boss10>(final_fight, rush_last)},
    };
    return table;
}

// The measured state holds for the 600 steps (ten seconds of play) each run is given.
constexpr int measured_steps = 600;

void report(benchmark::State& state, const Scene& scene) {
    const Census census = scene.census();
    state.counters["enemies"] = census.enemies;
    state.counters["bullets"] = census.bullets;
    state.counters["explosions"] = census.explosions;
    state.counters["phase"] = scene.phase();  // 9: the boss fight
    state.counters["beaten"] = scene.boss_beaten();
}

double thread_cpu_us() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Also the frame's own processor time, on average and at its slowest: the time columns count
// every thread of the process and, on a busy machine, the waits for a core.
void BM_Frame(benchmark::State& state, const Row* row) {
    auto scene = row->make();
    scene->frame();  // the first after the set-up runs from cold caches
    double total = 0.0, slowest = 0.0;
    for (auto _ : state) {
        const double start = thread_cpu_us();
        scene->frame();
        const double spent = thread_cpu_us() - start;
        total += spent;
        slowest = std::max(slowest, spent);
    }
    report(state, *scene);
    state.counters["cpu_us"] = total / static_cast<double>(state.iterations());
    state.counters["slowest_us"] = slowest;
}

void BM_Step(benchmark::State& state, const Row* row) {
    auto scene = row->make();
    for (auto _ : state) scene->step();
    report(state, *scene);
}

// One frame of every stage and fight a second in, the ship holding its fire, at full size four to
// a row: a sheet to look at.
bool save_contact_sheet(const char* path) {
    constexpr int columns = 4, settle = 60;
    std::vector<const Row*> shown;
    for (const Row& row : rows())
        if (std::string(row.name).find("_beaten") == std::string::npos) shown.push_back(&row);
    const int count = static_cast<int>(shown.size());
    BITMAP* sheet = create_bitmap(columns * 640, (count + columns - 1) / columns * 480);
    clear_bitmap(sheet);
    ship_firing = false;
    for (int i = 0; i < count; ++i) {
        auto scene = shown[i]->make();
        for (int f = 0; f < settle; ++f) scene->frame();
        blit(screen, sheet, 0, 0, i % columns * 640, i / columns * 480, 640, 480);
        textout_ex(sheet, font, shown[i]->name, i % columns * 640 + 4, i / columns * 480 + 24, makecol(255, 255, 0), 0);
    }
    const bool saved = save_png(path, sheet, nullptr) == 0;
    destroy_bitmap(sheet);
    return saved;
}

// Takes --window out of the arguments; true when it was there.
bool window_asked(int& argc, char** argv) {
    auto end = std::remove_if(argv + 1, argv + argc, [](const char* arg) { return std::string(arg) == "--window"; });
    bool asked = end != argv + argc;
    argc = static_cast<int>(end - argv);
    return asked;
}

}  // namespace

// Everything loads from the data tree: run from build/game or set VOIDMARCH_DATA. With --window
// only the frames are measured, as window/<row>.
// `--contact-sheet PATH` saves a sheet of every scene's frame instead of measuring.
int main(int argc, char** argv) {
    const bool window = window_asked(argc, argv);
    if (!bench_world::start(window)) return 2;
    bench_world::load_whole_game(window);
    player.load(1);
    player_face = datafile_bitmap(faces_datafile[0]);
    player.money = endless;  // hits never end the run
    kv1_player.load();
    if (argc == 3 && std::string(argv[1]) == "--contact-sheet") return save_contact_sheet(argv[2]) ? 0 : 1;
    for (const Row& row : rows()) {
        auto measures = window ? std::vector{std::pair{"window/", BM_Frame}}
                               : std::vector{std::pair{"frame/", BM_Frame}, std::pair{"step/", BM_Step}};
        for (auto [kind, measure] : measures)
            benchmark::RegisterBenchmark((kind + std::string(row.name)).c_str(), measure, &row)
                ->Iterations(measured_steps)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
