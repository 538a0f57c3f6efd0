// How enemies and their bullets meet the KV2 ship's weapons, helpers, shield and body, and the
// KV1 ship and its shots.
#include "enemies/enemy.h"
#include "player/kv1player.h"
#include "player/player.h"
#include "player/ship_weapons.h"

using namespace ship_weapons;

namespace {

bool touches_kv1_ship(BITMAP* picture, float px, float py) {
    return touches(picture, px, py, kv1_player.frames[kv1_player.frame], kv1_player.x, kv1_player.y);
}

bool kv1_ship_flies_off() {
    return kv1_player.state == Kv1Player::request_fly_off || kv1_player.state == Kv1Player::flying_off;
}

}  // namespace

void Enemy::check_hits() {
    if (dying) return;
    BITMAP* body = current_frame();
    auto take = [this](int amount) {
        hit_flash = true;
        damage += amount;
    };
    // Bombs are not used up: they hurt on every step of overlap.
    if (beam_counts() && touches(player.bomb1.current_frame(), player.beam_x(), 0.0f, body, x, y))
        take(player.bomb1.damage);
    for (const Bomb2Part& laser : player.bomb2_parts)
        if (!laser.idle && touches(laser.current_frame(), laser.x, laser.y, body, x, y)) take(laser.damage);
    for_each_ship_shot([&](Sprite& bullet, int amount) {
        if (bullet.active && bullet_touches(bullet, body, x, y)) {
            bullet.deactivate();
            take(amount);
        }
    });
}

void Enemy::block_shots() {
    if (in_play || dying) return;
    BITMAP* body = current_frame();
    for_each_ship_shot([&](Sprite& bullet, int) {
        if (bullet.active && bullet_touches(bullet, body, x, y)) bullet.deactivate();
    });
}

void Enemy::meet_kv1_ship() {
    // A dying record still rams the ship; the ship's own hit ignores it while it explodes.
    if (touches_kv1_ship(current_frame(), x, y)) kv1_player.hit();
    if (dying) return;
    for (auto& group : kv1_player.bullets)
        for (int slot = 0; slot < kv1_player.bullet_limit; ++slot) {
            Sprite& bullet = group[slot];
            if (bullet.active && bullet_touches(bullet, current_frame(), x, y)) {
                bullet.deactivate();
                hit_flash = true;
                damage += 1;  // whatever the bullet's own damage
            }
        }
}

void fly_kv1_enemy_bullet(Sprite& bullet) {
    if (!bullet.active) return;
    bullet.move_bullet();
    if (bullet.active && !kv1_ship_flies_off() && touches_kv1_ship(bullet.bitmap, bullet.x, bullet.y)) {
        kv1_player.hit();
        bullet.deactivate();
    }
}

void enemy_bullet_meets_ship(Sprite& bullet) {
    if (!bullet.active) return;
    // Helpers shield the ship and take no harm.
    for (const Helper& helper : player.helpers)
        if (bullet.active && helper.active && bullet_touches(bullet, helper.current_frame(), helper.x, helper.y))
            bullet.deactivate();
    if (!bullet.active) return;
    if (!player.blinking && bullet_touches(bullet, player.hit_picture, player.hull_x(), player.y)) {
        BITMAP* shield = player.shield_frames[player.shield_frame];
        if (player.shield_on && bullet_touches(bullet, shield, player.shield_test_x(), player.shield_test_y())) {
            player.shield_count -= bullet.damage;
            bullet.deactivate();
            if (player.shield_count < 0) player.shield_on = false;
        }
        if (!player.shield_on) {
            player.hit();
            bullet.deactivate();
        }
    }
    if (bullet.active && beam_counts() && bullet_touches(bullet, player.bomb1.current_frame(), player.beam_x(), 0.0f))
        bullet.deactivate();
    for (const Bomb2Part& laser : player.bomb2_parts)
        if (bullet.active && !laser.idle && bullet_touches(bullet, laser.current_frame(), laser.x, laser.y))
            bullet.deactivate();
}

void fly_enemy_bullet(Sprite& bullet) {
    if (!bullet.active) return;
    bullet.move_bullet();
    enemy_bullet_meets_ship(bullet);
}
