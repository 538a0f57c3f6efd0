// The KV2 ending: paragraphs advance once per press at full opacity, the roll and where it stops,
// Esc only once it has, and the credits' name lines.
#include <cstdio>

#include "engine/game_state.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "screen_passes.h"
#include "screens/credits.h"
#include "screens/ending_screen.h"

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

TEST_F(Ending, ASectionDrawsTheNamesOfItsMaskInBitOrder) {
    const struct {
        int mask, lines;
    } cases[] = {{1, 1}, {193, 3}, {53, 4}, {513, 2}, {1024, 3}, {1025, 4}};
    for (const auto& c : cases) EXPECT_EQ(credits_section(buffer, "HEADING", c.mask, 0.0f), c.lines) << c.mask;
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
