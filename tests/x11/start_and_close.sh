#!/usr/bin/env bash
# Starts the game on a fresh Xvfb server, waits for its window, closes it as
# a window manager would, and passes when the program then ends with exit
# status 0.
#   start_and_close.sh PROGRAM CLOSE_WINDOW_HELPER
set -euo pipefail

exec "$(dirname "${BASH_SOURCE[0]}")/on_x.sh" bash -c '
  "$1" &
  pid=$!
  if ! "$2" "Философия - логика, дилемата" 461 345 30; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" || true
    exit 1
  fi
  status=0
  wait "$pid" || status=$?
  echo "program ended with status $status"
  exit "$status"
' start_and_close "$1" "$2"
