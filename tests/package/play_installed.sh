#!/usr/bin/env bash
# What a player has after installing the Debian package with apt-get, checked
# as the player inside the player's root: the package's files, the menu
# entry and the icons, and the game started as the menu starts it on a fresh
# X server: its window fixed at 461 x 345, one round played from the
# keyboard (Tab to "Банкер", then Space) that changes what the window shows,
# and the window closed as a window manager's close box closes it, after
# which the program must end with status 0. Needs xvfb, xauth, xdotool,
# x11-apps (xwd) and desktop-file-utils besides the package.
#   play_installed.sh CLOSE_WINDOW_HELPER [SCREENSHOT]
# SCREENSHOT, when given, receives the window after the round, as xwd writes it.
set -euo pipefail

caption="Философия - логика, дилемата"
entry=/usr/share/applications/bg.dilemata.Dilemata.desktop

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

installed_files() {
  local file
  for file in $(dpkg -L dilemata); do
    if [ -f "$file" ]; then echo "CHECK installed $file"; fi
  done
}

menu_and_icons() {
  local size
  desktop-file-validate "$entry" || fail "the menu entry does not validate"
  echo "CHECK menu entry valid:" $(grep -E '^(Name|Exec|Categories)=' "$entry")
  for size in 32 64 128 256; do
    test -s "/usr/share/icons/hicolor/${size}x${size}/apps/bg.dilemata.Dilemata.png" ||
      fail "no ${size}x${size} icon"
  done
  echo "CHECK icons in place: 32, 64, 128 and 256 pixels"
  echo "CHECK the menu's command: $(command -v "$(sed -n 's/^Exec=//p' "$entry")")"
}

# settled WINDOW FILE: the window's picture once two in a row, half a second
# apart, are the same (a slow machine may still be painting).
settled() {
  local window="$1" file="$2" tries
  xwd -silent -id "$window" >"$file"
  for tries in $(seq 60); do
    sleep 0.5
    xwd -silent -id "$window" >"$file.next"
    if cmp -s "$file" "$file.next"; then
      rm -f "$file.next"
      return 0
    fi
    mv "$file.next" "$file"
  done
  fail "the window kept changing for $tries tries"
}

# On the X server: start the game from the menu's command, play a round from
# the keyboard, close it and pass on its exit status.
play_and_close() {
  local closer="$1" screenshot="$2" shots window pid status=0
  shots="$(mktemp -d)"
  "$(sed -n 's/^Exec=//p' "$entry")" &
  pid=$!
  # Found by its class, which Qt names after the program: in a bare root,
  # xdotool's search by name did not find the caption. close_window checks
  # the caption below.
  window="$(timeout 120 xdotool search --sync --onlyvisible --class dilemata | head -n 1)" ||
    fail "no window of the game"
  xdotool windowfocus --sync "$window"
  xdotool key Tab
  settled "$window" "$shots/before"
  xdotool key space
  settled "$window" "$shots/after"
  cmp -s "$shots/before" "$shots/after" && fail "Space on Банкер changed nothing in the window"
  echo "CHECK a round played from the keyboard: the window changed"
  [ -z "$screenshot" ] || cp "$shots/after" "$screenshot"
  "$closer" "$caption" 461 345 60 || fail "the window was not closed at 461 x 345"
  wait "$pid" || status=$?
  echo "CHECK the program ended with status $status"
  return "$status"
}

if [ "${1:-}" = --on-x ]; then
  play_and_close "$2" "${3:-}"
  exit
fi
installed_files
menu_and_icons
xvfb-run -a -s '-screen 0 800x600x24 -nolisten tcp' "$0" --on-x "$1" "${2:-}"
