#include "bosses/boss_hits.h"

#include "player/player.h"
#include "player/ship_weapons.h"

using namespace ship_weapons;

namespace {

constexpr int bomb_damage = 1;  // a bomb adds 1 to a boss whatever it does to enemies
constexpr int tint_level = 200;

bool bullet_touches_any(const Sprite& bullet, std::initializer_list<Placed> pictures) {
    for (const Placed& p : pictures)
        if (pixel_collision(bullet.bitmap, at(bullet.x), at(bullet.y), p.picture, p.x, p.y)) return true;
    return false;
}

bool beam_touches_any(std::initializer_list<Placed> pictures) {
    for (const Placed& p : pictures)
        if (beam_touches(p.picture, static_cast<float>(p.x), static_cast<float>(p.y))) return true;
    return false;
}

bool laser_touches_any(const Bomb2Part& laser, std::initializer_list<Placed> pictures) {
    for (const Placed& p : pictures)
        if (laser_touches(laser, p.picture, static_cast<float>(p.x), static_cast<float>(p.y))) return true;
    return false;
}

}  // namespace

void HitPoints::take_weapon_hits(std::initializer_list<Placed> vulnerable, std::initializer_list<Placed> armour,
                                 bool wrecked) {
    if (wrecked) return;
    auto score = [this](int amount) {
        damage += amount;
        hit_flash = true;
    };
    if (!hit_flash && beam_touches_any(vulnerable)) score(bomb_damage);
    for_each_group_weapon(
        [&](const Bomb2Part& laser) {
            if (!hit_flash && laser_touches_any(laser, vulnerable)) score(bomb_damage);
        },
        [&](Sprite& shot, int amount) {
            if (!shot.active) return;
            if (bullet_touches_any(shot, armour)) {
                shot.deactivate();
            } else if (bullet_touches_any(shot, vulnerable)) {
                shot.deactivate();
                score(amount);
            }
        });
}

void HitPoints::apply_speed(const SpeedBands& bands, float& max_speed) const {
    const int r = remaining();
    if (r > 150 && r < 300) max_speed = bands.below_300;
    if (r > 75 && r < 150) max_speed = bands.below_150;
    if (r < bands.warning_below) max_speed = bands.warning;
}

void set_up_shot(Sprite& shot, BITMAP* picture, const ShotKind& kind) {
    shot.init_bullet(picture, kind.speed, kind.type, kind.frames, kind.w, kind.h);
    shot.set_damage(kind.damage);
    shot.launch_from(-6.0f, -6.0f);
}

bool none_in_flight(const Sprite* shots, int n) {
    for (int i = 0; i < n; ++i)
        if (shots[i].active) return false;
    return true;
}



void HitPoints::draw_marked(BITMAP* dest, const Placed& at) const {
    if (hit_flash) {
        set_trans_blender(255, 255, 255, 255);
        draw_lit_sprite(dest, at.picture, at.x, at.y, 255);
    } else if (tinted()) {
        set_multiply_blender(125, 0, 0, 255);
        draw_lit_sprite(dest, at.picture, at.x, at.y, tint_level);
    } else {
        draw_sprite(dest, at.picture, at.x, at.y);
    }
}

void HitPoints::draw_part(BITMAP* dest, const Placed& at) {
    draw_marked(dest, at);
    hit_flash = false;
}

void draw_masked(BITMAP* dest, const Placed& at) {
    masked_blit(at.picture, dest, 0, 0, at.x, at.y, at.picture->w, at.picture->h);
}

void absorb_shots(const Placed& armour) {
    for_each_ship_shot([&](Sprite& shot, int) {
        if (shot.active && bullet_touches_any(shot, {armour})) shot.deactivate();
    });
}

bool strike_ship(int amount) {
    if (player.shield_on) {
        player.shield_count -= amount;
        if (player.shield_count < 0) player.shield_on = false;
    }
    if (player.shield_on) return false;
    player.hit();
    return true;
}

void fly_boss_bullet(Sprite& bullet, bool harmful) {
    if (!bullet.active) return;
    bullet.move_bullet();
    if (!harmful) return;
    // Helpers stop the shot whether they fly or not, and take no harm.
    for (const Helper& helper : player.helpers)
        if (bullet.active && bullet_touches(bullet, helper.current_frame(), helper.x, helper.y)) bullet.deactivate();
    if (bullet.active && !player.blinking && bullet_touches(bullet, player.hit_picture, player.hull_x(), player.y) &&
        strike_ship(bullet.damage))
        bullet.deactivate();
    if (bullet.active && beam_touches(bullet.bitmap, bullet.x, bullet.y)) bullet.deactivate();
    for (const Bomb2Part& laser : player.bomb2_parts)
        if (bullet.active && laser_touches(laser, bullet.bitmap, bullet.x, bullet.y)) bullet.deactivate();
}
