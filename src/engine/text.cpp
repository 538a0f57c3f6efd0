#include "engine/text.h"

#include <string>

namespace {

constexpr int block_tab_blanks = 5;  // how wide draw_wrapped_text measures and draws a tab
constexpr int max_line_characters = 255;
constexpr int max_key_name_characters = 12;

int character_width(FONT* text_font, int c, int tab_blanks) {
    if (c == '\t') return tab_blanks * text_length(text_font, " ");
    char glyph[8];
    glyph[usetc(glyph, c)] = '\0';
    return text_length(text_font, glyph);
}

// Halves toward minus infinity.
int floor_half(int v) { return v >= 0 ? v / 2 : (v - 1) / 2; }

// The characters from start to end as drawn: line breaks as blanks, tabs as blanks, at most
// 255 characters, less the last one.
std::string printable_line(const char* start, const char* end) {
    std::string line;
    size_t last = 0;  // where the last character begins
    int count = 0;
    auto append = [&](int c) {
        if (count == max_line_characters) return;
        char bytes[8];
        last = line.size();
        line.append(bytes, usetc(bytes, c));
        ++count;
    };
    for (const char* p = start; p < end; p += uwidth(p)) {
        int c = ugetc(p);
        if (c == '\t') {
            for (int i = 0; i < block_tab_blanks; ++i) append(' ');
        } else {
            append(c == '\n' || c == '\r' ? ' ' : c);
        }
    }
    if (count > 0) line.resize(last);
    return line;
}

}  // namespace

const char* (*key_name_source)(int scancode) = scancode_to_name;

const char* key_name(int scancode) {
    static char name[64];
    ustrzncpy(name, sizeof name, key_name_source(scancode & 127), max_key_name_characters);
    return name;
}

void draw_key_name(int scancode, FONT* text_font, int x, int y, BITMAP* dest) {
    textout_ex(dest, text_font, key_name(scancode), x, y, -1, -1);
}

const char* find_line_end(const char* text, FONT* text_font, int tab_blanks, bool word_wrap, int max_width) {
    const char* last_blank = nullptr;
    int width = 0;
    for (const char* p = text;;) {
        int c = ugetc(p);
        if (c == '\0') return p;
        const char* next = p + uwidth(p);
        if (c == '\n') return next;
        int w = character_width(text_font, c, tab_blanks);
        if (width + w >= max_width) {
            const char* blank = uisspace(c) ? p : last_blank;
            if (word_wrap && blank) {
                const char* after = blank + uwidth(blank);
                return ugetc(after) == '\n' ? after + 1 : after;
            }
            return p == text ? next : p;
        }
        if (uisspace(c)) last_blank = p;
        width += w;
        p = next;
    }
}

void draw_wrapped_text(BITMAP* dest, FONT* text_font, const char* text, int x, int y, int width, int height,
                       int centred, int colour) {
    int line_height = text_height(text_font);
    int top = y + floor_half(height) - floor_half(line_height);
    for (const char* start = text; ugetc(start) != '\0' && top < y + height; top += line_height) {
        const char* end = find_line_end(start, text_font, block_tab_blanks, true, width);
        std::string line = printable_line(start, end);
        if (centred) textout_centre_ex(dest, text_font, line.c_str(), x, top, colour, -1);
        else textout_ex(dest, text_font, line.c_str(), x, top, colour, -1);
        start = end;
    }
}
