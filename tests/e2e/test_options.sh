#!/usr/bin/env bash
# The settings, played: LEFT rebound to a letter on the options moves the ship in stage 1 and the
# Left arrow no longer does; H+J on the main menu brings the stage choice, and stage 3 chosen
# there opens the next game on stage 3's card; KV1's OPTIONS shows its controls. Every setting
# is changed, and the run writes nothing to its data tree or to the home folder.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# The data tree as the run sees it, followed through the links: names, sizes and times.
listing() { find -L "$1" -printf '%P %s %T@\n' | sort; }

# Panel places on the 640x480 frame (the generated panel is 520x400 at 60, 40).
OPTIONS_ITEM="300 365" EXIT_TO_MENU="507 420"
DIFFICULTY_RIGHT="295 148" STAGE_ROW=60x20+70+166 PLAY="188 204" JUKEBOX_RIGHT="218 204"
LEFT_ROW="100 273" LEFT_NAME=80x20+140+265
# KV1 menu items, and the dimmed title word "VOID" on KV1's controls (full strength on its menu).
KV1_OPTIONS="280 335" KV1_EXIT="275 365" VOID_WORD=200x60+160+70

# The options: the panel's bright "OPTIONS" title over its dark ground (not the white of a fade).
options_shown() { [ "$(mean_gray "$1" 100x30+270+45)" -gt 250 ] && [ "$(mean_gray "$1" 200x40+300+380)" -lt 200 ]; }
open_options() {  # from the main menu, its box open
  xdotool mousemove $OPTIONS_ITEM
  await menu 5 shows_main_menu_lit 355 || fail "no main menu"
  advance "click $OPTIONS_ITEM" options 10 options_shown || fail "no options"
  sleep 0.6
}
# KV1's controls: the key names in their rows, and the title word at well under the menu's strength.
kv1_controls_shown() {
  [ "$(mean_gray "$1" $LEFT_NAME)" -gt 20 ] && [ "$(mean_gray "$1" $VOID_WORD)" -lt "$((menu_word * 2 / 3))" ]
}

# The ship's x: the middle of the bright pixels in the band it flies in, above the HUD.
ship_x() {
  convert "$1" -crop 640x60+0+395 +repage -colorspace gray -threshold 50% -scale 640x1! -depth 8 txt:- |
    awk -F'[,: ()]+' 'NR > 1 { w += $3; s += $3 * $1 } END { if (w == 0) print -1; else printf "%d\n", s / w }'
}
# Holds a key for $2 seconds.
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

home="$E2E_WORK/home" tree="$E2E_WORK/tree"
mkdir -p "$home"
cp -rs "$GAME_DIR/." "$tree"
before_tree=$(listing "$tree")
HOME=$home start_game "$tree"
to_main_menu

open_options
screenshot "$E2E_WORK/options_locked.png"
locked=$(mean_gray "$E2E_WORK/options_locked.png" $STAGE_ROW)
click $LEFT_ROW
sleep 0.3
press a
sleep 0.3
screenshot "$E2E_WORK/left_after.png"
[ "$(compare -metric AE "$E2E_WORK/options_locked.png" "$E2E_WORK/left_after.png" -crop $LEFT_NAME null: 2>&1 || true)" != 0 ] ||
  fail "LEFT's key name did not change"
click $DIFFICULTY_RIGHT
click $JUKEBOX_RIGHT
click $PLAY
click $EXIT_TO_MENU

# Stage 1 on the new key: the letter moves the ship left, the arrow leaves it where it is.
new_game_card card_1
advance "press space" stage_1 10 hud_shown || fail "no stage 1"
sleep 2  # the ship's climb into its place
look ship_start
hold a 0.6
sleep 0.3
look ship_letter
hold Left 0.6
sleep 0.3
look ship_arrow
start_x=$(ship_x "$(shot ship_start)") letter_x=$(ship_x "$(shot ship_letter)") arrow_x=$(ship_x "$(shot ship_arrow)")
[ "$start_x" -gt 0 ] && [ "$letter_x" -lt "$((start_x - 40))" ] || fail "'a' did not move the ship left ($start_x -> $letter_x)"
# Held as long, the letter took the ship over 100 px; stars passing the band and the ship's glide
# move the middle by a few.
[ "$arrow_x" -ge "$((letter_x - 20))" ] && [ "$arrow_x" -le "$((letter_x + 20))" ] ||
  fail "the Left arrow still moves the ship ($letter_x -> $arrow_x)"
quit_stage

# The stage choice, unlocked by H+J, set to 3: the next game opens on stage 3's card.
xdotool mousemove $OPTIONS_ITEM
await menu 10 shows_main_menu_lit 355 || fail "no main menu after stage 1"
xdotool keydown h keydown j
sleep 0.3
xdotool keyup h keyup j
open_options
stage_click
stage_click
screenshot "$E2E_WORK/options_unlocked.png"
unlocked=$(mean_gray "$E2E_WORK/options_unlocked.png" $STAGE_ROW)
[ "$unlocked" -gt "$((locked + 50))" ] || fail "no stage choice row after H+J (gray $locked -> $unlocked)"
click $EXIT_TO_MENU
new_game_card card_3
# Stage 1's card has its one line at the middle; Adam's story on stage 3's runs on below it.
story_1=$(mean_gray "$E2E_WORK/card_1.png" 540x50+50+140) story_3=$(mean_gray "$E2E_WORK/card_3.png" 540x50+50+140)
[ "$story_1" -lt 2 ] && [ "$story_3" -gt 5 ] || fail "not stage 3's card (story $story_1 -> $story_3)"
advance "press space" stage_3 10 hud_shown || fail "no stage 3"
quit_stage

# KV1's OPTIONS: its controls over the title words at half strength, and back out.
leave_main_menu
advance "click 160 390" kv1_instructions 5 shows_instructions kv1 || fail "no KV1 instructions"
advance "press space" kv1_menu 5 kv1_menu_shown || fail "no KV1 menu"
sleep 0.6  # faded in
look kv1_menu
menu_word=$(mean_gray "$(shot kv1_menu)" $VOID_WORD)
advance "click $KV1_OPTIONS" kv1_controls 10 kv1_controls_shown || fail "no KV1 controls"
sleep 0.6
look kv1_controls
[ "$(mean_gray "$(shot kv1_controls)" $VOID_WORD)" -gt 20 ] || fail "no title words behind KV1's controls"
advance "click $EXIT_TO_MENU" kv1_menu 4 kv1_menu_shown || fail "no KV1 menu after its controls"
click $KV1_EXIT
wait_series_menu 10
exit_game
[ "$(listing "$tree")" = "$before_tree" ] || fail "the run changed the data tree"
[ -z "$(ls -A "$home")" ] || fail "the run wrote to HOME: $(ls -A "$home")"
echo "ok: LEFT on 'a' moves the ship ($start_x -> $letter_x, arrow -> $arrow_x), stage 3's card after H+J, KV1 controls, nothing written"
