#include "bosses/boss_moves.h"

#include "enemies/armed_enemy.h"

namespace {

constexpr int fan_chance = 100;

}  // namespace

void bob(FrameBoss& boss, const BobRow& row) {
    if (boss.bob_down) {
        if (boss.speed < boss.max_speed) boss.speed += row.step;
        boss.y += boss.speed;
        if (boss.y > row.lowest) {
            boss.bob_up = true;
            boss.bob_down = false;
        }
    }
    if (boss.bob_up) {
        if (boss.speed > -boss.max_speed) boss.speed -= row.step;
        boss.y += boss.speed;
        if (boss.y < row.highest) {
            boss.bob_down = true;
            boss.bob_up = false;
        }
    }
}

bool fan_due(const FrameBoss& boss, float below_y) {
    if (!one_in(fan_chance)) return false;
    return boss.y < below_y && boss.state != BossHead::dying && !boss.dead &&
           none_in_flight(boss.bullets.data(), boss.kind().bullet_count);
}

TurretMode turret_mode(const HitPoints& body) {
    if (body.hit_flash) return turret_white;
    if (body.tinted()) return turret_red;
    return turret_plain;
}

void BroadTurret::init_frames(BITMAP* sheet, int index) {
    const TurretSpot& spot = broad_turret_spots[index];
    set_frames(*this, sheet, broad_turret_frames, spot.x, spot.y, broad_turret_w, broad_turret_h);
    frame = tick = 0;
}

void turn_every_second_step(SpriteHead& record, int way) {
    if (++record.tick <= 1) return;
    record.tick = 0;
    record.frame += way;
    if (record.frame > record.last_frame) record.frame = 0;
    if (record.frame < 0) record.frame = record.last_frame;
}

void BroadTurret::turn_frame() { turn_every_second_step(*this, 1); }

void BroadTurret::draw_frame(BITMAP* dest, float bx, float by, TurretMode mode) const {
    const Placed at = placed_part(*this, static_cast<int>(bx), static_cast<int>(by));
    switch (mode) {
    case turret_plain:
        draw_sprite(dest, at.picture, at.x, at.y);
        break;
    case turret_white:
        set_trans_blender(255, 255, 255, 255);
        draw_lit_sprite(dest, at.picture, at.x, at.y, 255);
        break;
    case turret_red:
        set_trans_blender(125, 0, 0, 255);
        draw_lit_sprite(dest, at.picture, at.x, at.y, 255);
        break;
    }
}
