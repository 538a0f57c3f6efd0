#include "stages/stage_five.h"

#include <memory>

#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

using namespace planet_approach;

namespace {

// Loaded at every entry, let go when the stage ends.
BITMAP* planet_picture = nullptr;
BITMAP* desert_picture = nullptr;
const PlanetApproach desert_planet{&planet_picture, &desert_picture, 325};

// Groups of records: {pool, first, last}.
const Group twelves{PoolKind::twelve, 0, 3};
const Group elevens{PoolKind::eleven, 0, 2};
const Groups trains{fives, sevens, sixes};
// Set up record by record, each kind in turn; phases 2 to 4 start them all.
const Groups all_pools{fives, sixes, sevens, twelves, elevens};
// Re-armed at a phase end record by record, each kind in turn.
const Groups rearmed{sevens, sixes, fives, twelves, elevens};

// The tank pools' launch counts follow the trains' in `launch_counts`.
constexpr int twelve_count = 3, eleven_count = 4;

// The two sets of ways in for the four twelves, one drawn at each launch.
constexpr int twelve_entries[2][4] = {{2, 4, 5, 6}, {1, 7, 8, 3}};

// Tank relaunch caps by phase: twelve, eleven.
struct TankCaps {
    int twelve, eleven;
};
constexpr TankCaps tank_caps[5] = {{0, 0}, {0, 0}, {3, 3}, {4, 4}, {4, 4}};

constexpr float boss_x = 226.0f;
constexpr int boss_below_mark = 140;
constexpr int gun_level = 4;

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "Halt! I cannot allow you to venture any further. "},
    {Speaker::pilot, 1, "If I could stop here, I would. I have other pressing matters and people to see. "},
    {Speaker::boss, 1,
     "That is not possible, civilian, I have strict orders from my superiors. No one, including YOU, is to get "
     "past me. "},
    {Speaker::pilot, 2, "Get past, or through you. Whatever it takes, but I have somewhere to be. "},
    {Speaker::boss, 2,
     "AHH!! I like that! Now you're talking! You have failed to follow a direct order. Now, I must extinguish  "
     "you. "},
    {Speaker::pilot, 3, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "Halt, ma'am. I am under strict orders not to allow you into this region. "},
    {Speaker::pilot, 1, "That region is the only place I have to go. I have no other alternatives. "},
    {Speaker::boss, 1,
     "These are the orders. No one is to get in or out of this region. I won't tell you again, I need you to "
     "vacate the premises. "},
    {Speaker::pilot, 2,
     "You won't have to tell me again, because I am telling you. If I have to go through you to get to the "
     "region then, I will! "},
    {Speaker::boss, 2, "Hah Hah! Now you,re just talking dirty to a old man. Let's GO!!! "},
    {Speaker::pilot, 3, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0,
     "Even in his last hour, a soldier should never supply his enemy with any substantial information. "},
    {Speaker::pilot, 1, "I am not your enemy. I have no grievances with you. I just want my family. "},
    {Speaker::boss, 1, "He has taken your family? "},
    {Speaker::pilot, 2, "Yes. I just want them back. "},
    {Speaker::boss, 2, "He said no women and children..... "},
    {Speaker::pilot, 3, "He lied. Something Art's very good at. Why do you even obey him? "},
    {Speaker::boss, 3, "Anyway, all a soldier has is his orders. I cannot help you... "},
    {Speaker::pilot, 4, "You can save them! Forget your orders!! "},
    {Speaker::boss, 4,
     "I can't help you, civilian. All I can tell you is you're looking for the 2nd quardrant located in Sector "
     "3395. "},
    {Speaker::pilot, 5,
     "Thanks. Maybe I'll see you in another life. (Thinking: Art seems to have a lot of good natured people under "
     "his command. I wonder if he's done this before?) "},
    {Speaker::boss, 5, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0,
     "Such grace in your fighting skills. For a woman, you are really good! Too bad you're not on our side.... "},
    {Speaker::pilot, 1, "Aargh! I am losing my patience! Where did they take my partner's family?? "},
    {Speaker::boss, 1, "My name is General Kryzokowitz. My number is 418-27-6093... "},
    {Speaker::pilot, 2,
     "Listen! You guys kidnapped my partner's family! I don't want anything but them. "},
    {Speaker::boss, 2, "All a soldier has is his orders.... "},
    {Speaker::pilot, 3,
     "Forget your orders!! Are you even human? How can you be wowned up that tightly? "},
    {Speaker::boss, 3,
     "I can't help you, civilian. All I can tell you is you're looking for the 2nd quardrant located in Sector "
     "3395. "},
    {Speaker::pilot, 4, "Thanks. "},
    {Speaker::boss, 4, nullptr},
};

