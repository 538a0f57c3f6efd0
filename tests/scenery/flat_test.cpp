// Setting up a stage's scenery again and again, as every stage entry does, leaves memory, open
// files and scenery markers as they were.
#include <malloc.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "enemies/meteor.h"
#include "enemies/power_up.h"
#include "enemies/scenery.h"
#include "enemies/stars.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

namespace {

int open_files() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

// The scenery of a stage's entry: set up, a few steps, and gone with the stage.
void enter_stage() {
    ColorStar stars[100];
    Meteor meteors[40];
    PowerUp pickup;
    Island islands[4];
    for (ColorStar& star : stars) star.init(0, 639);
    for (Meteor& meteor : meteors) meteor.init(0, 640, -480, 0);
    pickup.init(1, 300.0f, -100.0f);
    for (Island& island : islands) island.init();
    for (int step = 0; step < 5; ++step) {
        for (ColorStar& star : stars) star.update(3);
        for (Meteor& meteor : meteors) meteor.scroll(3);
        pickup.update(3);
        for (Island& island : islands) island.update(3, 200.0f);
    }
}

}  // namespace

TEST_F(SceneryTest, EnteringAStageAHundredTimesLeavesHeapOpenFilesAndMarkersFlat) {
    enter_stage();  // the first entry loads what every later one shares
    const size_t heap = mallinfo2().uordblks;
    const int files = open_files();
    for (int i = 0; i < 100; ++i) enter_stage();
    EXPECT_LT(mallinfo2().uordblks, heap + 64 * 1024);
    EXPECT_EQ(open_files(), files);
    EXPECT_EQ(scenery_world::used_markers(), 0);
}
