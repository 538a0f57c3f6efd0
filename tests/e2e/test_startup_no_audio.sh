#!/usr/bin/env bash
# Without an audio output the program reports the audio error and ends with status 255 before it
# opens any window.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

export SDL_AUDIODRIVER=nosuch
start_game
for _ in $(seq 200); do  # up to 10 s; wait_game below deals with a game that hangs
  kill -0 "$GAME_PID" 2>/dev/null || break
  ! has_window || fail "a window opened"
  sleep 0.05
done
wait_game 20
[ "$GAME_STATUS" -eq 255 ] || fail "exit status $GAME_STATUS, expected 255"
grep -Eq '^FMOD error! \([0-9]+\) .+$' "$E2E_WORK/game.log" || fail "no audio error line: $(cat "$E2E_WORK/game.log")"
[ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
echo "ok: $(grep '^FMOD error!' "$E2E_WORK/game.log")"
