#!/usr/bin/env bash
# What a blind player hears: runs Debian's screen reader, Orca, headless with
# the built game (a fresh Xvfb server, a private session bus, Orca's debug
# log standing in for its voice), plays a few keys and prints what Orca
# spoke after each. A developer's check, not part of CI: it installs Orca
# when it is missing, as the other commands install their packages.
#
#   scripts/orca-check.sh
set -euo pipefail

if [ "${1:-}" != --in-session ]; then
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  "$root/scripts/deps.sh" orca
  program="$("$root/scripts/build.sh" release | tail -n 1)/app/dilemata"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime" "$work/home"
  # The session's own chatter goes to a file, shown only when the check fails.
  status=0
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" \
    XDG_RUNTIME_DIR="$work/runtime" WORK="$work" PROGRAM="$program" \
    dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" --in-session \
    2>"$work/session.err" || status=$?
  [ "$status" -eq 0 ] || cat "$work/session.err" >&2
  exit "$status"
fi

# Inside the session: Orca, the game, and the keys.
log="$WORK/orca.log"
busctl --user set-property org.a11y.Bus /org/a11y/bus org.a11y.Status IsEnabled b true
orca --debug-file="$log" >"$WORK/orca.out" 2>&1 &
orca_pid=$!
sleep 5
"$PROGRAM" 2>"$WORK/game.err" &
game_pid=$!
trap 'kill "$game_pid" "$orca_pid" 2>/dev/null || true' EXIT

# Prints, one utterance a line, what Orca spoke, under the title of the key
# that came before it: Orca's log is written late, so it is read as a whole,
# keys and speech in the order Orca handled them.
spoken_after_keys() {
  awk -v titles="$1" '
    BEGIN { count = split(titles, title, "|"); key = 1; print title[1] ":" }
    /vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: / { if (key < count) print title[++key] ":" }
    /SPEECH OUTPUT: / { speaking = 1; text = ""; sub(/.*SPEECH OUTPUT: \047/, "") }
    speaking {
      line = $0
      sub(/^ +/, "", line)
      if (line ~ /\047 ?\{.*\}$/ || line ~ /\047$/) {
        sub(/\047 ?\{.*\}$/, "", line)
        sub(/\047$/, "", line)
        speaking = 0
      }
      text = text (text == "" || line == "" ? "" : " ") line
      if (!speaking) print "    " text
    }' "$log"
}

window="$(xdotool search --sync --name '^Философия - логика, дилемата$' | head -n 1)"
xdotool windowfocus --sync "$window"
sleep 3
for key in Tab space space Return Tab Right; do
  xdotool key "$key"
  sleep 2
done
kill "$game_pid" "$orca_pid"
wait "$orca_pid" 2>/dev/null || true
spoken_after_keys "start|Tab to Банкер|Space|Space again|Enter|Tab into the computer's frame|Right"
qt="$(dpkg-query -W -f='${db:Status-Abbrev}${Package} ${Version}\n' 'libqt6core6*' | awk '/^ii/ { print $2, $3 }')"
echo "($(orca --version 2>/dev/null | head -n 1); $qt)"
