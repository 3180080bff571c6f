#!/usr/bin/env bash
# Starts and stops the private D-Bus session bus that the suite's desktop
# tests share, as the programs of one login share theirs, with a runtime
# folder of its own (XDG_RUNTIME_DIR).
#   session_bus.sh start|stop DIR
# The bus listens on DIR/bus; DIR/runtime is the runtime folder.
set -euo pipefail

action="$1"
dir="$2"
pid_file="$dir/pid"

stop() {
  if [ -s "$pid_file" ]; then
    kill "$(cat "$pid_file")" 2>/dev/null || true
    rm -f "$pid_file"
  fi
}

case "$action" in
  start)
    stop  # a bus left behind by an interrupted run
    mkdir -p "$dir/runtime"
    chmod 700 "$dir/runtime"
    rm -f "$dir/bus"
    # A socket path has room for 107 bytes.
    if [ "${#dir}" -gt 100 ]; then
      echo "the build folder's path is too long for a session bus socket: $dir" >&2
      exit 1
    fi
    dbus-daemon --session --fork --address="unix:path=$dir/bus" --print-pid=3 3>"$pid_file"
    echo "session bus unix:path=$dir/bus, pid $(cat "$pid_file")"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
