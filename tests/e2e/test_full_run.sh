#!/usr/bin/env bash
# One whole run of the program as a player makes it: the logo, the loading bar, the series menu, KV2's
# instructions, story and main menu; character select for Kim, whose stage 1 is paused at once and left by
# "Exit to Menu"; character select for Adam, whose stage 1 is flown with fire held until a kill pays; the
# pause panel back to the main menu and the series menu; then KV1's menu, the mission, its stage 1 and pause
# box, back out through the menus, and EXIT with status 0. Every screen is told by its own pixels.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
trap stop_game EXIT

# The logo is drawn whole from logo.png once it has faded in.
shows_logo() {
  local error
  error=$(compare -metric RMSE "$1" "$GAME_DIR/logo.png" null: 2>&1 || true)
  error=${error#*(} error=${error%)}
  awk -v e="$error" 'BEGIN { exit !(e ~ /^[0-9.]+(e-?[0-9]+)?$/ && e + 0 < 0.05) }'
}

# The HUD's money, in gold, under "Money:" at the top middle.
MONEY_AREA=100x18+270+19
shows_money() { [ "$(count_pixels "$1" "$MONEY_AREA" "${GOLD//X/u}")" -gt 100 ]; }

# Pixels gold in the first picture's money area and not in the second's. The HUD is drawn over everything,
# so passing enemies add gold at most: a figure that took none away still reads the same.
money_lost_pixels() {
  convert "$1" "$2" -crop "$MONEY_AREA" +repage -fx "(${GOLD//X/u}) && !(${GOLD//X/v}) ? 1 : 0" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The ship's middle column: the bright, solid pixels near the bottom (stars and bullets are too thin).
ship_x() {
  local box
  box=$(convert "$1" -crop 640x45+0+408 +repage -colorspace gray -threshold 55% -morphology Erode Square:2 \
    -format '%@' info: 2>/dev/null)
  case "$box" in *x*+*+*) local w=${box%%x*} rest=${box#*+}; echo $((${rest%%+*} + w / 2)) ;; *) echo -1 ;; esac
}

# Stage 1 under way: the HUD's money, the ship in the bottom middle.
shows_stage() {
  local x
  x=$(ship_x "$1")
  shows_money "$1" && [ "$x" -ge 300 ] && [ "$x" -le 340 ]
}

# Kim's ship is red, Adam's white and blue.
red_pixels() { count_pixels "$1" 90x60+275+405 'r>0.5 && r>2*g && r>2*b'; }

# The pause panel with "Exit to Menu" outlined under the pointer.
exit_to_menu_outlined() { shows_pause_panel "$1" && outlined_item "$1" 370 430; }

kv1_item_outlined() { kv1_menu_shown "$3" && outlined_item "$3" "$1" "$2"; }  # x y picture

# KV1's pause box tints the space below its items red; "Exit Game" is outlined under the pointer.
shows_kv1_pause_box() {
  [ "$(mean_red "$1" 300x40+170+300)" -gt 100 ] &&
    outlined_item "$1" 265 270
}

start_game
wait_window
xdotool mousemove 10 10
await logo 8 shows_logo || fail "no logo"

# Shots until the series menu shows; the loading screen comes between.
shots=0
until [ "$shots" -gt 0 ] && shows_series_menu "$(shot "load_$shots")"; do
  kill -0 "$GAME_PID" 2>/dev/null && [ "$shots" -lt 300 ] || fail "no series menu after loading"
  shots=$((shots + 1))
  screenshot "$(shot "load_$shots")"
done
bars=()
for i in $(seq "$shots"); do
  shows_loading_frame "$(shot "load_$i")" && bars+=("$(loading_bar_pixels "$(shot "load_$i")")")
done
[ "${#bars[@]}" -ge 2 ] || fail "the loading screen showed in ${#bars[@]} of $shots shots"
[ "${bars[-1]}" -gt "${bars[0]}" ] || fail "the loading bar did not grow: lit pixels ${bars[*]}"

# The series menu lights KV2's picture under the pointer.
look series
SERIES_KV2=$(mean_gray "$(shot series)" 150x110+405+335)
xdotool mousemove 480 390
await series_kv2 5 shows_kv2_lit || fail "hovered KV2 not lit"
advance "click 480 390" instructions 5 shows_instructions kv2 || fail "no KV2 instructions"
advance "press space" story_1 5 shows_story || fail "no story"
await story_2 10 risen_above "$(top_lit_row "$(shot story_1)")" || fail "the story did not scroll up"
SCREEN=(shows_story)
# The story's tune fades, the menu fades in from white and opens its box; only then is a bar lit.
advance "press space; xdotool mousemove 300 365" main_menu 10 shows_main_menu_lit 355 ||
  fail "no main menu with Options lit"

# Start, a pilot, the card and stage 1 with that pilot's ship at the bottom middle.
enter_stage_one() {  # box-y other-box-y name
  xdotool mousemove 300 330
  await "main_menu_start_$3" 5 shows_main_menu_lit 320 || fail "Start not lit"
  # The start sound, the fade to white, character select fading in; its boxes, then the portrait.
  advance "click 300 330; xdotool mousemove 312 $(($1 + 83))" "select_$3" 10 shows_pilot_hovered "$1" "$2" ||
    fail "character select without $3's box hovered"
  advance "click 312 $(($1 + 83))" "card_$3" 8 shows_first_card || fail "no card for stage 1 after choosing $3"
  advance "press space" "stage_$3" 8 shows_stage || fail "no stage 1 for $3"
}

# P slides the pause panel in; its "Exit to Menu" leads to the main menu.
pause_to_main_menu() {  # name
  advance "xdotool mousemove 415 438; press p" "paused_$1" 5 exit_to_menu_outlined ||
    fail "no pause panel with Exit to Menu outlined in $1's stage 1"
  advance "click 415 438; xdotool mousemove 300 365" "main_menu_$1" 10 shows_main_menu_lit 355 ||
    fail "Exit to Menu did not lead to the main menu"
}

enter_stage_one 305 130 kim
[ "$(red_pixels "$(shot stage_kim)")" -gt 200 ] || fail "Kim's ship is not red"
pause_to_main_menu kim

enter_stage_one 130 305 adam
[ "$(red_pixels "$(shot stage_adam)")" -lt 50 ] || fail "Adam's ship is red"
# Under way: the ship moves left with fire held, comes back, and fires on under the first formation
# until a kill changes the money.
start_x=$(ship_x "$(shot stage_adam)")
left_of() { local x; x=$(ship_x "$2"); [ "$x" -ge 0 ] && [ "$x" -lt "$1" ]; }  # x picture
right_of() { [ "$(ship_x "$2")" -gt "$1" ]; }
xdotool keydown space keydown Left
await moved 5 left_of "$((start_x - 80))" || fail "the ship did not move left from x $start_x"
xdotool keyup Left keydown Right
await back 5 right_of "$((start_x - 20))" || fail "the ship did not move back right"
xdotool keyup Right
paid() { [ "$(money_lost_pixels "$(shot stage_adam)" "$1")" -gt 20 ]; }
await under_fire 40 paid || fail "no kill changed the money while firing under the first formation"
xdotool keyup space
pause_to_main_menu adam

leave_main_menu

# KV1: its instructions, its menu with START outlined under the pointer, the mission, stage 1.
advance "click 160 390" kv1_instructions 5 shows_instructions kv1 || fail "no KV1 instructions"
advance "press space; xdotool mousemove 280 305" kv1_menu 5 kv1_item_outlined 265 300 || fail "no KV1 menu with START outlined"
advance "click 280 305" mission 5 shows_mission || fail "no mission intro"
advance "press space" kv1_stage 10 shows_kv1_stage || fail "no KV1 stage 1"

# Its pause box; "Exit Game" backs out to the KV1 menu, whose EXIT leads to the series menu.
advance "xdotool mousemove 280 275; press p" kv1_paused 5 shows_kv1_pause_box || fail "no red pause box"
advance "click 280 275; xdotool mousemove 275 365" kv1_menu_again 10 kv1_item_outlined 265 360 ||
  fail "Exit Game did not lead to the KV1 menu"
advance "click 275 365" series_last 10 shows_series_menu || fail "EXIT did not lead to the series menu"
exit_game
echo "ok: logo, loading bar (${bars[*]}), series menu, KV2 instructions, story, main menu, Kim's stage 1 paused," \
  "Adam's stage 1 with a kill, pause panel, main menu, series menu, KV1 menu, mission, stage 1, pause box, exit 0"
