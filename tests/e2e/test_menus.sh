#!/usr/bin/env bash
# The KV2 way in, five times round: series menu (hover lights a picture, EXIT's outline), KV2,
# its instructions, the story scrolling up, the main menu fading in from white and opening its
# box, its Exit back to the series menu; then EXIT ends the program with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

hover_shot() {  # x y picture: the pointer there, a moment to draw, a look
  xdotool mousemove "$1" "$2"
  sleep 0.3
  screenshot "$3"
}
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status"; }

start_game
wait_window
xdotool mousemove 10 10
wait_series_menu 40
lit=$(lit_percent "$E2E_WORK/series.png")
[ "$lit" -ge 20 ] || fail "the series menu is dark ($lit% lit)"

rounds=()
for round in 1 2 3 4 5; do
  hover_shot 10 10 "$E2E_WORK/plain.png"
  hover_shot 480 390 "$E2E_WORK/kv2_hovered.png"
  kv1_plain=$(mean_gray "$E2E_WORK/plain.png" 150x110+85+335)
  kv2_plain=$(mean_gray "$E2E_WORK/plain.png" 150x110+405+335)
  kv1_now=$(mean_gray "$E2E_WORK/kv2_hovered.png" 150x110+85+335)
  kv2_lit=$(mean_gray "$E2E_WORK/kv2_hovered.png" 150x110+405+335)
  [ "$kv2_lit" -gt "$((kv2_plain * 5 / 4))" ] || fail "hovered KV2 not lit ($kv2_plain -> $kv2_lit)"
  # The pictures differ in palette, so KV1 is compared with itself: it stays dim.
  [ "$kv1_now" -le "$((kv1_plain * 11 / 10))" ] || fail "KV1 lit while KV2 hovered ($kv1_plain -> $kv1_now)"
  [ "$((kv1_now - kv1_plain))" -lt 20 ] && [ "$((kv1_plain - kv1_now))" -lt 20 ] || fail "KV1 changed ($kv1_plain -> $kv1_now)"

  hover_shot "$EXIT_X" "$EXIT_Y" "$E2E_WORK/exit_hovered.png"
  white_at "$E2E_WORK/exit_hovered.png" 292 297 || fail "no outline round the hovered EXIT"

  click 480 390
  sleep 1.2
  screenshot "$E2E_WORK/instructions.png"
  title=$(mean_gray "$E2E_WORK/instructions.png" 200x20+220+8)
  prompt=$(mean_gray "$E2E_WORK/instructions.png" 200x16+8+460)
  middle=$(mean_gray "$E2E_WORK/instructions.png" 640x80+0+380)
  [ "$title" -gt 20 ] && [ "$prompt" -gt 20 ] || fail "instructions: title $title, prompt $prompt"
  [ "$middle" -lt 5 ] || fail "instructions: the space above the prompt is not black ($middle)"

  press space
  sleep 3
  look story_1
  first=$(top_lit_row "$(shot story_1)")
  await story_2 10 risen_above "$first" || fail "the story did not scroll up (top line $first)"

  press space
  # The story's tune fades for 1.7 s, then the menu fades in from white for 0.5 s: shots for 3 s.
  shots=0 until=$(($(date +%s%N) + 3000000000))
  while [ "$(date +%s%N)" -lt "$until" ]; do
    shots=$((shots + 1))
    screenshot "$E2E_WORK/fade_$shots.png"
  done
  whitest=0
  for shot in $(seq "$shots"); do
    gray=$(mean_gray "$E2E_WORK/fade_$shot.png" 640x480+0+0)
    [ "$gray" -gt "$whitest" ] && whitest=$gray
  done
  # Shots come slower on a busy machine and may miss the whitest frames.
  [ "$whitest" -gt 600 ] || fail "no fade in from white (brightest mean $whitest)"
  sleep 0.7  # the box opens
  hover_shot 300 365 "$E2E_WORK/main_menu.png"
  shows_main_menu_options_lit "$E2E_WORK/main_menu.png" || fail "hovering Options did not light only its bar"

  click 300 400
  wait_series_menu 10
  rounds+=("$(rss_kb)")
done

click "$EXIT_X" "$EXIT_Y"
wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after EXIT"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: five rounds series menu -> KV2 -> instructions -> story -> main menu -> Exit; VmRSS kB ${rounds[*]}; exit 0"
