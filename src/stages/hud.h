#pragma once
// The heads-up display of every KV2 stage, and the pause panel with its clickable helper choice,
// "Go Back" and "Exit to Menu". Both draw from the ship as it stands and keep no state.
#include <allegro.h>

// Money, levels, bomb counts and shield pips, into `buffer`. The texts are the stage's:
// "$ %d.00" of the money, "%d" of the gun and of the side-gun level.
void draw_hud(const char* money_text, const char* gun_text, const char* side_text);

// Paints the panel into `panel` (the size of the panel picture), answers the clicks on it and
// masks it onto `overlay_buffer` at (px, py). Returns 1 when "Exit to Menu" is clicked (the
// panel is then not masked), else 0. A click on "Go Back" clears `paused`, one on a helper
// picture selects that pair. Clicks act while the button is held.
int pause_screen(BITMAP* panel, float px, float py);
