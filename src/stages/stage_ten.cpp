#include "stages/stage_ten.h"
#include "stages/playfield.h"

#include "bosses/boss4.h"
#include "bosses/boss6.h"
#include "bosses/boss8.h"
#include "bosses/boss9.h"
#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

constexpr int rush_count = BossRush::earlier_count;
constexpr int last_mark = rush_count;
constexpr int mark_reached = -3;
constexpr int rush_speed = 3;
constexpr int fly_off_round = 5;
constexpr int wall_margin = 10;

// Where each boss waits, Boss1 to Boss9, then Boss10.
struct Place {
    float x;
    int below_mark;
};
constexpr Place places[rush_count + 1] = {{0.0f, 0}, {0.0f, 0}, {170.0f, 5}, {247.0f, 10},
                                          {168.5f, 75}, {131.0f, 1}, {0.0f, 0}};
constexpr int earlier_bonus = 250;  // by difficulty level
constexpr int last_bonus[4] = {0, 500, 750, 1000};

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "So, we finally meet... "},
    {Speaker::pilot, 1, "Where is my family, you PRICK?? "},
    {Speaker::boss, 1, "Hm Hm Hm... You have no patience, Adam. "},
    {Speaker::pilot, 2, "I have plenty of patience. I've been without them long enough. "},
    {Speaker::boss, 2, "You really love them, don't you? Too bad you'll never see them again. "},
    {Speaker::pilot, 3, "That's where you're mistaken. We WILL be together again! "},
    {Speaker::boss, 3, "Are they really worth fighting for? "},
    {Speaker::pilot, 4, "They are worth dying for.... "},
    {Speaker::boss, 4, "Well DEATH is something I can help you achieve. "},
    {Speaker::pilot, 5, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "Ah, Kim! It's been a long time. How are you? "},
    {Speaker::pilot, 1, "Obviously, it hasn't been long enough. "},
    {Speaker::boss, 1, "That's no way to greet an old friend. "},
    {Speaker::pilot, 2, "What 'friend' are you speaking of? "},
    {Speaker::boss, 2, "Haha! I must say, I DO miss your sense of humor. "},
    {Speaker::pilot, 3, " I find nothing funny. I have dispensed of your flunkies, so give me what I came for. "},
    {Speaker::boss, 3, "There goes that humor again. Or what, Kim? "},
    {Speaker::pilot, 4, "Or, your fate will be the same as your servants. "},
    {Speaker::boss, 4, "Well, I'm not in the giving mood. Looks like your going to have to take what you want. "},
    {Speaker::pilot, 5, "Heh, fine with me. Just so you know, I'm not the same person I was before... "},
    {Speaker::boss, 5, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "Heh. Not what I expected to happen. Now onto round 2. "},
    {Speaker::pilot, 1, "RELEASE MY FAMILY!! "},
    {Speaker::boss, 1, "Let's see you survive the bomb that was set to go off at the moment I've been defeated. "},
    {Speaker::pilot, 2, "With or without your help, I WILL find them!!! Enjoy hell! "},
    {Speaker::boss, 2, "See you there. "},
    {Speaker::pilot, 3, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "So, the little girl has grown up.... *cough* *cough* "},
    {Speaker::pilot, 1, "I couldn't have said it any better. So, where are they? "},
    {Speaker::boss, 1, "Heh, you can never top me. I'm always one step ahead. If I'm ever defeat, a bomb will be activated to destroy this whole fortress. So, I guess we all lose.  "},
    {Speaker::pilot, 2, "You can kill yourself ten times over for all I care...I'll find them before you get the chance, though. "},
    {Speaker::boss, 2, "You're ok to try. "},
    {Speaker::pilot, 3, nullptr},
};

const StageData stage_ten_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    10,
    &tune_stage10,
    &tune_boss_2,
    "gfx/faces/boss_10_face.png",
    true,
    {
        // {start, picture, layer, x, shown above}
        {-960, nullptr, ScrollMark::none, 0, 0},
        {-2880, nullptr, ScrollMark::none, 0, 0},
        {-3840, nullptr, ScrollMark::none, 0, 0},
        {-5760, nullptr, ScrollMark::none, 0, 0},
        {-6720, nullptr, ScrollMark::none, 0, 0},
        {-8640, nullptr, ScrollMark::none, 0, 0},
        {-9600, nullptr, ScrollMark::none, 0, 0},
    },
    {{PoolKind::one, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {},
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    last_mark,
    {},
    false,
    false,
    false,
    true,
    false,
    false,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::ending_screen, {}},
    // planet approach, title, its second word, "Continue?" by key
    nullptr,
    "Stage",
    nullptr,
    false,
};

}  // namespace

BossRush::BossRush()
    : earlier{std::make_unique<BossAdapter<Boss1>>(), std::make_unique<BossAdapter<Boss2>>(),
              std::make_unique<BossAdapter<Boss4>>(), std::make_unique<BossAdapter<Boss6>>(),
              std::make_unique<BossAdapter<Boss8>>(), std::make_unique<BossAdapter<Boss9>>()} {}

void BossRush::load() {
    last.load();
    for (auto& boss : earlier) boss->load();
}

void BossRush::step_all(int dy) {
    auto step = [dy](StageBoss& boss) {
        boss.scroll(dy);
        boss.update_state();
        boss.update();
    };
    step(last);
    for (auto& boss : earlier) step(*boss);
}

