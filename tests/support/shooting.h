#pragma once
// Hits made directly, for the tests that play stages through faster than anyone could fly them:
// every enemy in view shot down, and a boss beaten part by part in the order its fight allows.
#include <type_traits>

#include "bosses/boss10.h"
#include "bosses/boss5.h"
#include "stages/enemy_groups.h"

namespace testing_support {

// Shoots down every record in play that has come into view, as a player would.
inline void shoot_in_view(const Groups& groups = every_kv2_pool) {
    for (const Group& group : groups)
        for_each_in_pool(group, [](auto& pool, int i) {
            auto& record = pool[i];
            bool in_view = true;
            if constexpr (is_train_kind<std::remove_reference_t<decltype(record)>>) in_view = record.entered;
            if (record.in_play && !record.dying && in_view) record.damage = record.hit_points + 1;
        });
}

template <class Part>
void destroy(Part& part) {
    part.damage = part.hit_points + 1;
}

// One blow at the boss: its body, its weak spot, or its guns or turrets first and the core once
// it is open.
template <class Boss>
void beat(Boss& boss) {
    if constexpr (std::is_base_of_v<HitPoints, Boss>) {
        destroy(boss);
    } else if constexpr (std::is_same_v<Boss, Boss5>) {
        destroy(boss.weak_spot);
    } else {
        if constexpr (std::is_same_v<Boss, Boss10>) {
            for (BossMainTurret& turret : boss.main_turrets) destroy(turret);
        } else {
            destroy(boss.left_gun);
            destroy(boss.right_gun);
        }
        if (boss.phaser.in_play) destroy(boss.phaser);
    }
}

}  // namespace testing_support
