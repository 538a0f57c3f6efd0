// The stage runner's pause panel with its music duck, "Continue?" with its count, and quitting.
#include "stages/stage_runner.h"

#include <algorithm>
#include <cstdio>

#include "engine/game_state.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stages/hud.h"
#include "stages/playfield.h"

namespace {

constexpr float ducked_volume = 0.2f;
constexpr int pause_slide = 15;
constexpr int count_steps = 60;  // a count lasts one more step than this
constexpr int yes_x = 200, no_x = 360, buttons_y = 390;

bool pointer_over(BITMAP* button, int x, int y) {
    return x < mouse_x && mouse_x < x + button->w && y < mouse_y && mouse_y < y + button->h;
}

}  // namespace

void StageRunner::slide_pause_panel() {
    if (paused)
        pause_y = std::min(pause_y + pause_slide, static_cast<float>(pause_rest_y));
    else
        pause_y = std::max(pause_y - pause_slide, static_cast<float>(-pause_panel->h));
    duck_music(paused);
}

// While paused the stage's tune, "Continue?"'s, the dialogue's and the boss's sink to 0.2 and the
// boss's blaster holds; otherwise they come back. They share one channel, so whatever plays sinks.
void StageRunner::duck_music(bool down) {
    SoundClip* others[] = {&tune_continue, &tune_dialog, &tune_boss};
    if (down) {
        data.tune->fade_out(ducked_volume, tune_step);
        boss->pause_blaster(true);
        for (SoundClip* tune : others) tune->fade_out(ducked_volume, tune_step);
    } else {
        data.tune->fade_in(1.0f, tune_step);
        for (SoundClip* tune : others) tune->fade_in(1.0f, tune_step);
        boss->pause_blaster(false);
    }
}

void StageRunner::count_down_continue() {
    boss->hold_for_continue();
    if (!paused && ++continue_ticks > count_steps) {
        continue_count -= 1;
        continue_ticks = 0;
    }
    std::snprintf(continue_text, sizeof continue_text, "%d", continue_count);
    if (data.continue_by_key && key[KEY_S]) accept_continue();
    if (continue_count < 1) decline_continue();
}

void StageRunner::raise_continue() {
    data.tune->stop();
    tune_continue.play_music();
    continue_shown = true;
    death_count += 1;
}

void StageRunner::accept_continue() {
    continue_shown = false;
    player.continue_reset();
    death_count = 0;
    continue_count = continue_start;
    continue_ticks = 0;
    boss->pause_blaster(false);
    data.tune->stop();
    (boss_fight ? data.fight_tune : data.tune)->play_music();
}

void StageRunner::decline_continue() {
    return_to_menu = true;
    if (!faded_in) return;
    start_fade_out();
    continue_shown = false;
}

void StageRunner::quit_to_menu() {
    return_to_menu = true;
    paused = false;
    if (!faded_in) return;
    for (SoundClip* tune : {data.tune, data.fight_tune, &tune_continue}) tune->set_volume(1.0f);
    start_fade_out();
}

// YES and NO answer the mouse in the drawing pass, paused or not.
void StageRunner::draw_continue() {
    textout_centre_ex(overlay_buffer, font0, "Continue?", 320, 80, -1, -1);
    textout_centre_ex(overlay_buffer, font1, continue_text, 320, 180, -1, -1);
    if (pointer_over(yes_button, yes_x, buttons_y)) {
        blit(yes_button_lit, overlay_buffer, 0, 0, yes_x, buttons_y, yes_button_lit->w, yes_button_lit->h);
        if (mouse_b & 1) accept_continue();
    }
    if (pointer_over(no_button, no_x, buttons_y)) {
        blit(no_button_lit, overlay_buffer, 0, 0, no_x, buttons_y, no_button_lit->w, no_button_lit->h);
        if (mouse_b & 1) decline_continue();
    }
    draw_masked(yes_button, overlay_buffer, yes_x, buttons_y);
    draw_masked(no_button, overlay_buffer, no_x, buttons_y);
}

void StageRunner::draw_pause_panel() {
    if (pause_screen(pause_panel, static_cast<float>(pause_x), pause_y) == 1) quit_to_menu();
}
