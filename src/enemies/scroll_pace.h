#pragma once
// How fast a backdrop record or a falling star drifts with the stage's scroll: at scroll v it
// moves v + 1 to 2v pixels a step, and stands while the scroll stands. It takes a new pace when
// it starts, whenever the scroll changes and at each respawn, so at a steady scroll each record
// keeps its own.
struct ScrollPace {
    int scroll = 0;       // the scroll value last given
    int step = 0;         // pixels per logic step
    bool moving = false;  // the record moves
    int last_scroll = 0;  // the scroll value of the step before

    // A new pace for scroll v.
    void renew(int v);
    // One step at scroll v: the pixels to move. A record at rest takes a pace and starts only
    // if `starts`; scroll 0 brings it to rest.
    int advance(int v, bool starts);
};
