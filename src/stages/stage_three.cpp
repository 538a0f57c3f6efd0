#include "stages/stage_three.h"

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
BITMAP* water_picture = nullptr;
const PlanetApproach sea_planet{&planet_picture, &water_picture, 317};

// The order they move in.
const Groups trains{fives, sevens, sixes, eights};
// Set up record by record, each kind in turn.
const Groups armed{fives, sixes, sevens, eights};

constexpr float boss_x = 168.5f;
constexpr int boss_below_mark = 75;

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::pilot, 0, "I am looking for my family. Do you know their whereabouts? "},
    {Speaker::boss, 1, "Is that anyway to address a woman? "},
    {Speaker::pilot, 1,
     "My apologies, I am Adam and I'm looking for my family. They were abducted a while back, and I need to find "
     "them. "},
    {Speaker::boss, 2, "I know who you are and what you came for! You've become quite the popular one, indeed. "},
    {Speaker::pilot, 2, "Then, we can dispense of the small talk and get to business. "},
    {Speaker::boss, 3,
     "There will time for that later. Now, on to more pressing matters. Would you like something to drink? "},
    {Speaker::pilot, 3, "This is not a SOCIAL CALL!!! "},
    {Speaker::boss, 4,
     "Why must you keep raising your voice in the presence of a woman??? Do you really love your family? I can "
     "remember being in love, when your in love... all there is...is love. "},
    {Speaker::pilot, 4, "I don't mean to be rude, but the only pressing matter HERE is my family. "},
    {Speaker::boss, 5,
     "Family and relationships are never guaranteed. One day you are next to your king, and the next day you are "
     "banished to some god forsaken place!!! "},
    {Speaker::pilot, 5, "What king are you referring to? "},
    {Speaker::boss, 6, "None of your business earthling!! If I had my choice all of your kind, MEN, would die! "},
    {Speaker::pilot, 6,
     "It sounds as if you have other pressing matters monopolizing your thoughts that are of no concern me. "},
    {Speaker::boss, 7, "SHUT  UP!! I will not hear another word from you!!! "},
    {Speaker::pilot, 7, "Oh!? I sense a hint of bitterness lady. "},
    {Speaker::boss, 8, "I am warning you...One more word and I'll...I'll...  "},
    {Speaker::pilot, 8, nullptr},
};

const Dialogue kim_before{
    {Speaker::pilot, 0, "Are you the lady of the house? "},
    {Speaker::boss, 1, "It depends on who's asking. "},
    {Speaker::pilot, 1, "My name is Kim, and I've traveled far and long searching for my partner's family. "},
    {Speaker::boss, 2, "Family? Is that what you're searching for? "},
    {Speaker::pilot, 2, "Yep. "},
    {Speaker::boss, 3,
     "A woman as beautiful as yourself shouldn't be worried about some man and his children. Are you sure they "
     "even WANT to be saved? "},
    {Speaker::pilot, 3,
     "If we could, I would like to dispense with the small talk. I have other pressing matters I would like to "
     "get to. "},
    {Speaker::boss, 4,
     "Other pressing matters?! You came to my door! I didn't come to your's, missy. If you want answers out of "
     "me, you have to show a little more respect!! "},
    {Speaker::pilot, 4, "I thought you said that you didn't know anything... "},
    {Speaker::boss, 5,
     "You weren't paying attention. I never said I didn't know anything. I just asked what you where here for. If "
     "you did not know, listen to this. I once sat beside my king, but now I'm banished to this god forsaken "
     "place, waiting for my chance to betray him!!! "},
    {Speaker::pilot, 5,
     "This 'king' doesn't sound too fond of you already. Why add treason to his list of dislikes? We all know the "
     "penalty for treason... "},
    {Speaker::boss, 6, "Do you think I care?? I've been dead for sometime now... "},
    {Speaker::pilot, 6, "I know the feeling...I'm sorry.... "},
    {Speaker::boss, 7,
     "I do not need your apologies. Let me tell you this. If you can defeat me, then I will give you all the "
     "information you desire. "},
    {Speaker::pilot, 7, "Why must it come to that? "},
    {Speaker::boss, 8, "Because it's win-win for me.  "},
    {Speaker::pilot, 8, "How So? "},
    {Speaker::boss, 9,
     "If you are fighting for family, you will fight courageously, and after I kill you, I'll have the pleasure "
     "of knowing that your family will never be found. If you defeat me, you'll put me out of my own misery, "
     "which is killing me slowly every day.  "},
    {Speaker::pilot, 9, "It would be my pleasure to usher you into eternity. "},
    {Speaker::boss, 10, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "Please finish me off, I have been numb for some time now. "},
    {Speaker::pilot, 1, "I NEED to know what happened to my family!! "},
    {Speaker::boss, 1,
     "The penalty for treason is death. But, before I die, I would like to do something honorable. Your family, "
     "traveler, has been taken by Mazukya. I don't know where he has taken them but you can find his place just "
     "up ahead in Sector 3393. "},
    {Speaker::pilot, 2, "Thanks... "},
    {Speaker::boss, 2, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0,
     "As I promised. Your family has been taken by Mazukya. I, like most of the other underbosses, don't know the "
     "exact location of your family. But, Mazukya's place is just up ahead in Sector 3393. "},
    {Speaker::pilot, 1, "You lie!! "},
    {Speaker::boss, 1,
     "I would not lie to you sister. I know who has taken them but no locations of your family. Would you do "
     "something for me? "},
    {Speaker::pilot, 2, "What? "},
    {Speaker::boss, 2, "Kill my King. "},
    {Speaker::pilot, 3, "Oh, you can count on it! "},
    {Speaker::boss, 3, "Thank You....Sorry for all the trouble I caused... "},
    {Speaker::pilot, 4, nullptr},
};

