# Plays the game in its window under Wine on an X server, as a player does:
# xdotool moves the mouse and presses keys, and the report box is read
# through the clipboard, which Wine shares with X. Sourced by the Windows
# tests.

caption='Философия - логика, дилемата'
# xdotool matches the Cyrillic caption only in a UTF-8 locale, which a bare
# login does not have.
export LC_ALL=C.UTF-8

# game_window: the game window's X id, once it shows (up to a minute) and
# is ready: Wine maps the window a moment before the game answers clicks.
game_window() {
  local window
  window="$(timeout 60 xdotool search --sync --name "^$caption\$" | head -n 1)"
  [ -n "$window" ] || return 1
  sleep 3
  echo "$window"
}

# click WINDOW X Y: a left click at the point of the window's client area.
click() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  sleep 0.5
}

# click_banker WINDOW: a mouse click in the middle of "Банкер".
click_banker() {
  click "$1" 236 156
}

# keys WINDOW KEY...: key presses, with the window given the keyboard first.
keys() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window"
  xdotool key --delay 200 "$@"
  sleep 0.5
}

# report WINDOW: the report box's text, selected and copied as a player
# would, with Windows' line breaks made Linux ones. The box keeps the focus.
report() {
  click "$1" 200 270
  keys "$1" ctrl+a ctrl+c
  xclip -o -selection clipboard | tr -d '\r'
}

# expect_report WINDOW TEXT: fails when the report box shows anything else.
expect_report() {
  local shown
  shown="$(report "$1")"
  if [ "$shown" != "$2" ]; then
    printf 'FAIL: the report box shows\n%s\ninstead of\n%s\n' "$shown" "$2" >&2
    return 1
  fi
  echo "the report box shows: ${shown//$'\n'/ / }"
}
