// Character select and the stage cards: the ship, face and equipment a choice leaves, when Esc
// may go on with the kept ship, the way to each stage, and visits that leave nothing behind.
#include "screens/character_select.h"

#include <malloc.h>

#include <filesystem>

#include <string>
#include <vector>

#include "audio/audio_testing.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "screen_passes.h"
#include "screens/stage_intro.h"
#include "screens/upgrade_store.h"
#include "stages/stage_one.h"

namespace {

using screen_testing::point;
using screen_testing::ScreenPasses;

constexpr int box_centre_x = 312, adam_box_y = 213, kim_box_y = 388;
constexpr int boxes_step = 51;  // the fade-in ends on the 32nd step, which counts toward the 20

class SelectPasses : public ScreenPasses {
protected:
    void SetUp() override {
        ScreenPasses::SetUp();
        pilot_chosen = false;
        game_completed = 0;
        stage_choice = 1;
    }
    void TearDown() override {
        stage_choice = 1;
        game_completed = 0;
        selected_character = 1;
        ScreenPasses::TearDown();
    }

    // A visit with the pointer held on a pilot's box from the start, not clicking it until it is
    // shown; where it leads. Esc, when held, may leave earlier.
    NextScreen choose(int box_y) {
        CharacterSelect select;
        point(box_centre_x, box_y, true);
        for (int s = 1; s < boxes_step; ++s) {
            pass(select);
            EXPECT_TRUE(key[KEY_ESC] || !select.fade().fading_out()) << "step " << s;
        }
        passes_to_end(select);
        return select.leave();
    }
};

TEST_F(SelectPasses, EachPilotGetsANewShipAndFaceAndLaterStagesAStartingKit) {
    const struct {
        int pilot, box_y, stage;
    } cases[] = {{1, adam_box_y, 1}, {2, kim_box_y, 1}, {2, kim_box_y, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pilot " << c.pilot << ", stage " << c.stage);
        stage_choice = c.stage;
        player.money = 77;
        player.gun_level = 3;
        player.three_shot_count = 0;
        player.three_shot_selected = false;
        const NextScreen next = choose(c.box_y);
        EXPECT_EQ(next.screen, Screen::stage_intro);
        EXPECT_EQ(next.args[0], c.stage);
        EXPECT_EQ(player.character, c.pilot);
        EXPECT_EQ(selected_character, c.pilot);
        EXPECT_EQ(player_face, datafile_bitmap(faces_datafile[c.pilot - 1]));
        EXPECT_EQ(player.money, 1500);
        EXPECT_EQ(player.gun_level, 1);
        const bool kit = c.stage > 1;
        EXPECT_EQ(player.three_shot_count, kit ? 1 : 0);
        EXPECT_EQ(player.three_shot_selected, kit);
        EXPECT_EQ(player.side_guns, kit);
        EXPECT_EQ(player.side_level, kit ? 1 : 0);
    }
}

TEST_F(SelectPasses, EscGoesOnWithTheKeptShipOnlyOnceAPilotWasChosen) {
    player.load(1);  // as an earlier game left it
    CharacterSelect fresh;
    key[KEY_ESC] = 1;
    for (int s = 0; s < 200; ++s) pass(fresh);
    EXPECT_TRUE(fresh.running());

    const struct {
        const char* how;
        bool completed;  // then a click keeps the ship too
        bool alive;
    } cases[] = {{"Esc, live ship", false, true}, {"Esc, declined continue", false, false},
                 {"click after the ending", true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        pilot_chosen = true;
        selected_character = 1;
        game_completed = c.completed;
        player.money = 8000;
        player.gun_level = 3;
        player.alive = c.alive;
        key[KEY_ESC] = !c.completed;
        const NextScreen next = choose(c.completed ? kim_box_y : 0);
        EXPECT_EQ(next.screen, Screen::stage_intro);
        EXPECT_EQ(player.gun_level, 3);
        EXPECT_TRUE(player.alive);
        EXPECT_EQ(player.money, c.alive ? 8000 : 1500);  // a dead ship comes back as after "Continue?"
        EXPECT_EQ(selected_character, c.completed ? 2 : 1);
        key[KEY_ESC] = 0;
    }
}

TEST_F(SelectPasses, HoveringABoxShowsItsPilot) {
    for (int box_y : {adam_box_y, kim_box_y}) {
        CharacterSelect select;
        point(box_centre_x, box_y, false);
        for (int s = 0; s < boxes_step + 20; ++s) pass(select);
        const int pilot = box_y == adam_box_y ? 1 : 2;
        EXPECT_EQ(select.portrait_x(pilot), 0);
        EXPECT_EQ(select.icon_scale(pilot), 3.0f);
        EXPECT_EQ(select.portrait_x(3 - pilot), pilot == 1 ? -302 : -309);
        save(std::string("character_select_") + (pilot == 1 ? "adam" : "kim") + ".png");
        point(0, 0, false);
        for (int s = 0; s < 20; ++s) pass(select);
        EXPECT_EQ(select.portrait_x(pilot), pilot == 1 ? -309 : -302);
        EXPECT_EQ(select.icon_scale(pilot), 1.0f);
    }
}

TEST_F(SelectPasses, EachFrameStartsOnAClearedPage) {
    // A page larger than the frame keeps, outside it, only what the clear left.
    BITMAP* const page = active_page;
    active_page = create_bitmap(641, 481);
    clear_to_color(active_page, makecol(255, 0, 0));
    {
        CharacterSelect select;
        pass(select);
    }
    EXPECT_EQ(getpixel(active_page, 640, 480), makecol(0, 0, 0));
    destroy_bitmap(active_page);
    active_page = page;
}

TEST_F(SelectPasses, EachCardShowsItsWholeTextForThePilotAndLeadsToItsStage) {
    const struct {
        int stage;
        const char* adam;
        const char* kim;
    } cards[] = {
        {1,
         "Stage 1: THE JOURNEY BEGINS!! ",
         "Stage 1: THE JOURNEY BEGINS!! "},
        {2,
         "Adam, realizing that Art isn't messing around, takes off to Sector 3386, where his family "
         "supposedly is. \n \nStage 2: ASTEROID HEAVEN!! ",
         "Kim heads off to Sector 3386. On the way, she lifts her head in deep thought, harboring painful "
         "memories....But, she travels on! \n \nStage 2: ASTEROID HEAVEN!! "},
        {3,
         "Adam realizes that his fellow earthlings have turned against him as well. He doesn't know WHAT "
         "to expect now! He travels on to the distant planet. \n \nStage 3: PLANET HYDRA!! ",
         "Kim's excited to know what lies ahead at this new planet! Her head then begins to throb for "
         "some reason and the pain leaves. She travels on. \n \nStage 3: PLANET HYDRA!! "},
        {4,
         "Adam follows pursuit to the person responsible for taking his family.  \n \nStage 4: JUNK'S "
         "PARADISE !! ",
         " \n \nStage 4: JUNK'S PARADISE!! "},
        {5, " \n \nStage 5: PLANET DESTRONIA!! ", " \n \nStage 5: PLANET DESTRONIA!! "},
        {6, " \n \nStage 6: PATH OF ASTERIODS!! ", " \n \nStage 6: PATH OF ASTERIODS!! "},
        {7, " \n \nStage 7: PLANET FLORISHANAI!! ", " \n \nStage 7: PLANET FLORISHANAI!! "},
        {8, " \n \nStage 8: PATH OF ASTEROIDS!! ", " \n \nStage 8: PATH OF ASTEROIDS!! "},
        {9, " \n \nStage 9: GATE OF EPSILONIA!! ", " \n \nStage 9: GATE OF EPSILONIA!! "},
        {10, " \n \nStage 10: FORTRESS!! ", " \n \nStage 10: FORTRESS!! "},
    };
    for (const auto& card : cards)
        for (int pilot : {1, 2, 0}) {  // 0: neither, as after KV1
            SCOPED_TRACE(testing::Message() << "pilot " << pilot << ", stage " << card.stage);
            selected_character = pilot;
            const char* text = pilot == 2 ? card.kim : pilot == 1 || card.stage == 1 ? card.adam : "";
            screen_testing::TextLog log;
            StageIntro intro(card.stage);
            pass(intro);
            EXPECT_TRUE(screen_testing::wraps_whole(log.texts("font9"), text));
            if (*text) {
                EXPECT_EQ(log.lines()[0].y, 120 - text_height(font9) / 2);
            }
            ASSERT_EQ(log.texts("font5"), std::vector<std::string>{"Press 'space' to continue..."});
            EXPECT_EQ(log.lines().back().y, 475 - text_height(font5));
            if ((card.stage == 2 || card.stage == 4) && pilot != 0)
                save("card_" + std::to_string(card.stage) + "_pilot_" + std::to_string(pilot) + ".png");
            key[key_text_advance] = 1;
            passes_to_end(intro);
            key[key_text_advance] = 0;
            EXPECT_EQ(static_cast<int>(intro.leave().screen), static_cast<int>(Screen::stage_one) + card.stage - 1);
        }
}

TEST_F(SelectPasses, AClearedStageOneLeadsThroughTheStoreToCardTwo) {
    selected_character = 1;
    player.load(1);
    NextScreen next;
    {
        StageOne stage;
        player.stage_cleared = true;
        next = stage.finish();
    }
    ASSERT_EQ(next.screen, Screen::upgrade_store);
    UpgradeStore store(next.args[0]);
    next = store.leave();
    EXPECT_EQ(next.screen, Screen::stage_intro);
    EXPECT_EQ(next.args[0], 2);
}

int open_files() { return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {})); }

TEST_F(SelectPasses, FiftyNewGamesAndStoreVisitsLeaveHeapAndVoicesAsTheFirst) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps its own books";
#endif
    auto game = [&] {
        choose(adam_box_y);
        UpgradeStore store(2);
        point(67, 341, false);  // a bomb demo under way
        for (int s = 0; s < 60; ++s) pass(store);
        point(22, 466, true);
        passes_to_end(store);
        store.leave();
        audio_testing::advance(fmod_system, 3000);
    };
    game();
    const size_t heap = mallinfo2().uordblks;
    const size_t voices = audio_testing::voices(fmod_system).size();
    const int files = open_files();
    for (int n = 1; n < 50; ++n) game();
    const size_t heap_after = mallinfo2().uordblks;
    const size_t voices_after = audio_testing::voices(fmod_system).size();
    std::printf("heap after the first game %zu, after the fiftieth %zu; voices %zu, %zu; open files %d, %d\n", heap,
                heap_after, voices, voices_after, files, open_files());
    EXPECT_LT(heap_after, heap + 64 * 1024);
    EXPECT_LE(voices_after, voices);
    EXPECT_EQ(open_files(), files);
}

}  // namespace
