#!/usr/bin/env bash
# The KV1 way in: series menu, KV1's picture, its instructions, the KV1 menu, START, the mission
# intro and stage 1; the ship moves and fires; the pause box's "Exit Game" leads back to the KV1
# menu, its EXIT to the series menu, and EXIT there ends the program with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

mean_red() {  # picture geometry -> mean red less mean green, 0 to 1000
  convert "$1" -crop "$2" +repage -format '%[fx:int(1000*(mean.r-mean.g))]' info:
}
keep() { [ -z "${VOIDMARCH_SHOTS:-}" ] || cp "$1" "$VOIDMARCH_SHOTS/"; }

start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40

click 160 390
sleep 1.2
press space
sleep 1.2
screenshot "$E2E_WORK/kv1_menu.png"
keep "$E2E_WORK/kv1_menu.png"
[ "$(mean_gray "$E2E_WORK/kv1_menu.png" 120x90+260+295)" -gt 20 ] || fail "no KV1 menu items"

click 280 305
sleep 1.2
screenshot "$E2E_WORK/mission.png"
keep "$E2E_WORK/mission.png"
[ "$(mean_gray "$E2E_WORK/mission.png" 400x20+120+22)" -gt 20 ] || fail "no mission line"

press space
sleep 4  # fade-out, then the stage's fade-in from white
xdotool keydown Left; sleep 0.5; xdotool keyup Left
xdotool keydown space; sleep 0.3
screenshot "$E2E_WORK/stage1.png"
xdotool keyup space
keep "$E2E_WORK/stage1.png"
stage=$(mean_gray "$E2E_WORK/stage1.png" 640x480+0+0)
[ "$stage" -lt 700 ] || fail "stage 1 still white ($stage)"
[ "$(mean_gray "$E2E_WORK/stage1.png" 360x240+10+10)" -gt "$(mean_gray "$E2E_WORK/stage1.png" 360x100+10+330)" ] ||
  fail "no enemy block at the top of stage 1"

press p
sleep 0.5
screenshot "$E2E_WORK/paused.png"
keep "$E2E_WORK/paused.png"
[ "$(mean_red "$E2E_WORK/paused.png" 300x40+170+130)" -gt 100 ] || fail "no red pause box"

click 280 275
sleep 1.5
screenshot "$E2E_WORK/back.png"
[ "$(mean_gray "$E2E_WORK/back.png" 120x90+260+295)" -gt 20 ] || fail "Exit Game did not lead to the KV1 menu"

click 275 365
wait_series_menu 10
click "$EXIT_X" "$EXIT_Y"
wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after EXIT"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: series menu -> KV1 -> instructions -> KV1 menu -> mission -> stage 1 -> pause -> Exit Game -> EXIT; exit 0"
