// The stage runner's set-up and clean-up, its step, the scroll and its marks, the boss phase and the
// outro.
#include "stages/stage_runner.h"

#include <algorithm>
#include <cstdio>

#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/playfield.h"

namespace {

constexpr int shown_fade = 254;
constexpr int fade_in_step = 8;
constexpr int faded_in_step = 5;
constexpr int fade_out_step = 16;
constexpr int fight_speed = 5;
constexpr int title_slide = 10;
constexpr int outro_wait = 200;
constexpr int planet_near = 450;
constexpr float planet_growth = 0.02f;
constexpr float planet_full = 1.5f;
constexpr int approach_fade = 5;
constexpr int boss_bonus[4] = {0, 250, 300, 350};  // by difficulty

}  // namespace

void release_pictures(std::initializer_list<BITMAP**> slots) {
    for (BITMAP** picture : slots) {
        if (*picture) destroy_bitmap(*picture);
        *picture = nullptr;
    }
}

std::vector<ScrollMark> star_field_marks(const std::array<BITMAP* const*, 4>& pictures,
                                         std::vector<ScrollMark> own) {
    constexpr int tall_shown = -1440, full_shown = -480;
    constexpr int picture_rows[4] = {-3360, -8160, -4320, -7200};
    std::vector<ScrollMark> marks;
    for (int row : {-960, -2880, -6720, -10080})
        marks.push_back({row, &stage1_stars, ScrollMark::backdrop, 0, tall_shown});
    for (int row : {-1440, -3840, -4800, -5280, -7680, -8640})
        marks.push_back({row, &stage1_small_stars, ScrollMark::backdrop, 0, full_shown});
    for (int i = 0; i < 4; ++i) marks.push_back({picture_rows[i], pictures[i], ScrollMark::backdrop, 0, full_shown});
    marks.insert(marks.end(), own.begin(), own.end());
    return marks;
}

StageRunner::StageRunner(const StageData& stage_data, std::unique_ptr<StageBoss> stage_boss)
    : data(stage_data), boss(std::move(stage_boss)) {}

StageRunner::~StageRunner() {
    for (BITMAP* bitmap : {pause_panel, boss_face, planet_layer})
        if (bitmap) destroy_bitmap(bitmap);
}

NextScreen StageRunner::run() {
    set_up();
    FrameLoop loop;
    loop.run([&] { return running; }, [&] { step(); }, [&] { draw(); });
    return finish();
}

void StageRunner::set_up() {
    current_stage = data.number;
    death_count = 0;
    // The number stands one blank after the word, whatever the font's widths.
    const int word_w = text_length(font7, "Stage ");
    title_x = static_cast<float>(screen_w / 2 - word_w / 2);
    title_number_x = title_x + static_cast<float>(word_w);
    post_death_ticks = 0;
    outro_state = 0;
    pause_panel = create_bitmap(paused_platform->w, paused_platform->h);
    if (data.face_path) boss_face = load_picture_ex(data.face_path);
    pause_x = screen_w / 2 - pause_panel->w / 2;
    pause_y = static_cast<float>(-pause_panel->h);
    pause_rest_y = screen_h / 2 - pause_panel->h / 2;
    faded_in = !data.white_fades;
    marks.clear();
    for (const ScrollMark& mark : data.marks) marks.push_back(mark.start);
    if (data.approach) {
        planet_layer = create_bitmap(screen_w, screen_h);
        clear_to_color(planet_layer, makecol(255, 0, 255));
    }
    // A game quit mid-wave leaves explosions and shots on the records.
    clear_remains(every_kv2_pool);
    set_up_stage();
}

void StageRunner::step() {
    fade();
    if (!fading_out) {
        slide_pause_panel();
        if (continue_shown) count_down_continue();
    }
    dialogue_step();
    if (faded_in && !continue_shown) fade_level = std::min(fade_level + faded_in_step, shown_fade);
    if (key[KEY_P]) paused = true;
    if (key[KEY_Q]) save_screenshot(active_page);
    if (!player.alive && death_count == 0) raise_continue();
    if (play_allowed()) play();
    if (key[KEY_ESC]) paused = true;
    update_texts();
}

bool StageRunner::play_allowed() const {
    return faded_in && !paused && fade_level == shown_fade && !continue_shown && !dialog_active;
}

void StageRunner::fade() {
    if (fading_in) fade_level += fade_in_step;
    if (fading_out) {
        fade_level = std::max(fade_level - fade_out_step, 1);
        const bool silent = fading_tune().fade_out(0.0f, tune_step);
        if (fade_level == 1 && silent) running = false;
    }
    if (fade_level > shown_fade) {
        fade_level = shown_fade;
        faded_in = true;
    }
}

SoundClip& StageRunner::fading_tune() const {
    return data.fade_out_fight_tune && boss_fight ? *data.fight_tune : *data.tune;
}

