#include "stages/stage_four.h"

#include <memory>

#include "enemies/scenery_art.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

using namespace formation_waves;

namespace {

// Loaded at every entry, let go when the stage ends.
BITMAP* planet_picture = nullptr;

// The star-field stages' marks, two with their use here.
constexpr Mark meteor_mark = m3, pick_up_mark = m12;

// {trio, grid, boss x, boss below mark, holds last count}
constexpr Extras stage_extras{false, false, 170.0f, 5, true};
// Groups of records: {pool, first, last}.
const Groups drawn_formations{{PoolKind::one, 0, 35}, {PoolKind::two, 0, 11}, {PoolKind::three, 0, 14},
                              {PoolKind::four, 0, 14}};
// Drawn but never set up here: out of the game so that nothing of an earlier stage shows.
const Groups unused_ranges{{PoolKind::one, 0, 35}, {PoolKind::two, 8, 11}, {PoolKind::three, 10, 14},
                           {PoolKind::four, 10, 14}};

constexpr int pick_up_span = 480;
constexpr int pick_up_right = 595;
constexpr int meteor_top = 240, meteor_bottom = 720;  // below mark 3

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "What can I do for you, mate? "},
    {Speaker::pilot, 1, "I think you probabaly know why I'm here. "},
    {Speaker::boss, 1, "SLOW DOWN, mate. I just met you. Let's have a small chat.. "},
    {Speaker::pilot, 2,
     "I'm not here to chat. I'm here because you know where something is that is of importance to me. "},
    {Speaker::boss, 2, "Now, how would I know that mate? I don't even know what's important to you.  "},
    {Speaker::pilot, 3, "My FAMILY!!! "},
    {Speaker::boss, 3, "Family, mate. Your family is what... "},
    {Speaker::pilot, 4, "Don't patronize me! You know what I'm here for. "},
    {Speaker::boss, 4, "I got a quick question for you, mate. Do you even know what I do? "},
    {Speaker::pilot, 5, "I don't care what you do. "},
    {Speaker::boss, 5,
     "I think you need to know. I offer a discrete service. I pick up and I drop off. When I am done, I forget. "
     "The money helps me forget. So to you, 'I have forgotten'. "},
    {Speaker::pilot, 6, "Well, I'm in the remembering business, and I think it's time to jar your memory. "},
    {Speaker::boss, 6, "Let's have a go......mate. "},
    {Speaker::pilot, 7, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "Good evening, Love. What can I help you with? "},
    {Speaker::pilot, 1, "I'm looking for my partner's family, and I have reason to believe you know where they are. "},
    {Speaker::boss, 1,
     "Reason to believe that I have them. Hmm.. And, where would you get an idea like that, sweety? "},
    {Speaker::pilot, 2,
     "Well, I ran into a former friend of you and your boss's. She seemed quite pleased to tell me anything that "
     "I wanted to know. "},
    {Speaker::boss, 2, "Cat....that SNITCH!! "},
    {Speaker::pilot, 3, "What I wrong to imply that she was a friend? "},
    {Speaker::boss, 3, "She's no friend of mine!!! "},
    {Speaker::pilot, 4,
     "You mean, she WAS no friend of your's. All I want to know is..where did you take my partner's family?? "},
    {Speaker::boss, 4, "I'm a business man. I'm given a job, and I do it. No hard feelings. They were just a job. "},
    {Speaker::pilot, 5, "I would have to say that this is the last that you'll ever do. "},
    {Speaker::boss, 5, nullptr},
};

const Dialogue adam_after{
    {Speaker::pilot, 0, "Now, what have done with my family? "},
    {Speaker::boss, 1,
     "Everything is still a little cloudy, mate. What you fail to realize is that all one has is his honor. If I "
     "lose that, then what do I have? "},
    {Speaker::pilot, 1, "All anyone has is there family, and you have mine! "},
    {Speaker::boss, 2, "I don't have your family....But try checking out Planet Destronia... "},
    {Speaker::pilot, 2,
     "Thanks. (Thinking: That was a great fight. I wish that we could've met under different circumstances. "
     "Goodbye, my friend. Maybe we'll meet in another life.) "},
    {Speaker::boss, 3, nullptr},
};

