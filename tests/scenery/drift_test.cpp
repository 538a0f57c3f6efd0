// Rocks, clouds, debris and falling stars drift at a pace tied to the scroll, and come back at
// the top once past the bottom.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "enemies/backdrop.h"
#include "enemies/stars.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

namespace {

// A record that drifts with the scroll, seen through its step and its row.
struct Drifter {
    const char* name;
    std::function<void(int)> update;
    std::function<float()> y;
    std::function<void(float)> set_y;
};

}  // namespace

class DriftTest : public SceneryTest {
protected:
    BackdropMeteor rock, scaled_rock;
    Cloud cloud;
    Debris debris;
    ColorStar star;

    std::vector<Drifter> drifters() {
        rock.init(1, 0);
        scaled_rock.init(1, 1);
        cloud.init();
        debris.init(1);
        star.init(0, 639);
        auto backdrop = [](const char* name, Backdrop& record) {
            return Drifter{name, [&record](int v) { record.update(v, 255.0f); }, [&record] { return record.y; },
                           [&record](float y) { record.y = y; }};
        };
        return {backdrop("rock", rock), backdrop("scaled rock", scaled_rock), backdrop("cloud", cloud),
                backdrop("debris", debris),
                Drifter{"star", [this](int v) { star.update(v); }, [this] { return static_cast<float>(star.y); },
                        [this](float y) { star.y = static_cast<int>(y); }}};
    }
};

TEST_F(DriftTest, ScrollZeroStopsEveryMoverScrollOneStepsTwoAndASteadyScrollKeepsEachPace) {
    for (const Drifter& record : drifters()) {
        SCOPED_TRACE(record.name);
        record.set_y(0.0f);
        auto moved = [&](int v) {
            const float before = record.y();
            record.update(v);
            return record.y() - before;
        };
        moved(3);
        std::set<float> paces;
        for (int i = 0; i < 20; ++i) paces.insert(moved(3));
        EXPECT_EQ(paces.size(), 1u) << "one pace at a steady scroll";
        EXPECT_GE(*paces.begin(), 4.0f);
        EXPECT_LE(*paces.begin(), 6.0f);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(moved(0), 0.0f);
        record.set_y(0.0f);
        for (int i = 0; i < 20; ++i) EXPECT_EQ(moved(1), 2.0f);
    }
}

TEST_F(DriftTest, RecordsComeBackAtTheTopPastTheBottomAndDebrisOnlyOnceWhollyGone) {
    drifters();
    struct Case {
        const char* name;
        Backdrop& record;
        float last_row;   // the lowest row it may reach before it comes back
        float back_at;    // its row after coming back, in picture heights above the top
    };
    for (const Case& c : {Case{"rock", rock, 479.0f, 1.0f}, Case{"cloud", cloud, 479.0f, 3.0f},
                          Case{"debris", debris, 479.0f + debris.picture->h, 1.0f}}) {
        SCOPED_TRACE(c.name);
        c.record.update(1, 255.0f);
        c.record.y = c.last_row - 2.0f;
        c.record.update(1, 255.0f);
        EXPECT_EQ(c.record.y, c.last_row) << "still there";
        c.record.update(1, 255.0f);
        EXPECT_EQ(c.record.y, -c.back_at * static_cast<float>(c.record.picture->h));
    }
    // Below the screen, a rock that does not recycle is parked; above it, it waits for its owner.
    BackdropMeteor waiting;
    waiting.init(0, 0);
    const float above = waiting.y;
    ASSERT_LT(above, 0.0f);
    for (int i = 0; i < 10; ++i) waiting.update(4, 255.0f);
    EXPECT_EQ(waiting.y, above);
    waiting.y = 700.0f;
    waiting.update(4, 255.0f);
    EXPECT_EQ(waiting.y, 480.0f);
    Debris idle;
    idle.init(0);
    idle.set_recycling();
    const float before = idle.y;
    idle.update(2, 255.0f);
    EXPECT_GT(idle.y, before) << "set recycling, it starts by itself";
}

TEST_F(DriftTest, AtScrollFiveAColorStarMovesSixToTenAndStreaksOnlyAtTen) {
    std::set<int> paces;
    ColorStar stars[100];
    for (ColorStar& s : stars) {
        s.init(0, 639);
        s.update(5);
        paces.insert(s.pace.step);
    }
    EXPECT_EQ(*paces.begin(), 6);
    EXPECT_EQ(*paces.rbegin(), 10);
    for (int pace : {6, 9, 10, 11}) {
        SCOPED_TRACE(pace);
        ColorStar& s = stars[0];
        s.pace.step = pace;
        s.x = 100, s.y = 100;
        testing_support::Picture canvas = scenery_world::blank_screen();
        s.draw(canvas.get());
        const int drawn = scenery_world::drawn_pixels(canvas.get());
        if (pace == 10) {
            EXPECT_EQ(drawn, 8);
            for (int k = 0; k < 8; ++k) EXPECT_EQ(getpixel(canvas.get(), 100, 100 + k), makecol(255, 255, 255));
        } else if (pace < 10) {
            EXPECT_GE(drawn, 1);
            EXPECT_LE(drawn, 4);
        } else {
            EXPECT_EQ(drawn, 0);
        }
    }
}

TEST_F(SceneryTest, AStarWhitensInSevenStepsHoldsAndIsStampedFourTimesUnlessItsAlphaIsZero) {
    Star star;
    star.init(100, 100);
    const int first_hold = star.hold_length;
    int steps = 0;
    while (star.red + star.green + star.blue < 3 * 255) {
        star.update(0, 255.0f);
        ++steps;
    }
    EXPECT_EQ(steps, 7);
    int white = 1;
    while (!star.falling) {
        star.update(0, 255.0f);
        ++white;
    }
    EXPECT_EQ(white, first_hold + 1);
    EXPECT_LE(star.hold_length, 2);

    star.x = 50, star.y = 60;
    struct Case {
        float alpha;
        int stamps;
    };
    for (Case c : {Case{0.0f, 0}, Case{100.0f, 4}, Case{255.0f, 4}}) {
        SCOPED_TRACE(c.alpha);
        star.alpha = c.alpha;
        testing_support::Picture canvas = scenery_world::blank_screen();
        star.draw(canvas.get());
        EXPECT_EQ(scenery_world::drawn_pixels(canvas.get()), c.stamps);
        if (c.stamps) {
            EXPECT_NE(getpixel(canvas.get(), 53, 60), scenery_world::background()) << "the fourth stamp";
        }
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
    const Region regions[] = {
        {MenuStar::down_left, 640, 1280, -720, 0},
        {MenuStar::left, 640, 640, 0, 480},
        {MenuStar::up_left, 640, 1280, 480, 1200},
        {MenuStar::right, 0, 0, 0, 480},
    };
    for (const Region& r : regions) {
        SCOPED_TRACE(r.travel);
        MenuStar star;
        star.init(0, 640, r.travel, makecol(83, 71, 152));
        ASSERT_NE(star.picture, nullptr);
        for (int respawns = 0; respawns < 5;) {
            const int x = star.x;
            star.update();
            if (std::abs(star.x - x) <= 3) continue;
            ++respawns;
            EXPECT_GE(star.x, r.x_lo);
            EXPECT_LE(star.x, r.x_hi);
            EXPECT_GE(star.y, r.y_lo);
            EXPECT_LE(star.y, r.y_hi);
            EXPECT_EQ(star.scale, 1.0f + 0.5f * static_cast<float>(star.step - 1));
        }
    }
}
