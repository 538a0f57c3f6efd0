// A frame of the later stages' enemies as a stage draws it: a train of five banking after its
// volley, a train of eight climbing, two sevens with aimed shots, the ten trio halted with fans
// out, tanks on slanted headings (one white from a hit), an explosion under its popup, the ship.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "player/player.h"
#include "support/pictures.h"

namespace {

using enemy_world::bright_pixels;

template <class Kind>
void bring_in(Kind& record) {
    record.init(0.0f, 0.0f);
    record.reset();
    record.show();
    record.enter_play();
}

// Steps with no random shot, then the shots.
template <class Kind>
void quiet_steps(Kind& record, int n) {
    for (int i = 0; i < n; ++i) {
        enemy_world::next_draw_gives(1000, 7);
        record.update();
        record.update_bullets();
    }
}

// A twelve on the heading of `entry`, driven `steps` from (x, y).
EnemyTwelve& drive_twelve(EnemyTwelve& record, int entry, float x, float y, int steps) {
    bring_in(record);
    record.set_entry(entry);
    record.start_x = x;
    record.start_y = y;
    quiet_steps(record, steps);
    return record;
}

TEST(TrainsFrame, TrainsTheTenTrioAndTanksWithShotsAHitAndAnExplosion) {
    enemy_world::prepare();
    player.set_position(288.0f, 400.0f);

    // The ten trio, halted with their fans a little way out.
    for (int lane = 1; lane <= 3; ++lane) {
        EnemyTen& ten = enemy_ten_pool[lane - 1];
        bring_in(ten);
        ten.set_lane(lane);
    }
    for (int s = 0; s < 24; ++s)
        for (EnemyTen& ten : enemy_ten_pool) quiet_steps(ten, 1);

    // A train of five down the left, the leaders banking right after their volley.
    for (EnemyFive& five : enemy_five_pool) {
        bring_in(five);
        five.place(0.0f, 0.0f);
        five.x = 24.0f;
    }
    enemy_five_pool[0].released = true;
    for (int s = 0; s < 70; ++s) step_train(enemy_five_pool);

    // A train of eight climbing up the right.
    for (EnemyEight& eight : enemy_eight_pool) {
        bring_in(eight);
        eight.place();
        eight.x = 548.0f;
    }
    enemy_eight_pool[0].released = true;
    for (int s = 0; s < 40; ++s) step_train(enemy_eight_pool);

    // Two sevens, one from each corner, each with its shot out at the ship.
    for (int side = 1; side <= 2; ++side) {
        EnemySeven& seven = enemy_seven_pool[side - 1];
        enemy_world::next_draw_gives(2, side - 1);
        seven.reset();
        seven.show();
        seven.enter_play();
        seven.released = true;
        quiet_steps(seven, 46);
        enemy_world::fire_on_next_draw(300);
        seven.update();
        quiet_steps(seven, 14);
    }

    // Tanks on their slants: an eleven swung onto 96, twelves from two corners.
    EnemyEleven& eleven = enemy_eleven_pool[0];
    bring_in(eleven);
    eleven.set_entry(1);
    quiet_steps(eleven, 125);
    eleven.start_x += 50.0f;
    EnemyTwelve& twelve = drive_twelve(enemy_twelve_pool[0], 7, 480.0f, 420.0f, 30);
    enemy_world::fire_on_next_draw(200);
    twelve.update();
    quiet_steps(twelve, 6);
    EnemyTwelve& flashed = drive_twelve(enemy_twelve_pool[1], 1, 130.0f, 230.0f, 10);

    // One five of the train shot down: its explosion under the popup.
    EnemyFive& exploding = enemy_five_pool[1];
    exploding.damage = exploding.hit_points + 1;
    step_train(enemy_five_pool);
    for (int s = 0; s < 6; ++s) step_train(enemy_five_pool);
    ASSERT_TRUE(exploding.explosion.active);
    ASSERT_TRUE(exploding.reward_shown);
    EXPECT_TRUE(enemy_five_pool[0].bullets_out);
    EXPECT_NE(enemy_five_pool[0].frame, 2) << "banking";
    for (const EnemyTen& ten : enemy_ten_pool) EXPECT_TRUE(ten.bullets_out);

    BITMAP* frame = create_bitmap(640, 480);
    clear_to_color(frame, makecol(8, 10, 36));
    for (int i = 0; i < 140; ++i) putpixel(frame, (i * 97) % 640, (i * 61) % 480, makecol(150, 160, 200));
    player.draw(frame);
    for (EnemyEleven& record : enemy_eleven_pool) record.draw(frame);
    const int before = bright_pixels(frame, static_cast<int>(flashed.x), static_cast<int>(flashed.y), 103, 130);
    flashed.hit_flash = true;
    for (EnemyTwelve& record : enemy_twelve_pool) record.draw(frame);
    EXPECT_GT(bright_pixels(frame, static_cast<int>(flashed.x), static_cast<int>(flashed.y), 103, 130), before + 2000)
        << "the hull white from the hit";
    for (EnemyTen& record : enemy_ten_pool) record.draw(frame);
    for (EnemySeven& record : enemy_seven_pool) record.draw(frame);
    for (EnemyFive& record : enemy_five_pool) record.draw(frame);
    for (EnemyEight& record : enemy_eight_pool) record.draw(frame);

    const std::string path = testing_support::picture_path("trains_frame.png");
    EXPECT_EQ(save_png(path.c_str(), frame, nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
    destroy_bitmap(frame);
    enemy_world::park_ship();
}

}  // namespace
