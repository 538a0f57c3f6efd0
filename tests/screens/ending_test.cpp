// The KV2 ending: paragraphs advance once per press at full opacity, the roll and where it stops,
// Esc only once it has, and the credits' name lines.
#include <cstdio>
#include <string>

#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "screen_passes.h"
#include "screens/ending_screen.h"
#include "screens/kv1_ending.h"

namespace {

using screen_testing::ScreenPasses;

constexpr int fade_in_steps = 32;
constexpr int paragraph_change_steps = 65 + 64;  // out to below 0, then in again

class Ending : public ScreenPasses {
protected:
    void TearDown() override {
        game_completed = 0;
        selected_character = 1;
        ScreenPasses::TearDown();
    }

    static void steps(EndingScreen& screen, int n) {
        for (int s = 0; s < n; ++s) screen.step();
    }

    // Each paragraph at full opacity, advanced by a fresh press; leaves the roll about to start.
    static void through_paragraphs(EndingScreen& screen) {
        steps(screen, fade_in_steps);
        for (int p = 0; p < EndingScreen::paragraph_count; ++p) {
            key[key_text_advance] = 1;
            screen.step();
            key[key_text_advance] = 0;
            steps(screen, p < EndingScreen::paragraph_count - 1 ? paragraph_change_steps - 1 : 63);
        }
    }

    // Steps until the end line stops, the text-advance key held or not; their count.
    static int steps_to_stop(EndingScreen& screen, bool held) {
        key[key_text_advance] = held;
        int n = 0;
        while (!screen.end_reached() && n < 5000) {
            screen.step();
            ++n;
        }
        key[key_text_advance] = 0;
        return n;
    }
};

TEST_F(Ending, AParagraphAdvancesOncePerPressAndOnlyAtFullOpacity) {
    EndingScreen screen;
    key[key_text_advance] = 1;  // held from the start: one advance only, once fully shown
    steps(screen, 300);
    EXPECT_EQ(screen.paragraph(), 1);
    EXPECT_EQ(screen.paragraph_alpha(), 255);
    key[key_text_advance] = 0;
    screen.step();
    key[key_text_advance] = 1;
    steps(screen, 70);  // pressed again: paragraph 2 is half faded in when the next press comes
    key[key_text_advance] = 0;
    screen.step();
    key[key_text_advance] = 1;
    steps(screen, 200);
    EXPECT_EQ(screen.paragraph(), 2);
}

TEST_F(Ending, EscDoesNothingUntilTheEndLineStops) {
    EndingScreen screen;
    key[KEY_ESC] = 1;
    through_paragraphs(screen);
    EXPECT_FALSE(screen.fade().fading_out());
    EXPECT_EQ(screen.credits_y(), 500.0f);
    key[KEY_ESC] = 0;
    steps(screen, 100);
    EXPECT_EQ(screen.credits_y(), 500.0f - 0.75f * 100);
    key[KEY_ESC] = 1;
    steps(screen, 100);
    EXPECT_FALSE(screen.fade().fading_out());
}

TEST_F(Ending, TheRollStopsWithTheEndLineCentredThenEscLeavesCompleted) {
    const struct {
        bool held;
        float per_step;
    } cases[] = {{false, EndingScreen::slow_scroll}, {true, EndingScreen::fast_scroll}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.held);
        game_completed = 0;
        EndingScreen screen;
        through_paragraphs(screen);
        const int n = steps_to_stop(screen, c.held);
        std::printf("roll at %.2f a step: %d steps to the stop\n", c.per_step, n);
        // The key is read for the next step: the first step of the roll is always slow.
        const float passed = 2800.0f - EndingScreen::slow_scroll - c.per_step * static_cast<float>(n - 1);
        EXPECT_LT(passed, screen.end_rest_y());
        EXPECT_GE(passed + c.per_step, screen.end_rest_y());
        EXPECT_EQ(screen.end_y(), screen.end_rest_y());
        steps(screen, 200);
        EXPECT_EQ(screen.end_y(), screen.end_rest_y());
        EXPECT_EQ(screen.pair_alpha(), 255);
        EXPECT_EQ(screen.planet_alpha(), 0);
        {
            screen_testing::TextLog log;
            screen.draw();
            const auto& prompt = log.lines().back();
            EXPECT_EQ(prompt.text, "Press 'Esc' to continue...");
            EXPECT_EQ(prompt.x, 10);
            EXPECT_EQ(prompt.y, 475 - text_height(font5));
        }
        key[KEY_ESC] = 1;
        int out = 0;
        while (screen.running() && out < 1000) {
            screen.step();
            ++out;
        }
        EXPECT_GE(out, 127);  // the picture's fade; the tune's takes longer
        EXPECT_EQ(game_completed, 1);
        EXPECT_EQ(screen.leave().screen, Screen::main_menu);
        key[KEY_ESC] = 0;
    }
}

