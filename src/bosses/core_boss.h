#pragma once
// The wiring the part-built bosses share: the core behind the shields with its fans, and every
// fifth volley the charge and the full-height beam with the blaster sound; for the bosses of
// stages 1 and 2, two aiming guns that leave a wreck when shot away. What differs is a row of
// choices per boss.
#include <allegro.h>

#include <array>

#include "audio/audio.h"
#include "bosses/boss_head.h"
#include "bosses/boss_parts.h"

// Sliding from side to side between two turns, stopping dead at each.
struct SlideRow {
    float limit;
    float left_turn, right_turn;
};

struct CoreBossKind {
    const char* body_path;
    const char* broken_phaser_path;
    float broken_phaser_x, broken_phaser_y;
    PartRow charge_row, beam_row, phaser_row;
    PhaserKind phaser;
    float x_at_load;
    const SlideRow* slide;  // null: the boss stands still
    // Disarmed while it charges and fires (its shots vanish, hits add nothing), rather than only
    // holding its fire.
    bool core_rests_for_beam;
    // On losing its core the boss shakes the screen and starts dying by itself.
    bool dies_with_core;
    DeathRow death;
    const ChargeKind* charge_kind = &core_charge;
    const BlastKind* blast_kind = &core_blast;
    std::array<float, BossHead::explosion_count> explosion_scales = BossHead::explosion_scales;
    bool armoured_body = true;  // the body swallows the shots that miss the parts
    int core_reward = 0;        // paid at once when the core is lost, rather than at the end of the death
};

class CoreBoss : public BossHead {
public:
    int phaser_armings = 0;
    int blasts_started = 0;  // a beam from the last charge has not yet been cleared
    BossPhaserCharge charge;
    BossPhaserBlast beam;
    BossPhaser phaser;
    FMOD_SOUND* blaster_sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;  // the blaster's, and the death explosions'
    BITMAP* broken_phaser = nullptr;

    explicit CoreBoss(const CoreBossKind& kind) : kind_(kind) {}

    void activate() { active = true; }
    // The slide, or the death; then the fade.
    void update_state();
    void start_death();
    bool beaten() const { return phaser.destroyed; }

protected:
    // The body, the core's parts, the place, the explosions in a row and the two sounds.
    void load_core();
    void arm_once(bool ready);
    // After the guns and shields: the beam, the core, the charge, the body's armour, the
    // explosions.
    void update_core(int bx, int by);
    // The beam, the core or its wreck, the charge glow, the explosions.
    void draw_core(BITMAP* dest, int bx, int by);

private:
    void lose_core();
    void clear_spent_beam();
    void start_charge();
    void fire_when_charged();

    const CoreBossKind& kind_;
};

// The two guns, each with the wreck shown once it is shot away.
template <class Gun>
class GunnedCoreBoss : public CoreBoss {
public:
    Gun left_gun, right_gun;
    BossBrokenPart left_broken_gun, right_broken_gun;

    using CoreBoss::CoreBoss;

    // A third of the bonus goes to each gun.
    void add_hit_points(int k) {
        phaser.hit_points += k;
        left_gun.hit_points += k / 3;
        right_gun.hit_points += k / 3;
    }

protected:
    bool guns_down() const { return left_gun.destroyed && right_gun.destroyed; }
    // True once the gun is shot away; its wreck then animates.
    static bool update_gun(Gun& gun, BossBrokenPart& broken, int bx, int by) {
        gun.update(bx, by);
        if (gun.destroyed) broken.animate();
        return gun.destroyed;
    }
    void draw_guns(BITMAP* dest, int bx, int by) {
        draw_gun(dest, left_gun, left_broken_gun, bx, by);
        draw_gun(dest, right_gun, right_broken_gun, bx, by);
    }

private:
    static void draw_gun(BITMAP* dest, Gun& gun, const BossBrokenPart& broken, int bx, int by) {
        if (gun.destroyed) broken.draw(dest, bx, by);
        gun.draw(dest, bx, by);
    }
};
