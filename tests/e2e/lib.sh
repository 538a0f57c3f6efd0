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

# ---- Shared by the walks: screens told apart by their pixels ----

mean_gray() {  # picture geometry -> mean brightness of the area, 0 to 1000
  convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:int(1000*mean)]' info:
}

count_pixels() {  # picture geometry fx-condition -> pixels of the area meeting it
  convert "$1" -crop "$2" +repage -fx "($3)?1:0" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# True when a text item whose top left is at x y wears the white outline of the item under the pointer.
outlined_item() { white_at "$1" "$(($2 - 3))" "$(($3 - 3))" && white_at "$1" "$(($2 - 3))" "$(($3 + 4))"; }

# True when a picture shows the loading screen: the bar's blue frame, (0, 41, 240), runs from (215, 345)
# to (425, 380).
shows_loading_frame() {
  local blue='p{X}.r<0.05 && abs(p{X}.g-0.16)<0.03 && p{X}.b>0.9' at
  for at in 215,360 425,360 320,345 320,380; do
    [ "$(convert "$1" -format "%[fx:(${blue//X/$at})?1:0]" info:)" = 1 ] || return 1
  done
}

# Lit pixels of the loading bar inside its frame.
loading_bar_pixels() { count_pixels "$1" 200x30+220+350 'b>0.62 && b-r>0.23'; }

# True when the KV2 main menu shows with the pointer on one item, its bar at y 320 (Start), 355 (Options)
# or 390 (Exit): the open box's lit metal frame at its left, and only that item's bar lit.
shows_main_menu_lit() {  # bar-y picture
  local lit y
  lit=$(mean_gray "$2" "10x20+228+$1")
  [ "$(mean_gray "$2" 4x80+161+330)" -gt 550 ] || return 1
  for y in 320 355 390; do
    [ "$y" = "$1" ] || [ "$lit" -gt "$(($(mean_gray "$2" "10x20+228+$y") + 100))" ] || return 1
  done
}
shows_main_menu_options_lit() { shows_main_menu_lit 355 "$1"; }

# The KV2 pause panel: its lit metal edge stands down the left of the field.
shows_pause_panel() { [ "$(mean_gray "$1" 8x400+152+40)" -gt 400 ]; }

top_lit_row() {  # picture -> the highest row above the prompt holding bright pixels (480 if none)
  local box
  box=$(convert "$1" -crop 640x455+0+0 +repage -colorspace gray -threshold 40% -format '%@' info: 2>/dev/null)
  case "$box" in *+*+*) echo "${box##*+}" ;; *) echo 480 ;; esac
}

# True when a picture has bright pixels above the given row (for text scrolling up).
risen_above() { [ "$(top_lit_row "$2")" -lt "$1" ]; }  # row picture

look() {  # name -> a screenshot at $E2E_WORK/name.png, kept in $VOIDMARCH_SHOTS when set
  screenshot "$E2E_WORK/$1.png"
  [ -z "${VOIDMARCH_SHOTS:-}" ] || cp "$E2E_WORK/$1.png" "$VOIDMARCH_SHOTS/"
}
shot() { echo "$E2E_WORK/$1.png"; }

SCREEN=()  # the check, with its arguments, that recognised the screen last seen

await() {  # name seconds check [args...]: looks until the check passes on a look
  local name=$1 until=$(($(date +%s) + $2))
  shift 2
  until look "$name" && "$@" "$(shot "$name")"; do
    [ "$(date +%s)" -lt "$until" ] || return 1
    sleep 0.2
  done
  SCREEN=("$@")
}

# Gives an input (a command line) and looks until the next screen shows. On a busy machine the game may
# draw no frame while a short press is down and never see it, so the input is given again, but only while
# the screen it was meant for still shows: a slow fade is never pressed through.
advance() {  # input name seconds check [args...]
  local input=$1 name=$2 seconds=$3 from=("${SCREEN[@]}")
  shift 3
  for _ in 1 2 3; do
    eval "$input"
    await "$name" "$seconds" "$@" && return 0
    "${from[@]}" "$(shot "$name")" || return 1
  done
  return 1
}

# Ends the game if it still runs (for an EXIT trap, so a failing walk leaves nothing behind).
stop_game() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill -9 "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
}
