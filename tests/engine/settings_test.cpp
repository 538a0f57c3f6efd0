#include <allegro.h>
#include <gtest/gtest.h>

#include "engine/settings.h"

// The defaults a fresh run starts with: the controls the instructions screen describes.
TEST(Settings, DefaultsMatchTheDocumentedControls) {
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(stage_choice, 1);
    EXPECT_EQ(key_left, 82);
    EXPECT_EQ(key_right, 83);
    EXPECT_EQ(key_shoot, 75);
    EXPECT_EQ(key_bomb1, 26);
    EXPECT_EQ(key_bomb2, 117);
    EXPECT_EQ(key_text_advance, 75);
    EXPECT_FLOAT_EQ(master_volume, 1.0f);
}
