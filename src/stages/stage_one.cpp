#include "stages/stage_one.h"

#include <memory>

#include "enemies/scenery_art.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

// Loaded at every entry, let go when the stage ends.
BITMAP* debris_picture = nullptr;

// The marks, in drawing order.
enum Mark {
    stars_a, stars_b, meteor_mark, boss_mark,
    phase1_mark, small_stars_a, small_stars_b, phase3_mark, small_stars_c, small_stars_d,
    phase2_mark, b_g_row, p_row, phase4_mark,
    moon_row, debris_row,
};

constexpr int full_shown = -480;
constexpr int moon_shown = -300;

// Groups of records: {pool, first, last}.
const Groups formation_ranges{{PoolKind::one, 0, 26}, {PoolKind::two, 0, 3}, {PoolKind::three, 0, 9},
                              {PoolKind::four, 0, 14}};
const Groups drawn_ranges{{PoolKind::one, 0, 35}, {PoolKind::two, 0, 11}, {PoolKind::three, 0, 14},
                          {PoolKind::four, 0, 14}};
// Drawn but never set up here: out of the game so that nothing of an earlier stage shows.
const Groups unused_ranges{{PoolKind::one, 27, 35}, {PoolKind::two, 4, 11}, {PoolKind::three, 10, 14}};

const Group ones{PoolKind::one, 0, 26};
const Group twos{PoolKind::two, 0, 3};
// Where the formation waits at set-up, and comes back at a re-arming: {records, columns, x0, dx, y0, dy}.
const Placement formation{ones, 9, 10, 64, 10, 64};
const Group threes_first{PoolKind::three, 0, 4};
const Group threes_last{PoolKind::three, 5, 9};
const Group fours_first{PoolKind::four, 0, 4};
const Group fours_last{PoolKind::four, 5, 14};

// {hit points, speed} added at set-up, by difficulty.
constexpr Bonus one_bonus[4] = {{1, 0.0f}, {2, 0.2f}, {3, 0.3f}, {4, 0.4f}};
constexpr Bonus two_bonus[4] = {{4, 0.0f}, {5, 0.2f}, {6, 0.3f}, {7, 0.4f}};
constexpr Bonus three_bonus[4] = {{2, 0.0f}, {3, 0.2f}, {4, 0.3f}, {5, 0.4f}};
constexpr Bonus four_bonus[4] = {{3, 0.2f}, {4, 0.2f}, {5, 0.3f}, {6, 0.4f}};

// Where each group waits at set-up, below its phase's mark; the sweeping kinds wrap to the left.
constexpr int left = Enemy::wrapping_left;
const StartRow start_rows[] = {
    // {{records, columns, x0, dx, y0, dy}, mark, bonus, steering, shown}
    {formation, phase1_mark, one_bonus, 0, true},
    {{twos, 4, 30, 125, 10, 0}, phase1_mark, two_bonus, 0, true},
    {{threes_first, 5, 25, 93, 10, 0}, phase2_mark, three_bonus, left},
    {{threes_last, 5, 25, 93, 10, 0}, phase4_mark, three_bonus, left},
    {{fours_first, 5, 25, 95, 10, 0}, phase3_mark, four_bonus, left},
    {{{PoolKind::four, 5, 9}, 5, 25, 95, 103, 0}, phase4_mark, four_bonus, left},
    {{{PoolKind::four, 10, 14}, 5, 25, 95, 198, 0}, phase4_mark, four_bonus, left},
};

constexpr float boss_x = 0.0f;
constexpr int meteor_top = -6480, meteor_bottom = -6000;

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "Hah Hah! What are YOU doing here? "},
    {Speaker::pilot, 1, "I am looking for my family. "},
    {Speaker::boss, 1, "Your family?? "},
    {Speaker::pilot, 2, "Yes. "},
    {Speaker::boss, 2, "I can't give you any advice, but I CAN offer ONE solution. "},
    {Speaker::pilot, 3, "What solution do you speak of? "},
    {Speaker::boss, 3,
     "I can only offer you death. You made it this far, but I am afraid your journey comes to an end here. "},
    {Speaker::pilot, 4, "Actually, my journey has just begun. "},
    {Speaker::boss, 4, "Beginning or end. Whatever you prefer! But, you will die HERE now!!! "},
    {Speaker::pilot, 5, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "What is this?? A WOMAN??? Shouldn't you be tending you your young'uns? "},
    {Speaker::pilot, 1, "The reason I have come here is for my partner, ADAM'S, family. "},
    {Speaker::boss, 1, "Family?! What makes you think his family's here? "},
    {Speaker::pilot, 2, "I have no time to talk to you about these matters. Times a wasting! "},
    {Speaker::boss, 2,
     "Why the rush love? You have ventured into dangerous lands. You shouldn't worry your pretty little "
     "head...or I might TAKE IT!! "},
    {Speaker::pilot, 3, "Heh. I'm looking forward to seeing you try! "},
    {Speaker::boss, 3, "Haaaaaaaah!!! "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "I have been defeated tonight...by a superior fighter. "},
    {Speaker::pilot, 1, "I NEED to know what happened to my family!! "},
    {Speaker::boss, 1, "I know nothing...... "},
    {Speaker::pilot, 2, "You're a liar!! Tell me now! "},
    {Speaker::boss, 2,
     "My death is inevitable. What can you do to me now, my friend? I know very little, and what I know won't "
     "help you now. "},
    {Speaker::pilot, 3, "Tell me NOW!!! "},
    {Speaker::boss, 3,
     "I am told nothing. I DID overhear that they may be taken to Sector 3386. This is all I know. "
     "Please...let me die in peace... "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "You're no woman!!! "},
    {Speaker::pilot, 1, "Hpmh! That's the thing....I am ALL woman!! "},
    {Speaker::boss, 1, "What do you want from me?! You've taken my dignity!! What else do you want?? "},
    {Speaker::pilot, 2, "You KNOW what I want. "},
    {Speaker::boss, 2, "What?? I know nothing of his family!!! "},
    {Speaker::pilot, 3, "You are a liar. "},
    {Speaker::boss, 3,
     "No! I am told nothing. What I DO know, I will tell you. I have heard of a family that was being moved to "
     "Sector 3386. "},
    {Speaker::pilot, 4, "Thanks. "},
    {Speaker::boss, 4, nullptr},
};

