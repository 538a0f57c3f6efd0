#pragma once
// What the scenery tests share: the scenery art in its slots, Adam's ship in `player` for the
// pick-up, audio on the manual clock, every scenery marker clear, and the data tree as the
// working directory while a test runs (records load their own files by relative path).
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

#include "support/pictures.h"
#include "support/test_support.h"

namespace scenery_world {

class SceneryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    std::unique_ptr<testing_support::WorkingDirectory> in_data_;
};

// A screen-sized canvas in one dark colour.
testing_support::Picture blank_screen();
int background();
// Pixels of the canvas that are not the background.
int drawn_pixels(BITMAP* canvas);

// Markers in use.
int used_markers();

}  // namespace scenery_world
