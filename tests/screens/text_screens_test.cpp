// Instructions and story: where they lead, what they say, the story's scroll and its slow ending.
#include <string>
#include <vector>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "screen_passes.h"
#include "screens/instructions.h"
#include "screens/story.h"

namespace {

using screen_testing::ScreenPasses;

using TextScreens = ScreenPasses;

FMOD_SOUND* music_playing() {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.channel == music_channel) return voice.sound;
    return nullptr;
}

TEST_F(TextScreens, TheKeyHeldFromBeforePassesInstructionsAtOnceIntoTheirEpisode) {
    const struct {
        int episode;
        Screen next;
        FMOD_SOUND* tune;  // playing when it has left
    } cases[] = {
        {1, Screen::kv1_menu, tune_kv1_bgm.sound},
        {2, Screen::story, tune_story.sound},  // the story has not started its own yet
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.episode);
        tune_story.play_music();
        Instructions screen(c.episode);
        key[key_text_advance] = 1;
        EXPECT_EQ(passes_to_end(screen), 2);  // up 8 in the first step, down 16 in the second
        EXPECT_EQ(screen.leave().screen, c.next);
        EXPECT_EQ(music_playing(), c.tune);
    }
}

TEST_F(TextScreens, EachEpisodesInstructionsShowTheirTitleAndWholeBodyAboveTheBoxBottom) {
    const struct {
        int episode;
        const char* title;
        const char* body;
    } cases[] = {
        {1, "KV 1 INSTRUCTIONS",
         "Changeable Keys:\nMove: Left / Right Keys\nShoot: Voidbar\n\nNon-changeable:\nPause: Esc / 'P' Keys\n"
         "Take Screenshots: 'Q' key "},
        {2, "KV 2 INSTRUCTIONS",
         "Changeable Keys:\nMove: Left / Right Keys\nShoot: Voidbar\nBombs 1 + 2: 'Z' / Left Control Keys\n"
         "Text-Advance: Voidbar\n\nNon-changeable:\nPause: Esc / 'P' Keys\nTake Screenshots: 'Q' key\n"
         "Switch Between Helpers Shortcut: Helper #1 (1 shot) - 'A' Key / Helper #2 (3 shot) - 'S' Key\n\n"
         "Player loses $500 when destroyed. The game's over when you don't have $500 to lose.\n"
         "Tip: The green void invaders type enemies cause you to lose $100 if they get past you. "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.episode);
        screen_testing::TextLog log;
        Instructions screen(c.episode);
        pass(screen);
        const auto& title = log.lines()[1];
        EXPECT_EQ(title.font, "font8");
        EXPECT_EQ(title.text, c.title);
        EXPECT_EQ(title.x + text_length(font8, c.title) / 2, 320);
        EXPECT_EQ(title.y, 10);
        std::vector<std::string> body = log.texts("font5");
        ASSERT_FALSE(body.empty());
        EXPECT_EQ(body.front(), "Press 'space' to continue...");
        body.erase(body.begin());
        // Dropped lines would show here: the box ends at y 330.
        EXPECT_TRUE(screen_testing::wraps_whole(body, c.body));
        EXPECT_EQ(log.lines()[2].y, 90 - text_height(font5) / 2);
    }
}

TEST_F(TextScreens, TheStoryOpensEachParagraphAtItsPlaceAndNamesTheCrimeLordAsTheEndingDoes) {
    const struct {
        int start, offset;  // the paragraph's first position and how far above it its box starts
        const char* opening;
    } paragraphs[] = {
        {500, 172, "Since Adam prevailed against the hordes of enemy that were after him, "},
        {910, 376, "Meanwhile, the crime lord, Lord Artemus, "},  // the ending's "tyrannt, Lord Artemus"
        {1320, 564, "After several failed attempts for Adam to join his crew, "},
        {1730, 752, "What do think that their answer would be??? "},
    };
    screen_testing::TextLog log;
    Story screen;
    pass(screen);  // one step: every paragraph a quarter pixel up
    for (const auto& p : paragraphs) {
        SCOPED_TRACE(p.opening);
        const int first_line = static_cast<int>(p.start - 0.25f) - p.offset + 180 - text_height(font9) / 2;
        std::string text;
        for (const auto& line : log.lines())
            if (line.font == "font9" && line.y >= first_line && line.y < first_line + 180) text += line.text + " ";
        EXPECT_EQ(text.rfind(p.opening, 0), 0u) << text;
    }
}

TEST_F(TextScreens, TheFourthParagraphRestsAt765WhileTheOthersScrollOn) {
    Story screen;
    for (int s = 0; s < 3859; ++s) screen.step();
    EXPECT_GT(screen.paragraph_y(3), 765.0f);
    screen.step();
    EXPECT_EQ(screen.paragraph_y(3), 765.0f);
    for (int s = 0; s < 100; ++s) screen.step();
    EXPECT_EQ(screen.paragraph_y(3), 765.0f);
    EXPECT_EQ(screen.paragraph_y(0), 500.0f - 0.25f * 3960);
    EXPECT_EQ(screen.paragraph_y(2), 1320.0f - 0.25f * 3960);
    pass(screen);
    save("story_resting.png");
}

TEST_F(TextScreens, TheStoryEndsOnlyOncePictureAndTuneHaveFaded) {
    Story screen;
    for (int s = 0; s < 60; ++s) pass(screen);
    EXPECT_EQ(screen.paragraph_y(0), 485.0f);  // 15 pixels a second
    save("story_one_second.png");
    key[key_text_advance] = 1;
    EXPECT_EQ(passes_to_end(screen), 1 + 101);  // the key's pass, then the tune's fade; the picture's takes 64
    EXPECT_EQ(screen.leave().screen, Screen::main_menu);
}

}  // namespace
