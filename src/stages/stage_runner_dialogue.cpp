// The stage runner's boss dialogues: the panes sliding in, one turn per key press, and the fight or
// the death that each dialogue's end begins.
#include "stages/stage_runner.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "stages/playfield.h"

namespace {

constexpr int pane_slide = 20;
constexpr int boss_pane_y = 0, pilot_pane_y = 242;
constexpr int face_x = 402, pilot_back_x = 238;
constexpr int boss_text_x = 20, pilot_text_x = 258, text_y = -70;

}  // namespace

// The dialogue does not look at the pause: its panes slide and its lines turn underneath.
void StageRunner::dialogue_step() {
    slide_panes(dialog_active);
    if (!dialog_active) return;
    advance_turn();
    show_lines();
}

void StageRunner::slide_panes(bool in) {
    if (in) {
        boss_pane_x = std::max(boss_pane_x - pane_slide, 0.0f);
        pilot_pane_x = std::min(pilot_pane_x + pane_slide, 0.0f);
    } else {
        boss_pane_x = std::min(boss_pane_x + pane_slide, 640.0f);
        pilot_pane_x = std::max(pilot_pane_x - pane_slide, -640.0f);
    }
}

// One turn per press, and only once both panes are in.
void StageRunner::advance_turn() {
    const bool down = key[key_text_advance];
    if (down && !advance_latch && boss_pane_x == 0.0f && pilot_pane_x == 0.0f) {
        if (pilot_turn) {
            boss_line += 1;
            boss_turn = true;
            pilot_turn = false;
        } else if (boss_turn) {
            pilot_line += 1;
            pilot_turn = true;
            boss_turn = false;
        }
    }
    advance_latch = down;
}

const Dialogue& StageRunner::dialogue(DialogueLines lines) const {
    const PilotDialogues& pilot = data.dialogues[selected_character == 2 ? 1 : 0];
    return lines == DialogueLines::after ? pilot.after : pilot.before;
}

// The turn's line, or the end of the dialogue when the turn has reached its last row.
void StageRunner::show_lines() {
    const DialogueLines lines = boss->lines();
    if (lines == DialogueLines::neither || !(pilot_turn || boss_turn)) return;
    const Speaker speaker = pilot_turn ? Speaker::pilot : Speaker::boss;
    const int index = pilot_turn ? pilot_line : boss_line;
    const Dialogue& rows = dialogue(lines);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const DialogueRow& r) { return r.speaker == speaker && r.index == index; });
    if (row == rows.end() || !row->text) return end_dialogue(lines);
    (pilot_turn ? pilot_text : boss_text) = row->text;
}

void StageRunner::end_dialogue(DialogueLines lines) {
    pilot_turn = boss_turn = dialog_active = false;
    if (lines == DialogueLines::after) return boss->start_death();
    boss_fight = true;
    if (data.fight_start_ends_spawning) spawning = false;
    boss->activate();
    data.tune->stop();
    data.fight_tune->play_music();
}

void StageRunner::start_boss_dialogue(const Dialogue& rows) {
    (rows.front().speaker == Speaker::boss ? boss_turn : pilot_turn) = true;
    dialog_active = true;
}

void StageRunner::open_fight_dialogue() {
    speeding_up = false;
    data.tune->stop();
    tune_dialog.play_music();
    start_boss_dialogue(dialogue(DialogueLines::before));
    spawning = true;
}

void StageRunner::open_after_dialogue() {
    boss_line = pilot_line = 0;
    start_boss_dialogue(dialogue(DialogueLines::after));
}

// The panes are composed afresh every frame; the speaker's text goes on its own pane only.
void StageRunner::draw_panes() const {
    BITMAP* boss_pane = dialog_panes[0];
    BITMAP* pilot_pane = dialog_panes[1];
    draw_sprite(boss_pane, dialog_back, 0, 0);
    draw_masked(dialog_bars, boss_pane, 0, 0);
    draw_masked(boss_face, boss_pane, face_x, 0);
    draw_sprite(pilot_pane, dialog_back, pilot_back_x, 0);
    draw_masked(dialog_bars, pilot_pane, pilot_back_x, 0);
    draw_masked(player_face, pilot_pane, 0, 0);
    const int text_w = dialog_back->w - 20;
    const int text_h = dialog_back->h - 10;
    if (pilot_turn) draw_wrapped_text(pilot_pane, font5, pilot_text, pilot_text_x, text_y, text_w, text_h, 0, -1);
    if (boss_turn) draw_wrapped_text(boss_pane, font5, boss_text, boss_text_x, text_y, text_w, text_h, 0, -1);
    blit(boss_pane, overlay_buffer, 0, 0, static_cast<int>(boss_pane_x), boss_pane_y, boss_pane->w, boss_pane->h);
    blit(pilot_pane, overlay_buffer, 0, 0, static_cast<int>(pilot_pane_x), pilot_pane_y, pilot_pane->w,
         pilot_pane->h);
}
