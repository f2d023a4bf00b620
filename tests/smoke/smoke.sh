#!/usr/bin/env bash
# Starts the real program on a virtual X display and drives it as a newcomer
# would, on one of two roads:
#   keys    by keyboard alone: choose Basque, load A and B by typing, start the
#           system, speed it up, run it and see the run under way, finish, open
#           the load dialog again, and type on after a refused value's warning.
#   mouse   the language and the memory zoom chosen by a click, the pointer then
#           parked off every window, and typing on after each warning: a refused
#           value in the load dialog, a refused address in the memory zoom; then
#           the system started from the main window.
# It is started from another folder than its own, and must still find its pictures.
# The display has no window manager, so every window that needs the keyboard
# must take it, and hand it back when a window it raised goes, itself.
set -u

if [ "${1:-}" != --on-display ]; then
  for tool in xvfb-run xdotool xwd od awk; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool is needed (scripts/install-deps installs it)" >&2
      exit 1
    fi
  done
  # -noreset: by default the server resets when its last client leaves, and a
  # program connecting during the reset (right after an xdotool call) is refused.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" --on-display "$1" "${2:-keys}"
fi

program="$2"
road="$3"
work="$(mktemp -d)"
log="$work/output.log"
pid=""
main=""

fail() {
  echo "FAILED: $*" >&2
  echo "--- program output:" >&2
  cat "$log" >&2
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# The id of the shown window whose whole title is $1, or nothing.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

# Waits up to $2 seconds (default 5) for the window titled $1 to be shown / gone.
wait_shown() {
  for _ in $(seq 1 $((${2:-5} * 10))); do
    [ -n "$(shown "$1")" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window \"$1\" within ${2:-5} seconds"
}
wait_gone() {
  for _ in $(seq 1 $((${2:-5} * 10))); do
    [ -z "$(shown "$1")" ] && return 0
    sleep 0.1
  done
  fail "window \"$1\" still shown after ${2:-5} seconds"
}

# Real key events, to whichever window has the keyboard focus.
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }

# The main window's pixels, to tell whether something changed on it.
picture() { xwd -silent -id "$main" >"$work/$1.xwd" || fail "could not read the main window's picture"; }
same() { cmp -s "$work/$1.xwd" "$work/$2.xwd"; }

# Waits until the main window stays the same for half a second; its picture is "settled".
settle() {
  picture settled
  for _ in $(seq 1 10); do
    sleep 0.5
    picture now
    same settled now && return 0
    mv "$work/now.xwd" "$work/settled.xwd"
  done
  fail "the main window keeps changing at rest"
}

# "x y" of the first pixel, row by row, of window $1 in colour $2 $3 $4 (red,
# green, blue), or nothing. Read from the window's dump: a header, a colour map
# of 12-byte entries, then 32-bit pixels in the server's byte order.
find_colour() {
  local dump="$work/find.xwd"
  xwd -silent -id "$1" >"$dump" || return 1
  field() { od -An -j "$1" -N4 -tu4 --endian=big "$dump" | tr -d ' '; }
  local header line order colours
  header=$(field 0) order=$(field 28) line=$(field 48) colours=$(field 76)
  od -An -v -tu1 -w4 -j $((header + colours * 12)) "$dump" |
    awk -v w=$((line / 4)) -v r="$2" -v g="$3" -v b="$4" -v msb="$order" '
      (msb ? $2 == r && $3 == g && $4 == b : $3 == r && $2 == g && $1 == b) { print (NR - 1) % w, int((NR - 1) / w); exit }'
}

# Clicks window $1 at $2 $3, then parks the pointer off every window again.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
  park_pointer
}

# The pointer off every window: no key reaches a window for being under it, and
# no tooltip comes up over one.
park_pointer() { xdotool mousemove 1279 1023; }

# True once the main window differs from picture $1, within 3 seconds.
changes_from() {
  for _ in $(seq 1 15); do
    picture now
    same "$1" now || return 0
    sleep 0.2
  done
  return 1
}

# --- Steps of the road, one function each, so a step can be put in front of another.

step_open_program() {
  park_pointer
  unset QT_QPA_PLATFORM
  # Started from an empty folder: the pictures must be found beside the program.
  (cd "$work" && exec "$program") >"$log" 2>&1 &
  pid=$!
}

# The start window comes first; Tab, Tab, Enter on it makes the Basque choice.
step_choose_basque() {
  wait_shown 'Aurkezpena.*' 10
  sleep 0.5
  keys Tab Tab Return
}

