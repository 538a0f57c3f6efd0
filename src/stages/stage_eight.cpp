#include "stages/stage_eight.h"

#include <memory>

#include "engine/game_state.h"
#include "engine/slots.h"
#include "engine/timing.h"

using namespace formation_waves;

namespace {

// {trio, grid, boss x, boss below mark}
constexpr Extras stage_extras{true, false, 168.5f, 75};

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "You haven't given up yet, I see. He said you wouldn't, and I didn't believe him. Heh. Guess I owe him 5 bucks. No matter. I hoped that I would be the one to crush your dreams. "},
    {Speaker::pilot, 1, "Who are you talking about? "},
    {Speaker::boss, 1, "It doesn't matter at this point because your journey must end with me. "},
    {Speaker::pilot, 2, "You are but a meer speed bump. "},
    {Speaker::boss, 2, "I have fought many like yourself, filled with courage and self confidence, but no intelligence. You cannot even realize you've failed. That's why I was put here, to bring those of you to reality! "},
    {Speaker::pilot, 3, "Outta my way!! "},
    {Speaker::boss, 3, "Ignorance is bliss, Heh! I'll do you a favor and put you out of your misery. Is that cool? Ok. "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "I always knew you'd come back. "},
    {Speaker::pilot, 1, "I'm not back at all. I'm just stopping by to get something. "},
    {Speaker::boss, 1, "You should've never come back here. "},
    {Speaker::pilot, 2, "Awww, Kerog! It sounds like you missed me. "},
    {Speaker::boss, 2, "I'm afraid your mistake will end up costing you more than just your 'partner's' family. You've always been a sharp one, Kim. Need I finish this statement? "},
    {Speaker::pilot, 3, "Just like always, Kerog, You never could remember anything. "},
    {Speaker::boss, 3, "What's that supposed to mean? "},
    {Speaker::pilot, 4, "You must have forgotten that you've never beaten me in anything, and now I will show you that you never will. This time, it's for keeps. "},
    {Speaker::boss, 4, "Just what I like to hear!!! "},
    {Speaker::pilot, 5, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "I guess I won't be able to give him his 5 bucks... "},
    {Speaker::pilot, 1, "So, who were you talking about earlier? "},
    {Speaker::boss, 1, "Ha Ha Ha...*cough* Wouldn't you like to know. I find no honor in defeat, and I'll DIE before I help you. "},
    {Speaker::pilot, 2, "That is one thing that is certain. You will die. Heh. No matter. I'm pretty sure I'll find out on my own. What a waste of a life. "},
    {Speaker::boss, 2, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "I guess it couldn't be helped... "},
    {Speaker::pilot, 1, "Just like old times, but I'm afraid this is our last time. "},
    {Speaker::boss, 1, "You're too late... "},
    {Speaker::pilot, 2, "Not really. I would like to stay here and waste time with you, but YOU have no time left. "},
    {Speaker::boss, 2, nullptr},
};

const StageData stage_eight_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    8,
    &tune_stage8,
    &tune_boss,
    "gfx/faces/boss_8_face.png",
    true,
    star_marks(&stage1_p),
    {{PoolKind::one, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.2f, 0.3f, 0.4f},
    phases(stage_extras),
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
    false,
    true,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {9}},
};

}  // namespace

StageEight::StageEight() : FormationStage(stage_eight_data, std::make_unique<BossAdapter<Boss8>>(), stage_extras) {}

void StageEight::set_up_with_star(std::size_t i) {
    if (i < meteors.size()) meteors[i].init(1, 0);
}

void StageEight::step_scenery() {
    for (BackdropMeteor& meteor : meteors) meteor.update(scroll_speed, 0.0f);
}

void StageEight::draw_scenery() {
    for (int kind : {1, 0})
        for (const BackdropMeteor& meteor : meteors)
            if (meteor.kind == kind) meteor.draw(buffer);
}

NextScreen stage_eight(const ScreenArgs&) { return std::make_unique<StageEight>()->run(); }
