# Sourced by the smoke tests on a virtual X display: the start window's Basque
# choice made by keyboard alone. Needs xdotool, and $pid naming the running
# simulator.

# The first shown window whose name matches $1, or nothing.
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

# Waits up to ten seconds for a shown window whose name matches $1; false when
# none came or the simulator ended.
await_window() {
  for _ in $(seq 1 100); do
    [ -n "$(shown "$1")" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Tab, Tab, Enter on the start window (the focus starts on the Basque choice and
# Tab goes round the two); true when the Basque main window shows.
choose_basque_by_keyboard() {
  await_window "Aurkezpena" || return 1
  sleep 0.5
  xdotool key Tab Tab Return
  await_window "P.U.aren simuladorea \[RIRIv4\]"
}
