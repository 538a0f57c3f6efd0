#include "stages/stage_four.h"

#include <memory>
#include <type_traits>

#include "enemies/scenery_art.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

// Loaded at every entry, let go when the stage ends.
BITMAP* planet_picture = nullptr;

// The marks, in drawing order.
enum Mark { m1, m2, meteor_mark, boss_mark, w1, s1, s2, w3, s3, s4, w2, b_g_row, pick_up_mark, w4 };

constexpr int tall_shown = -1440;
constexpr int full_shown = -480;

const Group twos_first{PoolKind::two, 0, 3};
const Group twos_last{PoolKind::two, 4, 7};
const Group threes{PoolKind::three, 0, 9};
const Group fours{PoolKind::four, 0, 9};
const Group fives{PoolKind::five, 0, 4};
const Group sixes{PoolKind::six, 0, 4};
const Group sevens{PoolKind::seven, 0, 4};
const Group eights{PoolKind::eight, 0, 4};
const Groups formations{{PoolKind::two, 0, 7}, threes, fours};
const Groups trains{fives, sevens, sixes, eights};
const Groups drawn_formations{{PoolKind::one, 0, 35}, {PoolKind::two, 0, 11}, {PoolKind::three, 0, 14},
                              {PoolKind::four, 0, 14}};
// Drawn but never set up here: out of the game so that nothing of an earlier stage shows.
const Groups unused_ranges{{PoolKind::one, 0, 35}, {PoolKind::two, 8, 11}, {PoolKind::three, 10, 14},
                           {PoolKind::four, 10, 14}};

struct StartRow {
    Placement at;
    int mark;
    int steering;  // for the sweeping kinds
};
const StartRow start_rows[] = {
    {{twos_first, 4, 70, 125, 74, 0}, w1, 0},
    {{twos_last, 4, 70, 125, 74, 0}, w2, 0},
    {{{PoolKind::three, 0, 4}, 5, 25, 93, 10, 0}, w3, Enemy::wrapping_left},
    {{{PoolKind::three, 5, 9}, 5, 25, 93, 103, 0}, w3, Enemy::wrapping_right},
    {{{PoolKind::four, 0, 4}, 5, 25, 95, 10, 0}, w4, Enemy::wrapping_right},
    {{{PoolKind::four, 5, 9}, 5, 25, 95, 105, 0}, w4, Enemy::wrapping_left},
};

struct Bonus {
    int hit_points;
    float speed;
};
// By difficulty: the second kind, then the third and fourth.
constexpr Bonus two_bonus[4] = {{0, 0.0f}, {5, 0.2f}, {6, 0.3f}, {7, 0.4f}};
constexpr Bonus sweeper_bonus[4] = {{0, 0.0f}, {1, 0.2f}, {2, 0.3f}, {4, 0.4f}};
constexpr int boss_bonus[4] = {0, 250, 300, 350};
constexpr float boss_x = 170.0f;
constexpr int boss_below_mark = 5;
constexpr int pick_up_span = 480;
constexpr int pick_up_right = 595;
constexpr int meteor_top = 240, meteor_bottom = 720;  // below mark 3

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
    4,
    &tune_stage4,
    &tune_boss,
    "gfx/faces/boss_4_face.png",
    true,
    {
        {-960, &stage1_stars, ScrollMark::backdrop, 0, tall_shown},
        {-2880, &stage1_stars, ScrollMark::backdrop, 0, tall_shown},
        {-6720, &stage1_stars, ScrollMark::backdrop, 0, tall_shown},
        {-10080, &stage1_stars, ScrollMark::backdrop, 0, tall_shown},
        {-1440, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-3840, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-4800, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-5280, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-7680, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-8640, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown},
        {-3360, &stage1_b, ScrollMark::backdrop, 0, full_shown},
        {-8160, &stage1_b_g, ScrollMark::backdrop, 0, full_shown},
        {-4320, &stage1_p, ScrollMark::backdrop, 0, full_shown},
        {-7200, &stage1_r_y, ScrollMark::backdrop, 0, full_shown},
    },
    {{PoolKind::two, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {
        {w1, 64, {twos_first, fives, sixes, sevens}, true, {{fives, 3}, {sixes, 3}, {sevens, 3}}, {}, false,
         {twos_last}, {fives, sixes, sevens}, {fives, sixes, sevens, eights}},
        {w2, 84, {twos_last, fives, sixes, sevens, eights}, true,
         {{fives, 3}, {sixes, 3}, {sevens, 3}, {eights, 3}}, {}, false, {threes}, {sevens, sixes, fives, eights},
         {fives, sixes, sevens, eights}},
        {w3, 110, {threes, fives, sixes, sevens, eights}, true,
         {{fives, 4}, {sixes, 4}, {sevens, 4}, {eights, 4}}, {}, false, {fours}, {sevens, sixes, fives, eights},
         {fives, sixes, sevens, eights}},
        {w4, 110, {fours, fives, sixes, sevens, eights}, true,
         {{fives, 4}, {sixes, 4}, {sevens, 4}, {eights, 4}}, {}, false, {}, {}, {}, true, 1},
    },
    boss_mark,
    {{s1, -480}, {s2, -960}},
    false,
    false,
    false,
    true,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {5}},
};

}  // namespace

