#include "stages/kv1_stage.h"

#include <algorithm>
#include <cmath>

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "enemies/pools.h"
#include "player/kv1player.h"

namespace {

constexpr int white_in_step = 2;
constexpr int white_out_step = 16;
constexpr int ready_gain = 5;  // brightness regained each step once ready, so a fade-out loses 11
constexpr int clear_wait = 100;  // steps after the last kill before the ship flies off
constexpr int hurry_quota = 10;
constexpr float hurry_gain = 0.5f;

template <class F>
void with_pool(Kv1Kind kind, F&& f) {
    switch (kind) {
    case kv1_four: return f(kv1_enemy_four_pool);
    case kv1_one: return f(kv1_enemy_one_pool);
    case kv1_three: return f(kv1_enemy_three_pool);
    default: return f(kv1_enemy_two_pool);
    }
}

// f(record, index) for the first `count` records of the kind.
template <class F>
void for_records(Kv1Kind kind, int count, F&& f) {
    with_pool(kind, [&](auto& pool) {
        for (int i = 0; i < count; ++i) f(pool[i], i);
    });
}

constexpr std::array<Kv1Kind, kv1_kind_count> kinds{kv1_four, kv1_one, kv1_three, kv1_two};
// The blocks that turn together at an edge; the circling kind has no edge.
constexpr std::array<Kv1Kind, 3> marching_kinds{kv1_four, kv1_one, kv1_three};

template <class Record>
void put(Record& record, int, const Slot& slot, float bonus) {
    record.add_speed(bonus);
    record.set_position(static_cast<float>(slot.x), static_cast<float>(slot.y));
}

void put(Kv1EnemyTwo& record, int i, const Slot&, float) {
    record.place_on_circle(static_cast<float>(i) * static_cast<float>(M_PI) / 2.0f);
}

Kv1Formations drawn_formations(int stage) {
    const int tier = formation_tier(stage);
    Kv1Formations f{};
    f[kv1_four] = random_range(0, tier);
    f[kv1_one] = random_range(0, 3);
    f[kv1_three] = random_range(0, tier);
    f[kv1_two] = random_range(0, 1);
    return f;
}

NextScreen stage_visit(int stage, int fresh, const Kv1Formations& f = {-1, -1, -1, -1}) {
    return {Screen::kv1_stage, {stage, fresh, f[kv1_four], f[kv1_one], f[kv1_three], f[kv1_two]}};
}

}  // namespace

Kv1Stage::Kv1Stage(const ScreenArgs& args)
    : stage_(args[0]),
      background_(own_bitmap(load_png_ex("gfx/kv1/background.png"))),
      pause_box_(own_bitmap(create_bitmap(320, 240))) {
    const bool fresh = args[1] == 1;
    current_stage = stage_;
    if (fresh) {
        kv1_player.reset();
        if (stage_ == 2) kv1_player.set_gun_level(2);
        if (stage_ == 3 && kv1_player.gun_level < 3) {
            kv1_player.set_gun_level(3);
            kv1_player.setup_sprite();
        }
    } else {
        kv1_player.respawn();
    }
    clear_to_color(pause_box_.get(), makecol(175, 0, 0));
    enemy_count = 0;
    if (random()) {
        formations_ = fresh ? drawn_formations(stage_) : Kv1Formations{args[2], args[3], args[4], args[5]};
        layout_ = random_layout(formations_);
    } else {
        layout_ = fixed_layout(stage_);
    }
    place_enemies(fresh);
}

void Kv1Stage::place_enemies(bool fresh) {
    const float bonus = random() ? static_cast<float>(stage_) / 100.0f : 0.0f;
    for (Kv1Kind kind : kinds) {
        const Slots& slots = layout_[kind];
        for_records(kind, count(kind), [&](auto& record, int i) {
            if (!fresh) {
                const bool survived = random() ? !record.dying : record.alive;
                if (!survived) {
                    // Still exploding: its kill will count down all the same.
                    if (random() && record.in_play) enemy_count += 1;
                    return;
                }
            }
            record.reset();
            put(record, i, slots[i], bonus);
            record.enter_play();
            record.show();
            enemy_count += 1;
        });
    }
}

void Kv1Stage::fade_step() {
    if (fading_in_) level_ += white_in_step;
    if (fading_out_) {
        level_ -= white_out_step;
        if (level_ <= darkest_level) {
            level_ = darkest_level;
            running_ = false;
        }
    }
    if (level_ > brightest_level) {
        level_ = brightest_level;
        ready_ = true;
    }
    // The music ducks while paused.
    if (!fading_out_) {
        if (paused)
            tune_stage1.fade_out(0.2f, 0.08f);
        else
            tune_stage1.fade_in(1.0f, 0.08f);
    }
    if (ready_) level_ = std::min(brightest_level, level_ + ready_gain);
}

void Kv1Stage::start_fade_out() {
    fading_in_ = false;
    fading_out_ = true;
}

bool Kv1Stage::ship_destroyed() const {
    return kv1_player.hit_count > 0 && !kv1_player.explosion.active && kv1_player.explosion_rounds > 0;
}

void Kv1Stage::step() {
    fade_step();
    if (key[KEY_P] && !paused) paused = true;
    if (key[KEY_Q]) save_screenshot(active_page);
    if (ready_ && !paused && level_ == brightest_level) play();
    if (key[KEY_ESC] && !paused) paused = true;
}

