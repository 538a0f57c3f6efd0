#include "bosses/boss_parts.h"

#include <cstdlib>

#include "engine/aiming.h"
#include "engine/loaders.h"
#include "player/player.h"
#include "player/resources.h"
#include "player/ship_weapons.h"

namespace {

constexpr int shield_ticks_per_frame = 6;
constexpr int shield_last_closed = 3;
constexpr int broken_ticks_per_frame = 11;

// Counts a step of an animation; true (and the count restarts) when the frame is due.
bool frame_due(int& tick, int ticks_per_frame) {
    if (++tick < ticks_per_frame) return false;
    tick = 0;
    return true;
}

// The points beside the ship that an aimed volley's shots head for, left to right.
constexpr std::array<float, BossPhaser::shot_count> aim_offsets{-160, -64, 32, 128, 224};
constexpr std::array<float, BossPhaser::shot_count> fixed_fan{96, 80, 64, 48, 32};
constexpr float muzzle_x = 20.0f, muzzle_y = 29.0f;

}  // namespace

void launch_shot(Sprite& shot, float sx, float sy, float heading) {
    shot.launch_from(sx, sy);
    shot.set_angle(heading, 0.0f);
    shot.active = true;
}

void init_part(SpriteHead& part, const PartRow& row) {
    BITMAP* strip = load_bitmap_ex(row.path);
    // A one-frame part without a given size is the whole picture.
    const int w = row.w ? row.w : strip->w;
    const int h = row.h ? row.h : strip->h;
    set_frames_from(part, strip, row.frames, row.x, row.y, w, h);
}

void BossShield::init(const PartRow& row, const ShieldKind& kind) {
    kind_ = &kind;
    init_part(*this, row);
    frame = 0;
    mode = close_requested;
}

void BossShield::open() {
    if (!has_status(open_status)) mode = open_requested;
}

bool BossShield::is_open() const { return has_status(open_status) && frame >= kind_->open_frame; }

void BossShield::update(int bx, int by) {
    switch (mode) {
    case close_requested:
        frame = 0;
        set_status(shut);
        mode = closed;
        break;
    case open_requested:
        frame = kind_->first_opening;
        set_status(open_status);
        mode = opening;
        break;
    case closed:
        absorb_shots(placed_part(*this, bx, by));
        if (kind_->closed_animates && frame_due(tick, shield_ticks_per_frame) && ++frame > shield_last_closed)
            frame = 0;
        break;
    case opening:
        if (frame_due(tick, shield_ticks_per_frame) && frame < kind_->open_frame) frame += 1;
        break;
    }
}

void BossShield::draw(BITMAP* dest, int bx, int by) const {
    draw_masked(dest, placed_part(*this, bx, by));
}

void BossPhaserCharge::init(const PartRow& row, const ChargeKind& kind) {
    kind_ = &kind;
    init_part(*this, row);
    running = false;
}

void BossPhaserCharge::start() {
    frame = 0;
    running = true;
}

bool BossPhaserCharge::step() {
    if (!running || !frame_due(tick, kind_->ticks_per_frame)) return false;
    if (++frame < kind_->last_frame) return false;
    frame = kind_->last_frame;
    running = false;
    return true;
}

void BossPhaserCharge::draw(BITMAP* dest, int bx, int by) const {
    if (!running) return;
    draw_masked(dest, placed_part(*this, bx, by));
}

void BeamPhases::init_phases(const BlastKind& kind) {
    kind_ = &kind;
    idle = true;
    firing_ticks = 0;
    damage = 3;
    frame = last_frame;
    set_status(off);
    mode = ending;
}

void BeamPhases::start() {
    if (has_status(burning)) return;
    idle = false;
    firing_ticks = 0;
    mode = start_requested;
}

void BeamPhases::stop() {
    if (has_status(off)) return;
    firing_ticks = 0;
    mode = stop_requested;
    idle = true;
}

