#include "stages/stage_two.h"

#include <memory>
#include <type_traits>

#include "enemies/scenery_art.h"
#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

namespace {

// The marks, in drawing order.
enum Mark { m1, m2, m3, boss_mark, w1, s1, s2, w3, s3, s4, w2, s6, s5, w4 };

// Groups of records: {pool, first, last}.
const Group ones{PoolKind::one, 0, 35};
const Group twos[4] = {{PoolKind::two, 0, 3}, {PoolKind::two, 4, 7}, {PoolKind::two, 8, 11}, {PoolKind::two, 12, 15}};
const Group threes[3] = {{PoolKind::three, 0, 4}, {PoolKind::three, 5, 9}, {PoolKind::three, 10, 14}};
const Group fours[3] = {{PoolKind::four, 0, 4}, {PoolKind::four, 5, 9}, {PoolKind::four, 10, 14}};
const Group fours_last{PoolKind::four, 5, 14};
// Where the formation waits at set-up, and comes back at a re-arming: {records, columns, x0, dx, y0, dy}.
const Placement formation{ones, 9, 10, 64, 10, 64};
const Groups drawn_ranges{{PoolKind::one, 0, 35}, {PoolKind::two, 0, 15}, {PoolKind::three, 0, 14},
                          {PoolKind::four, 0, 14}};
const Group all_twos{PoolKind::two, 0, 15};
const Groups followers{all_twos, {PoolKind::three, 0, 14}, {PoolKind::four, 0, 14}};
// The last row of the sweepers, and one record before it, sweep the other way.
const Group steering_right{PoolKind::three, 9, 14};

// {hit points, speed} added at set-up, by difficulty.
constexpr Bonus one_bonus[4] = {{1, 0.3f}, {2, 0.4f}, {3, 0.5f}, {4, 0.6f}};
constexpr Bonus two_bonus[4] = {{3, 0.2f}, {4, 0.3f}, {5, 0.4f}, {6, 0.5f}};
constexpr Bonus sweeper_bonus[4] = {{2, 0.4f}, {3, 0.5f}, {4, 0.6f}, {5, 0.7f}};

constexpr int left = Enemy::wrapping_left;
const StartRow start_rows[] = {
    // {{records, columns, x0, dx, y0, dy}, mark, bonus, steering, shown}
    {formation, w1, one_bonus, 0, true},
    {{twos[0], 4, 70, 125, 74, 0}, w1, two_bonus, 0, true},
    {{twos[1], 4, 70, 125, 74, 0}, w2, two_bonus},
    {{twos[2], 4, 70, 125, 74, 0}, w3, two_bonus},
    {{twos[3], 4, 70, 125, 74, 0}, w4, two_bonus},
    {{threes[0], 5, 15, 93, 10, 0}, w2, sweeper_bonus, left},
    {{threes[1], 5, 15, 93, 10, 0}, w3, sweeper_bonus, left},
    {{threes[2], 5, 15, 93, 105, 0}, w4, sweeper_bonus, left},
    {{fours[0], 5, 15, 95, 103, 0}, w3, sweeper_bonus, left},
    {{fours[1], 5, 15, 95, 10, 0}, w4, sweeper_bonus, left},
    {{fours[2], 5, 15, 95, 198, 0}, w4, sweeper_bonus, left},
};

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "How did you get this far? None of your kind's permitted here!! "},
    {Speaker::pilot, 1, "Then, why are YOU here? "},
    {Speaker::boss, 1, "Whatever do you mean by THAT?? "},
    {Speaker::pilot, 2, "You know what I mean. You are human, like myself. What are you doing in this realm?? "},
    {Speaker::boss, 2,
     "Humanoid is that what you think I am, but I think not. I am UNIVERSALLY renowned doctor! "},
    {Speaker::pilot, 3, "Heh. You call yourself a doctor? "},
    {Speaker::boss, 3,
     "Watch your tongue!! I'm afraid someone forgot to inform you that I have ascended to this place to continue "
     "my research. "},
    {Speaker::pilot, 4, "Is that what you call what you have done, RESEARCH? "},
    {Speaker::boss, 4,
     "I would call it groundbreaking, but when they put you among the heavens, groundbreaking sounds so "
     "earthly. "},
    {Speaker::pilot, 5, "What do you call the people's lives you have ruined?? "},
    {Speaker::boss, 5,
     "Ruined....Every experiment needs guinea pigs.  There are no mistakes in my research, only decisions. Lives "
     "come and go, and I decide who lives and dies. My decision to let you live has changed. "},
    // The line table repeats his fifth line here.
    {Speaker::pilot, 6, "What do you call the people's lives you have ruined?? "},
    {Speaker::boss, 6, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "What do YOU want??? "},
    {Speaker::pilot, 1,
     "I'm pretty sure even the LOWER level pawns get the big news...Where's my partner's family?? "},
    {Speaker::boss, 1, "Excuse me, madam! Do you know where you are and who you are talking to?? "},
    {Speaker::pilot, 2, "Of course! I'm speaking to the banished BUTCHER! "},
    {Speaker::boss, 2,
     "What did you say, woman?? I am the universally renowned Dr. Kleezoskoric, who has been placed here "
     "amongst the stars to continue my research! "},
    {Speaker::pilot, 3, "Heh. Research....Whatever. "},
    {Speaker::boss, 3, "I am growing tired of your insolence!!! "},
    {Speaker::pilot, 4, "Growing tired won't be the only thing you will be doing if- - "},
    {Speaker::boss, 4,
     "If what?? I make the decisions here! I, and I alone, make the decisions here!! This includes life and "
     "death!! "},
    {Speaker::pilot, 5, "These are choices you will no longer enjoy. "},
    {Speaker::boss, 5, "You have done nothing but hasten my decision on your life. "},
    {Speaker::pilot, 6, "Ha! I am anxious to hear THIS verdict! "},
    {Speaker::boss, 6, nullptr},
};

