# Helpers for end-to-end scenarios; sourced by tests/e2e/test_*.sh, which run under tests/e2e/run.sh.
# GAME_DIR is the folder holding the program and its data tree; E2E_WORK a scratch folder.

# ---- The game ----

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

# Ends the game if it still runs (for an EXIT trap, so a failing walk leaves nothing behind).
stop_game() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill -9 "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
}

game_gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# EXIT on the series menu: the program ends with status 0, having shown no message box.
exit_game() {
  advance 'click "$EXIT_X" "$EXIT_Y"' exit 10 game_gone || fail "EXIT did not end the program"
  wait_game 30
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
  [ ! -s "$E2E_WORK/messages.log" ] || fail "message boxes: $(cat "$E2E_WORK/messages.log")"
}

# ---- Input ----

# Holds a key for 100 ms so at least one 60 Hz logic step sees it.
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }

# A click held for 300 ms, so that a logic step sees it even on a busy machine.
click() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; }

# ---- Pictures ----

screenshot() { import -window root "$1"; }

look() {  # name -> a screenshot at $E2E_WORK/name.png, kept in $VOIDMARCH_SHOTS when set
  screenshot "$E2E_WORK/$1.png"
  [ -z "${VOIDMARCH_SHOTS:-}" ] || cp "$E2E_WORK/$1.png" "$VOIDMARCH_SHOTS/"
}
shot() { echo "$E2E_WORK/$1.png"; }

# Fraction of pixels that are not black in a picture, in percent.
lit_percent() {
  convert "$1" -colorspace gray -threshold 3% -format '%[fx:int(100*mean)]' info:
}

mean_gray() {  # picture geometry -> mean brightness of the area, 0 to 1000
  convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:int(1000*mean)]' info:
}

mean_red() {  # picture geometry -> mean red less mean green over the area, 0 to 1000
  convert "$1" -crop "$2" +repage -format '%[fx:int(1000*(mean.r-mean.g))]' info:
}

count_pixels() {  # picture geometry fx-condition -> pixels of the area meeting it
  convert "$1" -crop "$2" +repage -fx "($3)?1:0" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# True when the pixel at x y of a picture is white.
white_at() {
  [ "$(convert "$1" -format "%[fx:(p{$2,$3}.r>0.95 && p{$2,$3}.g>0.95 && p{$2,$3}.b>0.95)?1:0]" info:)" = 1 ]
}

# True when a text item whose top left is at x y wears the white outline of the item under the pointer.
outlined_item() { white_at "$1" "$(($2 - 3))" "$(($3 - 3))" && white_at "$1" "$(($2 - 3))" "$(($3 + 4))"; }

top_lit_row() {  # picture -> the highest row above the prompt holding bright pixels (480 if none)
  local box
  box=$(convert "$1" -crop 640x455+0+0 +repage -colorspace gray -threshold 40% -format '%@' info: 2>/dev/null)
  case "$box" in 0x0+*) echo 480 ;; *+*+*) echo "${box##*+}" ;; *) echo 480 ;; esac
}

# True when a picture has bright pixels above the given row (for text scrolling up).
risen_above() { [ "$(top_lit_row "$2")" -lt "$1" ]; }  # row picture

# ---- Waiting for a screen ----

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

# ---- Screens, told apart by their pixels ----

# True when a picture shows the series menu: the white frames round both episode pictures, and dark space
# above the title (not a fade from white).
shows_series_menu() {
  white_at "$1" 77 390 && white_at "$1" 243 390 && white_at "$1" 397 390 && white_at "$1" 563 390 &&
    [ "$(mean_gray "$1" 640x30+0+0)" -lt 300 ]
}

# The series menu's EXIT item.
EXIT_X=305 EXIT_Y=305

# Waits up to the given seconds for the series menu, its last look at $E2E_WORK/series.png.
wait_series_menu() { await series "${1:-40}" shows_series_menu || fail "the series menu did not show"; }

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

# The series menu with KV2's picture lit, brighter than SERIES_KV2, its mean with the pointer away.
shows_kv2_lit() { shows_series_menu "$1" && [ "$(mean_gray "$1" 150x110+405+335)" -gt "$((SERIES_KV2 * 5 / 4))" ]; }

# Instructions: a title at the top, the prompt at the bottom, black between; KV2's list of keys runs past
# y 250, KV1's shorter one does not.
shows_instructions() {  # kv1|kv2 picture
  local rows
  rows=$(mean_gray "$2" 640x30+0+250)
  [ "$(mean_gray "$2" 200x20+220+8)" -gt 20 ] && [ "$(mean_gray "$2" 200x16+8+460)" -gt 20 ] &&
    [ "$(mean_gray "$2" 640x80+0+380)" -lt 5 ] && if [ "$1" = kv2 ]; then [ "$rows" -gt 20 ]; else [ "$rows" -lt 3 ]; fi
}

# The story: the prompt at the bottom, its lines risen above it, none yet in the upper part (where a card
# has its title). The instructions fading out have no bright line left.
shows_story() {
  local top
  top=$(top_lit_row "$1")
  [ "$(mean_gray "$1" 200x16+8+460)" -gt 20 ] && [ "$top" -gt 200 ] && [ "$top" -lt 480 ]
}

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

