#include "bosses/boss10.h"

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"
#include "player/resources.h"

namespace {

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
constexpr PhaserKind boss10_phaser{1400, PhaserAim::aimed_from_centre, "gfx/boss2/boss2_phaser_bullet.gif", 6.0f, 4,
                                   12, 12, 3};
constexpr const char* side_turret_shot = "gfx/enemies/enemy_twelve/bullet.gif";
constexpr int side_turret_hit_points = 150;
constexpr float broken_phaser_x = 255.0f, broken_phaser_y = 60.0f;
constexpr std::array<float, BossHead::explosion_count> row_scales{1, 3, 1, 4, 2, 1, 4, 3, 1, 2};
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

void Boss10::load() {
    channel = nullptr;
    set_body(load_png_ex("gfx/boss10/base.png"));
    width = death_area_w;
    height = death_area_h;
    broken_phaser = own(load_png_ex("gfx/boss10/broke_phaser.png"));
    BITMAP* side_shot = own(load_bitmap_ex(side_turret_shot));
    for (int i = 0; i < side_turret_count; ++i)
        side_turrets[i].init(side_turret_rows[i], side_turret_hit_points, side_shot);
    BITMAP* hit_picture = own(load_png_ex("gfx/boss10/b_turret_hit.png"));
    BITMAP* weak_picture = own(load_png_ex("gfx/boss10/b_turret_weak.png"));
    for (int i = 0; i < 2; ++i) {
        FMOD_SOUND* blaster = nullptr;
        replace_stream(blaster, "sfx/blaster.ogg", true);
        main_turrets[i].init(main_turret_rows[i], i + 1, {hit_picture, weak_picture, own(blaster)});
    }
    for (int i = 0; i < 2; ++i) {
        init_part(broken_turrets[i], broken_turret_rows[i]);
        broken_turrets[i].frame = 0;
    }
    shield.init(shield_row, boss10_shield);
    charge.init(charge_row, fast_core_charge);
    beam.init(beam_row, boss10_blast);
    phaser.init(phaser_row, boss10_phaser, own(load_bitmap_ex(boss10_phaser.bullet_path)));
    x = y = 0.0f;
    active = false;
    direction = at_load;
    state = moving_left;
    visible = dead = false;
    explosion_started = explosion_index = phaser_armings = blasts_started = 0;
    line_up_explosions(row_scales);
    death_round = 0;
    open_explosion_sound();
    replace_stream(blaster_sound, "sfx/blaster.ogg", true);
    own(blaster_sound);
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
    arm_when_open();
    shield.update(bx, by);
    if (!beam.idle) beam.update(bx, by);
    clear_spent_beam();
    watch_phaser(bx, by);
    if (phaser.volleys > 4) start_charge();
    if (charge.step() && blasts_started < 1) {
        beam.start();
        blasts_started += 1;
    }
    animate_explosions();
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

void Boss10::arm_when_open() {
    if (!main_turrets[0].destroyed || !main_turrets[1].destroyed) return;
    shield.open();
    if (shield.is_open() && phaser_armings < 1) {
        phaser.arm();
        phaser_armings += 1;
    }
}

void Boss10::clear_spent_beam() {
    if (!beam.idle || blasts_started <= 0) return;
    stop_channel_quietly(channel);
    phaser.arm();
    blasts_started = 0;
}

// A destroyed core pays once, silences its blaster and ends any charge, so no beam comes from
// the wreck; the shake goes on every step.
void Boss10::watch_phaser(int bx, int by) {
    if (!phaser.destroyed) phaser.update(bx, by);
    if (!phaser.destroyed) return;
    if (!dead) {
        start_shake(death_shake);
        beam.stop();
    }
    if (state == dying) return;
    stop_channel_quietly(channel);
    charge.running = false;
    player.money += reward;
    state = dying;
}

// The core holds its fire, disarmed, from the start of the charge until its beam has gone.
void Boss10::start_charge() {
    play_on_free_channel(blaster_sound, channel);
    fmod_check_channel(FMOD_Channel_SetChannelGroup(channel, master_group));
    phaser.reset();
    charge.start();
    phaser.volleys = 0;
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
    beam.draw(dest, bx, by);
    if (phaser.destroyed)
        draw_masked(dest, {broken_phaser, truncated(x + broken_phaser_x), truncated(y + broken_phaser_y)});
    else
        phaser.draw(dest, bx, by);
    charge.draw(dest, bx, by);
    draw_explosions(dest);
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