const Dialogue kim_after{
    {Speaker::pilot, 0,
     "Now that we have established that you'll never do any more jobs, where is my partner's family? "},
    {Speaker::boss, 1,
     "The only thing we have established here, sweety, is that you have nothing. What you fail to realize is "
     "there is no honor in snitching. Look, I was hired to pick them up and to drop them off. Where I dropped them "
     "off is all within parameters of a job. "},
    {Speaker::pilot, 1, "Now, you listen to me! I need to know where they are! "},
    {Speaker::boss, 2, "It seems we are at an impasse, and you are back to square one. Goodbye. "},
    {Speaker::pilot, 2,
     "Hmph! That honor won't save you from going to HELL!! Maybe it will make it more comfortable! (Thinking: I "
     "guess he doesn't know who I am. I'm pretty sure I should check Planet Destronia.) "},
    {Speaker::boss, 3, nullptr},
};

const StageData stage_four_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    4,
    &tune_stage4,
    &tune_boss,
    "gfx/faces/boss_4_face.png",
    true,
    star_field_marks({&stage1_b, &stage1_b_g, &stage1_p, &stage1_r_y}),
    {{PoolKind::two, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    phases(stage_extras),
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    boss_mark,
    {{s1, -480}, {s2, -960}},
    false,
    false,
    false,
    true,
    false,
    false,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {5}},
};

}  // namespace

StageFour::StageFour() : StageRunner(stage_four_data, std::make_unique<BossAdapter<Boss4>>()) {}

StageFour::~StageFour() { release_pictures({&planet_picture}); }

BossAdapter<Boss4>& StageFour::boss4() const { return static_cast<BossAdapter<Boss4>&>(*boss); }

void StageFour::set_up_stage() {
    planet_picture = load_picture_ex("gfx/fourth_stage/planet.png");
    set_up_boss(stage_extras.boss_x, stage_extras.boss_below_mark);
    const int pick_up_top = data.marks[pick_up_mark].start;
    const int pick_up_y = random_range(pick_up_top, pick_up_top + pick_up_span);
    const int pick_up_x = random_range(0, pick_up_right);
    pick_up.init(1, static_cast<float>(pick_up_x), static_cast<float>(pick_up_y));
    player.stage_reset();
    for (std::size_t i = 0; i < stars.size(); ++i) {
        stars[i].init(0, 639);
        if (i < debris.size()) debris[i].init(1);
    }
    set_up_pools();
    const int meteor_row = data.marks[meteor_mark].start;
    for (Meteor& meteor : meteors) meteor.init(0, 640, meteor_row + meteor_top, meteor_row + meteor_bottom);
    enemy_count = 0;
    tune_stage4.play_music();
}

// The trains are armed record by record, each kind in turn.
void StageFour::set_up_pools() {
    retire_groups(unused_ranges);
    for (const StartRow& row : start_rows) place_start_row(row);
    show_groups({twos_first, twos_last});
    arm_records({fives, sixes, sevens, eights}, difficulty);
    for (const Group& group : {fives, sixes, sevens}) send_first(group);
}

void StageFour::play() {
    fly_ship();
    pick_up.update(scroll_speed);
    scroll_boss_and_step();
    step_groups(formations);
    step_groups(trains);
    for (Meteor& meteor : meteors) meteor.scroll(scroll_speed);
    for (ColorStar& star : stars) star.update(scroll_speed);
    for (Debris& piece : debris) piece.update(scroll_speed, 0.0f);
    relaunch_trains();
    run_phases();
}

// The planet rides the boss's mark, so it reaches the top of the screen with the boss.
void StageFour::draw_layers() {
    draw_backdrops();
    for (const ColorStar& star : stars) star.draw(buffer);
    for (const Debris& piece : debris) piece.draw(buffer);
    const int planet_row = marks[boss_mark];
    if (-planet_picture->h < planet_row && planet_row <= 479)
        masked_blit(planet_picture, buffer, 0, 0, 320 - planet_picture->w / 2, planet_row, planet_picture->w,
                    planet_picture->h);
    draw_in_step({fives, sixes}, buffer);
    draw_in_step({sevens, eights}, buffer);
    draw_groups(drawn_formations, buffer);
}

void StageFour::draw_over_ship() { pick_up.draw(buffer); }

NextScreen stage_four(const ScreenArgs&) { return std::make_unique<StageFour>()->run(); }
