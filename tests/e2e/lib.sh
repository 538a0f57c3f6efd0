# Helpers for end-to-end scenarios; sourced by tests/e2e/test_*.sh, which run under tests/e2e/run.sh.
# GAME_DIR is the folder holding the program and its data tree; E2E_WORK a scratch folder.

TITLE="Voidmarch: The Series(Full Version)"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the game in the background from its data tree (or the folder given); its output goes
# to $E2E_WORK/game.log.
start_game() {
  (cd "${1:-$GAME_DIR}" && exec "$GAME_DIR/voidmarch") > "$E2E_WORK/game.log" 2>&1 &
  GAME_PID=$!
}

# True while a window with the game's title exists.
has_window() { xdotool search --name "^$TITLE_PATTERN\$" >/dev/null 2>&1; }

# xdotool takes the name as a regular expression, so the title's parentheses are escaped.
TITLE_PATTERN=$(printf '%s' "$TITLE" | sed 's/[][()\\.*^$+?{}|]/\\&/g')

wait_window() {
  timeout "${1:-20}" xdotool search --sync --name "^$TITLE_PATTERN\$" >/dev/null || fail "no window titled '$TITLE'"
}

# Holds a key for 100 ms so at least one 60 Hz logic step sees it.
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }

click() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }

screenshot() { import -window root "$1"; }

# Fraction of pixels that are not black in a picture, in percent.
lit_percent() {
  convert "$1" -colorspace gray -threshold 3% -format '%[fx:int(100*mean)]' info:
}

# Waits for the game to exit and sets GAME_STATUS to its exit status. (Not in a command
# substitution: only this shell can wait for the game.)
wait_game() {
  local limit=${1:-30}
  for _ in $(seq "$((limit * 10))"); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$GAME_PID" 2>/dev/null; then kill -9 "$GAME_PID"; fail "game still running after ${limit}s"; fi
  wait "$GAME_PID" && GAME_STATUS=0 || GAME_STATUS=$?
}

# True when the pixel at x y of a picture is white.
white_at() {
  [ "$(convert "$1" -format "%[fx:(p{$2,$3}.r>0.95 && p{$2,$3}.g>0.95 && p{$2,$3}.b>0.95)?1:0]" info:)" = 1 ]
}

# True when a picture shows the series menu: the white frames round both episode pictures.
shows_series_menu() {
  white_at "$1" 77 390 && white_at "$1" 243 390 && white_at "$1" 397 390 && white_at "$1" 563 390
}

# Waits up to the given seconds for the series menu, saving the last look at $E2E_WORK/series.png.
wait_series_menu() {
  for _ in $(seq "$((${1:-40} * 4))"); do
    screenshot "$E2E_WORK/series.png"
    shows_series_menu "$E2E_WORK/series.png" && return 0
    sleep 0.25
  done
  fail "the series menu did not show"
}

# The series menu's EXIT item.
EXIT_X=305 EXIT_Y=305

# --- shared by the later walks ---

# Mean brightness of an area (geometry WxH+X+Y) of a picture, 0 to 1000.
mean_gray() {
  convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:int(1000*mean)]' info:
}

# Mean of one channel (r, g or b) over an area of a picture, 0 to 1000.
mean_channel() {
  convert "$1" -crop "$3" +repage -format "%[fx:int(1000*mean.$2)]" info:
}

# Screenshots into $E2E_WORK/$1.png every quarter second until the test named by the rest of the
# arguments (given the picture as its last argument) holds; fails after $WAIT_LIMIT seconds (10).
wait_for() {
  local shot="$E2E_WORK/$1.png"; shift
  for _ in $(seq "$((${WAIT_LIMIT:-10} * 4))"); do
    screenshot "$shot"
    "$@" "$shot" && return 0
    sleep 0.25
  done
  fail "waited in vain for $1 ($*)"
}

# From the start of the program to the KV2 main menu with its box open: the series menu's KV2
# picture, the instructions and the story, each left with space.
to_main_menu() {
  wait_window
  xdotool mousemove 10 10
  wait_series_menu 40
  click 480 390
  sleep 1.2
  press space
  sleep 1
  press space
  sleep 3.7
}
