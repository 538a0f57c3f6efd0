// Meteors and the bonus pick-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/meteor.h"
#include "enemies/power_up.h"
#include "player/player.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

namespace {

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int w() const { return right - left + 1; }
    int h() const { return bottom - top + 1; }
};

Box drawn_box(BITMAP* canvas) {
    Box box;
    for (int y = 0; y < canvas->h; ++y)
        for (int x = 0; x < canvas->w; ++x)
            if (getpixel(canvas, x, y) != scenery_world::background()) {
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            }
    return box;
}

template <class Draw>
Box box_of(Draw draw) {
    testing_support::Picture canvas = scenery_world::blank_screen();
    draw(canvas.get());
    return drawn_box(canvas.get());
}

}  // namespace

TEST_F(SceneryTest, AMeteorIsDrawnAboutItsPlaceTheThirdClassFromItsStripFrameAtOneAndAHalf) {
    for (int speed_class : {2, 3}) {
        SCOPED_TRACE(speed_class);
        Meteor meteor;
        do meteor.init(100, 500, 100, 300);
        while (meteor.speed_class != speed_class);
        EXPECT_LE(meteor.x, 500.0f - 28.0f - 2.0f);
        BITMAP* source = speed_class == 2 ? meteor.picture : meteor.current_frame();
        const Box rock = box_of([source](BITMAP* canvas) { draw_sprite(canvas, source, 0, 0); });
        const Box box = box_of([&meteor](BITMAP* canvas) { meteor.draw(canvas); });
        const float scale = speed_class == 2 ? 1.0f : 1.5f;
        EXPECT_NEAR(box.w(), scale * static_cast<float>(rock.w()), 2.0f);
        EXPECT_NEAR(box.h(), scale * static_cast<float>(rock.h()), 2.0f);
        EXPECT_NEAR(box.left, meteor.x + scale * static_cast<float>(rock.left - 14), 2.0f) << "about its centre";
        EXPECT_NEAR(box.top, meteor.y + scale * static_cast<float>(rock.top - 11), 2.0f);
    }
}

TEST_F(SceneryTest, ThePickUpPaysOnceAndItsBannerRestsFiftyStepsInTheMiddleUnderItsTextThenLeavesRight) {
    PowerUp pickup;
    pickup.init(1, 300.0f, 60.0f);
    EXPECT_NEAR(box_of([&pickup](BITMAP* canvas) { pickup.draw(canvas); }).left, 300, 2);
    pickup.update(2);
    EXPECT_EQ(player.money, 0) << "not touched yet";

    const float text_rest = pickup.banner_y - static_cast<float>(text_height(font) + 6);
    int resting = 0, steps = 0;
    float last_x = pickup.banner_x;
    do {
        player.set_position(pickup.x - 10.0f, pickup.y - 10.0f);  // the ship stays on it
        pickup.update(2);
        ++steps;
        if (pickup.banner_x == pickup.banner_target_x) {
            ++resting;
            EXPECT_EQ(pickup.text_y, text_rest) << "the text rests just above the banner";
        } else {
            EXPECT_GT(pickup.banner_x, last_x) << "it only ever slides right";
        }
        last_x = pickup.banner_x;
        if (steps == 20) {
            const Box banner = box_of([&pickup](BITMAP* canvas) { pickup.draw(canvas); });
            EXPECT_LT(banner.top, static_cast<int>(pickup.banner_y) - 6) << "the text drops in above";
            EXPECT_LT(banner.right, static_cast<int>(pickup.banner_target_x) + pickup.banner->w) << "sliding in";
        }
    } while (pickup.banner_shown && steps < 300);
    EXPECT_EQ(resting, 50);
    EXPECT_EQ(pickup.banner_target_x, static_cast<float>(320 - pickup.banner->w / 2));
    EXPECT_EQ(pickup.banner_y, static_cast<float>(240 - pickup.banner->h / 2));
    EXPECT_EQ(pickup.banner_x, 640.0f);
    EXPECT_EQ(player.money, 20000) << "paid once, however long the ship stays";
    EXPECT_LT(box_of([&pickup](BITMAP* canvas) { pickup.draw(canvas); }).right, 0) << "taken and gone";
}

TEST_F(SceneryTest, APickUpOfATypeWithNoPictureCanBeNeitherSeenNorTaken) {
    PowerUp pickup;
    pickup.init(2, 300.0f, 60.0f);
    player.set_position(300.0f, 60.0f);
    pickup.update(0);
    EXPECT_FALSE(pickup.taken);
    EXPECT_EQ(player.money, 0);
    EXPECT_LT(box_of([&pickup](BITMAP* canvas) { pickup.draw(canvas); }).right, 0);
}