void Kv1Stage::play() {
    if (enemy_count <= 0 && !flown_off_ && ++clear_steps_ > clear_wait) {
        kv1_player.fly_off();
        flown_off_ = true;
    }
    if (kv1_player.stage_cleared || ship_destroyed()) start_fade_out();
    kv1_player.update();
    kv1_player.poll_fire_key();
    update_enemies();
    turn_blocks();
    hurry();
}

void Kv1Stage::update_enemies() {
    for (Kv1Kind kind : kinds)
        for_records(kind, count(kind), [](auto& record, int) {
            record.update();
            record.update_bullets();
        });
}

void Kv1Stage::turn_blocks() {
    for (Kv1Kind kind : marching_kinds) {
        bool edge = false;
        for_records(kind, count(kind), [&](auto& record, int) { edge = edge || (record.at_edge && !record.dying); });
        if (!edge) continue;
        for_records(kind, count(kind), [](auto& record, int) {
            if (!record.dying && record.state != Enemy::dropping) record.stop();
        });
    }
}

void Kv1Stage::hurry() {
    if (enemy_count > hurry_quota || wave_hurry > 0) return;
    for (Kv1Kind kind : kinds) for_records(kind, count(kind), [](auto& record, int) { record.add_speed(hurry_gain); });
    wave_hurry += 1;
}

void Kv1Stage::draw() {
    blit(background_.get(), buffer, 0, 0, 0, 0, background_->w, background_->h);
    for (Kv1Kind kind : kinds) for_records(kind, count(kind), [](auto& record, int) { record.draw(buffer); });
    kv1_player.draw_hud(buffer, 5, 450, font8);
    kv1_player.draw(buffer);
    if (enemy_count <= 0 && !flown_off_) textprintf_centre_ex(buffer, font8, 320, 240, -1, -1, "Completed Stage!");
    if (fading_in_ && level_ <= 253) textprintf_centre_ex(buffer, font8, 320, 240, -1, -1, "Stage %d", stage_);
    shake_blit(buffer, overlay_buffer, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    if (paused) draw_pause_box();
    fade_onto_page(overlay_buffer, makecol(255, 255, 255), level_);
}

void Kv1Stage::draw_pause_box() {
    trans_blit(pause_box_.get(), overlay_buffer, 160, 120, 100);
    textprintf_centre_ex(overlay_buffer, font6, 320, 180, -1, -1, "PAUSED");
    if (text_item(overlay_buffer, 265, 240, "Go Back", ready_)) paused = false;
    if (text_item(overlay_buffer, 265, 270, "Exit Game", ready_)) {
        exit_chosen_ = true;
        start_fade_out();
    }
    draw_pointer(overlay_buffer);
}

NextScreen Kv1Stage::leave() {
    scroll_speed = 0;
    enemy_count = 0;
    if (kv1_player.stage_cleared) {
        if (current_stage == 3) return {Screen::kv1_ending};
        if (current_stage >= last_kv1_stage) return {Screen::what_to_do};
        current_stage += 1;
        return stage_visit(current_stage, 1);
    }
    if (ship_destroyed()) {
        if (kv1_player.lives <= 0) return {Screen::kv1_continue};
        return random() ? stage_visit(current_stage, 0, formations_) : stage_visit(current_stage, 0);
    }
    tune_kv1_bgm.play_music();
    return {Screen::kv1_menu};
}

NextScreen kv1_stage(const ScreenArgs& args) { return run_screen<Kv1Stage>(args); }

Kv1Continue::Kv1Continue() : fade_(FadeStyle{8, 4, false, true}), black_(black_bitmap()) {}

void Kv1Continue::step() {
    // Declining cuts the music with the picture.
    fade_.step(music_silenced(fade_, fade_.choice() == no, tune_kv_main, 0.08f));
    // A choice made stops the count.
    if (!fade_.ready() || fade_.fading_out()) return;
    if (++ticks_ > 60) {
        countdown_ -= 1;
        ticks_ = 0;
    }
    if (countdown_ <= 0) fade_.choose(no);
}

void Kv1Continue::button(BITMAP* plain, BITMAP* lit, int x, Choice choice) {
    if (pointer_inside(x, 390, plain->w, plain->h)) {
        draw_masked(lit, x, 390);
        if (left_button_down() && !fade_.fading_out()) fade_.choose(choice);
    }
    draw_masked(plain, x, 390);
}

void Kv1Continue::draw() {
    blit(black_.get(), buffer, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    textprintf_centre_ex(buffer, font6, 320, 25, -1, -1, "CONTINUE???");
    textprintf_centre_ex(buffer, font8, 320, 230, -1, -1, "%d", countdown_);
    button(yes_button, yes_button_lit, 200, yes);
    button(no_button, no_button_lit, 360, no);
    draw_pointer(buffer);
    fade_.present();
}

NextScreen Kv1Continue::leave() const {
    if (fade_.choice() == yes) {
        kv1_player.reset_ship();
        return stage_visit(current_stage, 1);
    }
    tune_kv1_bgm.play_music();
    return {Screen::kv1_menu};
}

NextScreen kv1_continue() { return run_screen<Kv1Continue>(); }