// Boss1's and Boss2's blasters, then Boss10's three.
void BossRush::pause_blaster(bool pause) {
    for (int i : {0, 1}) earlier[i]->pause_blaster(pause);
    if (pause)
        last.boss.pause_sounds();
    else
        last.boss.resume_sounds();
}

void BossRush::stop_blaster() {
    for (int i : {0, 1}) earlier[i]->stop_blaster();
    for (FMOD_CHANNEL* channel : last_channels()) FMOD_Channel_Stop(channel);
}

void BossRush::hold_for_continue() { last.boss.pause_sounds(); }

std::array<FMOD_CHANNEL*, 3> BossRush::last_channels() const {
    return {last.boss.channel, last.boss.main_turrets[0].channel, last.boss.main_turrets[1].channel};
}

StageTen::StageTen() : StageRunner(stage_ten_data, std::make_unique<BossRush>()) {}

StageTen::~StageTen() {
    for (BITMAP* picture : {side, floor})
        if (picture) destroy_bitmap(picture);
}

void StageTen::set_up_stage() {
    side = load_picture_ex("gfx/tenth_stage/side.png");
    floor = load_picture_ex("gfx/tenth_stage/floor.png");
    BossRush& bosses = rush();
    bosses.load();
    for (int i = 0; i <= rush_count; ++i) {
        StageBoss& boss = i < rush_count ? *bosses.earlier[i] : bosses.last;
        boss.set_position(places[i].x, static_cast<float>(data.marks[i].start + places[i].below_mark));
    }
    for (auto& boss : bosses.earlier) boss->add_hit_points(earlier_bonus * difficulty);
    bosses.last.add_hit_points(last_bonus[difficulty - 1]);
    player.stage_reset();
    for (Statue& statue : statues) statue.init();
    bosses.earlier[0]->show();
    enemy_count = 0;
    tune_stage10.play_music();
}

void StageTen::play() {
    player.update();
    player.poll_bomb_keys();
    rush().step_all(scroll_speed);
    for (Statue& statue : statues) statue.update(scroll_speed);
    activate_at_marks();
    show_next_on_death();
    if (speeding_up && scroll_speed < rush_speed) scroll_speed += 1;
    final_fight();
    kill_current();
    // Counted as in every stage's play: without it the title would stand and the rush never start.
    title_ticks += 1;
    move_title();
    clamp_scroll();
    move_rows();
}

void StageTen::activate_at_marks() {
    for (int i = 0; i < rush_count; ++i) {
        if (marks[i] < mark_reached || fight_count != i) continue;
        rush().earlier[i]->activate();
        speeding_up = false;
        spawning = true;
        fight_count += 1;
    }
    if (marks[last_mark] >= mark_reached && fight_count == rush_count) {
        fight_count += 1;
        open_fight_dialogue();
    }
}

// Once a boss's death is over, the floor runs on and the next one shows.
void StageTen::show_next_on_death() {
    if (!spawning || scroll_started < 1 || fight_count < 1 || fight_count > rush_count) return;
    if (!rush().earlier[fight_count - 1]->dead()) return;
    spawning = false;
    speeding_up = true;
    (fight_count < rush_count ? *rush().earlier[fight_count] : static_cast<StageBoss&>(rush().last)).show();
    death_handled = 0;
}

void StageTen::final_fight() {
    if (!boss_fight) return;
    if (rush().beaten() && death_handled <= 0) {
        open_after_dialogue();
        death_handled += 1;
    }
    if (rush().last.boss.death_round >= fly_off_round && death_handled >= 1 && fly_off_done <= 0) {
        player.fly_off();
        fly_off_done += 1;
    }
    if (player.stage_cleared && faded_in) start_fade_out();
}

// The fight's boss dies once its hit points are gone; the floor stands meanwhile.
void StageTen::kill_current() {
    if (!spawning) return;
    if (death_handled <= 0 && fight_count >= 1 && fight_count <= rush_count) {
        StageBoss& current = *rush().earlier[fight_count - 1];
        if (current.beaten()) {
            current.start_death();
            death_handled += 1;
        }
    }
    brake();
}

// The walls pass a pixel a step faster than the floor, and stand with it.
void StageTen::move_rows() {
    advance_marks();
    for (int& row : floor_y) row += scroll_speed;
    if (scroll_speed != 0)
        for (int& row : wall_y) row += scroll_speed + 1;
    for (auto* rows : {&floor_y, &wall_y})
        for (int& row : *rows)
            if (row > last_row) row = -screen_h;
}

bool StageTen::ship_under_walls() const { return !rush().earlier[rush_count - 1]->dead(); }

void StageTen::draw_layers() {
    for (int row : floor_y) fade_blit(floor, buffer, 0, row, makecol(255, 255, 255), boss->alpha());
    for (const Statue& statue : statues) statue.draw(buffer);
    for (auto& earlier : rush().earlier) earlier->draw(buffer);
    if (ship_under_walls()) player.draw(buffer);
    for (int x : {wall_margin, 640 - wall_margin - side->w})
        for (int row : wall_y) masked_blit(side, buffer, 0, 0, x, row, side->w, side->h);
}

// Over the walls and Boss10 in the final fight.
void StageTen::draw_ship() {
    if (!ship_under_walls()) player.draw(buffer);
}

NextScreen stage_ten(const ScreenArgs&) { return std::make_unique<StageTen>()->run(); }
