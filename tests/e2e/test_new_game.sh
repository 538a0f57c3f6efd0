#!/usr/bin/env bash
# A new KV2 game: series menu, KV2, instructions, story, main menu's Start, character select with
# Adam's box hovered (portrait slid in, his ship firing, icon grown), a click on it, the card of
# stage 1, space into stage 1, fire and movement, a screenshot, the pause panel, "Exit to Menu",
# and out through the menus with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

keep() { [ -z "${VOIDMARCH_SHOTS:-}" ] || cp "$1" "$VOIDMARCH_SHOTS/"; }

start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40
click 480 390
sleep 1.2
press space
sleep 2
press space
sleep 3.5  # the story's tune fades, the menu fades in and opens its box
click 300 330
sleep 2.5  # the start sound, the fade to white, character select fading in and its boxes

xdotool mousemove 312 213
sleep 1
screenshot "$E2E_WORK/select_adam.png"
keep "$E2E_WORK/select_adam.png"
portrait=$(mean_gray "$E2E_WORK/select_adam.png" 150x200+30+200)
kim_box=$(mean_gray "$E2E_WORK/select_adam.png" 100x100+262+340)
[ "$portrait" -gt 250 ] || fail "Adam's portrait not in ($portrait)"
[ "$kim_box" -lt "$portrait" ] || fail "Kim's box as lit as Adam's portrait ($kim_box)"
# The grown icon reaches well outside the 64-pixel one.
icon_edge=$(mean_gray "$E2E_WORK/select_adam.png" 20x60+232+180)
[ "$icon_edge" -gt 80 ] || fail "Adam's icon not grown ($icon_edge)"

click 312 213
sleep 3  # the fade to white with the tune, then the card fading in
screenshot "$E2E_WORK/card_1.png"
keep "$E2E_WORK/card_1.png"
title=$(mean_gray "$E2E_WORK/card_1.png" 540x40+50+100)
rest=$(mean_gray "$E2E_WORK/card_1.png" 640x200+0+250)
[ "$title" -gt 15 ] || fail "no title on the card ($title)"
[ "$rest" -lt 5 ] || fail "the card is not black below its text ($rest)"

press space
sleep 3
screenshot "$E2E_WORK/stage_1.png"
keep "$E2E_WORK/stage_1.png"
[ "$(lit_percent "$E2E_WORK/stage_1.png")" -ge 5 ] || fail "stage 1 did not show"
# Under way: fire held while the ship moves right.
xdotool keydown space keydown Right
sleep 1
xdotool keyup Right keyup space

# Q saves a screenshot into the data tree's folder; the new file is taken away again.
before=$(ls "$GAME_DIR/screenshots" 2>/dev/null | sort)
press q
sleep 0.3
added=$(comm -13 <(echo "$before") <(ls "$GAME_DIR/screenshots" 2>/dev/null | sort))
[ -n "$added" ] || fail "Q wrote no screenshot"
for name in $added; do rm -f "$GAME_DIR/screenshots/$name"; done

# P slides the pause panel in; P only pauses, so a press the busy game missed is simply given again.
press p
await paused 5 shows_pause_panel || { press p && await paused 5 shows_pause_panel; } || fail "no pause panel"

# "Exit to Menu" leads back to the main menu, whose Options bar lights under the pointer.
click 415 438
sleep 4
xdotool mousemove 300 365
sleep 0.3
screenshot "$E2E_WORK/menu_again.png"
shows_main_menu_options_lit "$E2E_WORK/menu_again.png" || fail "not back in the main menu"

click 300 400
wait_series_menu 10
click "$EXIT_X" "$EXIT_Y"
wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after EXIT"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: series menu -> character select -> card 1 -> stage 1 under fire -> Q -> pause panel -> main menu -> exit 0"
