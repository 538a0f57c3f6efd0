#!/usr/bin/env bash
# The program opens its titled window, shows the logo splash, and exits 0 when the splash ends.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

start_game
wait_window
sleep 2.5  # the logo is fully in after about a second and starts fading out after five
screenshot "$E2E_WORK/logo.png"
lit=$(lit_percent "$E2E_WORK/logo.png")
[ "$lit" -ge 5 ] || fail "the screen is black while the logo should show ($lit% lit)"

wait_game 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after the splash"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: window, logo ($lit% lit), exit 0"
