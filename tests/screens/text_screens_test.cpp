// Instructions and story: where they lead, the story's scroll and its slow ending, and that the
// generated small font fits the longest body.
#include <algorithm>
#include <cstring>

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

TEST_F(TextScreens, TheKv2BodysLastLineStartsAboveTheBoxBottomInTheGeneratedFont) {
    // Laid out as drawn: box y -150, height 480, width 620.
    const char* text = instructions_body(2);
    const int h = text_height(font5);
    int top = -150 + 480 / 2 - h / 2;
    const char* line = text;
    const char* last = text;
    while (*line) {
        last = line;
        line = find_line_end(line, font5, 5, true, 620);
        top += h;
    }
    EXPECT_EQ(std::strncmp(last, "Tip: ", 5), 0);
    EXPECT_LT(top - h, 330);
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
