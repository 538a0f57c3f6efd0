// Stage 1 played through the frame loop to its clear, for each pilot, with the frames a player
// sees on the way.
#include <allegro.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "audio_testing.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "player/player.h"
#include "stage_world.h"

namespace {

using stage_world::Driver;
using stage_world::save_page;

// Once the panes are in, presses the advance key until the dialogue closes; returns the presses
// it took.
int talk_through(Driver& d) {
    while (d.stage().boss_pane_x > 0.0f) d.pass();
    int presses = 0;
    while (d.stage().dialog_active && presses < 20) {
        d.press(key_text_advance);
        presses += 1;
    }
    return presses;
}

struct Pilot {
    int character;
    const char* first_line;
    int presses_before, presses_after;
};

class StageOneClear : public ::testing::TestWithParam<Pilot> {};

TEST_P(StageOneClear, RunsFromTheFadeInThroughFourPhasesAndTheBossToTheStore) {
    const Pilot pilot = GetParam();
    stage_world::prepare(pilot.character);
    Driver d(std::make_unique<StageOne>());
    StageRunner& s = d.stage();
    player.money = 1000000;  // hits cost money but never the ship

    d.pass(31);
    EXPECT_FALSE(s.faded_in);
    EXPECT_EQ(s.fade_level, 249);
    d.pass();
    EXPECT_TRUE(s.faded_in);
    EXPECT_EQ(s.fade_level, 254);
    EXPECT_EQ(s.title_ticks, 1) << "the 32nd step already plays";

    d.skip_title();
    EXPECT_EQ(s.title_ticks, 100);
    EXPECT_EQ(s.title_x, s.title_number_x - static_cast<float>(text_length(font7, "Stage ")) - 20.0f);

    // Each phase's quota, and a record of its group that the hurry speeds up (the formation's own
    // are re-armed at the phase's end).
    struct PhaseRow {
        int quota;
        Enemy* hurried;
    };
    const PhaseRow phases[] = {{31, &enemy_two_pool[0]}, {32, &enemy_three_pool[0]}, {32, &enemy_four_pool[0]},
                               {15, &enemy_four_pool[5]}};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        const PhaseRow& phase = phases[p - 1];
        ASSERT_TRUE(d.steps_until([&] { return s.wave_phase == p; }));
        EXPECT_EQ(enemy_count, phase.quota);
        const float speed = phase.hurried->max_speed;
        d.steps_until([] { return false; }, 60);
        const int row = s.marks[0];
        d.pass(20);
        if (p == 1) save_page("stage_one_mid_wave.png");
        EXPECT_EQ(scroll_speed, 0) << "the scroll waits for the quota";
        EXPECT_EQ(s.marks[0], row);
        ASSERT_TRUE(d.steps_until([&] {
            d.kill_in_play(stage_world::stage_one_ranges());
            return !s.spawning;
        }));
        EXPECT_FLOAT_EQ(phase.hurried->max_speed, speed + 0.5f) << "hurried once";
        EXPECT_EQ(wave_hurry, 0) << "a phase's end clears the hurry";
    }

    ASSERT_TRUE(d.steps_until([&] { return s.dialog_active; }));
    EXPECT_EQ(s.wave_phase, 5);
    EXPECT_TRUE(d.boss1().visible);
    EXPECT_EQ(stage_world::music(), tune_dialog.sound);
    d.pass(40);
    EXPECT_STREQ(s.boss_text, pilot.first_line);
    save_page(pilot.character == 1 ? "stage_one_dialogue.png" : "stage_one_dialogue_kim.png");
    key[key_text_advance] = 1;
    d.pass(3);
    key[key_text_advance] = 0;
    d.pass();
    EXPECT_TRUE(s.pilot_turn);
    EXPECT_EQ(s.pilot_line, 1) << "one advance per press";
    EXPECT_EQ(talk_through(d) + 1, pilot.presses_before);
    EXPECT_TRUE(s.boss_fight);
    EXPECT_FALSE(s.pilot_turn || s.boss_turn);
    EXPECT_TRUE(d.boss1().active);
    EXPECT_EQ(stage_world::music(), tune_boss.sound);

    Boss1& boss = d.boss1();
    boss.left_gun.damage = boss.left_gun.hit_points + 1;
    boss.right_gun.damage = boss.right_gun.hit_points + 1;
    ASSERT_TRUE(d.steps_until([&] { return boss.phaser.in_play; }));
    boss.beam.start();
    d.pass(30);
    EXPECT_EQ(scroll_speed, 5);
    save_page("stage_one_fight_beam.png");
    play_on_free_channel(boss.blaster_sound, boss.channel);
    boss.phaser.damage = boss.phaser.hit_points + 1;
    ASSERT_TRUE(d.steps_until([&] { return boss.phaser.destroyed; }));
    EXPECT_TRUE(s.dialog_active) << "the closing dialogue starts in the phaser's step";
    EXPECT_TRUE(s.boss_turn);
    FMOD_BOOL playing = true;
    FMOD_Channel_IsPlaying(boss.channel, &playing);
    EXPECT_FALSE(playing) << "the blaster stops as the phaser dies";

