#!/usr/bin/env bash
# The program opens its titled window, shows the logo splash, then the loading screen with a
# growing progress bar, and goes on to the series menu once everything is loaded; its EXIT ends
# the program with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_game
wait_window
sleep 2.5  # the logo is fully in after about a second and starts fading out after five
screenshot "$E2E_WORK/logo.png"
lit=$(lit_percent "$E2E_WORK/logo.png")
[ "$lit" -ge 5 ] || fail "the screen is black while the logo should show ($lit% lit)"

# Shots every ~150 ms until the series menu shows; the loading screen follows the splash at about six seconds.
shots=0
while kill -0 "$GAME_PID" 2>/dev/null && [ "$shots" -lt 300 ]; do
  shots=$((shots + 1))
  screenshot "$E2E_WORK/shot_$shots.png"
  shows_series_menu "$E2E_WORK/shot_$shots.png" && break
done
shows_series_menu "$E2E_WORK/shot_$shots.png" || fail "no series menu after loading"
SCREEN=(shows_series_menu)
exit_game

bars=()
for i in $(seq "$shots"); do
  shot="$E2E_WORK/shot_$i.png"
  [ -f "$shot" ] || continue
  shows_loading_frame "$shot" || continue
  text=$(count_pixels "$shot" 120x8+270+336 'r>0.97 && g>0.97 && b>0.97')
  [ "$text" -gt 20 ] || fail "no white percent text on the loading screen (shot $i)"
  bars+=("$(loading_bar_pixels "$shot")")
done
[ "${#bars[@]}" -ge 2 ] || fail "the loading screen showed in ${#bars[@]} of $shots shots"
[ "${bars[-1]}" -gt "${bars[0]}" ] || fail "the bar did not grow: lit pixels ${bars[*]}"
echo "ok: window, logo ($lit% lit), loading bar over ${#bars[@]} shots (lit pixels ${bars[*]}), series menu, exit 0"
