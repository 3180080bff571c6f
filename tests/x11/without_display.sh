#!/usr/bin/env bash
# Started where there is no graphical display, the game says so in one line
# of Bulgarian and English on standard error and ends with status 1: no
# abort, no core dump. A platform chosen explicitly still starts.
#   without_display.sh PROGRAM
set -uo pipefail

program="$1"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# refused WHAT ENV-ARGUMENTS...: prints what the program said on standard error
refused() {
  local what="$1" said status
  shift
  said="$(env "$@" "$program" 2>&1 >/dev/null)"
  status=$?
  echo "$what: status $status" >&2
  echo "$said" >&2
  [ "$status" -eq 1 ] || fail "$what: status $status, not 1"
  local last
  last="$(tail -n 1 <<<"$said")"
  grep -q 'не е намерен графичен дисплей' <<<"$last" || fail "$what: no Bulgarian message"
  grep -q 'no graphical display was found' <<<"$last" || fail "$what: no English message"
  echo "$said"
}

said="$(refused "no display named" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)" || exit 1
[ "$(wc -l <<<"$said")" -eq 1 ] || fail "more than one line without a display"
refused "a display that is gone" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4093 >/dev/null ||
  exit 1

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 3 "$program"
status=$?
[ "$status" -eq 124 ] || fail "with QT_QPA_PLATFORM=offscreen the game did not keep running: $status"
echo "PASS"
