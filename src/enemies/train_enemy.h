#pragma once
// A kind that flies in a train of five: each record waits until the stage releases it, flies
// straight along the vertical, crosses its fire line once per pass (firing one volley straight
// down if it is armed) and banks away to one side until it leaves the field or dies.
#include <cstddef>

#include "enemies/armed_enemy.h"

// Which way a record banks once past its fire line.
enum class TrainTurn { to_other_half, to_own_edge, at_random };

// How a train kind flies.
struct TrainRoute {
    bool climbs;        // up from below the field, else down from above it
    float entry_depth;  // `entered` once this far inside the edge it comes in by
    float hit_depth;    // hit only while this far inside that edge
    TrainTurn turn;
};

template <std::size_t n>
class TrainEnemy : public ArmedEnemy<n> {
public:
    int passes = 0;          // 1 once past the fire line
    float fire_line = 0.0f;  // y at which the record fires and turns
    bool released = false;   // the stage lets it move
    bool entered = false;    // in view: it can be hit, and the next record may go

    void reset();
    void steer_left();
    void steer_right();

protected:
    void build(const EnemyKind& kind, const Gun<n>& gun, const TrainRoute& route, float x0, float y0);
    // A new start at a random x, at `start_y`.
    void start_at(float start_y);
    // One logic step; true in the step the record's death starts.
    bool step(const EnemyKind& kind, const Gun<n>& gun, const TrainRoute& route);

private:
    void pace(bool climbs);
    // Signed distance past the fire line in the direction of flight.
    float beyond_line(bool climbs) const;
    // Whether the record is at least `depth` inside the edge it came in by.
    bool inside(const TrainRoute& route, float depth) const;
    void cross_fire_line(const Gun<n>& gun, TrainTurn turn);
};

extern template class TrainEnemy<0>;
extern template class TrainEnemy<2>;

// One logic step of a train as the stages drive it: in pool order, each record is released once
// the one before it has come into view (even if that one has since died or left), then moves,
// then flies its shots.
template <class Kind, std::size_t n>
void step_train(Kind (&pool)[n]) {
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && pool[i - 1].entered) pool[i].released = true;
        pool[i].update();
        pool[i].update_bullets();
    }
}
