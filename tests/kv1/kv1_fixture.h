#pragma once
// A loaded KV1 ship on the heap (it holds 768 bullets), silent audio on the manual clock, and
// the keys the ship reads.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

#include "player/kv1player.h"

namespace kv1_testing {

// The voice playing `sound` on `channel`, if any.
bool sounding(FMOD_CHANNEL* channel, FMOD_SOUND* sound);

class Kv1ShipTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // One logic step as the stage runs it.
    void step(int steps = 1);
    void hold(int scancode) { key[scancode] = 1; }
    void release(int scancode) { key[scancode] = 0; }

    std::unique_ptr<Kv1Player> ship;
};

}  // namespace kv1_testing
