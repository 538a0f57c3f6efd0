#!/usr/bin/env bash
# One whole run of the program as a player makes it: the logo, the loading bar, the series menu, KV2's
# instructions, story and main menu; character select for Kim, whose stage 1 is paused at once and left by
# "Exit to Menu"; character select for Adam, whose stage 1 is flown with fire held until a kill pays; the
# pause panel back to the main menu and the series menu; then KV1's menu, the mission, its stage 1 and pause
# box, back out through the menus, and EXIT with status 0. Every screen is told by its own pixels.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
trap stop_game EXIT

look() {  # name -> a screenshot at $E2E_WORK/name.png, kept in $KEEP_SHOTS when set
  screenshot "$E2E_WORK/$1.png"
  [ -z "${KEEP_SHOTS:-}" ] || cp "$E2E_WORK/$1.png" "$KEEP_SHOTS/"
}
hover_look() {  # x y name: the pointer there, a moment to draw, a look
  xdotool mousemove "$1" "$2"
  sleep 0.3
  look "$3"
}
shot() { echo "$E2E_WORK/$1.png"; }
await() {  # name seconds check [args...]: looks until the check passes on the look; false if it never does
  local name=$1 until=$(($(date +%s) + $2))
  shift 2
  until look "$name" && "$@" "$(shot "$name")"; do
    [ "$(date +%s)" -lt "$until" ] || return 1
    sleep 0.2
  done
}

# The logo is drawn whole from logo.png once it has faded in.
shows_logo() {
  local error
  error=$(compare -metric RMSE "$1" "$GAME_DIR/logo.png" null: 2>&1 || true)
  error=${error#*(} error=${error%)}
  [ "$(echo "$error < 0.05" | bc)" = 1 ]
}

# Instructions: a title at the top, the prompt at the bottom, black between; KV2's list of keys runs past
# y 250, KV1's shorter one does not.
shows_instructions() {  # picture kv1|kv2
  local rows
  rows=$(mean_gray "$1" 640x30+0+250)
  [ "$(mean_gray "$1" 200x20+220+8)" -gt 20 ] && [ "$(mean_gray "$1" 200x16+8+460)" -gt 20 ] &&
    [ "$(mean_gray "$1" 640x80+0+380)" -lt 5 ] && if [ "$2" = kv2 ]; then [ "$rows" -gt 20 ]; else [ "$rows" -lt 3 ]; fi
}

top_lit_row() {  # picture -> the highest row above the prompt holding bright pixels (480 if none)
  local box
  box=$(convert "$1" -crop 640x455+0+0 +repage -colorspace gray -threshold 40% -format '%@' info: 2>/dev/null)
  case "$box" in *+*+*) echo "${box##*+}" ;; *) echo 480 ;; esac
}

# Character select with a pilot's box hovered: the portrait slid in at the left, the other box dim (so not
# the fade from white), the hovered box's icon grown past its 64 pixels. Boxes start at y 130 (Adam) and
# 305 (Kim).
shows_pilot_hovered() {  # box-y other-box-y picture
  local portrait other icon_edge
  portrait=$(mean_gray "$3" 150x200+30+200)
  other=$(mean_gray "$3" "100x100+262+$(($2 + 35))")
  icon_edge=$(mean_gray "$3" "20x60+232+$(($1 + 53))")
  [ "$portrait" -gt 250 ] && [ "$((other * 2))" -lt "$portrait" ] && [ "$icon_edge" -gt 80 ]
}

# A stage card: the title in the upper half, black below it.
shows_card() { [ "$(mean_gray "$1" 540x40+50+100)" -gt 15 ] && [ "$(mean_gray "$1" 640x200+0+250)" -lt 5 ]; }

# The HUD's money, in gold, under "Money:" at the top middle.
MONEY_AREA=100x18+270+19
GOLD='X.r>0.9 && X.g>0.7 && X.g<0.95 && X.b<0.6'  # X stands for the picture
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

# Kim's ship is red, Adam's white and blue.
red_pixels() { count_pixels "$1" 90x60+275+405 'r>0.5 && r>2*g && r>2*b'; }

# The pause panel: its lit metal edge down the left of the field, "Exit to Menu" outlined under the pointer.
exit_to_menu_outlined() { [ "$(mean_gray "$1" 8x400+152+40)" -gt 400 ] && outlined_item "$1" 370 430; }

# The mission intro: its heading at the top, black above the prompt.
shows_mission() { [ "$(mean_gray "$1" 400x20+120+22)" -gt 20 ] && [ "$(mean_gray "$1" 640x40+0+420)" -lt 5 ]; }

