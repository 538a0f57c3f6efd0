#include "bosses/boss10.h"

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "player/resources.h"

namespace {

// Part rows: {picture, frames, x, y, w, h}
constexpr std::array<PartRow, Boss10::side_turret_count> side_turret_rows{{
    {"gfx/boss10/s_turret.png", 1, 21, 51, 27, 39},
    {"gfx/boss10/s_turret.png", 1, 196, 51, 27, 39},
    {"gfx/boss10/s_turret.png", 1, 417, 51, 27, 39},
    {"gfx/boss10/s_turret.png", 1, 592, 51, 27, 39},
}};
constexpr std::array<PartRow, 2> main_turret_rows{{
    {"gfx/boss10/b_turret.png", 1, 76, 34, 92, 122},
    {"gfx/boss10/b_turret.png", 1, 472, 34, 92, 122},
}};
constexpr std::array<PartRow, 2> broken_turret_rows{{
    {"gfx/boss10/b_turret_damaged.png", 1, 76, 34, 92, 110},
    {"gfx/boss10/b_turret_damaged.png", 1, 472, 34, 92, 110},
}};
constexpr PartRow shield_row{"gfx/boss10/shield.png", 9, 246, 100, 148, 54};
constexpr PartRow charge_row{"gfx/boss2/boss2_phaser_charge.png", 5, 258, 39, 123, 123};
constexpr PartRow beam_row{"gfx/boss10/main_blast.png", 8, 143, 135, 354, 480};
constexpr PartRow phaser_row{"gfx/boss10/phaser.png", 1, 255, 60, 0, 0};
// {hit points, aim, bullet, bullet speed, frames, w, h, damage}
constexpr PhaserKind boss10_phaser{1400, PhaserAim::aimed_from_centre, "gfx/boss2/boss2_phaser_bullet.gif", 6.0f, 4,
                                   12, 12, 3};
// It stands still, fights with no body armour, pays as its core is lost, and its death rounds
// are its own.
// {body, broken phaser, its x, y, charge, beam, phaser rows, phaser, x at load, slide, core rests for beam,
//  dies with core, death {x, y, circles, reward}, charge kind, blast kind, explosion scales, armoured body,
//  core reward}
constexpr CoreBossKind boss10_kind{"gfx/boss10/base.png",
                                   "gfx/boss10/broke_phaser.png",
                                   255.0f,
                                   60.0f,
                                   charge_row,
                                   beam_row,
                                   phaser_row,
                                   boss10_phaser,
                                   0.0f,
                                   nullptr,
                                   true,
                                   true,
                                   {0.0f, 0.0f, false, 0},
                                   &fast_core_charge,
                                   &boss10_blast,
                                   {1, 3, 1, 4, 2, 1, 4, 3, 1, 2},
                                   false,
                                   Boss10::reward};
constexpr const char* side_turret_shot = "gfx/enemies/enemy_twelve/bullet.gif";
constexpr int side_turret_hit_points = 150;
// The death explosions scatter over the whole screen, whatever the body's size.
constexpr int death_area_w = 640, death_area_h = 480;
constexpr int explosion_size = 64;
constexpr int last_in_round = 8;  // the tenth explosion is never started
constexpr int round_max_scale = 5;

int truncated(float v) { return static_cast<int>(v); }

}  // namespace

Boss10::~Boss10() {
    stop_channel_quietly(channel);
    for (BossMainTurret& turret : main_turrets) stop_channel_quietly(turret.channel);
}

Boss10::Boss10() : CoreBoss(boss10_kind) {}

void Boss10::load() {
    load_core();
    width = death_area_w;
    height = death_area_h;
    BITMAP* side_shot = own(load_bitmap_ex(side_turret_shot));
    for (int i = 0; i < side_turret_count; ++i)
        side_turrets[i].init(side_turret_rows[i], side_turret_hit_points, side_shot);
    BITMAP* hit_picture = own(load_png_ex("gfx/boss10/b_turret_hit.png"));
    BITMAP* weak_picture = own(load_png_ex("gfx/boss10/b_turret_weak.png"));
    for (int i = 0; i < 2; ++i) {
        FMOD_SOUND* blaster = nullptr;
        replace_stream(blaster, "sfx/blaster.ogg", true);
        main_turrets[i].init(main_turret_rows[i], i + 1, {hit_picture, weak_picture, own(blaster)});
        init_part(broken_turrets[i], broken_turret_rows[i]);
        broken_turrets[i].frame = 0;
    }
    shield.init(shield_row, boss10_shield);
    death_round = 0;
}

