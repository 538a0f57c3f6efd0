#include "stages/stage_seven.h"

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
BITMAP* forest_pictures[3] = {};
const PlanetApproach forest_planet{&planet_picture, forest_pictures, 325, 3};
const char* const forest_paths[3] = {"gfx/seventh_stage/forest1_2.gif", "gfx/seventh_stage/forest2_2.gif",
                                     "gfx/seventh_stage/forest3_2.gif"};

// Groups of records: {pool, first, last}.
const Group tens{PoolKind::ten, 0, 2};
const Groups trains{fives, sevens, sixes, eights, tens};
const Groups first_phase{sevens, sixes, fives};
const Groups second_phase{sevens, sixes, fives, tens};
const Groups full_phase{sevens, sixes, fives, eights, tens};
// Set up record by record, each kind in turn.
const Groups armed{tens, fives, sixes, sevens, eights};
// At a phase end, record by record, before the trio and the eights.
const Groups rearmed{sevens, sixes, fives};

constexpr float boss_x = 170.5f;
constexpr int boss_above_mark = 29;

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "I don't know why Lord Art sent those fools to stop you, but I am not one of those fools. "},
    {Speaker::pilot, 1, "That is still left to be determined. "},
    {Speaker::boss, 1, "These battles have left you cold, Adam. When a man is fighting for something or someone he loves, the battles seem to take their toll on him. But, for me, I fight for nothing and I love nothing. The fights bring me sheer joy. "},
    {Speaker::pilot, 2, "I don't think I'm the cold one. Your heart is cold and there is nothing for you to fight for. "},
    {Speaker::boss, 2, "Love is a liability. Win or lose, I leave nothing behind. "},
    {Speaker::pilot, 3, "Losing is not an option for me. I have too much to leave behind. "},
    {Speaker::boss, 3, "I pity you. Because today, losing is your only option. "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "So we meet again, my idiot apprentice... "},
    {Speaker::pilot, 1, "Outta my way, Fisher. "},
    {Speaker::boss, 1, "That is no way to greet your superior officer. I thought I taught you better than that. "},
    {Speaker::pilot, 2, "You're wasting your precious time, or should I say, life. "},
    {Speaker::boss, 2, "You should be more worried about your own precious life. "},
    {Speaker::pilot, 3, "Heh. I was never, nor am I, afraid of you. "},
    {Speaker::boss, 3, "Fear has never been a prerequisite for death. "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "I don't understand how you defeated me. "},
    {Speaker::pilot, 1, "The fear of losing everything is what drove me to victory. And your lack of motivation is what sealed your fate. "},
    {Speaker::boss, 1, "Speaking of fates, your families fate is similar to mine. You have failed them. Sorry, but there is no more time. "},
    {Speaker::pilot, 2, "You're wrong. There is time. I can feel them. Therefore, I cannot waste anymore time with you. "},
    {Speaker::boss, 2, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "I see you have honed your skills, Kim. You fight with more passion then I remember. "},
    {Speaker::pilot, 1, "I have the same skill, but my passion is what has changed... "},
    {Speaker::boss, 1, nullptr},
};

const StageData stage_seven_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    7,
    &tune_stage7,
    &tune_boss,
    "gfx/faces/boss_7_face.png",
    false,
    planet_approach::marks(),
    {{PoolKind::five, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {
        // {mark, quota, in play, shown at start, trains {pool, cap}, hurried, re-arms formation, shown at end,
        //  trains re-armed in step, trains re-armed, trains sent, shows boss, count left}
        {phase1_mark, 60, first_phase, true, {{fives, 3}, {sixes, 3}, {sevens, 3}}, {}, false, {},
         rearmed, {tens}, {fives, sixes, sevens}},
        {phase2_mark, 90, second_phase, true, {{fives, 4}, {sixes, 4}, {sevens, 4}, {tens, 4}}, {}, false, {},
         rearmed, {tens}, {fives, sixes, sevens, eights}},
        {phase3_mark, 92, full_phase, true, {{fives, 3}, {sixes, 3}, {sevens, 3}, {eights, 3}, {tens, 3}}, {},
         false, {}, rearmed, {tens, eights}, {fives, sixes, sevens, eights}, true},
        {phase4_mark, 115, full_phase, true, {{fives, 4}, {sixes, 4}, {sevens, 4}, {eights, 4}, {tens, 4}}, {},
         false, {}, {}, {}, {}, true},
    },
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    boss_mark,
    {},
    true,
    true,
    false,
    false,
    false,
    true,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::challenge_stage, {7}},
    &forest_planet,
};

}  // namespace

StageSeven::StageSeven() : ApproachStage(stage_seven_data, std::make_unique<BossAdapter<Boss7>>()) {}

StageSeven::~StageSeven() {
    release_pictures({&planet_picture, &forest_pictures[0], &forest_pictures[1], &forest_pictures[2]});
}

void StageSeven::set_up_stage() {
    planet_picture = load_picture_ex("gfx/seventh_stage/planet.png");
    for (int i = 0; i < 3; ++i) forest_pictures[i] = load_picture_ex(forest_paths[i]);
    arm_records(armed, difficulty);
    for (const Group& group : {fives, sixes, sevens, eights}) send_first(group);
    set_up_boss(boss_x, -boss_above_mark);
    static_cast<BossAdapter<Boss7>&>(*boss).boss.set_rail_y(static_cast<float>(data.marks[boss_mark].start));
    player.stage_reset();
    for (ColorStar& star : color_stars) star.init(0, 639);
    enemy_count = 0;
    tune_stage7.play_music();
}

void StageSeven::step_enemies() { step_groups(trains); }

void StageSeven::draw_enemies() {
    draw_in_step({fives, sixes}, buffer);
    draw_in_step({sevens, eights}, buffer);
    draw_groups({tens}, buffer);
}

NextScreen stage_seven(const ScreenArgs&) { return std::make_unique<StageSeven>()->run(); }
