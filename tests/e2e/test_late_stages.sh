#!/usr/bin/env bash
# Stages 6 to 10 in one run: H+J on the main menu unlocks the stage choice; for each stage the
# options step it up, Start, Adam and the card lead into it, a screenshot shows the HUD over the
# stage's own scenery, and the pause panel's "Exit to Menu" leads back to the main menu.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Main menu and options places (the options panel is 520x400 at 60, 40).
OPTIONS_ITEM="300 365" EXIT_TO_MENU="507 420"

# Per mille of a picture's pixels that pass an fx test (on every fourth pixel each way, for speed).
share() { convert "$1" -sample 25% -fx "$2" -colorspace gray -format '%[fx:int(1000*mean)]' info:; }
ROCK='(r>0.25 && r>b+0.06)?1:0'   # the brown asteroids of stages 6 and 8
GREEN='(g>r+0.1 && g>b+0.05)?1:0' # stage 7's forest planet and its forests
SLATE='(b>0.3 && b>r+0.03)?1:0'   # stage 9's gate, stage 10's floor plates

# What a stage's screen shows behind the play: rocks, forest, gate or floor.
scenery() {
  local rock green slate
  rock=$(share "$1" "$ROCK") green=$(share "$1" "$GREEN") slate=$(share "$1" "$SLATE")
  if [ "$rock" -ge 100 ]; then echo rocks
  elif [ "$green" -ge 20 ] && [ "$rock" -lt 30 ]; then echo forest
  elif [ "$slate" -ge 500 ]; then echo floor
  elif [ "$slate" -ge 40 ] && [ "$green" -eq 0 ] && [ "$rock" -lt 30 ]; then echo gate
  else echo none; fi
}
declare -A SCENERY=([6]=rocks [7]=forest [8]=rocks [9]=gate [10]=floor)

shows_stage() { hud_shown "$2" && [ "$(scenery "$2")" = "$1" ]; }

stage_up() {  # from the main menu, its box open: the stage choice up by $1, and back
  xdotool mousemove $OPTIONS_ITEM
  await menu 5 shows_main_menu_lit 355 || fail "no main menu"
  advance "click $OPTIONS_ITEM" options 10 stage_row_shown || fail "no stage choice in the options"
  sleep 0.6  # faded in
  for _ in $(seq "$1"); do stage_click; done
  click $EXIT_TO_MENU
}

start_game
to_main_menu
xdotool keydown h keydown j
sleep 0.3
xdotool keyup h keyup j
stage_up 4

last_card=""
for n in 6 7 8 9 10; do
  stage_up 1
  new_game_card "card_$n"
  if [ -n "$last_card" ]; then
    [ "$(compare -metric AE -crop 540x20+50+148 "$last_card" "$E2E_WORK/card_$n.png" null: 2>&1 || true)" != 0 ] ||
      fail "stage $n's card is the card before it"
  fi
  last_card="$E2E_WORK/card_$n.png"
  press space
  await "stage_$n" 8 shows_stage "${SCENERY[$n]}" ||
    fail "stage $n: scenery '$(scenery "$(shot "stage_$n")")', not '${SCENERY[$n]}'"
  quit_stage
done

leave_main_menu
exit_game
echo "ok: H+J, then stages 6 to 10 each from the options' stage choice, its card and its scenery, quit by the pause panel"
