#include "player/bombs.h"

#include "engine/loaders.h"
#include "player/resources.h"

namespace {

constexpr int charge_frames = 17;
constexpr int charge_last = charge_frames - 1;
constexpr int charge_size = 164;
constexpr int charge_ready_after = 10;  // the bomb leaves once the charge shows frame 11
constexpr int charge_middle_until = 8;  // the middle glow covers the frames before this one

constexpr int beam_frames = 11;
constexpr int beam_w = 146, beam_h = 480;
constexpr int beam_shut = 10;
constexpr int beam_last_burning = 2;
constexpr int beam_drawn_below = 9;

constexpr int laser_frames = 8;
constexpr int laser_w = 50, laser_h = 640;
constexpr int laser_shut = 7;
constexpr int laser_last_burning = 3;
constexpr int laser_first_closing = 4;
constexpr int laser_drawn_below = 7;
constexpr int laser_strobe_below = 5;

constexpr int burn_steps = 200;  // a bomb burns until its tick count passes this
constexpr float laser_rise = 25.0f;
constexpr float laser_step = 9.0f;
constexpr float laser_right_turn = 590.0f;
constexpr float laser_right_shrink = 570.0f;
constexpr float laser_left_turn = 0.0f;
constexpr float laser_left_grow = 70.0f;
constexpr float scale_step = 0.05f;
constexpr float scale_min = 0.75f, scale_max = 1.5f;

// Counts a step of the record's tick; true on the step that passes `limit` (and restarts it).
bool tick_past(SpriteHead& record, int limit) {
    if (++record.tick <= limit) return false;
    record.tick = 0;
    return true;
}

}  // namespace

void Bomb::shut(int shut_frame) {
    frame = shut_frame;
    active = false;
    idle = true;
    fire_ticks = 0;
    set_status(off);
    phase = closing;
}

void Bomb::close() {
    if (is_off()) return;
    fire_ticks = 0;
    phase = ending;
}

void Bomb::burn(int last_burning) {
    if (tick_past(*this, 1) && ++frame > last_burning) frame = 0;
    if (++fire_ticks > burn_steps) phase = ending;
}

void Bomb::end(int first_closing) {
    if (idle || is_off()) return;
    frame = first_closing;
    set_status(off);
    phase = closing;
}

BombCharge::~BombCharge() { replace_picture(middle_picture, nullptr); }

void BombCharge::init() {
    set_frames_from(*this, load_png_ex("gfx/player_bombs/bomb_charge.png"), charge_frames, 0, 0, charge_size, charge_size);
    replace_picture(middle_picture, load_png_ex("gfx/player_bombs/charge_middle.png"));
    frame = charge_last;
    active = false;
}

void BombCharge::start() {
    frame = 0;
    active = true;
}

bool BombCharge::step() {
    if (!active) return false;
    if (tick_past(*this, 1) && ++frame > charge_last) {
        frame = charge_last;
        active = false;
    }
    return frame > charge_ready_after;
}

void BombCharge::draw(BITMAP* dest, int ox, int oy) const {
    if (!active) return;
    const int left = static_cast<int>(x) + ox;
    const int top = static_cast<int>(y) + oy;
    draw_sprite(dest, current_frame(), left, top);
    if (frame < charge_middle_until) draw_sprite(dest, middle_picture, left, top);
}

void Bomb1::init() {
    set_frames_from(*this, load_png_ex("gfx/player_bombs/bomb_1.png"), beam_frames, 0, 0, beam_w, beam_h);
    shut(beam_shut);
}

void Bomb1::put_away() { shut(beam_shut); }

void Bomb1::start() {
    if (is_running()) return;
    fire_ticks = 0;
    phase = opening;
}

void Bomb1::update() {
    switch (phase) {
    case opening:
        if (tick_past(*this, 3) && --frame < 0 && !is_running()) {
            frame = 0;
            set_status(running);
            phase = burning;
        }
        break;
    case burning: burn(beam_last_burning); break;
    case ending: end(beam_last_burning); break;
    case closing:
        if (tick_past(*this, 3) && frame < beam_shut) ++frame;
        break;
    }
    idle = frame > beam_last_burning;
}

void Bomb1::draw(BITMAP* dest, int ox, int oy) const {
    if (frame < beam_drawn_below) draw_sprite(dest, current_frame(), static_cast<int>(x) + ox, static_cast<int>(y) + oy);
}

void Bomb2Part::init() {
    set_frames_from(*this, load_png_ex("gfx/player_bombs/bomb_2_laser_2.png"), laser_frames, 0, 480, laser_w, laser_h);
    put_away();
}

void Bomb2Part::init_shared(const Bomb2Part& owner) {
    set_shared_frames(*this, owner, 0, 480);
    put_away();
}

void Bomb2Part::put_away() {
    shut(laser_shut);
    direction = sweep_right;
    growing = false;
    scale = 1.0f;
    moving = false;
}

void Bomb2Part::set_sweep(int mode) {
    if (is_running()) return;
    if (mode == 1) {
        direction = sweep_left;
        growing = false;
        scale = scale_min;
    } else if (mode == 2) {
        direction = sweep_right;
        growing = true;
        scale = 1.0f;
    }
}

void Bomb2Part::place(float new_x, float new_y) {
    if (is_running()) return;
    set_position(new_x, new_y);
}

void Bomb2Part::launch() {
    if (is_running()) return;
    moving = true;
    fire_ticks = 0;
    phase = opening;
}

void Bomb2Part::update() {
    switch (phase) {
    case opening:
        if (!is_running()) {
            frame = 0;
            y = 480.0f;
            set_status(running);
            phase = burning;
        }
        break;
    case burning: burn(laser_last_burning); break;
    case ending: end(laser_first_closing); break;
    case closing:
        if (tick_past(*this, 3) && ++frame > laser_shut) {
            frame = laser_shut;
            moving = false;
        }
        break;
    }
    idle = frame > laser_last_burning;
    if (moving) sweep();
}

// Rises to the top, then sweeps between the edges, growing towards the left and shrinking
// towards the right; a column that turns at the right edge starts back in the same step.
void Bomb2Part::sweep() {
    y -= laser_rise;
    if (y < 0.0f) y = 0.0f;
    if (growing) {
        scale += scale_step;
        if (scale > scale_max) scale = scale_max;
    } else {
        scale -= scale_step;
        if (scale < scale_min) scale = scale_min;
    }
    if (direction == sweep_right) {
        x += laser_step;
        if (x > laser_right_shrink) growing = false;
        if (x > laser_right_turn) {
            x = laser_right_turn;
            direction = sweep_left;
        }
    }
    if (direction == sweep_left) {
        x -= laser_step;
        if (x < laser_left_grow) growing = true;
        if (x < laser_left_turn) {
            x = laser_left_turn;
            direction = sweep_right;
        }
    }
}

void Bomb2Part::draw(BITMAP* dest) const {
    if (frame >= laser_drawn_below) return;
    // An angle of one 16.16 unit: drawn through the scaling blitter with no visible turn.
    rotate_scaled_sprite(dest, current_frame(), static_cast<int>(x), static_cast<int>(y), 1, ftofix(scale));
    // The screen strobes white while the lasers burn.
    if (fire_ticks % 5 == 0 && frame < laser_strobe_below) rectfill(dest, 0, 0, 639, 479, makecol(255, 255, 255));
}
