#include "enemies/kv1_enemy_one.h"

#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/ui.h"

namespace {

constexpr EnemyKind kind{
    &kv1_enemy_one_strip, 3, 64, 64, 1,  // three bank poses of 64 x 64, level first
    0, 0.4f, 0,                          // hit points, speed, reward (unused)
    kv1_death,
};
constexpr Gun<1> gun{
    // bullet strip, speed, muzzles {x, y, heading, type}
    &kv1_enemy_one_bullet_strip, 2.0f,
    {{{30.0f, 59.0f, heading_down, bullet_down}}},
    1000, "sfx/enemy_one_bullet.ogg", false, false,  // chance, shot as it plays, no flash
};

// The body spans columns 11 to 49; a bank pose every 11 steps of the sweep.
constexpr Formation formation{11.0f, 49.0f, 1.0f, 0.1f, 10};  // edges, drop step, gain, bank period
constexpr float wrap_offset = 13.0f;

constexpr int thruster_period = 2;  // a new flame frame every third step

// The flame's three frames, cut once and shared by every record.
const std::array<BITMAP*, 3>& flame_frames() {
    static const std::array<BITMAP*, 3> frames = [] {
        BITMAP* sheet = load_bitmap_ex("gfx/kv1/enemies/enemy_one/rocketship_thrusters.gif");
        std::array<BITMAP*, 3> cut{};
        for (int i = 0; i < 3; ++i) cut[i] = grab_frame(sheet, 64, 64, 0, 0, 3, i);
        destroy_bitmap(sheet);
        return cut;
    }();
    return frames;
}

}  // namespace

void Kv1EnemyOne::init(float x0, float y0) {
    build(kind, gun, x0, y0);
    thruster_frame = 0;
    thruster_tick = 0;
    thruster_frames = flame_frames();
}

void Kv1EnemyOne::update() {
    if (!in_play) return;
    formation_step(formation, wrap_offset, gun);
    if (++thruster_tick > thruster_period) {
        thruster_tick = 0;
        thruster_frame = (thruster_frame + 1) % 3;
    }
}

void Kv1EnemyOne::draw(BITMAP* target) {
    if (!dying && !hit_flash)
        masked_blit(thruster_frames[thruster_frame], target, 0, 0, static_cast<int>(x), static_cast<int>(y), 64, 64);
    Kv1Enemy::draw(target);
}
