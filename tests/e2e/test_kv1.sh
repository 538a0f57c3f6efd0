#!/usr/bin/env bash
# The KV1 way in: series menu, KV1's picture, its instructions, the KV1 menu, START, the mission
# intro and stage 1; the ship moves and fires; the pause box's "Exit Game" leads back to the KV1
# menu, its EXIT to the series menu, and EXIT there ends the program with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
trap stop_game EXIT

# Stage 1 faded in from white, the enemy block at the top brighter than the space below it.
kv1_stage_lit() {
  [ "$(mean_gray "$1" 640x480+0+0)" -lt 700 ] && [ "$(mean_gray "$1" 360x240+10+10)" -gt "$(mean_gray "$1" 360x100+10+330)" ]
}
# The red pause box.
kv1_paused() { [ "$(mean_red "$1" 300x40+170+130)" -gt 100 ]; }

start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40

advance "click 160 390" instructions 5 shows_instructions kv1 || fail "no KV1 instructions"
advance "press space" kv1_menu 5 kv1_menu_shown || fail "no KV1 menu items"
advance "click 280 305" mission 5 shows_mission || fail "no mission line"

advance "press space" stage1 10 shows_kv1_stage || fail "no stage 1 with the enemy block at its top"
xdotool keydown Left; sleep 0.5; xdotool keyup Left
xdotool keydown space; sleep 0.3
look fire
xdotool keyup space
kv1_stage_lit "$(shot fire)" || fail "stage 1 gone while the ship moved and fired"

advance "press p" paused 5 kv1_paused || fail "no red pause box"
advance "click 280 275" back 10 kv1_menu_shown || fail "Exit Game did not lead to the KV1 menu"
advance "click 275 365" series 10 shows_series_menu || fail "EXIT did not lead to the series menu"
exit_game
echo "ok: series menu -> KV1 -> instructions -> KV1 menu -> mission -> stage 1 -> pause -> Exit Game -> EXIT; exit 0"
