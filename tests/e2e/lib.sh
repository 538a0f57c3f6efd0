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

# --- shared by the later walks ---

# Mean of one channel (r, g or b) over an area of a picture, 0 to 1000.
mean_channel() {
  convert "$1" -crop "$3" +repage -format "%[fx:int(1000*mean.$2)]" info:
}

# Screenshots into $E2E_WORK/$1.png every quarter second until the test named by the rest of the
# arguments (given the picture as its last argument) holds; false after $WAIT_LIMIT seconds (10).
wait_for() {
  local shot="$E2E_WORK/$1.png"; shift
  for _ in $(seq "$((${WAIT_LIMIT:-10} * 4))"); do
    screenshot "$shot"
    "$@" "$shot" && return 0
    sleep 0.25
  done
  return 1
}

# The main menu's item under the pointer lights its bar: Start's at y 320, Options' at 355,
# Exit's at 390. menu_item_lit Y PICTURE
menu_item_lit() {
  local other=320
  [ "$1" != 320 ] || other=355
  [ "$(mean_gray "$2" "10x20+228+$1")" -gt "$(($(mean_gray "$2" "10x20+228+$other") + 100))" ]
}

# Character select faded in with Adam's box hovered: his portrait in, lit well above Kim's box.
adam_hovered() {
  local portrait
  portrait=$(mean_gray "$1" 150x200+30+200)
  [ "$portrait" -gt 250 ] && [ "$(mean_gray "$1" 100x100+262+340)" -lt "$((portrait - 100))" ]
}

# A stage's card: black but for its text around the middle (and the prompt at the bottom).
card_shown() { [ "$(mean_gray "$1" 540x80+50+100)" -gt 5 ] && [ "$(mean_gray "$1" 640x200+0+250)" -lt 5 ]; }

# A KV2 stage faded in: the HUD's money, yellow under "Money:" at the top.
hud_shown() {
  [ "$(convert "$1" -crop 80x12+275+22 +repage -fx '(r>0.8 && g>0.55 && b<0.4)?1:0' -colorspace gray \
       -format '%[fx:int(1000*mean)]' info:)" -ge 80 ]
}

# The KV2 pause panel in: its lit metal edge stands down the left of the field.
pause_panel_in() { [ "$(mean_gray "$1" 8x400+152+40)" -gt 400 ]; }

# Copies a picture into $VOIDMARCH_SHOTS, when set, for looking at.
keep() { [ -z "${VOIDMARCH_SHOTS:-}" ] || cp "$1" "$VOIDMARCH_SHOTS/"; }

# wait_for, or a failure that keeps the last look: expect NAME WHAT TEST...
expect() {
  local name=$1 what=$2; shift 2
  wait_for "$name" "$@" && return 0
  keep "$E2E_WORK/$name.png"
  fail "no $what"
}

# A click held for 300 ms, so that a logic step sees it even on a busy machine.
firm_click() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; }

# A click at X Y into the screen NAME, which must then pass TEST: click_into X Y NAME WHAT TEST...
click_into() {
  local x=$1 y=$2; shift 2
  firm_click "$x" "$y"
  expect "$@"
}

# Clicks at X Y until the screen NAME passes TEST, up to three times, for a screen that takes
# clicks only once it has faded in, where a click on the next screen does nothing:
# click_until X Y NAME WHAT TEST...
click_until() {
  local x=$1 y=$2 name=$3 what=$4; shift 4
  for _ in 1 2 3; do
    firm_click "$x" "$y"
    WAIT_LIMIT=4 wait_for "$name" "$@" && return 0
  done
  keep "$E2E_WORK/$name.png"
  fail "no $what"
}

# The options' stage choice: its row, drawn only once unlocked, and its right arrow.
STAGE_RIGHT="322 176" STAGE_NAME=70x20+225+164
stage_row_shown() { [ "$(mean_gray "$1" 60x20+70+166)" -gt 150 ]; }

area() { convert "$1" -crop "$2" +repage rgb:- | md5sum; }
stage_changed() { [ "$(area "$1" $STAGE_NAME)" != "$shown_stage" ]; }

# The stage choice's right arrow, clicked again until the stage shown changes (a click the game
# sees no logic step of is lost on a busy machine).
stage_click() {
  screenshot "$E2E_WORK/choice.png"
  shown_stage=$(area "$E2E_WORK/choice.png" $STAGE_NAME)
  for _ in 1 2 3; do
    firm_click $STAGE_RIGHT
    WAIT_LIMIT=1 wait_for choice_now stage_changed && return 0
  done
  fail "the stage choice did not change"
}

# EXIT on the series menu: the program ends with status 0, having shown no message box.
exit_game() {
  firm_click "$EXIT_X" "$EXIT_Y"
  wait_game 30
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
  [ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
}

# From the start of the program to the KV2 main menu with its box open: the series menu's KV2
# picture, then space through the instructions and the story until the menu shows (a press
# that lands during a fade is lost, so it is pressed again while none shows).
to_main_menu() {
  wait_window
  xdotool mousemove 10 10
  wait_series_menu 40
  firm_click 480 390
  sleep 1.2
  xdotool mousemove 300 365
  for _ in $(seq 8); do
    press space
    WAIT_LIMIT=3 wait_for menu menu_item_lit 355 && return 0
  done
  keep "$E2E_WORK/menu.png"
  fail "no main menu"
}

# From the main menu with its box open: Start, Adam, and his first card, fully faded in, in
# $E2E_WORK/$1.png.
new_game_card() {
  xdotool mousemove 300 330
  expect menu "main menu's Start" menu_item_lit 320
  firm_click 300 330
  xdotool mousemove 312 213
  expect select "character select" adam_hovered
  click_until 312 213 "$1" "card" card_shown
  sleep 0.5
  screenshot "$E2E_WORK/$1.png"
}

# P in a KV2 stage, then the pause panel's "Exit to Menu".
quit_stage() {
  press p
  expect paused "pause panel" pause_panel_in
  firm_click 415 438
}
