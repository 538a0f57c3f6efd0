#pragma once
// The credits: one heading and the names under it. Both endings roll them; a heading picks its
// names from the credits table by a mask, one bit per entry.
#include <allegro.h>

#include <array>

constexpr int credit_entry_count = 11;

// Draws `heading` in font8 centred on x 320 with its top at (int)y, then the names of the entries
// whose bit is set in `mask`, in bit order, in font5 one line under another. Returns the number
// of name lines drawn.
int credits_section(BITMAP* dest, const char* heading, int mask, float y);

// One section of an ending's credits roll.
struct CreditHeading {
    const char* heading;
    int mask;  // entries of the credits table, one bit each
};
using CreditHeadings = std::array<CreditHeading, 21>;

// An ending's whole roll: the headings 100 px apart from credits_y down, "PRESENTED BY:" with the
// two presenters 2100 px below the first heading, "T H E  E N D" with its top at end_y and, once
// it has stopped, the prompt to leave with Esc.
void draw_credits_roll(BITMAP* dest, const CreditHeadings& headings, float credits_y, float end_y, bool stopped);
