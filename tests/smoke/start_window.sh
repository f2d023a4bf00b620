#!/usr/bin/env bash
# The real program on a virtual X display: its first window is the start
# window, and choosing Basque by keyboard alone (Tab, Tab, Enter) shows the main
# window in Basque and hides the start window.
set -u
program="$1"
for tool in xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is needed (scripts/install-deps installs it)" >&2
    exit 1
  fi
done
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  program="$1"
  unset QT_QPA_PLATFORM
  "$program" >start-window-output.log 2>&1 &
  pid=$!
  fail() {
    echo "$1" >&2
    cat start-window-output.log >&2
    kill "$pid" 2>/dev/null
    exit 1
  }
  shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
  # Waits up to ten seconds for a shown window whose name matches $1.
  await() {
    for _ in $(seq 1 100); do
      [ -n "$(shown "$1")" ] && return 0
      kill -0 "$pid" 2>/dev/null || fail "the simulator ended while waiting for \"$1\""
      sleep 0.1
    done
    return 1
  }

  await "Aurkezpena|RIRIv4" || fail "no simulator window within 10 seconds"
  [ -n "$(shown "Aurkezpena")" ] || fail "the first window is not the start window"
  [ -z "$(shown "RIRIv4")" ] || fail "the main window is shown before a choice"
  sleep 0.5

  xdotool key Tab Tab Return
  await "P.U.aren simuladorea \\[RIRIv4\\]" || fail "choosing Basque by keyboard did not show the Basque main window"
  [ -z "$(shown "Aurkezpena")" ] || fail "the start window is still shown after the choice"
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || fail "the simulator ended after showing its main window"
  kill "$pid"
  wait "$pid" 2>/dev/null
  echo "start window first; Basque chosen by keyboard; main window shown"
' start_window "$program"
