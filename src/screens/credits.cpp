#include "screens/credits.h"

#include "engine/slots.h"

namespace {

constexpr int centre_x = 320;

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
