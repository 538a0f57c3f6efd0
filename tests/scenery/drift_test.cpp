// Rocks, clouds, debris and stars drift with the scroll and come back once past the bottom.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "enemies/backdrop.h"
#include "enemies/meteor.h"
#include "enemies/stars.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

namespace {

void advance(Backdrop& record, int v) { record.update(v, 255.0f); }
void advance(ColorStar& star, int v) { star.update(v); }

// At a steady scroll one pace of v + 1 to 2v, nothing at scroll 0, exactly 2 at scroll 1.
template <class Record>
void expect_paces(Record& record) {
    auto moved = [&record](int v) {
        const float before = static_cast<float>(record.y);
        advance(record, v);
        return static_cast<float>(record.y) - before;
    };
    record.y = 0;
    moved(3);
    std::set<float> paces;
    for (int i = 0; i < 20; ++i) paces.insert(moved(3));
    EXPECT_EQ(paces.size(), 1u);
    EXPECT_GE(*paces.begin(), 4.0f);
    EXPECT_LE(*paces.begin(), 6.0f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(moved(0), 0.0f);
    record.y = 0;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(moved(1), 2.0f);
}

// At scroll 1 it reaches `last_row`, and on the next step comes back `rise` heights above the top.
void expect_comeback(Backdrop& record, float last_row, float rise) {
    advance(record, 1);
    record.y = last_row - 2.0f;
    advance(record, 1);
    EXPECT_EQ(record.y, last_row);
    advance(record, 1);
    EXPECT_EQ(record.y, -rise * static_cast<float>(record.picture->h));
}

}  // namespace

TEST_F(SceneryTest, ScrollZeroStopsEveryDrifterScrollOneStepsTwoAndASteadyScrollKeepsEachPace) {
    BackdropMeteor rock, scaled_rock;
    Cloud cloud;
    Debris debris;
    ColorStar star;
    rock.init(1, 0), scaled_rock.init(1, 1), cloud.init(), debris.init(1), star.init(0, 639);
    expect_paces(rock), expect_paces(scaled_rock), expect_paces(cloud), expect_paces(debris), expect_paces(star);
}

TEST_F(SceneryTest, RecyclersComeBackPastTheBottomDebrisOnlyWhollyGoneOthersParkOrWait) {
    BackdropMeteor rock, waiting;
    Cloud cloud;
    Debris debris, idle;
    rock.init(1, 0), cloud.init(), debris.init(1);
    expect_comeback(rock, 479.0f, 1.0f);
    expect_comeback(cloud, 479.0f, 3.0f);
    expect_comeback(debris, 479.0f + static_cast<float>(debris.picture->h), 1.0f);

    waiting.init(0, 0);
    const float above = waiting.y;
    ASSERT_LT(above, 0.0f);
    for (int i = 0; i < 10; ++i) advance(waiting, 4);
    EXPECT_EQ(waiting.y, above) << "waits for its owner";
    waiting.y = 700.0f;
    advance(waiting, 4);
    EXPECT_EQ(waiting.y, 480.0f) << "parked";
    idle.init(0);
    idle.set_recycling();
    const float before = idle.y;
    advance(idle, 2);
    EXPECT_GT(idle.y, before) << "set recycling, it starts by itself";
}

TEST_F(SceneryTest, AtScrollFiveAColorStarMovesSixToTenAndStreaksOnlyAtTen) {
    std::set<int> paces;
    ColorStar stars[100];
    for (ColorStar& s : stars) {
        s.init(0, 639);
        s.update(5);
        paces.insert(s.pace.step);
    }
    EXPECT_EQ(*paces.begin(), 6);
    EXPECT_EQ(*paces.rbegin(), 10);
    ColorStar& star = stars[0];
    star.x = 100, star.y = 100;
    struct Case {
        int pace, fewest, most;  // pixels drawn
    };
    for (Case c : {Case{6, 1, 4}, Case{9, 1, 4}, Case{10, 8, 8}, Case{11, 0, 0}}) {
        SCOPED_TRACE(c.pace);
        star.pace.step = c.pace;
        testing_support::Picture canvas = scenery_world::blank_screen();
        star.draw(canvas.get());
        const int drawn = scenery_world::drawn_pixels(canvas.get());
        EXPECT_GE(drawn, c.fewest);
        EXPECT_LE(drawn, c.most);
        EXPECT_EQ(getpixel(canvas.get(), 100, 107) == makecol(255, 255, 255), c.pace == 10) << "the streak's end";
    }
}

TEST_F(SceneryTest, AStarWhitensInSevenStepsHoldsAndIsStampedFourTimesUnlessItsAlphaIsZero) {
    Star star;
    star.init(100, 100);
    const int first_hold = star.hold_length;
    int steps = 0;
    while (star.red + star.green + star.blue < 3 * 255) star.update(0, 255.0f), ++steps;
    EXPECT_EQ(steps, 7);
    int white = 1;
    while (!star.falling) star.update(0, 255.0f), ++white;
    EXPECT_EQ(white, first_hold + 1);
    EXPECT_LE(star.hold_length, 2);

    star.x = 50, star.y = 60;
    for (float alpha : {0.0f, 100.0f, 255.0f}) {
        SCOPED_TRACE(alpha);
        star.alpha = alpha;
        testing_support::Picture canvas = scenery_world::blank_screen();
        star.draw(canvas.get());
        EXPECT_EQ(scenery_world::drawn_pixels(canvas.get()), alpha > 0.0f ? 4 : 0);
    }
    star.y = 481;
    star.update(0, 255.0f);
    EXPECT_EQ(star.y, -10);
    EXPECT_EQ(star.red, 66);
}

TEST_F(SceneryTest, AMenuStarComesBackFromBeyondTheEdgeItDriftsFrom) {
    struct Region {
        int travel;
        int x_lo, x_hi, y_lo, y_hi;
    };
    for (const Region& r : {Region{MenuStar::down_left, 640, 1280, -720, 0}, Region{MenuStar::left, 640, 640, 0, 480},
                            Region{MenuStar::up_left, 640, 1280, 480, 1200}, Region{MenuStar::right, 0, 0, 0, 480}}) {
        SCOPED_TRACE(r.travel);
        MenuStar star;
        star.init(0, 640, r.travel, makecol(83, 71, 152));
        ASSERT_NE(star.picture, nullptr);
        for (int respawns = 0; respawns < 5;) {
            const int x = star.x;
            star.update();
            if (std::abs(star.x - x) <= 3) continue;
            ++respawns;
            EXPECT_TRUE(star.x >= r.x_lo && star.x <= r.x_hi && star.y >= r.y_lo && star.y <= r.y_hi)
                << star.x << ", " << star.y;
        }
    }
    // A travel outside 1 to 4 drifts as the nearest one does: down and left, or right.
    for (const auto& [travel, dx, dy] : {std::tuple{0, -1, 1}, {-7, -1, 1}, {5, 1, 0}, {99, 1, 0}}) {
        SCOPED_TRACE(travel);
        MenuStar star;
        star.init(0, 640, travel, makecol(83, 71, 152));
        star.x = 320;
        star.y = 240;
        star.update();
        EXPECT_EQ(star.x, 320 + dx * star.step);
        EXPECT_EQ(star.y, 240 + dy * star.step);
    }
    MenuStar stray;
    stray.init(0, 640, MenuStar::left, makecol(1, 2, 3));
    testing_support::Picture canvas = scenery_world::blank_screen();
    stray.draw(canvas.get());
    EXPECT_EQ(scenery_world::drawn_pixels(canvas.get()), 0) << "a colour of no menu has no picture to draw";
}

// A meteor lies in its columns less the strip's width and 2; columns too few for it leave it at
// the first one.
TEST_F(SceneryTest, AMeteorLiesInItsColumnsOrAtTheFirstWhenTheyAreTooFew) {
    Meteor probe;
    probe.init(0, 640, 0, 0);
    const int room = probe.strip->w + 2;
    for (const auto& [x_min, x_max] : {std::pair{0, 640}, {100, 100 + room}, {100, 99 + room}, {100, 110}}) {
        SCOPED_TRACE(x_max);
        for (int i = 0; i < 50; ++i) {
            Meteor meteor;
            meteor.init(x_min, x_max, -480, 0);
            ASSERT_GE(meteor.x, static_cast<float>(x_min));
            ASSERT_LE(meteor.x, static_cast<float>(std::max(x_min, x_max - room)));
        }
    }
}
