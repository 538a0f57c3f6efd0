#include "stages/stage_six.h"

#include <memory>

#include "engine/game_state.h"
#include "engine/slots.h"
#include "engine/timing.h"

using namespace formation_waves;

namespace {

// {trio, grid, boss x, boss below mark}
constexpr Extras stage_extras{false, false, 247.0f, 10};

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "I know why you have come, but your journey must end here. "},
    {Speaker::pilot, 1, "You try my patience. If you know why I'm here, then you must let me pass. "},
    {Speaker::boss, 1, "Another time, another place, and this would be possible. But, you have come at the wrong time. "},
    {Speaker::pilot, 2, "What do you mean? "},
    {Speaker::boss, 2, "I understand what drives you and why you have to pass, but I can't let you pass, friend.. "},
    {Speaker::pilot, 3, "How do you consider me a friend when you know why I've come, yet you will not let me pass? "},
    {Speaker::boss, 3, "Let us come to an agreement. "},
    {Speaker::pilot, 4, "Talk. "},
    {Speaker::boss, 4, "If you defeat me today, I'll give you the information you seek. The opposite is obvious. "},
    {Speaker::pilot, 5, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "Hello, madam. I mean no disrespect, but your journey ends here with me tonight. I know what you seek but I cannot let you pass. "},
    {Speaker::pilot, 1, "Heh. What's makes you think that I won't 'let' you stand in my way? "},
    {Speaker::boss, 1, "I understand what drives you. I wish we would have met under different circumstances. "},
    {Speaker::pilot, 2, "The circumstances are what they are. You know where my partner's family is, and I have to get past you to save them! Right? "},
    {Speaker::boss, 2, "I have a proposition for you. "},
    {Speaker::pilot, 3, "Well?! "},
    {Speaker::boss, 3, "If you defeat me today, I'll give you the information you seek. The opposite is obvious. "},
    {Speaker::pilot, 4, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "You are a great warrior. As I promised, I'll give you the information you seek. "},
    {Speaker::pilot, 1, "So, where's my family? "},
    {Speaker::boss, 1, "Your family is safe for the time being, and they are located in the BLACK REGION of Sector 3400. Lord Art's fortress is located there. "},
    {Speaker::pilot, 2, "Thank you. I believe NOW you can call me friend. "},
    {Speaker::boss, 2, "Beware, you may not like what you find when you get there. "},
    {Speaker::pilot, 3, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "I am a man of my word, honest and forthright. Ask whatever you would like and I will answer it. "},
    {Speaker::pilot, 1, "So, where's my partner's family? "},
    {Speaker::boss, 1, "Your family is safe for the time being, and they are located in the BLACK REGION of Sector 3400. Lord Art's fortress is located there. "},
    {Speaker::pilot, 2, "Thanks. You're not so bad after all! "},
    {Speaker::boss, 2, nullptr},
};

const StageData stage_six_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    6,
    &tune_stage6,
    &tune_boss,
    "gfx/faces/boss_6_face.png",
    true,
    star_marks(&stage1_p),
    {{PoolKind::two, 0, -1}, 1, 0, 0, 0, 0},
    {0.0f, 0.0f, 0.0f, 0.0f},
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
    false,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {7}},
};

}  // namespace

StageSix::StageSix() : FormationStage(stage_six_data, std::make_unique<BossAdapter<Boss6>>(), stage_extras) {}

void StageSix::set_up_with_star(std::size_t i) {
    if (i < meteors.size()) meteors[i].init(1, 1);
}

void StageSix::step_scenery() {
    for (BackdropMeteor& meteor : meteors) meteor.update(scroll_speed, 0.0f);
}

// Far to near: the small rocks' picture first, each by its speed class.
void StageSix::draw_scenery() {
    for (int kind : {1, 0})
        for (int speed_class = 1; speed_class <= 3; ++speed_class)
            for (const BackdropMeteor& meteor : meteors)
                if (meteor.kind == kind && meteor.speed_class == speed_class) meteor.draw(buffer);
}

NextScreen stage_six(const ScreenArgs&) { return std::make_unique<StageSix>()->run(); }
