#include "screens/credits.h"

#include "engine/slots.h"

namespace {

constexpr int centre_x = 320;
constexpr float heading_gap = 100.0f;
constexpr float presented_by_offset = 2100.0f;

// One line per entry; the special thanks take three.
const char* const credit_lines[credit_entry_count][3] = {
    {"Corwin Vale"},
    {"Mira Oskarsdottir"},
    {"Teodor Halm"},
    {"Junia Farrow"},
    {"Bastian Quell"},
    {"Renata Silvo"},
    {"Hollis Prane"},
    {"Ines Marlowe"},
    {"Dario Fenwick"},
    {"Selma Uhrig"},
    {"Everyone who played the first Voidmarch", "The late-night testing crew", "And you, for flying to the end"},
};

// Under "PRESENTED BY:", centred on x 160 and x 480; both episodes credit the same two.
const char* const presenters[2] = {"Oromont Games", "Halcyon Drift Studio"};

}  // namespace

int credits_section(BITMAP* dest, const char* heading, int mask, float y) {
    const int top = static_cast<int>(y);
    textprintf_centre_ex(dest, font8, centre_x, top, -1, -1, "%s", heading);
    int lines = 0;
    for (int bit = 0; bit < credit_entry_count; ++bit) {
        if (!(mask & (1 << bit))) continue;
        for (const char* line : credit_lines[bit]) {
            if (!line) break;
            const float line_y = y + text_height(font6) + 5 + text_height(font5) * lines;
            textprintf_centre_ex(dest, font5, centre_x, static_cast<int>(line_y), -1, -1, "%s", line);
            ++lines;
        }
    }
    return lines;
}

void draw_credits_roll(BITMAP* dest, const CreditHeadings& headings, float credits_y, float end_y, bool stopped) {
    float y = credits_y;
    for (const CreditHeading& section : headings) {
        credits_section(dest, section.heading, section.mask, y);
        y += heading_gap;
    }
    const float presented_y = credits_y + presented_by_offset;
    textprintf_centre_ex(dest, font8, centre_x, static_cast<int>(presented_y), -1, -1, "PRESENTED BY:");
    const int names_y = static_cast<int>(presented_y + static_cast<float>(text_height(font6) + 5));
    textprintf_centre_ex(dest, font5, 160, names_y, -1, -1, "%s", presenters[0]);
    textprintf_centre_ex(dest, font5, 480, names_y, -1, -1, "%s", presenters[1]);
    textprintf_centre_ex(dest, font8, centre_x, static_cast<int>(end_y), -1, -1, "T H E  E N D");
    if (stopped) textprintf_ex(dest, font5, 10, 475 - text_height(font5), -1, -1, "Press 'Esc' to continue...");
}