void Boss10::add_hit_points(int k) {
    phaser.hit_points += k;
    for (BossMainTurret& turret : main_turrets) turret.hit_points += k / 3;
    for (BossTurret& turret : side_turrets) turret.hit_points += k / 3;
}

void Boss10::update() {
    if (!active) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    for (BossTurret& turret : side_turrets) turret.update(bx, by);
    for (BossTurret& turret : side_turrets) turret.update_shots(1);
    open_main_turrets();
    update_main_turrets(bx, by);
    if (main_turrets[0].destroyed && main_turrets[1].destroyed) {
        shield.open();
        arm_once(shield.is_open());
    }
    shield.update(bx, by);
    update_core(bx, by);
}

// Each main turret opens to hits once both side turrets on its side are destroyed.
void Boss10::open_main_turrets() {
    for (int i = 0; i < 2; ++i)
        if (side_turrets[2 * i].destroyed && side_turrets[2 * i + 1].destroyed) main_turrets[i].shielded = false;
}

void Boss10::update_main_turrets(int bx, int by) {
    for (int i = 0; i < 2; ++i) {
        if (main_turrets[i].alive) main_turrets[i].update(bx, by);
        if (main_turrets[i].destroyed) broken_turrets[i].absorb_shots(bx, by);
    }
}

void Boss10::update_state() {
    if (active && state == dying) death_round_step();
}

void Boss10::death_round_step() {
    Explosion& current = explosions[explosion_index];
    if (explosion_started < 1) {
        current.start();
        play_on_free_channel(explosion_sound, channel);
        fmod_check_channel(FMOD_Channel_SetChannelGroup(channel, master_group));
        explosion_started += 1;
    }
    if (explosion_started && current.frame > 3) {
        explosion_index += 1;
        explosion_started = 0;
    }
    if (explosion_index > last_in_round) scatter_round();
}

void Boss10::scatter_round() {
    for (Explosion& explosion : explosions) {
        const int ey = random_range(truncated(y), truncated(y + static_cast<float>(height - explosion_size)));
        const int ex = random_range(truncated(x), truncated(x + static_cast<float>(width - explosion_size)));
        explosion.set_position(static_cast<float>(ex), static_cast<float>(ey));
    }
    for (Explosion& explosion : explosions) explosion.set_scale(static_cast<float>(random_range(1, round_max_scale)));
    explosion_index = 0;
    death_round += 1;
}

void Boss10::draw(BITMAP* dest) {
    if (!visible || dead) return;
    const int bx = truncated(x);
    const int by = truncated(y);
    draw_sprite(dest, body, bx, by);
    for (int i = 0; i < 2; ++i) {
        if (main_turrets[i].destroyed) broken_turrets[i].draw(dest, bx, by);
        main_turrets[i].draw(dest, bx, by);
    }
    shield.draw(dest, bx, by);
    draw_core(dest, bx, by);
    // The side turrets lie above everything else.
    for (BossTurret& turret : side_turrets) turret.draw(dest, bx, by);
}

// Channels never played, or whose voice has ended, go on quietly and read as not paused.
void Boss10::pause_sounds() {
    for (FMOD_CHANNEL* c : {channel, main_turrets[0].channel, main_turrets[1].channel}) {
        FMOD_BOOL paused = 0;
        FMOD_Channel_GetPaused(c, &paused);
        if (!paused) FMOD_Channel_SetPaused(c, 1);
    }
}

void Boss10::resume_sounds() {
    for (FMOD_CHANNEL* c : {channel, main_turrets[0].channel, main_turrets[1].channel}) FMOD_Channel_SetPaused(c, 0);
}
