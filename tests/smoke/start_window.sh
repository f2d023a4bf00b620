#!/usr/bin/env bash
# The real program on a virtual X display: its first window is the start
# window, and choosing Basque by keyboard alone shows the main window in Basque
# and hides the start window.
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is needed (scripts/install-deps installs it)" >&2
    exit 1
  fi
done
# -noreset: a server resetting after its last client left refuses the program.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  program="$1"
  source "$2/choose_basque.sh"
  unset QT_QPA_PLATFORM
  "$program" >start-window-output.log 2>&1 &
  pid=$!
  fail() {
    echo "$1" >&2
    cat start-window-output.log >&2
    kill "$pid" 2>/dev/null
    exit 1
  }

  await_window "Aurkezpena|RIRIv4" || fail "no simulator window within 10 seconds"
  [ -n "$(shown "Aurkezpena")" ] || fail "the first window is not the start window"
  [ -z "$(shown "RIRIv4")" ] || fail "the main window is shown before a choice"
  choose_basque_by_keyboard || fail "choosing Basque by keyboard did not show the Basque main window"
  [ -z "$(shown "Aurkezpena")" ] || fail "the start window is still shown after the choice"
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || fail "the simulator ended after showing its main window"
  kill "$pid"
  wait "$pid" 2>/dev/null
  echo "start window first; Basque chosen by keyboard; main window shown"
' start_window "$program" "$here"