void BeamPhases::step_phases() {
    switch (mode) {
    case start_requested:
        if (idle || has_status(burning)) break;
        frame = 0;
        set_status(burning);
        mode = firing;
        break;
    case firing:
        if (frame_due(tick, kind_->ticks_per_frame) && ++frame > kind_->last_firing) frame = 0;
        if (++firing_ticks > firing_steps) mode = stop_requested;
        break;
    case stop_requested:
        if (idle || has_status(off)) break;
        frame = kind_->first_ending;
        set_status(off);
        mode = ending;
        break;
    case ending:
        if (frame_due(tick, kind_->ticks_per_frame) && ++frame > last_frame) {
            frame = last_frame;
            idle = true;
        }
        break;
    }
}

void BossPhaserBlast::init(const PartRow& row, const BlastKind& kind) {
    init_part(*this, row);
    init_phases(kind);
}

void BossPhaserBlast::update(int bx, int by) {
    if (!player.blinking && has_status(burning)) {
        const Placed at = placed_part(*this, bx, by);
        if (pixel_collision(at.picture, at.x, at.y, player.hit_picture, ship_weapons::at(player.hull_x()),
                            ship_weapons::at(player.y)))
            strike_ship(damage);
    }
    step_phases();
}

void BossPhaserBlast::draw(BITMAP* dest, int bx, int by) const {
    if (idle) return;
    draw_masked(dest, placed_part(*this, bx, by));
}

void BossPhaser::init(const PartRow& row, const PhaserKind& kind, BITMAP* shot_picture) {
    kind_ = &kind;
    init_part(*this, row);
    hit_flash = destroyed = false;
    reset();
    damage = 0;
    hit_points = kind.hit_points;
    frame = low_hp_counter = volleys = 0;
    bullet_picture = shot_picture;
    set_up_shots(bullets, bullet_picture,
                 {kind.bullet_speed, bullet_up, kind.bullet_frames, kind.bullet_w, kind.bullet_h, kind.bullet_damage});
}

void BossPhaser::arm() {
    enter_play();
    park_shots(bullets, false);
}

void BossPhaser::reset() {
    leave_play();
    park_shots(bullets, true);
}

void BossPhaser::update(int bx, int by) {
    if (!in_play) return;
    count_low_step();
    if (beaten()) {
        destroyed = true;
        alive = false;
    }
    take_weapon_hits({placed_part(*this, bx, by)}, {}, destroyed);
    for (Sprite& shot : bullets) fly_boss_bullet(shot, true);
    const bool lucky = std::rand() % volley_chance == 0;
    // A core that these very hits have beaten fires nothing more.
    if (!lucky || destroyed || beaten() || !may_fire) return;
    for (const Sprite& shot : bullets)
        if (shot.active) return;
    fire_volley(bx, by);
}

float BossPhaser::aim_at(int bx, int by, float target_x, float target_y) const {
    return aimed_angle(x + static_cast<float>(bx), y + static_cast<float>(by), target_x, target_y);
}

void BossPhaser::fire_volley(int bx, int by) {
    float sx = x + static_cast<float>(bx) + muzzle_x;
    float sy = y + static_cast<float>(by) + muzzle_y;
    if (kind_->aim == PhaserAim::aimed_from_centre) {
        sx = x + static_cast<float>(bx + w / 2 - kind_->bullet_w / 2);
        sy = y + static_cast<float>(by + h / 2 - kind_->bullet_h / 2);
    }
    for (int i = 0; i < shot_count; ++i) {
        const float heading = kind_->aim == PhaserAim::fixed_fan
                                  ? fixed_fan[i]
                                  : aim_at(bx, by, player.x + aim_offsets[i], player.y);
        launch_shot(bullets[i], sx, sy, heading);
    }
    volleys += 1;
}

void BossPhaser::draw(BITMAP* dest, int bx, int by) {
    if (destroyed) return;
    draw_part(dest, placed_part(*this, bx, by));
    for (const Sprite& shot : bullets)
        if (shot.active) shot.draw_rotated(dest);
}

void BossBrokenPart::animate() {
    if (frame_due(tick, broken_ticks_per_frame) && ++frame > last_frame) frame = 0;
}

void BossBrokenPart::draw(BITMAP* dest, int bx, int by) const {
    draw_masked(dest, placed_part(*this, bx, by));
}

void BossBrokenPart::absorb_shots(int bx, int by) const { ::absorb_shots(placed_part(*this, bx, by)); }
