#!/usr/bin/env bash
# A new KV2 game: series menu, KV2, instructions, story, main menu's Start, character select with
# Adam's box hovered (portrait slid in, his ship firing, icon grown), a click on it, the card of
# stage 1, space into stage 1, fire and movement, a screenshot, the pause panel, "Exit to Menu",
# and out through the menus with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
trap stop_game EXIT

screenshots() { ls "$GAME_DIR/screenshots" 2>/dev/null | sort; }

start_game
to_main_menu
new_game_card card_1
shows_first_card "$(shot card_1)" || fail "no title on stage 1's card"

advance "press space" stage_1 8 hud_shown || fail "stage 1 did not show"
[ "$(lit_percent "$(shot stage_1)")" -ge 5 ] || fail "stage 1 is dark"
# Under way: fire held while the ship moves right.
xdotool keydown space keydown Right
sleep 1
xdotool keyup Right keyup space

# Q saves a screenshot into the data tree's folder; the new file is taken away again. A press the busy
# game missed is given again.
before=$(screenshots)
added=""
for _ in 1 2 3; do
  press q
  for _ in $(seq 10); do
    added=$(comm -13 <(echo "$before") <(screenshots))
    [ -z "$added" ] || break 2
    sleep 0.2
  done
done
[ -n "$added" ] || fail "Q wrote no screenshot"
for name in $added; do rm -f "$GAME_DIR/screenshots/$name"; done

# P slides the pause panel in; "Exit to Menu" leads back to the main menu, whose Options bar lights
# under the pointer.
quit_stage
xdotool mousemove 300 365
await menu_again 10 shows_main_menu_lit 355 || fail "not back in the main menu"

leave_main_menu
exit_game
echo "ok: series menu -> character select -> card 1 -> stage 1 under fire -> Q -> pause panel -> main menu -> exit 0"
