#pragma once
// The fully equipped ship that character select and the store show in the menu pose.
#include "player/player.h"

// Side guns, gun level 4, side level 3, five shields and a three-shot helper pair, in the menu
// pose at (500, 410). The loader gives it to both templates, character select again on entry.
void give_menu_outfit(Player& ship);
