#pragma once
// Screens driven pass by pass over the loaded headless game: one logic tick per pass, input
// written directly before it.
#include <allegro.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "engine/timing.h"
#include "support/headless_game.h"
#include "support/test_support.h"

namespace screen_testing {

void release_input();

class ScreenPasses : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing_support::load_whole_game(); }
    void SetUp() override {
        in_tree_ = std::make_unique<testing_support::WorkingDirectory>(testing_support::data_dir());
        release_input();
    }
    void TearDown() override {
        release_input();
        speed_counter = 0;
    }

    // One pass of the screen's frame loop with one tick pending.
    template <class ScreenObject>
    void pass(ScreenObject& visit) {
        speed_counter = 1;
        loop_.pass([&] { visit.step(); }, [&] { visit.draw(); });
    }

    // Passes until the screen ends; their count, or `limit` + 1 if it did not end.
    template <class ScreenObject>
    int passes_to_end(ScreenObject& visit, int limit = 2000) {
        int passes = 0;
        while (visit.running() && passes <= limit) {
            pass(visit);
            ++passes;
        }
        return passes;
    }

    // The page as the last pass presented it.
    static BITMAP* page() { return testing_support::screen_page(); }
    static void save(const std::string& name);

    std::unique_ptr<testing_support::WorkingDirectory> in_tree_;
    FrameLoop loop_;
};

// The pointer at (x, y), with the left button down or up.
void point(int x, int y, bool button);

// Whether a voice plays the sound, and where it stands.
bool sounding(FMOD_SOUND* sound, unsigned* position = nullptr);

// Every line of text drawn in the game's fonts while it lives: font0, font5, font6, font8, font9
// and Allegro's own stand in for themselves, measuring as they do, and note what they draw.
class TextLog {
public:
    struct Line {
        std::string font;  // "font0", "font5", "font6", "font8", "font9" or "font"
        int x, y;          // where its left end was drawn
        std::string text;
    };

    TextLog();
    ~TextLog();
    TextLog(const TextLog&) = delete;
    TextLog& operator=(const TextLog&) = delete;

    const std::vector<Line>& lines() const { return lines_; }
    // The texts drawn in one font, in order.
    std::vector<std::string> texts(const std::string& font) const;
    // Whether that text was drawn in that font with its left end at (x, y).
    bool drew(const std::string& font, int x, int y, const std::string& text) const;
    // The same with its middle on x, as the centring draws measure it.
    bool drew_centred(const std::string& font, int x, int y, const std::string& text) const;
    void clear() { lines_.clear(); }
    // Called as each line is drawn, before it is.
    std::function<void(const Line&)> on_line;

private:
    friend struct TextLogFont;
    std::vector<Line> lines_;
};

// Whether `lines`, drawn by draw_wrapped_text, show the whole of `text`: each line the text's next
// stretch as written, each followed by the one blank or line break that the line drops.
::testing::AssertionResult wraps_whole(const std::vector<std::string>& lines, const std::string& text);

// Whether a pixel is (near) white, or brighter than another.
bool whitish(int pixel);
int brightness(int pixel);

}  // namespace screen_testing