# KV1's stage 1: the orange block at the top, the gold money at the bottom.
shows_kv1_stage() {
  [ "$(count_pixels "$1" 360x240+10+10 'r>0.8 && g>0.3 && g<0.75 && b<0.35')" -gt 3000 ] &&
    [ "$(count_pixels "$1" 100x20+270+455 "${GOLD//X/u}")" -gt 80 ]
}

# KV1's pause box tints the space below its items red; "Exit Game" is outlined under the pointer.
shows_kv1_pause_box() {
  [ "$(convert "$1" -crop 300x40+170+300 +repage -format '%[fx:int(1000*(mean.r-mean.g))]' info:)" -gt 100 ] &&
    outlined_item "$1" 265 270
}

start_game
wait_window
xdotool mousemove 10 10
sleep 2.5  # the logo is fully in after about a second and starts fading out after five
look logo
shows_logo "$(shot logo)" || fail "no logo"

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
hover_look 480 390 series_kv2
kv2_plain=$(mean_gray "$(shot series)" 150x110+405+335) kv2_lit=$(mean_gray "$(shot series_kv2)" 150x110+405+335)
[ "$kv2_lit" -gt "$((kv2_plain * 5 / 4))" ] || fail "hovered KV2 not lit ($kv2_plain -> $kv2_lit)"

click 480 390
sleep 1.2
look instructions
shows_instructions "$(shot instructions)" kv2 || fail "no KV2 instructions"
press space
sleep 3  # the story's first line rises past the prompt
look story_1
sleep 1
look story_2
[ "$(top_lit_row "$(shot story_2)")" -lt "$(top_lit_row "$(shot story_1)")" ] || fail "the story did not scroll up"
press space
# The story's tune fades, the menu fades in from white and opens its box; only then is the bar lit.
xdotool mousemove 300 365
await main_menu 10 shows_main_menu_options_lit || fail "no main menu with Options lit"

# Start, a pilot, the card and stage 1 with that pilot's ship at the bottom middle.
enter_stage_one() {  # box-y other-box-y name
  click 300 330
  # The start sound, the fade to white, character select fading in; its boxes, then the portrait.
  xdotool mousemove 312 "$(($1 + 83))"
  await "select_$3" 10 shows_pilot_hovered "$1" "$2" || fail "character select without $3's box hovered"
  click 312 "$(($1 + 83))"
  sleep 3  # the fade to white with the tune, then the card fading in
  look "card_$3"
  shows_card "$(shot "card_$3")" || fail "no card for stage 1 after choosing $3"
  press space
  sleep 3
  look "stage_$3"
  shows_money "$(shot "stage_$3")" || fail "no HUD money in $3's stage 1"
  local x
  x=$(ship_x "$(shot "stage_$3")")
  [ "$x" -ge 300 ] && [ "$x" -le 340 ] || fail "$3's ship not at the bottom middle (x $x)"
}

# P slides the pause panel in; its "Exit to Menu" leads to the main menu.
pause_to_main_menu() {  # name
  xdotool mousemove 415 438
  press p
  # The outline shows once the panel has slid in under the pointer.
  await "paused_$1" 5 exit_to_menu_outlined || fail "no pause panel with Exit to Menu outlined in $1's stage 1"
  click 415 438
  xdotool mousemove 300 365
  await "main_menu_$1" 10 shows_main_menu_options_lit || fail "Exit to Menu did not lead to the main menu"
}

enter_stage_one 305 130 kim
[ "$(red_pixels "$(shot stage_kim)")" -gt 200 ] || fail "Kim's ship is not red"
pause_to_main_menu kim

enter_stage_one 130 305 adam
[ "$(red_pixels "$(shot stage_adam)")" -lt 50 ] || fail "Adam's ship is red"
# Under way: the ship moves left with fire held, comes back, and fires on under the first formation
# until a kill changes the money.
xdotool keydown space keydown Left
sleep 0.6
xdotool keyup Left
look moved
start_x=$(ship_x "$(shot stage_adam)") moved_x=$(ship_x "$(shot moved)")
[ "$moved_x" -ge 0 ] && [ "$moved_x" -lt "$((start_x - 60))" ] || fail "the ship did not move left ($start_x -> $moved_x)"
xdotool keydown Right
sleep 0.6
xdotool keyup Right
paid=0
for _ in $(seq 60); do
  look under_fire
  lost=$(money_lost_pixels "$(shot stage_adam)" "$(shot under_fire)")
  [ "$lost" -gt 20 ] && { paid=1; break; }
  sleep 0.5
done
xdotool keyup space
[ "$paid" = 1 ] || fail "no kill changed the money while firing under the first formation"
pause_to_main_menu adam

click 300 400
wait_series_menu 10

# KV1: its instructions, its menu with START outlined under the pointer, the mission, stage 1.
click 160 390
sleep 1.2
look kv1_instructions
shows_instructions "$(shot kv1_instructions)" kv1 || fail "no KV1 instructions"
press space
sleep 1.2
hover_look 280 305 kv1_menu
outlined_item "$(shot kv1_menu)" 265 300 && ! outlined_item "$(shot kv1_menu)" 265 360 ||
  fail "no KV1 menu with START outlined"
click 280 305
sleep 1.2
look mission
shows_mission "$(shot mission)" || fail "no mission intro"
press space
sleep 4  # the fade-out, then the stage's fade-in from white
look kv1_stage
shows_kv1_stage "$(shot kv1_stage)" || fail "no KV1 stage 1"

# Its pause box; "Exit Game" backs out to the KV1 menu, whose EXIT leads to the series menu.
xdotool mousemove 280 275
press p
await kv1_paused 5 shows_kv1_pause_box || fail "no red pause box with Exit Game outlined"
click 280 275
sleep 1.5
hover_look 275 365 kv1_menu_again
outlined_item "$(shot kv1_menu_again)" 265 360 || fail "Exit Game did not lead to the KV1 menu"
click 275 365
wait_series_menu 10
click "$EXIT_X" "$EXIT_Y"
wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after EXIT"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: logo, loading bar (${bars[*]}), series menu, KV2 instructions, story, main menu, Kim's stage 1 paused," \
  "Adam's stage 1 with a kill, pause panel, main menu, series menu, KV1 menu, mission, stage 1, pause box, exit 0"
