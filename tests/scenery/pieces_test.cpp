// Statues and islands: each takes a marker of its own, none lies on another, and once below the
// screen each comes back above it after its wait.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/scenery.h"
#include "engine/collision.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

namespace {

bool touch(const SceneryPiece& a, const SceneryPiece& b) {
    return pixel_collision(a.picture, static_cast<int>(a.x), static_cast<int>(a.y), b.picture, static_cast<int>(b.x),
                           static_cast<int>(b.y)) != 0;
}

}  // namespace

TEST_F(SceneryTest, PiecesTakeMarkersInOrderAndNoTwoPlacedPiecesOverlap) {
    Statue statues[4];
    Island islands[4];
    std::vector<SceneryPiece*> pieces;
    for (int i = 0; i < 4; ++i) pieces.push_back(&statues[i]), pieces.push_back(&islands[i]);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        pieces[i]->init();
        EXPECT_EQ(pieces[i]->marker, static_cast<int>(i));
        EXPECT_TRUE(pieces[i]->spot_found);
    }
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            EXPECT_FALSE(touch(*pieces[i], *pieces[j])) << i << ", " << j;
    EXPECT_EQ(scenery_world::used_markers(), 8);
}

TEST_F(SceneryTest, ABelowScreenStatueReturnsAboveAfterItsWaitKeepingItsMarkerAndClearOfTheRest) {
    Statue statues[4];
    for (Statue& statue : statues) statue.init();
    Statue& mover = statues[2];
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        mover.y = 470.0f;
        mover.update(10);
        ASSERT_GT(mover.y, 479.0f);
        const int wait = mover.wait_length;
        int steps = 1;
        while (mover.y >= 0.0f && steps < 300) {
            mover.update(1);
            ++steps;
        }
        EXPECT_EQ(steps, wait + 1) << "every step below the screen counts, the first one too";
        EXPECT_GE(steps, 51);
        EXPECT_LE(steps, 201);
        EXPECT_LE(mover.y, static_cast<float>(-mover.picture->h));
        EXPECT_EQ(mover.marker, 2);
        const SceneryMarker& marker = scenery_markers[2];
        EXPECT_EQ(marker.x, mover.x);
        EXPECT_EQ(marker.y, mover.y);
        for (const Statue& other : statues)
            if (&other != &mover) {
                EXPECT_FALSE(touch(mover, other));
            }
    }
}

TEST_F(SceneryTest, AnIslandDrawsByItsAlphaAndAtZeroMovesUnseenWithItsMarker) {
    Island island;
    island.init();
    island.update(0, 255.0f);
    island.y = 100.0f;
    island.x = 100.0f;
    struct Case {
        float alpha;
        bool seen;
    };
    int opaque = 0;
    for (Case c : {Case{0.0f, false}, Case{128.0f, true}, Case{255.0f, true}}) {
        SCOPED_TRACE(c.alpha);
        island.update(2, c.alpha);
        EXPECT_EQ(scenery_markers[island.marker].y, island.y);
        testing_support::Picture canvas = scenery_world::blank_screen();
        island.draw(canvas.get());
        const int drawn = scenery_world::drawn_pixels(canvas.get());
        EXPECT_EQ(drawn > 0, c.seen);
        if (c.alpha == 255.0f) opaque = drawn;
    }
    EXPECT_EQ(island.y, 106.0f);
    EXPECT_GT(opaque, island.picture->w * island.picture->h / 3) << "a solid body";
}

// A stage holding more pieces than there are markers: the ones past the last marker are left out.
TEST_F(SceneryTest, WithEveryMarkerTakenAPieceIsLeftOutUnseenAndStill) {
    for (SceneryMarker& marker : scenery_markers) marker.occupy(-1000.0f, -1000.0f, 1, 1, nullptr);
    Statue statue;
    statue.init();
    EXPECT_FALSE(statue.placed);
    const float y = statue.y;
    for (int step = 0; step < 300; ++step) statue.update(5);
    EXPECT_EQ(statue.y, y);
    testing_support::Picture canvas = scenery_world::blank_screen();
    statue.draw(canvas.get());
    EXPECT_EQ(scenery_world::drawn_pixels(canvas.get()), 0);
    for (const SceneryMarker& marker : scenery_markers) ASSERT_EQ(marker.x, -1000.0f) << "no marker moved";

    scenery_markers[4095].clear();
    Statue last;
    last.init();
    EXPECT_TRUE(last.placed);
    EXPECT_EQ(last.marker, 4095);
}