StageFour::StageFour() : StageRunner(stage_four_data, std::make_unique<BossAdapter<Boss4>>()) {}

StageFour::~StageFour() {
    if (planet_picture) destroy_bitmap(planet_picture);
    planet_picture = nullptr;
}

BossAdapter<Boss4>& StageFour::boss4() const { return static_cast<BossAdapter<Boss4>&>(*boss); }

void StageFour::set_up_stage() {
    planet_picture = load_picture_ex("gfx/fourth_stage/planet.png");
    boss->load();
    boss->set_position(boss_x, static_cast<float>(data.marks[boss_mark].start + boss_below_mark));
    boss->add_hit_points(boss_bonus[difficulty - 1]);
    const int pick_up_top = data.marks[pick_up_mark].start;
    const int pick_up_y = random_range(pick_up_top, pick_up_top + pick_up_span);
    const int pick_up_x = random_range(0, pick_up_right);
    pick_up.init(1, static_cast<float>(pick_up_x), static_cast<float>(pick_up_y));
    player.stage_reset();
    for (ColorStar& star : stars) star.init(0, 639);
    for (Debris& piece : debris) piece.init(1);
    set_up_pools();
    const int meteor_row = data.marks[meteor_mark].start;
    for (Meteor& meteor : meteors) meteor.init(0, 640, meteor_row + meteor_top, meteor_row + meteor_bottom);
    enemy_count = 0;
    tune_stage4.play_music();
}

void StageFour::set_up_pools() {
    retire_groups(unused_ranges);
    for (const StartRow& row : start_rows) {
        const Bonus bonus = (row.at.records.pool == PoolKind::two ? two_bonus : sweeper_bonus)[difficulty - 1];
        for_each_in_pool(row.at.records, [&](auto& pool, int i) {
            using Kind = std::remove_reference_t<decltype(pool[0])>;
            Enemy& record = pool[i];
            pool[i].reset();
            place_in_formation(record, row.at, i - row.at.records.first, data.marks[row.mark].start);
            if constexpr (std::is_base_of_v<WrappingEnemy, Kind>) pool[i].set_direction(row.steering);
            record.add_hit_points(bonus.hit_points);
            record.add_speed(bonus.speed);
        });
    }
    show_groups({twos_first, twos_last});
    for (const Group& group : trains)
        for_each_record(group, [](auto& record) {
            place_for_launch(record);
            record.reset();
            record.add_hit_points(difficulty);
        });
    for (const Group& group : {fives, sixes, sevens}) send_first(group);
}

void StageFour::play() {
    title_ticks += 1;
    player.update();
    player.poll_bomb_keys();
    pick_up.update(scroll_speed);
    scroll_boss_and_step();
    step_groups(formations);
    step_groups(trains);
    for (Meteor& meteor : meteors) meteor.scroll(scroll_speed);
    for (ColorStar& star : stars) star.update(scroll_speed);
    for (Debris& piece : debris) piece.update(scroll_speed, 0.0f);
    relaunch_trains();
    start_phases();
    end_phase_on_quota();
    speed_up();
    boss_phase();
    brake();
    move_title();
    clamp_scroll();
    advance_marks();
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
