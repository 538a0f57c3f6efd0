#pragma once
// The last boss: it stands still. Four side turrets guard two main turrets that sweep beams
// along the ground; with both main turrets gone the shield opens over the phaser core, which
// fires aimed fans and, every fifth volley, a wide beam. Destroying the core pays at once and
// starts rounds of explosions that go on until the stage ends them.
#include <allegro.h>

#include <array>

#include "audio/audio.h"
#include "bosses/boss_parts.h"
#include "bosses/boss_turrets.h"
#include "bosses/core_boss.h"

class Boss10 : public CoreBoss {
public:
    static constexpr int reward = 3000;
    static constexpr int side_turret_count = 4;

    Boss10();
    // No blaster, playing or paused, outlives the boss.
    ~Boss10();

    int death_round = 0;  // rounds of explosions completed
    std::array<BossMainTurret, 2> main_turrets;
    std::array<BossBrokenPart, 2> broken_turrets;
    BossShield shield;
    std::array<BossTurret, side_turret_count> side_turrets;  // left to right

    void load();
    // The core takes the bonus whole, every turret a third of it.
    void add_hit_points(int k);
    // No movement and no fade: only the death rounds, once the core is lost.
    void update_state();
    void update();
    void draw(BITMAP* dest);

    // The core's blaster and the main turrets' blasters, while the game is paused.
    void pause_sounds();
    void resume_sounds();

private:
    void open_main_turrets();
    void update_main_turrets(int bx, int by);
    void death_round_step();
    void scatter_round();
};
