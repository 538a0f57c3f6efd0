#include "stages/stage_nine.h"
#include "stages/playfield.h"

#include <memory>

#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/timing.h"

using namespace formation_waves;

namespace {

// {trio, grid, boss x, boss below mark}
constexpr Extras stage_extras{true, true, 131.0f, 1};
constexpr int top_start = 150;

// Dialogue rows: {speaker, index among that speaker's lines, text}.
const Dialogue adam_before{
    {Speaker::boss, 0, "Hello, Adam.. "},
    {Speaker::pilot, 1, "Vance? What are you doing in this region? "},
    {Speaker::boss, 1, "I've come to find you. "},
    {Speaker::pilot, 2, "I'm not lost. What are you really doing here? "},
    {Speaker::boss, 2, "Hah Hah! You know me. I've never been able to lie. I guess you see right through me, or should I say, you think you can see through me. "},
    {Speaker::pilot, 3, "You better explain yourself... "},
    {Speaker::boss, 3, "You ought not tell me what to do. I don't take orders from you anymore. "},
    {Speaker::pilot, 4, "What is this all about? "},
    {Speaker::boss, 4, "What? The 'Great' Galactic Marcher can't figure out a simple betrayal plot?! "},
    {Speaker::pilot, 5, "But why, Vance? What have I done to you? "},
    {Speaker::boss, 5, "Too much. I'm done talking. Let's fight, and may the best marcher win. "},
    {Speaker::pilot, 6, nullptr},
};

const Dialogue kim_before{
    {Speaker::boss, 0, "Hello, Kim. I've heard a lot about you and your exploits. "},
    {Speaker::pilot, 1, "I've seen you somewhere before. "},
    {Speaker::boss, 1, "What?! You don't recognize me? "},
    {Speaker::pilot, 2, "I have no time to play 'Guess Who'. I have other pressing matters. "},
    {Speaker::boss, 2, "Come on, Kim. That's no way to talk to a family friend. "},
    {Speaker::pilot, 3, "That's it! I've seen you in a picture at KVC headquarters. "},
    {Speaker::boss, 3, "And you said that you didn't have time for 'Guess Who'. "},
    {Speaker::pilot, 4, "Are you behind this? How could you? "},
    {Speaker::boss, 4, "Easy, Kim. Very easy. Adam never realized my potential. "},
    {Speaker::pilot, 5, "What? Your potential for betrayal, or your potential to be a traitor? "},
    {Speaker::boss, 5, "I guess I have to show you in order for you to respect me. "},
    {Speaker::pilot, 6, "I could never respect a traitor. "},
    {Speaker::boss, 6, nullptr},
};

const Dialogue adam_after{
    {Speaker::boss, 0, "*Cough* I can't believe this. "},
    {Speaker::pilot, 1, "How could you, Vance? We were like brothers! "},
    {Speaker::boss, 1, "Like is the key word. We aren't brothers. For years you have held me back. I gave you everything and even poured my heart into the Marchers, but it all went un-noticed. Not anymore...you notice me now. "},
    {Speaker::pilot, 2, "Such a shame. I did realize your potential. It was for that particular reason as to why I was so hard on you. Because I knew you would become better than me. Too bad you didn't see that. What a waste. "},
    {Speaker::boss, 2, nullptr},
};

const Dialogue kim_after{
    {Speaker::boss, 0, "*Cough* I can't believe this! "},
    {Speaker::pilot, 1, "Vance, I think Adam made the right choice with you after all. "},
    {Speaker::boss, 1, "Well, I think I made the right choice when I decided to have him killed. "},
    {Speaker::pilot, 2, "You underestimated me. I left Lord Art's army. They didn't leave me. Where is he? "},
    {Speaker::boss, 2, "He's in the fortress. I really doesn't matter anyway. You're too late to do anything. "},
    {Speaker::pilot, 3, nullptr},
};

const StageData stage_nine_data{
    // number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    // its re-arm speed by difficulty, phases
    9,
    &tune_stage9,
    &tune_boss,
    "gfx/faces/boss_9_face.png",
    true,
    star_marks(&stage1_p),
    grid_rearmed,
    {0.0f, 0.2f, 0.3f, 0.4f},
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
    true,
    true,
    {{{adam_before, adam_after}, {kim_before, kim_after}}},
    {Screen::upgrade_store, {10}},
};

}  // namespace

StageNine::StageNine() : FormationStage(stage_nine_data, std::make_unique<BossAdapter<Boss9>>(), stage_extras) {}

StageNine::~StageNine() {
    if (top) destroy_bitmap(top);
    if (bottom) destroy_bitmap(bottom);
}

void StageNine::set_up_scenery() {
    top = load_picture_ex("gfx/ninth_stage/top.png");
    bottom = load_picture_ex("gfx/ninth_stage/bottom.png");
    top_row = top_start;
    bottom_row = top_start + top->h;
}

// Still while the scroll stands; otherwise 2 and 1 px a step faster than it.
void StageNine::after_scroll() {
    if (scroll_speed != 0) {
        top_row += scroll_speed + 2;
        bottom_row += scroll_speed + 1;
    }
    if (top_row > last_row) top_row = -top->h;
    if (bottom_row > last_row) bottom_row = -bottom->h;
}

void StageNine::draw_scenery() { masked_blit(bottom, buffer, 0, 0, 0, bottom_row, bottom->w, bottom->h); }

void StageNine::draw_over_ship() { masked_blit(top, buffer, 0, 0, 0, top_row, top->w, top->h); }

NextScreen stage_nine(const ScreenArgs&) { return std::make_unique<StageNine>()->run(); }