const StageData stage_five_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    5,
    &tune_stage5,
    &tune_boss,
    "gfx/faces/boss_5_face.gif",
    false,
    planet_approach::marks(),
    {{PoolKind::five, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {
        // {mark, quota, in play, shown at start, trains {pool, cap}, hurried, re-arms formation, shown at end,
        //  trains re-armed in step, trains re-armed, trains sent, shows boss, count left}
        {phase1_mark, 60, {fives, sixes, sevens}, true, {{fives, 3}, {sixes, 3}, {sevens, 3}}, {}, false, {},
         rearmed, {}, {fives, sixes, sevens}},
        {phase2_mark, 103, all_pools, true, {{fives, 4}, {sixes, 4}, {sevens, 4}}, {}, false, {}, rearmed, {},
         {fives, sixes, sevens}},
        {phase3_mark, 95, all_pools, true, {{fives, 3}, {sixes, 3}, {sevens, 3}}, {}, false, {}, rearmed, {},
         {fives, sixes, sevens}, true, 1},
        {phase4_mark, 110, all_pools, true, {{fives, 4}, {sixes, 4}, {sevens, 4}}, {}, false, {}, {}, {}, {}, true, 1},
    },
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    boss_mark,
    {},
    false,
    false,
    false,
    false,
    false,
    true,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::challenge_stage, {5}},
    &desert_planet,
};

StageFive::Turn first_turn() { return random_range(1, 2) == 1 ? StageFive::elevens_turn : StageFive::twelves_turn; }

void set_twelve_entries() {
    const int(&entries)[4] = twelve_entries[random_range(1, 2) - 1];
    for (int i = 0; i < 4; ++i) enemy_twelve_pool[i].set_entry(entries[i]);
}

void set_eleven_entries() {
    for (int i = 0; i < 3; ++i) enemy_eleven_pool[i].set_entry(i + 1);
}

bool none_alive(const Group& group) {
    bool none = true;
    for_each_record(group, [&](Enemy& record) { none = none && !record.alive; });
    return none;
}

}  // namespace

StageFive::StageFive() : ApproachStage(stage_five_data, std::make_unique<BossAdapter<Boss5>>()) {}

StageFive::~StageFive() { release_pictures({&planet_picture, &desert_picture}); }

BossAdapter<Boss5>& StageFive::boss5() const { return static_cast<BossAdapter<Boss5>&>(*boss); }

void StageFive::set_up_stage() {
    player.set_gun_level(gun_level);
    turn = first_turn();
    planet_picture = load_picture_ex("gfx/fifth_stage/planet.png");
    desert_picture = load_picture_ex("gfx/fifth_stage/desert.png");
    arm_records(all_pools, difficulty);
    set_twelve_entries();
    for (const Group& group : trains) send_first(group);
    set_up_boss(boss_x, boss_below_mark);
    player.stage_reset();
    set_eleven_entries();
    for (ColorStar& star : color_stars) star.init(0, 639);
    enemy_count = 0;
    tune_stage5.play_music();
}

void StageFive::step_boss() { boss->update(); }

// The waiting pool stands and takes no hits, but its shots fly on.
void StageFive::step_enemies() {
    step_groups(trains);
    for (EnemyTwelve& record : enemy_twelve_pool) {
        if (turn == twelves_turn) record.update();
        record.update_bullets();
    }
    for (EnemyEleven& record : enemy_eleven_pool) {
        if (turn == elevens_turn) record.update();
        record.update_bullets();
    }
}

// A pool wiped out or driven off is launched again, and waits while the other pool moves.
void StageFive::take_turns() {
    if (!spawning || wave_phase < 2 || wave_phase > 4) return;
    const TankCaps caps = tank_caps[wave_phase];
    struct Side {
        Turn turn;
        const Group& pool;
        int count;
        int cap;
        void (*set_entries)();
    };
    const Side sides[] = {{twelves_turn, twelves, twelve_count, caps.twelve, set_twelve_entries},
                          {elevens_turn, elevens, eleven_count, caps.eleven, set_eleven_entries}};
    for (const Side& side : sides) {
        if (turn != side.turn) continue;
        const Turn other = side.turn == twelves_turn ? elevens_turn : twelves_turn;
        int& launched = launch_counts[side.count];
        if (launched < side.cap && none_alive(side.pool)) {
            for_each_record(side.pool, [](auto& record) {
                record.reset();
                record.show();
                record.enter_play();
            });
            side.set_entries();
            turn = other;
            launched += 1;
        }
        if (launched == side.cap && none_alive(side.pool)) turn = other;
    }
}

void StageFive::phase_ended() {
    if (wave_phase >= 4) return;
    set_twelve_entries();
    set_eleven_entries();
    if (wave_phase >= 2) turn = first_turn();
}

void StageFive::draw_enemies() {
    draw_in_step({twelves, elevens}, buffer);
    draw_in_step({fives, sixes, sevens}, buffer);
}

NextScreen stage_five(const ScreenArgs&) { return std::make_unique<StageFive>()->run(); }
