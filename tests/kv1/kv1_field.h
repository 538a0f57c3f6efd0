#pragma once
// The KV1 field as the stage sets it up: the kinds' art in its slots, the four pools built, the
// global ship loaded and parked out of reach, and control of the fire chance.
#include <gtest/gtest.h>

#include "enemies/pools.h"

namespace kv1_field {

class Kv1FieldTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
};

// Reset, placed, in play and shown, as the stage spawns a record.
template <class Kind>
Kind& spawn(Kind& record, float x, float y) {
    record.reset();
    record.set_position(x, y);
    record.enter_play();
    record.show();
    return record;
}

// The next rand() % chance comes out 0.
void fire_on_next_draw(int chance);

// One stage step of a record: its update, then its bullets.
template <class Kind>
void step(Kind& record, int steps = 1) {
    for (int i = 0; i < steps; ++i) {
        record.update();
        record.update_bullets();
    }
}

}  // namespace kv1_field