const StageData stage_three_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    3,
    &tune_stage3,
    &tune_boss,
    "gfx/faces/boss_3_face.png",
    false,
    planet_approach::marks(),
    {{PoolKind::five, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
    {
        // {mark, quota, in play, shown at start, trains {pool, cap}, hurried, re-arms formation, shown at end,
        //  trains re-armed in step, trains re-armed, trains sent, shows boss, count left}
        {phase1_mark, 60, {fives, sixes, sevens}, true, {{fives, 3}, {sixes, 3}, {sevens, 3}}, {}, false, {},
         {sevens, sixes, fives}, {}, {fives, sixes, sevens}},
        {phase2_mark, 75, {fives, sixes, sevens}, true, {{fives, 4}, {sixes, 4}, {sevens, 4}}, {}, false, {},
         {sevens, sixes, fives}, {}, {fives, sixes, sevens, eights}},
        {phase3_mark, 80, {fives, sixes, sevens, eights}, true,
         {{fives, 3}, {sixes, 3}, {sevens, 3}, {eights, 3}}, {}, false, {}, {sevens, sixes, fives, eights}, {},
         {fives, sixes, sevens, eights}, true},
        {phase4_mark, 100, {fives, sixes, sevens, eights}, true,
         {{fives, 4}, {sixes, 4}, {sevens, 4}, {eights, 4}}, {}, false, {}},
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
    {Screen::challenge_stage, {3}},
    &sea_planet,
};

}  // namespace

StageThree::StageThree() : ApproachStage(stage_three_data, std::make_unique<BossAdapter<Boss3>>()) {}

StageThree::~StageThree() { release_pictures({&planet_picture, &water_picture}); }

BossAdapter<Boss3>& StageThree::boss3() const { return static_cast<BossAdapter<Boss3>&>(*boss); }

void StageThree::set_up_stage() {
    planet_picture = load_bitmap_ex("gfx/third_stage/planet.gif");
    water_picture = load_picture_ex("gfx/third_stage/water.png");
    arm_records(armed, difficulty);
    for (const Group& group : trains) send_first(group);
    set_up_boss(boss_x, boss_below_mark);
    tune_stage3.play_music();
    player.stage_reset();
    // One of each kind in turn, as far as each goes.
    for (std::size_t i = 0; i < stars.size(); ++i) {
        color_stars[i].init(0, 639);
        stars[i].init(0, 639);
        if (i < clouds.size()) clouds[i].init();
        if (i < islands.size()) islands[i].init();
    }
    enemy_count = 0;
}

void StageThree::step_enemies() { step_groups(trains); }

// Stars, clouds and islands fade in with the sea.
void StageThree::step_scenery() {
    const float alpha = static_cast<float>(ground_alpha);
    for (Star& star : stars) star.update(scroll_speed, alpha);
    for (Cloud& cloud : clouds) cloud.update(scroll_speed, alpha);
    for (Island& island : islands) island.update(scroll_speed, alpha);
}

void StageThree::draw_scenery() {
    for (Star& star : stars) star.draw(buffer);
    for (const Island& island : islands) island.draw(buffer);
    for (const Cloud& cloud : clouds) cloud.draw(buffer);
}

void StageThree::draw_enemies() {
    draw_in_step({fives, sixes}, buffer);
    draw_in_step({sevens, eights}, buffer);
}

NextScreen stage_three(const ScreenArgs&) { return std::make_unique<StageThree>()->run(); }
