#include "whole_game/pilot.h"

#include <allegro.h>
#include <loadpng.h>

#include <algorithm>
#include <climits>
#include <type_traits>
#include <utility>

#include "audio_testing.h"
#include "enemies/pools.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "engine/text.h"
#include "engine/timing.h"
#include "player/kv1player.h"
#include "player/player.h"
#include "stages/challenge_stage.h"
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
#include "support/headless_game.h"
#include "support/shooting.h"
#include "support/test_support.h"

namespace whole_game {

namespace {

constexpr int click_passes = 2;      // the button down for one pass, up for the next
constexpr int steps_per_frame = 40;  // a flown stage's logic steps between two drawn frames
constexpr unsigned tick_ms = 17;     // the audio clock's share of one logic step
constexpr int thumb_w = 128, thumb_h = 96, sheet_columns = 10, sheet_rows = 8;

Pilot* pilot = nullptr;

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

struct Stalled {};

void pilot_pass() { pilot->before_pass(); }

template <Screen screen>
NextScreen traced(const ScreenArgs& args) {
    return pilot->visit(screen, args, reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
}

// A traced row for every screen after none.
template <std::size_t... i>
std::vector<ScreenRow> traced_table(std::index_sequence<i...>) {
    return {{static_cast<Screen>(i + 1), traced<static_cast<Screen>(i + 1)>}...};
}
constexpr std::size_t screen_count = static_cast<std::size_t>(Screen::what_to_do);

// The KV2 stages, built as their screens build them, so the pilot can reach their bosses.
using StageMaker = std::unique_ptr<StageRunner> (*)(const ScreenArgs&);

template <class Stage>
std::unique_ptr<StageRunner> make_stage(const ScreenArgs&) {
    return std::make_unique<Stage>();
}
std::unique_ptr<StageRunner> make_challenge(const ScreenArgs& args) {
    return std::make_unique<ChallengeStage>(args[0]);
}

const std::pair<Screen, StageMaker> kv2_stages[] = {
    {Screen::stage_one, make_stage<StageOne>},     {Screen::stage_two, make_stage<StageTwo>},
    {Screen::stage_three, make_stage<StageThree>}, {Screen::stage_four, make_stage<StageFour>},
    {Screen::stage_five, make_stage<StageFive>},   {Screen::stage_six, make_stage<StageSix>},
    {Screen::stage_seven, make_stage<StageSeven>}, {Screen::stage_eight, make_stage<StageEight>},
    {Screen::stage_nine, make_stage<StageNine>},   {Screen::stage_ten, make_stage<StageTen>},
    {Screen::challenge_stage, make_challenge},
};

StageMaker stage_maker(Screen screen) {
    for (const auto& [stage, make] : kv2_stages)
        if (stage == screen) return make;
    return nullptr;
}

ScreenFunction game_row(Screen screen) {
    for (const ScreenRow& row : screen_table)
        if (row.screen == screen) return row.run;
    return nullptr;
}

// Calls f with the boss behind `stage_boss` as its own class; nothing for a stage without one.
template <class... Bosses, class F>
void as_boss_of(StageBoss& stage_boss, F&& f) {
    (void)((dynamic_cast<BossAdapter<Bosses>*>(&stage_boss)
                ? (f(dynamic_cast<BossAdapter<Bosses>*>(&stage_boss)->boss), true)
                : false) ||
           ...);
}
template <class F>
void as_boss(StageBoss& stage_boss, F&& f) {
    as_boss_of<Boss1, Boss2, Boss3, Boss4, Boss5, Boss6, Boss7, Boss8, Boss9, Boss10>(stage_boss, f);
}

std::vector<StageBoss*> bosses_of(StageRunner& stage) {
    auto* ten = dynamic_cast<StageTen*>(&stage);
    if (!ten) return {stage.boss.get()};
    std::vector<StageBoss*> bosses;
    for (auto& boss : ten->rush().earlier) bosses.push_back(boss.get());
    bosses.push_back(&ten->rush().last);
    return bosses;
}

// The boss the ship is fighting now, if any: stage 10 fights its earlier bosses in turn on a
// stopped floor before the last one.
StageBoss* boss_in_fight(StageRunner& stage) {
    if (auto* ten = dynamic_cast<StageTen*>(&stage)) {
        const int i = ten->fight_count - 1;
        if (!stage.boss_fight && i >= 0 && i < BossRush::earlier_count && scroll_speed == 0)
            return ten->rush().earlier[i].get();
        return stage.boss_fight ? &ten->rush().last : nullptr;
    }
    return stage.boss_fight ? stage.boss.get() : nullptr;
}

// Boss10 pays as its core is lost; the others at the end of their death.
template <class Boss>
int rewards_paid(const Boss& boss) {
    if constexpr (std::is_same_v<Boss, Boss10>) return boss.reward_paid + (boss.state == BossHead::dying ? 1 : 0);
    return boss.reward_paid;
}

bool bosses_paid_once(StageRunner& stage) {
    bool once = true;
    for (StageBoss* boss : bosses_of(stage)) as_boss(*boss, [&](auto& b) { once = once && rewards_paid(b) == 1; });
    return once;
}

template <class Kind, std::size_t n>
void shoot_kv1_pool(Kind (&pool)[n]) {
    for (Kind& record : pool)
        if (record.in_play && !record.dying) testing_support::destroy(record);
}

void shoot_kv1() {
    shoot_kv1_pool(kv1_enemy_one_pool);
    shoot_kv1_pool(kv1_enemy_two_pool);
    shoot_kv1_pool(kv1_enemy_three_pool);
    shoot_kv1_pool(kv1_enemy_four_pool);
}

// The ship blinks throughout, and so cannot be hit.
void shield_ship() {
    player.blinking = true;
    player.blink_timer = 0;
}

void release_input() {
    for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
    mouse_x = mouse_y = mouse_b = 0;
}

// Allegro names keys only with its keyboard driver installed.
const char* space_name(int) { return "space"; }

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

}  // namespace

void load_game() {
    // The shake's timer needs a display.
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    key_name_source = space_name;
    testing_support::load_whole_game();
    // As start-up does: some boss parts are PNG pictures loaded by extension.
    register_png_file_type();
}

Pilot::Pilot(std::vector<Leg> script, int settle)
    : script_(std::move(script)),
      settle_(settle),
      table_(traced_table(std::make_index_sequence<screen_count>())),
      lowest_money_(INT_MAX),
      sheet_(create_bitmap(thumb_w * sheet_columns, thumb_h * sheet_rows), destroy_bitmap) {
    clear_bitmap(sheet_.get());
    pilot = this;
    FrameLoop::before_pass = pilot_pass;
}

Pilot::~Pilot() {
    FrameLoop::before_pass = nullptr;
    pilot = nullptr;
}

std::string Pilot::trail(std::size_t count) const {
    std::string text;
    for (std::size_t i = visits_.size() > count ? visits_.size() - count : 0; i < visits_.size(); ++i) {
        const Visit& v = visits_[i];
        text += std::to_string(i) + ": " + std::to_string(static_cast<int>(v.screen)) + "(" + std::to_string(v.arg) +
                ") " + std::to_string(v.passes) + " passes\n";
    }
    return text;
}

void Pilot::fly(NextScreen first) {
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    try {
        run_screens(first, table_);
    } catch (const Stalled&) {
        stalled_ = true;
        stage_ = nullptr;
        leg_ = nullptr;
    }
    release_input();
    speed_counter = 0;
}

NextScreen Pilot::visit(Screen screen, const ScreenArgs& args, std::uintptr_t stack) {
    const std::size_t n = visits_.size();
    visits_.push_back({screen, args[0], stack});
    if (n >= script_.size() || script_[n].screen != screen || script_[n].arg != args[0]) return {};
    leg_ = &script_[n];
    release_input();
    const StageMaker make = stage_maker(screen);
    const NextScreen next = make ? run_stage(make(args)) : game_row(screen)(args);
    visits_.back().shields_out = player.shield_count;
    leg_ = nullptr;
    if (after_visit) after_visit(visits_.size());
    return next;
}

NextScreen Pilot::run_stage(std::unique_ptr<StageRunner> stage) {
    stage_ = stage.get();
    const NextScreen next = stage->run();
    visits_.back().bosses_paid_once = bosses_paid_once(*stage);
    stage_ = nullptr;
    return next;
}

void Pilot::before_pass() {
    Visit& visit = visits_.back();
    if (++visit.passes > pass_limit) throw Stalled{};
    if (visit.passes == 1) {
        visit.money_in = player.money;
        visit.shields_in = player.shield_count;
    }
    if (visit.passes == settle_ + 1) snapshot();
    speed_counter = 1;
    const bool flown = leg_->clicks.empty() && leg_->taps.empty();
    if (stage_ && flown) return fly_stage();
    if (stage_) shield_ship();
    if (visit.screen == Screen::kv1_stage && flown) shoot_kv1();
    // A stage that fades out is asked nothing more: its pause panel stays on screen, and each
    // further click on "Exit to Menu" would start the music's fade again.
    if (stage_ && stage_->fading_out)
        release_input();
    else
        press_and_click();
    tick();
}

// Most steps run here, undrawn; the pass runs one more and draws it. A fade-out runs pass by pass.
void Pilot::fly_stage() {
    for (int i = 0; i < steps_per_frame && !stage_->fading_out; ++i) {
        step_stage();
        stage_->step();
    }
    step_stage();
}

void Pilot::step_stage() {
    shield_ship();
    testing_support::shoot_in_view();
    key[key_text_advance] = stage_->dialog_active && !key[key_text_advance];
    if (StageBoss* boss = boss_in_fight(*stage_); boss && !boss->beaten())
        as_boss(*boss, [](auto& b) { testing_support::beat(b); });
    tick();
}

void Pilot::press_and_click() {
    const int n = visits_.back().passes - settle_;
    if (n < 0) return;
    const bool down = n % 2 == 0;
    for (int k : leg_->taps) key[k] = down;
    if (leg_->clicks.empty()) return;
    const Spot at = leg_->clicks[std::min<std::size_t>(n / click_passes, leg_->clicks.size() - 1)];
    mouse_x = at.x;
    mouse_y = at.y;
    mouse_b = down ? 1 : 0;
}

void Pilot::snapshot() {
    const int i = static_cast<int>(visits_.size()) - 1;
    if (i >= sheet_columns * sheet_rows) return;
    BITMAP* page = testing_support::screen_page();
    stretch_blit(page, sheet_.get(), 0, 0, page->w, page->h, (i % sheet_columns) * thumb_w, (i / sheet_columns) * thumb_h,
                 thumb_w, thumb_h);
}

void Pilot::tick() {
    audio_testing::advance(fmod_system, tick_ms);
    lowest_money_ = std::min(lowest_money_, player.money);
}

}  // namespace whole_game
