// The KV2 main menu: when its items take clicks, the wait for the start sound, the unlock, the
// pools it restores, the title animation, and a visit that leaves nothing behind.
#include "screens/main_menu.h"

#include <malloc.h>

#include <vector>

#include "audio_testing.h"
#include "enemies/pools.h"
#include "engine/gameengine.h"
#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "screen_passes.h"
#include "screens/instructions.h"
#include "screens/series_menu.h"
#include "screens/story.h"

namespace {

using screen_testing::point;
using screen_testing::sounding;
using screen_testing::ScreenPasses;

// Inside the three items, 225 to 415 across.
constexpr int item_x = 300, start_y = 330, options_y = 365, exit_y = 400;
constexpr int open_step = 61;  // the box is fully open from the 61st step

using MainMenuPasses = ScreenPasses;

TEST_F(MainMenuPasses, NoClickCountsBeforeTheBoxIsOpen) {
    MainMenu menu;
    point(item_x, exit_y, true);
    for (int s = 1; s < open_step; ++s) {
        pass(menu);
        ASSERT_FALSE(menu.box_open()) << s;
        ASSERT_FALSE(menu.fade().fading_out()) << s;
    }
    pass(menu);
    EXPECT_TRUE(menu.box_open());
    EXPECT_EQ(menu.fade().choice(), MainMenu::exit_choice);
    save("main_menu_exit_clicked.png");
    EXPECT_EQ(passes_to_end(menu), 16);
    EXPECT_EQ(menu.leave().screen, Screen::series_menu);
}

TEST_F(MainMenuPasses, EachItemIsHoveredStrictlyInsideItsPictureAtItsPlace) {
    const struct {
        BITMAP* picture;
        int y;
        MainMenu::Choice choice;
    } items[] = {{menu_start_button, 315, MainMenu::start},
                 {menu_options_button, 350, MainMenu::options},
                 {menu_exit_button, 385, MainMenu::exit_choice}};
    for (const auto& item : items) {
        const int w = item.picture->w, h = item.picture->h;
        const struct {
            int x, y;
            bool inside;
        } spots[] = {{225, item.y + h / 2, false},     {226, item.y + h / 2, true},
                     {224 + w, item.y + h / 2, true},  {225 + w, item.y + h / 2, false},
                     {300, item.y, false},             {300, item.y + 1, true},
                     {300, item.y + h - 1, true},      {300, item.y + h, false}};
        for (const auto& spot : spots) {
            SCOPED_TRACE(::testing::Message() << "item at y " << item.y << ", pointer " << spot.x << ", " << spot.y);
            MainMenu menu;
            point(spot.x, spot.y, false);
            for (int s = 0; s < open_step; ++s) pass(menu);
            point(spot.x, spot.y, true);
            pass(menu);
            if (spot.inside) {
                EXPECT_EQ(menu.fade().choice(), item.choice);
            } else {
                EXPECT_NE(menu.fade().choice(), item.choice);
            }
        }
    }
}

TEST_F(MainMenuPasses, AHeldButtonDraggedToAnotherItemLeavesWithoutWaitingForTheStartSound) {
    const struct {
        const char* path;
        int first_y, second_y;
        Screen next;
    } cases[] = {
        {"Start, then Options", start_y, options_y, Screen::options_screen},
        {"Options, then Start", options_y, start_y, Screen::character_select},  // no sound was played
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        stop_channel_quietly(jingle_channel);
        MainMenu menu;
        point(item_x, c.first_y, true);
        for (int s = 0; s < open_step + 2; ++s) pass(menu);
        point(item_x, c.second_y, true);
        // The audio clock stands still: a wait for the start sound would never end.
        EXPECT_EQ(passes_to_end(menu, 100), 14);
        EXPECT_EQ(menu.leave().screen, c.next);
    }
}

TEST_F(MainMenuPasses, StartHeldPlaysItsSoundOnceAndWaitsForItsEnd) {
    stop_channel_quietly(jingle_channel);
    MainMenu menu;
    point(item_x, start_y, true);
    for (int s = 0; s < open_step; ++s) pass(menu);
    unsigned last = 0, position = 0;
    ASSERT_TRUE(sounding(sfx_start.sound, &last));
    int passes = 0;
    while (menu.running() && passes < 1000) {
        audio_testing::advance(fmod_system, 16);
        pass(menu);
        ++passes;
        if (!sounding(sfx_start.sound, &position)) continue;
        ASSERT_GE(position, last) << "restarted at pass " << passes;
        last = position;
    }
    EXPECT_GT(passes, 16);  // longer than the fade
    EXPECT_GE(passes, static_cast<int>(sfx_start.length / 16));
    EXPECT_LT(passes, 1000);
    EXPECT_EQ(menu.leave().screen, Screen::character_select);
}

TEST_F(MainMenuPasses, TheStageChoiceUnlocksOnceByTheChordOrTheEndingEvenDuringTheFades) {
    const struct {
        const char* how;
        bool chord, completed;
        int at_pass;  // when the chord goes down or the menu is entered after the ending
    } cases[] = {
        {"chord fading in", true, false, 1},
        {"chord fading out", true, false, open_step + 5},
        {"ending", false, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        stage_choice_unlocked = false;
        game_completed = c.completed;
        stop_channel_quietly(jingle_channel);
        for (int visit = 0; visit < 2; ++visit) {
            MainMenu menu;
            point(item_x, exit_y, true);
            for (int p = 1; menu.running(); ++p) {
                key[KEY_H] = key[KEY_J] = c.chord && p >= c.at_pass;
                pass(menu);
                if (p == c.at_pass && visit == 0) {
                    EXPECT_TRUE(stage_choice_unlocked);
                    EXPECT_TRUE(sounding(sfx_cheat_powerup.sound));
                    stop_channel_quietly(jingle_channel);
                }
            }
        }
        EXPECT_FALSE(sounding(sfx_cheat_powerup.sound));  // not again, on this visit or the next
    }
    stage_choice_unlocked = false;
    game_completed = 0;
}

template <class Kind, std::size_t n>
void raise_hit_points(Kind (&pool)[n]) {
    for (Kind& record : pool) record.add_hit_points(7);
}

template <class Kind, std::size_t n>
int raised_records(Kind (&pool)[n]) {
    int raised = 0;
    for (Kind& record : pool) raised += record.hit_points != record.max_hit_points;
    return raised;
}

TEST_F(MainMenuPasses, EntryRestoresTheHitPointsAStageBonusRaisedInAllTwelvePools) {
    auto each_pool = [](auto&& f) {
        f(enemy_one_pool), f(enemy_two_pool), f(enemy_three_pool), f(enemy_four_pool), f(enemy_five_pool),
            f(enemy_six_pool), f(enemy_seven_pool), f(enemy_eight_pool), f(enemy_nine_pool), f(enemy_ten_pool),
            f(enemy_eleven_pool), f(enemy_twelve_pool);
    };
    each_pool([](auto& pool) { raise_hit_points(pool); });
    return_to_menu = paused = true;
    MainMenu menu;
    int raised = 0;
    each_pool([&](auto& pool) { raised += raised_records(pool); });
    EXPECT_EQ(raised, 0);
    EXPECT_FALSE(return_to_menu);
    EXPECT_FALSE(paused);
}

TEST_F(MainMenuPasses, TitleFramesHold200StepsThen2And3And201Later) {
    MainMenu menu;
    std::vector<int> runs;  // steps after which each frame shows, in turn
    int frame = -1;
    for (int s = 0; s < 620; ++s) {
        menu.step();
        if (menu.title_frame() != frame) runs.push_back(0);
        frame = menu.title_frame();
        ++runs.back();
    }
    const std::vector<int> expected{200, 2, 3, 3, 3, 3, 201, 2, 3, 3, 3, 3};
    EXPECT_EQ(std::vector<int>(runs.begin(), runs.begin() + 12), expected);
}

class RoundTrips : public ScreenPasses {
protected:
    // Runs one visit with the input held as given; where it leads.
    template <class ScreenObject, class... Args>
    NextScreen visit(int x, int y, bool button, bool advance_key, Args... args) {
        ScreenObject screen(args...);
        point(x, y, button);
        key[key_text_advance] = advance_key;
        passes_to_end(screen);
        return screen.leave();
    }

    // Series menu, KV2, instructions, story, main menu and its Exit, back at the series menu.
    void round_trip() {
        ASSERT_EQ(visit<SeriesMenu>(480, 390, true, false).screen, Screen::instructions);
        ASSERT_EQ(visit<Instructions>(0, 0, false, true, 2).screen, Screen::story);
        ASSERT_EQ(visit<Story>(0, 0, false, true).screen, Screen::main_menu);
        ASSERT_EQ(visit<MainMenu>(item_x, exit_y, true, false).screen, Screen::series_menu);
    }
};

TEST_F(RoundTrips, TwentyLeaveTheHeapWithin64KbOfItsSizeAfterTheSecond) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps its own books";
#endif
    round_trip();
    round_trip();
    const size_t heap = mallinfo2().uordblks;
    for (int trip = 2; trip < 20; ++trip) round_trip();
    EXPECT_LT(mallinfo2().uordblks, heap + 64 * 1024);
}

}  // namespace
