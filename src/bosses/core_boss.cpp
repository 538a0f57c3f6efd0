#include "bosses/core_boss.h"

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/soundclip.h"
#include "engine/timing.h"
#include "player/player.h"
#include "player/resources.h"

void CoreBoss::load_core() {
    channel = nullptr;
    set_body(load_bitmap_ex(kind_.body_path));
    broken_phaser = own(load_bitmap_ex(kind_.broken_phaser_path));
    charge.init(kind_.charge_row, *kind_.charge_kind);
    beam.init(kind_.beam_row, *kind_.blast_kind);
    phaser.init(kind_.phaser_row, kind_.phaser, own(load_bitmap_ex(kind_.phaser.bullet_path)));
    start_over(kind_.x_at_load, moving_left);
    phaser_armings = blasts_started = 0;
    line_up_explosions(kind_.explosion_scales);
    open_explosion_sound();
    replace_stream(blaster_sound, "sfx/blaster.ogg", true);
    own(blaster_sound);
}

void CoreBoss::update_state() {
    if (!active) return;
    if (state == dying)
        death_step(kind_.death, channel);
    else if (kind_.slide)
        move_sideways(x, kind_.slide->limit, kind_.slide->left_turn, kind_.slide->right_turn, 0.0f);
    fade();
}

void CoreBoss::start_death() {
    // A boss that died with its core already has its death, and its sound, under way.
    if (!kind_.dies_with_core) {
        beam.idle = true;
        stop_channel_quietly(channel);
    }
    state = dying;
}

void CoreBoss::arm_once(bool ready) {
    if (ready && phaser_armings < 1) {
        phaser.arm();
        phaser_armings += 1;
    }
}

void CoreBoss::update_core(int bx, int by) {
    if (!beam.idle) beam.update(bx, by);
    clear_spent_beam();
    if (!phaser.destroyed) phaser.update(bx, by);
    // The beam dies with the core, in the very step that destroys it.
    if (phaser.destroyed) {
        if (kind_.dies_with_core && !dead) start_shake(death_shake);
        beam.stop();
        if (kind_.dies_with_core && state != dying) lose_core();
    }
    if (phaser.volleys > 4) start_charge();
    if (charge.running) fire_when_charged();
    if (kind_.armoured_body && !dead) absorb_shots({body, bx, by});
    animate_explosions();
}

// The core rests through every charge and beam, so it is only ever lost with its blaster already
// silent. A boss that pays for its core at once silences the channel all the same before paying.
void CoreBoss::lose_core() {
    if (kind_.core_reward > 0) {
        stop_channel_quietly(channel);
        player.money += kind_.core_reward;
    }
    state = dying;
}

void CoreBoss::clear_spent_beam() {
    if (!beam.idle || blasts_started <= 0) return;
    stop_channel_quietly(channel);
    if (kind_.core_rests_for_beam)
        phaser.arm();
    else
        phaser.may_fire = true;
    blasts_started = 0;
}

void CoreBoss::start_charge() {
    play_on_free_channel(blaster_sound, channel);
    fmod_check_channel(FMOD_Channel_SetChannelGroup(channel, master_group));
    if (kind_.core_rests_for_beam)
        phaser.reset();
    else
        phaser.may_fire = false;
    charge.start();
    phaser.volleys = 0;
}

void CoreBoss::fire_when_charged() {
    if (charge.step() && blasts_started < 1) {
        beam.start();
        blasts_started += 1;
    }
}

void CoreBoss::draw_core(BITMAP* dest, int bx, int by) {
    beam.draw(dest, bx, by);
    if (phaser.destroyed)
        draw_masked(dest, {broken_phaser, static_cast<int>(x + kind_.broken_phaser_x),
                           static_cast<int>(y + kind_.broken_phaser_y)});
    else
        phaser.draw(dest, bx, by);
    charge.draw(dest, bx, by);
    draw_explosions(dest);
}
