#pragma once
// A ship loaded from the generated data tree, driven step by step with key[] written directly,
// its sounds on the audio library's manual clock.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

#include "player/player.h"

namespace player_testing {

// How many live voices play `sound`.
int voices_playing(FMOD_SOUND* sound);

class PlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A ship of the character, loaded from the data tree; tests keep it on the heap.
    static std::unique_ptr<Player> loaded(int character = 1);
    // A loaded ship flying level at y 410, standing still, with its blink over.
    static std::unique_ptr<Player> flying(int character = 1);

    // One logic step as the stages run it.
    static void step(Player& ship, int steps = 1);
    static void press(int scancode) { key[scancode] = 1; }
    static void release(int scancode) { key[scancode] = 0; }
};

}  // namespace player_testing
