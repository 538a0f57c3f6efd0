#!/usr/bin/env bash
# The options from the main menu: the stage choice appears only after H+J on the menu, LEFT is
# rebound to a letter and shows it, every setting is changed, and the run writes nothing to the
# working directory or the home folder.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

mean_gray() {  # picture geometry -> mean brightness of the area, 0 to 1000
  convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:int(1000*mean)]' info:
}
listing() { find "$1" -printf '%P %s\n' | sort; }

# Panel places on the 640x480 frame (the generated panel is 520x400 at 60, 40).
OPTIONS_ITEM="300 365" EXIT_TO_MENU="507 420" MENU_EXIT="300 400"
DIFFICULTY_RIGHT="295 148" STAGE_RIGHT="322 176" STAGE_ROW=60x20+70+166 PLAY="188 204" JUKEBOX_RIGHT="218 204"
LEFT_ROW="100 273" LEFT_NAME=80x20+140+265

open_options() {  # from the main menu
  click $OPTIONS_ITEM
  sleep 1.5
}
leave_options() {  # back to the main menu, its box open
  click $EXIT_TO_MENU
  sleep 2.5
}

home="$E2E_WORK/home"
mkdir -p "$home"
before_tree=$(listing "$GAME_DIR")
HOME=$home start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40
click 480 390
sleep 1.2
press space
sleep 1
press space
sleep 3.7

open_options
screenshot "$E2E_WORK/options_locked.png"
locked=$(mean_gray "$E2E_WORK/options_locked.png" $STAGE_ROW)
screenshot "$E2E_WORK/left_before.png"
click $LEFT_ROW
sleep 0.3
press a
sleep 0.3
screenshot "$E2E_WORK/left_after.png"
[ "$(compare -metric AE "$E2E_WORK/left_before.png" "$E2E_WORK/left_after.png" -crop $LEFT_NAME null: 2>&1 || true)" != 0 ] ||
  fail "LEFT's key name did not change"
click $DIFFICULTY_RIGHT
click $JUKEBOX_RIGHT
click $PLAY
leave_options

xdotool keydown h keydown j
sleep 0.3
xdotool keyup h keyup j
open_options
click $STAGE_RIGHT
click $STAGE_RIGHT
sleep 0.3
screenshot "$E2E_WORK/options_unlocked.png"
unlocked=$(mean_gray "$E2E_WORK/options_unlocked.png" $STAGE_ROW)
[ "$unlocked" -gt "$((locked + 50))" ] || fail "no stage choice row after H+J (gray $locked -> $unlocked)"
leave_options

click $MENU_EXIT
wait_series_menu 10
click "$EXIT_X" "$EXIT_Y"
wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
[ "$(listing "$GAME_DIR")" = "$before_tree" ] || fail "the run changed the data tree"
[ -z "$(ls -A "$home")" ] || fail "the run wrote to HOME: $(ls -A "$home")"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: options locked then unlocked (stage row gray $locked -> $unlocked), LEFT rebound, nothing written"