TEST_F(Ending, EachParagraphIsShownWholeForThePilotFlown) {
    const char* const paragraphs[EndingScreen::paragraph_count][2] = {  // Adam, Kim
        {"Adam has defeated and killed the tyrannt, Lord Artemus. With only 5 minutes to spare, he must reach "
         "to the back of Art's fortress to rescue his family. ",
         "Kim has killed Art, her former boss. She has indeed surpassed him in strength. After coming down "
         "from her high horse, she realizes that there's only 5 minutes to spare. "},
        {"When he got there, everyone was there except his oldest son, Justin. His wife didn't know where he "
         "was, that he was seperated from them when they got to the castle. ",
         "Kim finds Adam's family and begins to load them in her ship. But, there  was a problem, and Adam's "
         "oldest son, Justin, is missing. There's only 1 minute left before the castle explodes. "},
        {"Unfortunately, there wasn't enough time to try to find him. Torn away at this, he's forced to leave "
         "the castle before it explodes. Everything was wiped out within 30 mile radius. ",
         "Kim realizes that there's nothing she can do. She rescues the rest of Adam's family and gets to a "
         "safe distance. As Adam's wife yells J - U - S - T - I - N, the castle explodes in to a huge A-Bomb "
         "appearance. "},
        {"After the explosion, Adam makes a once-over to see if he could find any remains or anything, but "
         "everythinng was disinegrated. Adam's happy for his family's rescue, but saddened by the loss of his "
         "son. ",
         "After the explosion, Kim sees that the explosion covered a 30 mile radius. She does a look-over to "
         "see if she can find any trace of Justin, but can't find anything at all. The explosion has taken "
         "everything. "},
        {"Adam thinks that is son is still out there, somewhere.... ",
         "The mission to rescue Adam's family has been a semi-success. Kim's  glad that she was able to "
         "rescue who she could feels really bad about Justin. But somehow, she believes that he is alive "
         "somewhere....Let's hope so. "},
    };
    for (int pilot : {1, 2}) {
        selected_character = pilot;
        EndingScreen screen;
        steps(screen, fade_in_steps);
        for (int k = 0; k < EndingScreen::paragraph_count; ++k) {
            SCOPED_TRACE(testing::Message() << "pilot " << pilot << ", paragraph " << k);
            ASSERT_EQ(screen.paragraph(), k);
            screen_testing::TextLog log;
            screen.draw();
            EXPECT_TRUE(screen_testing::wraps_whole(log.texts("font9"), paragraphs[k][pilot - 1]));
            EXPECT_EQ(log.lines()[0].y, 80 - text_height(font9) / 2);
            key[key_text_advance] = 1;
            screen.step();
            key[key_text_advance] = 0;
            steps(screen, paragraph_change_steps - 1);
        }
    }
}

// Where a line's middle stands.
int centre_of(const screen_testing::TextLog::Line& line, FONT* f) {
    return line.x + text_length(f, line.text.c_str()) / 2;
}

