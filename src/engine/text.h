#pragma once
// Key names for the controls screens and word-wrapped text blocks for story, dialogue and
// store panels.
#include <allegro.h>

// Where key names come from: scancode_to_name, which needs the keyboard driver installed.
extern const char* (*key_name_source)(int scancode);

// The key's name, at most its first 12 characters; valid until the next call.
const char* key_name(int scancode);
// The key's name in the font's own colours on a transparent background.
void draw_key_name(int scancode, FONT* text_font, int x, int y, BITMAP* dest);

// Where the line starting at text ends and the next begins: after a newline, before the first
// character that would reach max_width, or with word wrap after the last blank before it. A
// line always takes at least one character.
const char* find_line_end(const char* text, FONT* text_font, int tab_blanks, bool word_wrap, int max_width);

// Draws text word-wrapped to width, laid out from the box's vertical middle downward; lines
// starting at or below the box's bottom are dropped. Each line loses its last character (the
// break's blank or newline). Centred on x when centred is non-zero, else from x.
void draw_wrapped_text(BITMAP* dest, FONT* text_font, const char* text, int x, int y, int width, int height,
                       int centred, int colour);
