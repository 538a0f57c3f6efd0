#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text.h"

namespace {

// Allegro's built-in font: every character 8 pixels wide and 8 high.
constexpr int glyph = 8;

// Where the line starting at text ends, as an offset.
long line_end(const char* text, int max_width, bool word_wrap = true) {
    return find_line_end(text, font, 5, word_wrap, max_width) - text;
}

TEST(FindLineEnd, BreaksAfterTheLastBlankBeforeTheCharacterThatDoesNotFit) {
    EXPECT_EQ(line_end("ab cd ", 4 * glyph + 1), 3) << "ab, a blank and c fit but not d";
    EXPECT_EQ(line_end("ab cd ", 4 * glyph), 3) << "the width must be strictly larger";
    EXPECT_EQ(line_end("ab cd ", 100), 6) << "all fits";
    EXPECT_EQ(line_end("", 100), 0);
}

TEST(FindLineEnd, NewlinesEndTheLineAfterThem) {
    EXPECT_EQ(line_end("ab\ncd", 100), 3);
    EXPECT_EQ(line_end(" \n \n", 100), 2);
    EXPECT_EQ(line_end("ab \ncd", 3 * glyph), 4) << "a break at a blank also takes the newline after it";
}

TEST(FindLineEnd, OverLongWordsAreCutHard) {
    EXPECT_EQ(line_end("abcdefgh ", 4 * glyph + 1), 4);
    EXPECT_EQ(line_end("abcdefgh ", 4 * glyph + 1, false), 4);
    EXPECT_EQ(line_end("ab cdefgh", 4 * glyph + 1, false), 4) << "without word wrap, no stepping back";
}

TEST(FindLineEnd, BlankRunsAndTabs) {
    EXPECT_EQ(line_end("a    b", 2 * glyph + 1), 3) << "the blank that does not fit ends the line";
    EXPECT_EQ(line_end("\tab", 5 * glyph + 1), 1) << "a tab is five blanks wide and is a blank";
    EXPECT_EQ(line_end("a\tb", 5 * glyph), 2);
}

TEST(FindLineEnd, AlwaysTakesAtLeastOneCharacter) {
    EXPECT_EQ(line_end("abc", 3), 1);
    EXPECT_EQ(line_end("abc", 0), 1);
    EXPECT_EQ(line_end("\tx", 1), 1);
}

// Draws text with draw_wrapped_text and, separately, the expected lines with textout_ex; the two
// pictures must be the same.
void expect_layout(const char* text, int width, int height, bool centred, const std::vector<std::string>& lines) {
    BITMAP* actual = create_bitmap(320, 200);
    BITMAP* expected = create_bitmap(320, 200);
    clear_to_color(actual, 0);
    clear_to_color(expected, 0);
    const int x = 160, y = 40;
    draw_wrapped_text(actual, font, text, x, y, width, height, centred, makecol(255, 255, 255));
    int top = y + height / 2 - glyph / 2;
    for (const std::string& line : lines) {
        if (centred) textout_centre_ex(expected, font, line.c_str(), x, top, makecol(255, 255, 255), -1);
        else textout_ex(expected, font, line.c_str(), x, top, makecol(255, 255, 255), -1);
        top += glyph;
    }
    for (int py = 0; py < 200; ++py)
        for (int px = 0; px < 320; ++px)
            ASSERT_EQ(getpixel(actual, px, py), getpixel(expected, px, py)) << '"' << text << "\" at " << px << "," << py;
    destroy_bitmap(actual);
    destroy_bitmap(expected);
}

TEST(DrawWrappedText, LaysOutLinesFromTheMiddleOfTheBoxDownward) {
    expect_layout("ab cd ", 4 * glyph + 1, 40, false, {"ab", "cd"});
    expect_layout("ab cd ", 4 * glyph + 1, 40, true, {"ab", "cd"});
    expect_layout("one ", 200, 40, true, {"one"});
    expect_layout("", 200, 40, false, {});
}

TEST(DrawWrappedText, DropsLinesStartingBelowTheBox) {
    // Box 40 high: lines start at +16, +24, +32; the one at +40 is dropped.
    expect_layout("aa bb cc dd ee ", 3 * glyph + 1, 40, false, {"aa", "bb", "cc"});
}

TEST(DrawWrappedText, ShowsBreaksAndTabsAsBlanks) {
    expect_layout(" \n \nhello ", 200, 60, false, {" ", " ", "hello"});
    expect_layout("a\tb ", 200, 40, false, {"a     b"});
    expect_layout("abcdefgh ", 4 * glyph + 1, 40, false, {"abc", "efgh"});
}

TEST(DrawWrappedText, DrawsTextLiterallyAndEndsOnNarrowBoxes) {
    expect_layout("100%s %d ", 200, 40, false, {"100%s %d"});
    expect_layout("abc ", 3, 80, false, {"", "", "", ""});
}

const char* long_name(int scancode) {
    static std::string name;
    name = "Scancode" + std::to_string(scancode) + "WithALongName";
    return name.c_str();
}

TEST(KeyName, KeepsTheFirstTwelveCharactersOfTheSevenBitScancode) {
    key_name_source = long_name;
    EXPECT_STREQ(key_name(82), "Scancode82Wi");
    EXPECT_STREQ(key_name(82 | 128), "Scancode82Wi");

    BITMAP* drawn = create_bitmap(200, 10);
    BITMAP* expected = create_bitmap(200, 10);
    clear_to_color(drawn, 0);
    clear_to_color(expected, 0);
    draw_key_name(75, font, 3, 1, drawn);
    textout_ex(expected, font, "Scancode75Wi", 3, 1, -1, -1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(getpixel(drawn, x, y), getpixel(expected, x, y));
    destroy_bitmap(drawn);
    destroy_bitmap(expected);
    key_name_source = scancode_to_name;
}

}  // namespace