# Character select with a pilot's box hovered: the portrait slid in at the left, the other box dim (so not
# the fade from white), the hovered box's icon grown past its 64 pixels. Boxes start at y 130 (Adam) and
# 305 (Kim).
shows_pilot_hovered() {  # box-y other-box-y picture
  local portrait other icon_edge
  portrait=$(mean_gray "$3" 150x200+30+200)
  other=$(mean_gray "$3" "100x100+262+$(($2 + 35))")
  icon_edge=$(mean_gray "$3" "20x60+232+$(($1 + 53))")
  [ "$portrait" -gt 250 ] && [ "$((other * 2))" -lt "$portrait" ] && [ "$icon_edge" -gt 80 ]
}

# A stage's card: black but for its text around the middle (and the prompt at the bottom).
card_shown() { [ "$(mean_gray "$1" 540x80+50+100)" -gt 5 ] && [ "$(mean_gray "$1" 640x200+0+250)" -lt 5 ]; }

# Stage 1's card: its one line stands higher than the text of a card with a story.
shows_first_card() { card_shown "$1" && [ "$(mean_gray "$1" 540x40+50+100)" -gt 15 ]; }

# The HUD's gold, the colour of its money figures.
GOLD='X.r>0.9 && X.g>0.7 && X.g<0.95 && X.b<0.6'  # X stands for the picture

# A KV2 stage faded in: the HUD's money, yellow under "Money:" at the top.
hud_shown() {
  [ "$(convert "$1" -crop 80x12+275+22 +repage -fx '(r>0.8 && g>0.55 && b<0.4)?1:0' -colorspace gray \
       -format '%[fx:int(1000*mean)]' info:)" -ge 80 ]
}

# The KV2 pause panel: its lit metal edge stands down the left of the field.
shows_pause_panel() { [ "$(mean_gray "$1" 8x400+152+40)" -gt 400 ]; }

# KV1's menu: its three items lit below the title words, no prompt at the bottom (as the mission has) and
# no fade from white.
kv1_menu_shown() { [ "$(mean_gray "$1" 120x90+260+295)" -gt 20 ] && [ "$(mean_gray "$1" 640x30+0+450)" -lt 4 ]; }

# The mission intro: its heading at the top, black above the prompt.
shows_mission() { [ "$(mean_gray "$1" 400x20+120+22)" -gt 20 ] && [ "$(mean_gray "$1" 640x40+0+420)" -lt 5 ]; }

# KV1's stage 1: the orange block at the top, the gold money at the bottom.
shows_kv1_stage() {
  [ "$(count_pixels "$1" 360x240+10+10 'r>0.8 && g>0.3 && g<0.75 && b<0.35')" -gt 3000 ] &&
    [ "$(count_pixels "$1" 100x20+270+455 "${GOLD//X/u}")" -gt 80 ]
}

# The options' stage choice: its row, drawn only once unlocked, and its right arrow.
STAGE_RIGHT="322 176" STAGE_NAME=70x20+225+164
stage_row_shown() { [ "$(mean_gray "$1" 60x20+70+166)" -gt 150 ]; }

area() { convert "$1" -crop "$2" +repage rgb:- | md5sum; }
stage_changed() { [ "$(area "$1" $STAGE_NAME)" != "$shown_stage" ]; }

# ---- Walks ----

# The stage choice's right arrow, clicked again until the stage shown changes (a click the game
# sees no logic step of is lost on a busy machine).
stage_click() {
  screenshot "$E2E_WORK/choice.png"
  shown_stage=$(area "$E2E_WORK/choice.png" $STAGE_NAME)
  for _ in 1 2 3; do
    click $STAGE_RIGHT
    await choice_now 1 stage_changed && return 0
  done
  fail "the stage choice did not change"
}

# From the start of the program to the KV2 main menu with its box open: the series menu's KV2
# picture, then space through the instructions and the story until the menu shows (a press
# that lands during a fade is lost, so it is pressed again while none shows).
to_main_menu() {
  wait_window
  xdotool mousemove 10 10
  wait_series_menu 40
  advance "click 480 390" instructions 5 shows_instructions kv2 || fail "no KV2 instructions"
  xdotool mousemove 300 365
  for _ in $(seq 8); do
    press space
    await menu 3 shows_main_menu_lit 355 && return 0
  done
  fail "no main menu"
}

# From the main menu with its box open: Start, Adam, and his first card, fully faded in, in
# $E2E_WORK/$1.png.
new_game_card() {
  xdotool mousemove 300 330
  await menu 5 shows_main_menu_lit 320 || fail "no main menu's Start"
  click 300 330
  xdotool mousemove 312 213
  await select 10 shows_pilot_hovered 130 305 || fail "no character select with Adam's box hovered"
  advance "click 312 213" "$1" 8 card_shown || fail "no card"
  sleep 0.5
  look "$1"
}

# P in a KV2 stage, then the pause panel's "Exit to Menu".
quit_stage() {
  advance "press p" paused 5 shows_pause_panel || fail "no pause panel"
  click 415 438
}

# From the main menu with its box open: Exit, lit under the pointer, back to the series menu.
leave_main_menu() {
  xdotool mousemove 300 400
  await menu_exit 5 shows_main_menu_lit 390 || fail "main menu's Exit not lit"
  advance "click 300 400" series 10 shows_series_menu || fail "Exit did not lead to the series menu"
}