void StageRunner::start_fade_out() {
    fading_in = false;
    fading_out = true;
}

void StageRunner::update_texts() {
    std::snprintf(gun_text, sizeof gun_text, "%d", player.gun_level);
    std::snprintf(side_text, sizeof side_text, "%d", player.side_level);
    std::snprintf(money_text, sizeof money_text, "$ %d.00", player.money);
}

void StageRunner::set_up_boss(float x, int below_mark) {
    boss->load();
    boss->set_position(x, static_cast<float>(data.marks[data.boss_mark].start + below_mark));
    boss->add_hit_points(boss_bonus[difficulty - 1]);
}

void StageRunner::fly_ship() {
    title_ticks += 1;
    player.update();
    player.poll_bomb_keys();
}

void StageRunner::scroll_boss_and_step() {
    boss->scroll(scroll_speed);
    boss->update_state();
    boss->update();
}

void StageRunner::close_step() {
    boss_phase();
    brake();
    move_title();
    clamp_scroll();
}

void StageRunner::boss_phase() {
    if (!boss_fight) return;
    if (data.fight_scroll && scroll_speed < fight_speed) scroll_speed += 1;
    for (const auto& [index, row] : data.boss_mark_rows)
        if (marks[index] > last_row) marks[index] = -screen_h;
    if (boss->beaten() && post_dialog_started <= 0) {
        if (data.beaten_silences_blaster) boss->stop_blaster();
        open_after_dialogue();
        post_dialog_started += 1;
    }
    if (boss->dead()) post_death_ticks += 1;
    outro(post_death_ticks > outro_wait);
}

void StageRunner::outro(bool due) {
    if (due && outro_state <= 0) {
        tune_outro.stop();
        // The count the fight tune raised would make the outro finished at once.
        tune_outro.plays = 0;
        tune_outro.play_music();
        outro_state += 1;
    }
    if (tune_outro.finished() && outro_state == 1) {
        player.fly_off();
        outro_state += 1;
    }
    fly_off_once_more();
    if (player.stage_cleared && faded_in) start_fade_out();
}

// A respawn after the fly-off began puts the ship back on the field: send it off again.
void StageRunner::fly_off_once_more() {
    const bool flying_off = player.state == Player::request_fly_off || player.state == Player::flying_off;
    if (outro_state >= 2 && !player.stage_cleared && !player.exploding && !flying_off) player.fly_off();
}

void StageRunner::brake() {
    if (spawning && scroll_speed > 0) scroll_speed -= 1;
}

void StageRunner::move_title() {
    if (title_ticks <= title_steps) return;
    title_ticks = title_steps;
    title_x -= title_slide;
    title_number_x += title_slide;
    if (scroll_started >= 1) return;
    speeding_up = true;
    spawning = false;
    scroll_started = 1;
}

void StageRunner::clamp_scroll() {
    if (scroll_speed > fight_speed) scroll_speed = fight_speed;
    if (scroll_speed < 1) scroll_speed = 0;
}

void StageRunner::advance_marks() {
    for (int& mark : marks) mark += scroll_speed;
}

void StageRunner::approach() {
    if (planet_y < planet_near) planet_scale += planet_growth;
    if (planet_scale > planet_full) {
        planet_alpha = std::max(planet_alpha - approach_fade, 0);
        backdrop_alpha = std::max(backdrop_alpha - approach_fade, 0);
        ground_alpha += approach_fade;
    }
    if (ground_alpha > 255) {
        ground_alpha = 255;
        boss->scroll(scroll_speed);
        advance_marks();
    }
}

// Below row 451 the planet stands still at speed 1 and falls 2 a step at speed 3.
void StageRunner::move_approach_rows() {
    for (int* row : {&backdrop_y[0], &backdrop_y[1], &ground_y[0], &ground_y[1]}) *row += scroll_speed;
    if (scroll_speed != 0) {
        if (planet_y > planet_near) planet_y -= scroll_speed + 1;
        if (planet_y < planet_near + 1) planet_y -= scroll_speed - 1;
    }
    for (int& row : backdrop_y)
        if (row > last_row) row = -screen_h;
    for (int i = 0; i < 2; ++i) {
        if (ground_y[i] <= last_row) continue;
        ground_y[i] = -screen_h;
        if (data.approach->grounds > 1) ground_pick[i] = random_range(0, data.approach->grounds - 1);
    }
}

NextScreen StageRunner::finish() {
    boss->stop_blaster();
    if (data.scroll_stops_at_end) scroll_speed = 0;
    data.tune->stop();
    stop_shake();
    // A quit under the lasers would leave their hum looping in the menus.
    player.put_bombs_away();
    // P pressed during the fade-out would start the next stage paused.
    paused = false;
    if (return_to_menu || !player.stage_cleared) return {Screen::main_menu, {}};
    return data.next;
}
