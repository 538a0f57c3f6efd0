// A frame of a KV2 backdrop as a stage would layer it, saved as a picture: islands and clouds
// fading in, a statue, debris, scaled rocks, a streaking star among twinkling ones, both meteor
// classes, the pick-up and the bonus banner mid-slide with its text.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "enemies/backdrop.h"
#include "enemies/meteor.h"
#include "enemies/power_up.h"
#include "enemies/scenery.h"
#include "enemies/stars.h"
#include "player/player.h"
#include "scenery_world.h"

using scenery_world::SceneryTest;

TEST_F(SceneryTest, AKv2BackdropFrame) {
    Island islands[2];
    Cloud clouds[3];
    Statue statue;
    Debris debris[8];
    BackdropMeteor rocks[5];
    ColorStar falling[30];
    Star twinkling[24];
    Meteor meteors[6];
    PowerUp pickup, banner_run;

    for (Island& island : islands) island.init();
    islands[0].x = 20.0f, islands[0].y = 250.0f;
    islands[1].x = 380.0f, islands[1].y = 20.0f;
    for (Cloud& cloud : clouds) cloud.init();
    statue.init();
    statue.x = 470.0f, statue.y = 240.0f;
    for (Debris& piece : debris) piece.init(1);
    for (BackdropMeteor& rock : rocks) rock.init(1, 1);
    for (ColorStar& star : falling) star.init(0, 639);
    for (Star& star : twinkling) star.init(0, 639);
    for (int i = 0; i < 6; ++i) meteors[i].init(40 + 100 * i, 140 + 100 * i, 60, 420);
    pickup.init(1, 250.0f, 330.0f);
    banner_run.init(1, 600.0f, -200.0f);
    player.set_position(banner_run.x - 10.0f, banner_run.y - 10.0f);
    banner_run.update(0);
    player.set_position(300.0f, 2000.0f);
    for (int i = 0; i < 14; ++i) banner_run.update(0);

    for (int step = 0; step < 12; ++step) {
        for (Island& island : islands) island.update(1, 150.0f);
        for (int i = 0; i < 3; ++i) clouds[i].update(1, i == 2 ? 255.0f : 110.0f);
        statue.update(1);
        for (Debris& piece : debris) piece.update(1, 255.0f);
        for (BackdropMeteor& rock : rocks) rock.update(1, 255.0f);
        for (ColorStar& star : falling) star.update(1);
        for (Star& star : twinkling) star.update(1, 255.0f);
    }
    falling[0].pace.step = 10;  // the top pace of scroll five, as a streak
    falling[0].x = 330, falling[0].y = 300;
    ASSERT_TRUE(banner_run.banner_shown);
    ASSERT_LT(banner_run.banner_x, banner_run.banner_target_x) << "still sliding in";

    testing_support::Picture frame = scenery_world::blank_screen();
    for (Star& star : twinkling) star.draw(frame.get());
    for (ColorStar& star : falling) star.draw(frame.get());
    for (BackdropMeteor& rock : rocks) rock.draw(frame.get());
    for (Island& island : islands) island.draw(frame.get());
    statue.draw(frame.get());
    for (Debris& piece : debris) piece.draw(frame.get());
    for (Meteor& meteor : meteors) meteor.draw(frame.get());
    for (Cloud& cloud : clouds) cloud.draw(frame.get());
    pickup.draw(frame.get());
    banner_run.draw(frame.get());

    int streak = 0;
    for (int k = 0; k < 8; ++k) streak += getpixel(frame.get(), 330, 300 + k) == makecol(255, 255, 255);
    EXPECT_GT(streak, 0);
    const std::string path = testing_support::picture_path("kv2_backdrop.png");
    EXPECT_EQ(save_png(path.c_str(), frame.get(), nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
}