const Dialogue adam_after{
    {Speaker::pilot, 0, "Now that we've settled that, tell me where my family is! "},
    {Speaker::boss, 1, "I make the rules, as well as the request! "},
    {Speaker::pilot, 1,
     "You may have decisions over the life and death of others, but you obviously have no control of your own "
     "mortality. So, I ask of you this one favor. "},
    {Speaker::boss, 2, "What do you ask of me? "},
    {Speaker::pilot, 2, "The where-abouts of my family!!! "},
    {Speaker::boss, 3, "We only get partial information, and what I have isn't essential. "},
    {Speaker::pilot, 3, "Please let me make that decision! "},
    {Speaker::boss, 4, "I make the decisions!! "},
    {Speaker::pilot, 4, "Ok....So what have you decided?? "},
    {Speaker::boss, 5, ".....Your family has been taken to the Planet Hydra. "},
    {Speaker::pilot, 5, nullptr},
};

const Dialogue kim_after{
    {Speaker::pilot, 0, "That didn't take long. Where are they?!! "},
    {Speaker::boss, 1, "You fail to realize I need nothing from you, and you need everything from me! "},
    {Speaker::pilot, 1,
     "Yes, this is true, I need to know where my partner's family has been taken. I ask that you rule in my "
     "favor. "},
    {Speaker::boss, 2,
     "I was only given partial information. I only know of a family, who may or may not be your partner's, but "
     "they have been taken to the Planet Hydra. "},
    {Speaker::pilot, 2, "Thanks. "},
    {Speaker::boss, 3, "Yes, please leave me.... "},
    {Speaker::pilot, 3, nullptr},
};

const StageData stage_two_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    2,
    &tune_stage2,
    &tune_boss,
    "gfx/faces/boss_2_face.png",
    true,
    star_field_marks({&stage1_small_stars, &stage1_small_stars, &stage1_small_stars, &stage1_small_stars}),
    formation,
    {0.0f, 0.2f, 0.3f, 0.4f},
    {
        // {mark, quota, in play, shown at start, trains {pool, cap}, hurried, re-arms formation, shown at end,
        //  trains re-armed in step, trains re-armed, trains sent, shows boss, count left}
        {w1, 40, {ones, twos[0]}, false, {}, {ones}, true, {twos[1], threes[0]}},
        {w2, 45, {ones, twos[1], threes[0]}, false, {}, {ones, threes[0]}, true, {twos[2], threes[1], fours[0]}},
        {w3, 50, {ones, twos[2], fours[0], threes[1]}, false, {}, {ones, fours[0], threes[1]}, true,
         {twos[3], threes[2], fours_last}},
        {w4, 55, {ones, twos[3], fours_last, threes[2]}, false, {}, {ones, fours_last, threes[2]}, false, {}},
    },
    // boss mark, rows that loop behind the fight {mark, row}, fight scroll, fight start ends spawning,
    // beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    // boss mark keeps trio count
    boss_mark,
    {{s1, -480}, {s2, -960}},
    true,
    true,
    false,
    true,
    false,
    true,
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {3}},
};

}  // namespace

StageTwo::StageTwo() : StageRunner(stage_two_data, std::make_unique<BossAdapter<Boss2>>()) {}

BossAdapter<Boss2>& StageTwo::boss2() const { return static_cast<BossAdapter<Boss2>&>(*boss); }

void StageTwo::set_up_stage() {
    wave_hurry = 0;
    set_up_boss(0.0f, 0);
    player.stage_reset();
    for (ColorStar& star : stars) star.init(0, 639);
    for (BackdropMeteor& meteor : meteors) meteor.init(1, 0);
    set_up_pools();
    enemy_count = 0;
    tune_stage2.play_music();
}

// The second kind rides with the formation: each takes the speed of its partner of the first
// kind, then its own bonus.
void StageTwo::set_up_pools() {
    for (const StartRow& row : start_rows) place_start_row(row);
    for_each_in_pool(all_twos, [](auto& pool, int i) {
        pool[i].max_speed = enemy_one_pool[i].get_speed() + two_bonus[difficulty - 1].speed;
    });
    for_each_record(steering_right, [](auto& record) {
        if constexpr (std::is_base_of_v<WrappingEnemy, std::decay_t<decltype(record)>>)
            record.set_direction(Enemy::wrapping_right);
    });
}

void StageTwo::play() {
    fly_ship();
    scroll_boss_and_step();
    const bool formation_edge = step_groups({ones});
    step_groups(followers);
    if (formation_edge) turn_formation({ones});
    for (BackdropMeteor& meteor : meteors) meteor.update(scroll_speed, 0.0f);
    for (ColorStar& star : stars) star.update(scroll_speed);
    hurry();
    run_phases();
}

void StageTwo::draw_layers() {
    draw_backdrops();
    for (const ColorStar& star : stars) star.draw(buffer);
    for (int kind : {1, 0})
        for (const BackdropMeteor& meteor : meteors)
            if (meteor.kind == kind) meteor.draw(buffer);
    draw_groups(drawn_ranges, buffer);
}

NextScreen stage_two(const ScreenArgs&) { return std::make_unique<StageTwo>()->run(); }
