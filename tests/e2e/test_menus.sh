#!/usr/bin/env bash
# The KV2 way in, five times round: series menu (hover lights a picture, EXIT's outline), KV2,
# its instructions, the story scrolling up, the main menu fading in from white and opening its
# box, its Exit back to the series menu; then EXIT ends the program with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# EXIT wears a white outline under the pointer.
exit_outlined() { shows_series_menu "$1" && white_at "$1" 292 297; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status"; }

start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40
lit=$(lit_percent "$E2E_WORK/series.png")
[ "$lit" -ge 20 ] || fail "the series menu is dark ($lit% lit)"

rounds=()
for round in 1 2 3 4 5; do
  xdotool mousemove "$EXIT_X" "$EXIT_Y"
  await exit_hovered 5 exit_outlined || fail "no outline round the hovered EXIT"
  xdotool mousemove 10 10
  await plain 5 shows_series_menu || fail "no series menu with the pointer away"
  SERIES_KV2=$(mean_gray "$(shot plain)" 150x110+405+335) kv1_plain=$(mean_gray "$(shot plain)" 150x110+85+335)
  xdotool mousemove 480 390
  await kv2_hovered 5 shows_kv2_lit || fail "hovered KV2 not lit"
  kv1_now=$(mean_gray "$(shot kv2_hovered)" 150x110+85+335)
  # The pictures differ in palette, so KV1 is compared with itself: it stays dim.
  [ "$kv1_now" -le "$((kv1_plain * 11 / 10))" ] || fail "KV1 lit while KV2 hovered ($kv1_plain -> $kv1_now)"
  [ "$((kv1_now - kv1_plain))" -lt 20 ] && [ "$((kv1_plain - kv1_now))" -lt 20 ] || fail "KV1 changed ($kv1_plain -> $kv1_now)"

  advance "click 480 390" instructions 5 shows_instructions kv2 || fail "no KV2 instructions"
  advance "press space" story_1 5 shows_story || fail "no story"
  first=$(top_lit_row "$(shot story_1)")
  await story_2 10 risen_above "$first" || fail "the story did not scroll up (top line $first)"

  # The story's tune fades for 1.7 s, then the menu fades in from white for 0.5 s: shots all the while, taken
  # in the background, until the menu shows with Options lit under the pointer.
  xdotool mousemove 300 365
  rm -f "$E2E_WORK"/fade_*.png "$E2E_WORK/fade.stop"
  (for n in $(seq 300); do [ ! -e "$E2E_WORK/fade.stop" ] || break; screenshot "$E2E_WORK/fade_$n.png"; done) &
  shooter=$!
  advance "press space" main_menu 10 shows_main_menu_lit 355 || fail "hovering Options did not light only its bar"
  touch "$E2E_WORK/fade.stop"
  wait "$shooter"
  whitest=0
  for fade in "$E2E_WORK"/fade_*.png; do
    gray=$(mean_gray "$fade" 640x480+0+0)
    [ "$gray" -le "$whitest" ] || whitest=$gray
  done
  # Shots come slower on a busy machine and may miss the whitest frames.
  [ "$whitest" -gt 600 ] || fail "no fade in from white (brightest mean $whitest)"

  leave_main_menu
  rounds+=("$(rss_kb)")
done

exit_game
echo "ok: five rounds series menu -> KV2 -> instructions -> story -> main menu -> Exit; VmRSS kB ${rounds[*]}; exit 0"
