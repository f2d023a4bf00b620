#!/usr/bin/env bash
# Starts the real program on a virtual X display, waits until its window is
# mapped, checks that it is still running, and ends it.
set -u
program="$1"
if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "xvfb-run and xwininfo are needed (scripts/install-deps installs them)" >&2
  exit 1
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  program="$1"
  unset QT_QPA_PLATFORM
  "$program" >smoke-output.log 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q -E "RIRIv4|Aurkezpena"; then
      sleep 1
      if ! kill -0 "$pid" 2>/dev/null; then
        echo "the simulator ended on its own after showing its window" >&2
        cat smoke-output.log >&2
        exit 1
      fi
      xwininfo -root -tree | grep -E "RIRIv4|Aurkezpena" | head -3
      kill "$pid"
      wait "$pid" 2>/dev/null
      echo "simulator window appeared and the program was ended"
      exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the simulator ended before showing a window" >&2
      cat smoke-output.log >&2
      exit 1
    fi
    sleep 0.1
  done
  echo "no simulator window within 10 seconds" >&2
  kill "$pid" 2>/dev/null
  exit 1
' smoke "$program"
