#!/usr/bin/env bash
# Starts the game on a fresh Xvfb server, waits for its window, closes it as
# a window manager would, and passes when the program then ends with exit
# status 0.
#   start_and_close.sh PROGRAM CLOSE_WINDOW_HELPER
set -euo pipefail

program="$1"
closer="$2"
caption="Философия - логика, дилемата"

unset QT_QPA_PLATFORM  # the real X path
exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" bash -c '
  "$1" &
  pid=$!
  if ! "$2" "$3" 461 345 30; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" || true
    exit 1
  fi
  status=0
  wait "$pid" || status=$?
  echo "program ended with status $status"
  exit "$status"
' start_and_close "$program" "$closer" "$caption"
