#pragma once
// What the four KV1 kinds share: they fight the KV1 ship, test its shots themselves, pay it a
// flat sum per kill with no popup, and never escape. The stage calls `update`, then
// `update_bullets`, every logic step, and never scrolls them.
#include <cstddef>

#include "enemies/armed_enemy.h"

// Every KV1 kind's death: a kill pays the KV1 ship, and nothing escapes.
// {escape cost, explosion at master volume, escape before the kill, payee}
constexpr DeathRules kv1_death{0, false, false, Payee::kv1_ship};

template <std::size_t n>
class Kv1Enemy : public ArmedEnemy<n> {
public:
    // Ready for a new appearance, level and with no shot in flight.
    void reset();
    // Moves the shots in flight; each that meets the KV1 ship hits it.
    void update_bullets();
    // No visibility test and no popup: the stage draws only the records it uses.
    void draw(BITMAP* target);

protected:
    void build(const EnemyKind& kind, const Gun<n>& gun, float x0, float y0);
    // The rest of a step after the movement: death, wrap (none without an offset), the meeting
    // with the ship, and the volley.
    void finish_step(const Gun<n>& gun, std::optional<float> wrap_offset);
    // A formation kind's step: the sweep, then the rest.
    void formation_step(const Formation& formation, float wrap_offset, const Gun<n>& gun);
};

extern template class Kv1Enemy<1>;
extern template class Kv1Enemy<3>;

