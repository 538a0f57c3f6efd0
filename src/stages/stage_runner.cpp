#include "stages/stage_runner.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

#include "enemies/scenery_art.h"
#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/hud.h"

namespace {

constexpr int screen_w = 640;
constexpr int screen_h = 480;
constexpr int shown_fade = 254;
constexpr int fade_in_step = 8;
constexpr int faded_in_step = 5;
constexpr int fade_out_step = 16;
constexpr float tune_step = 0.08f;
constexpr float ducked_volume = 0.2f;
constexpr int pause_slide = 15;
constexpr int pane_slide = 20;
constexpr int count_steps = 60;  // a count lasts one more step than this
constexpr int mark_reached = -3;
constexpr int cruise_speed = 3;
constexpr int fight_speed = 5;
constexpr int hurry_quota = 10;
constexpr float hurry_speed = 0.5f;
constexpr int title_slide = 10;
constexpr int outro_wait = 200;
constexpr int last_row = 479;
constexpr int yes_x = 200, no_x = 360, buttons_y = 390;
constexpr int boss_pane_y = 0, pilot_pane_y = 242;
constexpr int face_x = 402, pilot_back_x = 238;
constexpr int boss_text_x = 20, pilot_text_x = 258, text_y = -70;
constexpr int planet_near = 450;
constexpr float planet_growth = 0.02f;
constexpr float planet_full = 1.5f;
constexpr int approach_fade = 5;
constexpr int boss_bonus[4] = {0, 250, 300, 350};  // by difficulty

int white() { return makecol(255, 255, 255); }

bool pointer_over(BITMAP* button, int x, int y) {
    return x < mouse_x && mouse_x < x + button->w && y < mouse_y && mouse_y < y + button->h;
}

void draw_masked(BITMAP* picture, BITMAP* dest, int x, int y) {
    masked_blit(picture, dest, 0, 0, x, y, picture->w, picture->h);
}

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

void StageRunner::start_fade_out() {
    fading_in = false;
    fading_out = true;
}

void StageRunner::update_texts() {
    std::snprintf(gun_text, sizeof gun_text, "%d", player.gun_level);
    std::snprintf(side_text, sizeof side_text, "%d", player.side_level);
    std::snprintf(money_text, sizeof money_text, "$ %d.00", player.money);
}

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

void StageRunner::set_up_boss(float x, int below_mark) {
    boss->load();
    boss->set_position(x, static_cast<float>(data.marks[data.boss_mark].start + below_mark));
    boss->add_hit_points(boss_bonus[difficulty - 1]);
}

void StageRunner::place_start_row(const StartRow& row) {
    const Bonus bonus = row.bonus[difficulty - 1];
    for_each_in_pool(row.at.records, [&](auto& pool, int i) {
        using Kind = std::remove_reference_t<decltype(pool[0])>;
        pool[i].reset();
        place_in_formation(pool[i], row.at, i - row.at.records.first, data.marks[row.mark].start);
        if constexpr (std::is_base_of_v<WrappingEnemy, Kind>) pool[i].set_direction(row.steering);
        if (row.shown) pool[i].show();
        pool[i].add_hit_points(bonus.hit_points);
        pool[i].add_speed(bonus.speed);
    });
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

bool StageRunner::step_groups(const Groups& groups) {
    bool edge = false;
    for (const Group& group : groups)
        for_each_in_pool(group, [&](auto& pool, int i) {
            using Kind = std::remove_reference_t<decltype(pool[0])>;
            auto& record = pool[i];
            if constexpr (is_train_kind<Kind>)
                if (i > 0 && pool[i - 1].entered) record.released = true;
            if constexpr (rides_scroll<Kind>) {
                record.scroll(scroll_speed);
                record.update();
            } else {
                record.update();
                record.update_bullets();
            }
            if (record.in_play && !record.dying && record.at_edge) edge = true;
        });
    return edge;
}

void StageRunner::turn_formation(const Groups& groups) {
    for (const Group& group : groups)
        for_each_record(group, [](Enemy& record) {
            if (record.in_play && !record.dying && record.state != Enemy::dropping) record.stop();
        });
}

// Once a phase, the last ten of its enemies speed up.
void StageRunner::hurry() {
    if (!spawning || wave_phase < 1 || wave_phase > static_cast<int>(data.phases.size())) return;
    if (enemy_count > hurry_quota || wave_hurry > 0) return;
    add_groups_speed(data.phases[wave_phase - 1].hurried, hurry_speed);
    wave_hurry += 1;
}

void StageRunner::relaunch_trains() {
    if (!spawning || wave_phase < 1 || wave_phase > static_cast<int>(data.phases.size())) return;
    const std::vector<TrainLaunch>& trains = data.phases[wave_phase - 1].trains;
    for (std::size_t j = 0; j < trains.size(); ++j) {
        if (launch_counts[j] >= trains[j].cap) continue;
        bool spent = true;
        for_each_record(trains[j].pool, [&](Enemy& record) { spent = spent && !record.alive; });
        if (!spent) continue;
        launch_train(trains[j].pool);
        launch_counts[j] += 1;
    }
}

void StageRunner::launch_train(const Group& pool) {
    for_each_in_pool(pool, [](auto& records, int i) {
        place_for_launch(records[i]);
        records[i].reset();
        records[i].show();
        records[i].enter_play();
        take_lane(records[i], i);
    });
    send_first(pool);
}

void StageRunner::start_phases() {
    const int phase_count = static_cast<int>(data.phases.size());
    for (int p = 1; p <= phase_count; ++p) {
        const WavePhase& phase = data.phases[p - 1];
        if (marks[phase.mark] < mark_reached || wave_phase != p - 1) continue;
        enemy_count = phase.quota;
        speeding_up = false;
        spawning = true;
        if (phase.shown_at_start) show_groups(phase.in_play);
        for (const Group& group : phase.in_play) for_each_record(group, [](Enemy& record) { record.enter_play(); });
        launch_counts.fill(0);
        wave_phase = p;
    }
    if (marks[data.boss_mark] < mark_reached || wave_phase != phase_count) return;
    wave_phase += 1;
    open_fight_dialogue();
    // The trio's count is the last.
    const std::size_t cleared = launch_counts.size() - (data.boss_mark_keeps_trio_count ? 1 : 0);
    std::fill_n(launch_counts.begin(), cleared, 0);
    for (const auto& [index, row] : data.boss_mark_rows) marks[index] = row;
}

bool StageRunner::end_phase_on_quota() {
    if (!spawning || enemy_count != 0 || scroll_started < 1) return false;
    spawning = false;
    speeding_up = true;
    const int phase_count = static_cast<int>(data.phases.size());
    if (wave_phase >= 1 && wave_phase <= phase_count) {
        const WavePhase& phase = data.phases[wave_phase - 1];
        if (phase.rearms_formation && wave_phase < phase_count) rearm_formation(data.phases[wave_phase].mark);
        show_groups(phase.shown_at_end);
        rearm_trains(phase);
        if (phase.shows_boss || wave_phase == phase_count) boss->show();
        enemy_count = phase.count_left;
    }
    if (data.phase_end_clears_hurry) wave_hurry = 0;
    return true;
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

void StageRunner::place_in_formation(Enemy& record, const Placement& at, int k, int row) const {
    record.set_position(static_cast<float>(at.x0 + at.dx * (k % at.columns)),
                        static_cast<float>(row + at.y0 + at.dy * (k / at.columns)));
}

// The reset takes each record out of play, so the new formation rides down with its mark.
void StageRunner::rearm_formation(int mark) {
    const Placement& at = data.formation;
    for_each_in_pool(at.records, [&](auto& pool, int i) {
        Enemy& record = pool[i];
        record.show();
        pool[i].reset();
        place_in_formation(record, at, i - at.records.first, marks[mark]);
        record.add_speed(data.rearm_speed[difficulty - 1]);
    });
}

void StageRunner::rearm_trains(const WavePhase& phase) {
    const auto rearm = [](auto& records, int i) {
        place_for_launch(records[i]);
        records[i].reset();
        take_lane(records[i], i);
    };
    for_each_in_step(phase.trains_rearmed_in_step, rearm);
    for (const Group& group : phase.trains_rearmed) for_each_in_pool(group, rearm);
    for (const Group& group : phase.trains_sent) send_first(group);
}

void StageRunner::speed_up() {
    if (speeding_up && scroll_speed < cruise_speed) scroll_speed += 1;
}

void StageRunner::run_phases() {
    start_phases();
    end_phase_on_quota();
    speed_up();
    close_step();
    advance_marks();
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

void StageRunner::draw() {
    draw_layers();
    boss->draw(buffer);
    draw_ship();
    draw_over_ship();
    draw_hud(money_text, gun_text, side_text);
    draw_title();
    shake_blit(buffer, overlay_buffer, 0, 0, 0, 0, screen_w, screen_h);
    if (boss_pane_x < 640.0f && pilot_pane_x > -640.0f) draw_panes();
    if (continue_shown) draw_continue();
    if (pause_y > static_cast<float>(1 - pause_panel->h)) draw_pause_panel();
    if (continue_shown || paused) draw_masked(mouse_pointer, overlay_buffer, mouse_x, mouse_y);
    fade_onto_page(overlay_buffer, data.white_fades ? white() : makecol(0, 0, 0), fade_level);
}

void StageRunner::draw_backdrops() const {
    for (std::size_t i = 0; i < data.marks.size(); ++i) {
        const ScrollMark& mark = data.marks[i];
        if (mark.layer == ScrollMark::backdrop && mark.shown_above < marks[i] && marks[i] <= last_row)
            fade_blit(*mark.picture, buffer, mark.x, marks[i], white(), boss->alpha());
    }
}

void StageRunner::draw_overlays() const {
    for (std::size_t i = 0; i < data.marks.size(); ++i) {
        const ScrollMark& mark = data.marks[i];
        if (mark.layer == ScrollMark::overlay && mark.shown_above < marks[i] && marks[i] <= last_row)
            draw_masked(*mark.picture, buffer, mark.x, marks[i]);
    }
}

namespace {

// A row of the approach: see-through while it fades, washed by the boss's alpha when whole.
void draw_approach_row(BITMAP* picture, int row, int alpha, int boss_alpha) {
    if (row < -last_row || row > last_row) return;
    if (alpha > 0 && alpha < 255) trans_blit(picture, buffer, 0, row, alpha);
    if (alpha == 255) fade_blit(picture, buffer, 0, row, white(), boss_alpha);
}

}  // namespace

void StageRunner::draw_ship() { player.draw(buffer); }

void StageRunner::draw_approach_stars() const {
    for (int row : backdrop_y) draw_approach_row(stage1_small_stars, row, backdrop_alpha, boss->alpha());
}

void StageRunner::draw_ground() const {
    for (int i = 0; i < 2; ++i) {
        BITMAP* picture = data.approach->ground[data.approach->grounds > 1 ? ground_pick[i] : 0];
        draw_approach_row(picture, ground_y[i], ground_alpha, boss->alpha());
    }
}

void StageRunner::draw_planet() const {
    if (planet_alpha <= 0) return;
    BITMAP* target = planet_alpha < 255 ? planet_layer : buffer;
    pivot_scaled(target, *data.approach->planet, screen_w / 2, screen_h / 2, data.approach->pivot_x, planet_y, 0,
                 ftofix(planet_scale));
    if (planet_alpha < 255) trans_blit(planet_layer, buffer, 0, 0, planet_alpha);
}

void StageRunner::draw_title() const {
    const int y = screen_h / 2 - text_height(font7) / 2;
    if (title_x > static_cast<float>(-text_length(font7, data.title) - text_length(font7, " ")))
        textout_ex(buffer, font7, data.title, static_cast<int>(title_x), y, -1, -1);
    if (title_number_x >= 640.0f) return;
    if (data.title_second)
        textout_ex(buffer, font7, data.title_second, static_cast<int>(title_number_x), y, -1, -1);
    else
        textprintf_ex(buffer, font7, static_cast<int>(title_number_x), y, -1, -1, "%d", current_stage);
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