    EXPECT_EQ(talk_through(d), pilot.presses_after);
    EXPECT_EQ(boss.state, BossHead::dying);
    ASSERT_TRUE(d.steps_until([&] { return boss.dead; }));
    d.steps_until([] { return false; }, 201);
    EXPECT_EQ(s.outro_state, 1);
    EXPECT_EQ(stage_world::music(), tune_outro.sound);
    d.steps_until([] { return false; }, 30);
    EXPECT_EQ(s.outro_state, 1) << "the ship waits for the outro to play out";
    ASSERT_TRUE(d.steps_until(
        [&] {
            audio_testing::advance(fmod_system, 250);
            return s.outro_state == 2;
        },
        2000));
    EXPECT_EQ(player.state, Player::request_fly_off);
    ASSERT_TRUE(d.steps_until([&] { return player.stage_cleared; }));
    ASSERT_TRUE(d.steps_until([&] { return !s.running; }));
    EXPECT_TRUE(s.fading_out);
    const NextScreen next = s.finish();
    EXPECT_EQ(next.screen, Screen::upgrade_store);
    EXPECT_EQ(next.args[0], 2);
    EXPECT_EQ(scroll_speed, 0);
}

INSTANTIATE_TEST_SUITE_P(Pilots, StageOneClear,
                         ::testing::Values(Pilot{1, "Hah Hah! What are YOU doing here? ", 9, 7},
                                           Pilot{2,
                                                 "What is this?? A WOMAN??? Shouldn't you be tending you your "
                                                 "young'uns? ",
                                                 7, 8}));

// The stage at its first phase: the formation and the twos in play, the first threes waiting.
std::unique_ptr<Driver> at_first_phase() {
    stage_world::prepare(1);
    auto d = std::make_unique<Driver>(std::make_unique<StageOne>());
    player.money = 1000000;
    d->skip_title();
    EXPECT_TRUE(d->steps_until([&] { return d->stage().wave_phase == 1; }));
    return d;
}

bool popup_drawn(const Enemy& record) {
    BITMAP* blank = create_bitmap(640, 480);
    clear_to_color(blank, 0);
    record.draw_reward(blank);
    bool drawn = false;
    for (int y = 0; y < blank->h && !drawn; ++y)
        for (int x = 0; x < blank->w && !drawn; ++x) drawn = getpixel(blank, x, y) != 0;
    destroy_bitmap(blank);
    return drawn;
}

// A game quit while a record explodes leaves nothing that shortens its next death: that
// explosion plays all 26 steps and the popup has gone before the kill.
TEST(StageOnePopup, AfterAGameQuitMidExplosionTheNextDeathPlaysWhole) {
    {
        auto quit = at_first_phase();
        enemy_two_pool[0].damage = 1000;
        quit->steps_until([] { return false; }, 9);
        ASSERT_TRUE(enemy_two_pool[0].explosion.active);
    }
    auto d = at_first_phase();
    EnemyTwo& record = enemy_two_pool[0];
    record.damage = 1000;
    int exploding = 0;
    while (record.in_play && exploding < 100) {
        d->steps_until([] { return false; }, 1);
        if (record.explosion.active || record.in_play) exploding += 1;
        if (!record.in_play) {
            EXPECT_FALSE(record.reward_shown) << "the popup ends before the kill";
        }
    }
    EXPECT_EQ(exploding, 26);
}

// Whatever becomes of its record, a popup rises for its 26 updates and then is gone.
TEST(StageOnePopup, NoPopupOutlivesItsTwentySixUpdates) {
    const struct {
        const char* fate;
        Enemy& record;
        std::function<void(Enemy&)> set_up;
    } rows[] = {
        {"killed, its explosion cut short", enemy_one_pool[0],
         [](Enemy& r) {
             r.y = 200.0f;
             r.explosion.frame = 8;
             r.damage = r.hit_points + 1;
         }},
        {"escaping", enemy_one_pool[1],
         [](Enemy& r) {
             r.explosion.y = 300.0f;
             r.show_reward();
             r.y = 481.0f;
         }},
        {"waiting out of play", enemy_three_pool[0],
         [](Enemy& r) {
             r.explosion.y = 200.0f;
             r.show_reward();
         }},
    };
    auto d = at_first_phase();
    for (const auto& row : rows) row.set_up(row.record);
    d->steps_until([] { return false; }, 25);
    for (const auto& row : rows) EXPECT_TRUE(popup_drawn(row.record)) << row.fate << ": still up on its 25th update";
    EXPECT_FALSE(enemy_one_pool[0].in_play) << "killed before its popup ended";
    EXPECT_TRUE(enemy_one_pool[1].dying) << "escaped";
    d->steps_until([] { return false; }, 1);
    for (const auto& row : rows) EXPECT_FALSE(popup_drawn(row.record)) << row.fate;
}

}  // namespace