# A click on the Basque flag, found by its red, makes the choice.
step_click_basque() {
  wait_shown 'Aurkezpena.*' 10
  sleep 0.5
  local start flag
  start="$(shown 'Aurkezpena.*')"
  flag="$(find_colour "$start" 213 43 30)"
  [ -n "$flag" ] || fail "no Basque flag on the start window"
  click_at "$start" $flag
}

# The main window is shown; its id is kept for reading its pixels.
step_main_window() {
  wait_shown '.*\[RIRIv4\]' 10
  main="$(shown '.*\[RIRIv4\]')"
  sleep 0.5
}

# F8, then A = 7 and B = 1 typed with no click. A stray "x" typed on the accept
# button is ignored; were the focus one stop behind, it would land in B and be
# refused, and a lost focus would leave the dialog up.
step_load_by_typing() {
  keys F8
  wait_shown "Programa kargatu"
  keys 7 Tab 1 Tab x Return
  [ -z "$(shown 'OHARRA!')" ] || fail "the typed operands did not land in A and B: a warning is shown"
  wait_gone "Programa kargatu"
}

# F8, an A that is refused, Enter on the warning: the emptied A has the keys again.
step_load_refused_then_typed() {
  keys F8
  wait_shown "Programa kargatu"
  keys x Return
  wait_shown "OHARRA!"
  keys Return
  wait_gone "OHARRA!"
  keys 7 Tab 1 Tab x Return
  [ -z "$(shown 'OHARRA!')" ] || fail "after a refused A, the typed operands did not land in A and B"
  wait_gone "Programa kargatu"
}

# A click on the memory block opens its zoom with the keys in the address entry;
# a refused address, Enter on the warning, then a typed address is reached: its
# row (the fourth, at 0003H) is the one whose address cell is green.
step_memory_zoom_refused_then_typed() {
  # Inside the memory block, below its CS, OE and WR boxes (at rest they are
  # disabled and take no click). The diagram is placed in twips and fills the
  # main window, whose size is fixed, so the place does not move.
  click_at "$main" 896 370
  wait_shown "MN_Zoom"
  local zoom asked
  zoom="$(shown MN_Zoom)"
  sleep 0.5
  keys G Return
  wait_shown "OHARRA!"
  keys Return
  wait_gone "OHARRA!"
  keys 0 0 0 3 Return
  asked="$(find_colour "$zoom" 0 255 0)"
  # Rows are 25 pixels apart from 40 down, so the fourth row's cell starts at 115.
  [ -n "$asked" ] && [ "${asked#* }" -ge 115 ] && [ "${asked#* }" -lt 140 ] ||
    fail "after a refused address, the typed address 0003 was not reached (asked cell at: ${asked:-none})"
  keys Escape
  wait_gone "MN_Zoom"
}

# F8, then Escape unloads the dialog as its close box does.
step_load_and_close() {
  keys F8
  wait_shown "Programa kargatu"
  keys Escape
  wait_gone "Programa kargatu"
}

# F5: the splash comes and goes by itself; the main window must get the keys back.
step_start() {
  keys F5
  wait_shown "Sistema Hasieratzen..."
  wait_gone "Sistema Hasieratzen..." 10
}

# '+' at rest: nothing else moves, so a change on the main window is the new level.
step_faster() {
  settle
  keys plus
  changes_from settled || fail "'+' did not reach the main window"
}

# F2: the clock turns and the buses fill, so the main window keeps changing.
step_run() {
  keys F2
  for _ in 1 2 3; do
    picture running
    changes_from running || fail "the run is not under way after F2"
  done
}

# F7 ends the run; loading is available again.
step_finish() { keys F7; }

step_end_program() {
  kill -0 "$pid" 2>/dev/null || fail "the program ended on its own"
  ! grep -q "ririv4: picture" "$log" || fail "pictures were missing"
  kill "$pid"
  wait "$pid" 2>/dev/null
  rm -rf "$work"
}

step_open_program
case "$road" in
keys)
  # Every opening of the load dialog (the first, after an acceptance, after the
  # close box) takes typing at once.
  step_choose_basque
  step_main_window
  step_load_by_typing
  step_start
  step_faster
  step_run
  step_finish
  step_load_and_close
  step_load_refused_then_typed
  step_end_program
  echo "the keyboard road ran without a click: load, start, faster, run, finish, load again"
  ;;
mouse)
  step_click_basque
  step_main_window
  step_load_refused_then_typed
  step_memory_zoom_refused_then_typed
  step_start
  step_end_program
  echo "after a click and a warning, typing reached the window that raised it: load dialog, memory zoom; then F5 the main window"
  ;;
*) fail "no road \"$road\"" ;;
esac