TEST_F(Ending, BothEndingsRollEveryHeadingWithItsNamesThenTheSamePresentersAndTheEnd) {
    const struct {
        const char* heading;
        int kv2_names, kv1_names;  // lines under it
    } headings[] = {
        {"TECHNICAL DIRECTOR", 1, 1}, {"PROGRAM MANAGER", 1, 1}, {"LEAD PROGRAMMER", 1, 1},
        {"SYSTEM/GRAPHICS/DATA OPTIMIZER", 1, 1}, {"AI PROGRAMMER", 1, 1}, {"GRAPHICS PROGRAMMER", 1, 1},
        {"LEAD DESIGNER", 1, 1}, {"EXECUTIVE PRODUCER", 1, 1}, {"SENIOR ART DIRECTOR", 1, 1},
        {"LEAD ARTIST", 1, 1}, {"INTERFACE ARTIST", 1, 1}, {"CHARACTER DESIGNERS", 3, 4},
        {"BACKGROUND ARTISTS", 2, 2}, {"ARTISTS", 4, 4}, {"SOUND PRODUCER", 1, 1}, {"SOUND DESIGNER", 2, 1},
        {"SOUND MIXER/PROG.MER/EDITOR", 1, 1}, {"COMPOSER", 2, 1}, {"STORY/SCENARIO WRITER", 2, 1},
        {"TEST LEAD/TESTER", 1, 1}, {"SPECIAL THANKS", 3, 3},
    };
    const int name_gap = text_height(font6) + 5;
    std::string presenters[2];
    for (int episode : {2, 1}) {
        SCOPED_TRACE(testing::Message() << "KV" << episode);
        screen_testing::TextLog log;
        if (episode == 2) {
            EndingScreen screen;
            screen.draw();
        } else {
            Kv1Ending screen;
            screen.draw();
        }
        const auto& lines = log.lines();
        if (episode == 1) {
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines[0].text, "CONGRATULATIONS!!");
            EXPECT_EQ(lines[0].y, 15);
            EXPECT_EQ(centre_of(lines[0], font8), 320);
            std::string paragraph;
            for (const std::string& line : log.texts("font9")) paragraph += line + " ";
            EXPECT_EQ(paragraph.rfind("You have successfully defeated all the enemies that were after you, ", 0), 0u);
        }
        std::size_t at = 0;
        while (at < lines.size() && lines[at].text != "TECHNICAL DIRECTOR") ++at;
        auto next = [&](const char* font, int y) -> const screen_testing::TextLog::Line& {
            static const screen_testing::TextLog::Line none{"", 0, 0, "(nothing)"};
            if (at >= lines.size()) return none;
            const auto& line = lines[at++];
            EXPECT_EQ(line.font, font) << line.text;
            EXPECT_EQ(line.y, y) << line.text;
            return line;
        };
        for (int k = 0; k < 21; ++k) {
            const int top = 500 + 100 * k;  // the roll starts 500 px down
            const auto& heading = next("font8", top);
            EXPECT_EQ(heading.text, headings[k].heading);
            EXPECT_EQ(centre_of(heading, font8), 320);
            const int names = episode == 2 ? headings[k].kv2_names : headings[k].kv1_names;
            for (int i = 0; i < names; ++i) {
                const auto& name = next("font5", top + name_gap + text_height(font5) * i);
                EXPECT_FALSE(name.text.empty());
                EXPECT_EQ(centre_of(name, font5), 320);
            }
        }
        const auto& presented = next("font8", 2600);
        EXPECT_EQ(presented.text, "PRESENTED BY:");
        EXPECT_EQ(centre_of(presented, font8), 320);
        const auto& oromont = next("font5", 2600 + name_gap);
        EXPECT_EQ(oromont.text, "Oromont Games");
        EXPECT_EQ(centre_of(oromont, font5), 160);
        const auto& second = next("font5", 2600 + name_gap);
        EXPECT_EQ(centre_of(second, font5), 480);
        presenters[episode - 1] = second.text;
        const auto& end = next("font8", 2800);
        EXPECT_EQ(end.text, "T H E  E N D");
        EXPECT_EQ(centre_of(end, font8), 320);
        EXPECT_EQ(at, lines.size());  // no prompt before the end line has stopped
    }
    EXPECT_FALSE(presenters[0].empty());
    EXPECT_EQ(presenters[0], presenters[1]);
}

TEST_F(Ending, Pictures) {
    selected_character = 2;
    EndingScreen screen;
    for (int p = 0; p < fade_in_steps + 1; ++p) pass(screen);
    save("ending_paragraph.png");
    through_paragraphs(screen);
    steps(screen, 1500);
    pass(screen);
    save("ending_mid_roll.png");
    steps_to_stop(screen, true);
    steps(screen, 200);
    pass(screen);
    save("ending_the_end.png");
}

}  // namespace