const StageData stage_one_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    1,
    &tune_stage1,
    &tune_boss,
    "gfx/faces/boss_1_face.gif",
    true,
    star_field_marks({&stage1_b, &stage1_b_g, &stage1_p, &stage1_r_y},
                     {
                         // {start, picture, layer, x, shown above}
                         // Less the moon's height, at set-up.
                         {-5280, &stage1_moon, ScrollMark::overlay, 10, moon_shown},
                         {-4800, &debris_picture, ScrollMark::overlay, 0, full_shown},
                     }),
    formation,
    {0.3f, 0.4f, 0.5f, 0.6f},
    {
        // {mark, quota, in play, shown at start, trains {pool, cap}, hurried, re-arms formation, shown at end,
        //  trains re-armed in step, trains re-armed, trains sent, shows boss, count left}
        {phase1_mark, 31, {ones, twos}, false, {}, {ones, twos}, true, {threes_first}},
        {phase2_mark, 32, {ones, threes_first}, false, {}, {ones, threes_first}, true, {fours_first}},
        {phase3_mark, 32, {ones, fours_first}, false, {}, {ones, fours_first}, false, {fours_last, threes_last}},
        {phase4_mark, 15, {fours_last, threes_last}, false, {}, {fours_last, threes_last}, false, {}},
    },
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    boss_mark,
    {{small_stars_a, -480}, {small_stars_b, -960}},
    true,
    true,
    true,
    true,
    true,
    true,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {2}},
};

}  // namespace

StageOne::StageOne() : StageRunner(stage_one_data, std::make_unique<BossAdapter<Boss1>>()) {}

StageOne::~StageOne() { release_pictures({&debris_picture}); }

BossAdapter<Boss1>& StageOne::boss1() const { return static_cast<BossAdapter<Boss1>&>(*boss); }

void StageOne::set_up_stage() {
    debris_picture = load_bitmap_ex("gfx/first_stage/debris_level_1_1.gif");
    set_up_boss(boss_x, 0);
    marks[moon_row] -= stage1_moon->h;
    earth_x = -stage1_earth->w - 175;
    earth_y = -470;
    earth_angle = 0.0f;
    player.stage_reset();
    for (ColorStar& star : stars) star.init(0, 639);
    for (const StartRow& row : start_rows) place_start_row(row);
    retire_groups(unused_ranges);
    for (Meteor& meteor : meteors) meteor.init(0, 640, meteor_top, meteor_bottom);
    enemy_count = 0;
    tune_stage1.play_music();
}

void StageOne::play() {
    fly_ship();
    scroll_boss_and_step();
    if (step_groups(formation_ranges)) turn_formation(formation_ranges);
    for (Meteor& meteor : meteors) meteor.scroll(scroll_speed);
    for (ColorStar& star : stars) star.update(scroll_speed);
    hurry();
    run_phases();
    turn_planet();
}

// The planet turns, and drifts with the scroll: at speed 3, 2 px right and 1 px down a step.
void StageOne::turn_planet() {
    earth_angle += 0.01f;
    if (scroll_speed != 0) {
        earth_x += scroll_speed - 1;
        earth_y += scroll_speed - 2;
    }
    if (earth_angle > 255.0f) earth_angle = 0.0f;
}

void StageOne::draw_layers() {
    draw_backdrops();
    for (const ColorStar& star : stars) star.draw(buffer);
    for (int speed_class : {2, 3})
        for (const Meteor& meteor : meteors)
            if (meteor.speed_class == speed_class) meteor.draw(buffer);
    if (earth_y <= 479) rotate_scaled(buffer, stage1_earth, earth_x, earth_y, ftofix(earth_angle), ftofix(2.0));
    draw_overlays();
    draw_groups(drawn_ranges, buffer);
}

NextScreen stage_one(const ScreenArgs&) { return std::make_unique<StageOne>()->run(); }
