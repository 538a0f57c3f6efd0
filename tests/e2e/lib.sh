# Helpers for end-to-end scenarios; sourced by tests/e2e/test_*.sh, which run under tests/e2e/run.sh.
# GAME_DIR is the folder holding the program and its data tree; E2E_WORK a scratch folder.

TITLE="Voidmarch: The Series(Full Version)"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the game in the background from its data tree; its output goes to $E2E_WORK/game.log.
start_game() {
  (cd "$GAME_DIR" && exec ./voidmarch) > "$E2E_WORK/game.log" 2>&1 &
  GAME_PID=$!
}

wait_window() {
  timeout "${1:-20}" xdotool search --sync --name "$TITLE" >/dev/null || fail "no window titled '$TITLE'"
}

# Holds a key for 100 ms so at least one 60 Hz logic step sees it.
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }

click() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }

screenshot() { import -window root "$1"; }

# Fraction of pixels that are not black in a picture, in percent.
lit_percent() {
  convert "$1" -colorspace gray -threshold 3% -format '%[fx:int(100*mean)]' info:
}

# Waits for the game to exit and prints its status.
wait_game() {
  local limit=${1:-30} status
  for _ in $(seq "$((limit * 10))"); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$GAME_PID" 2>/dev/null; then kill -9 "$GAME_PID"; fail "game still running after ${limit}s"; fi
  wait "$GAME_PID" && status=0 || status=$?
  echo "$status"
}
