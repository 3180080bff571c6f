#!/usr/bin/env bash
# What a blind player's screen reader receives on Windows. Once a screen
# reader has asked the game's window for UI Automation (uia_client does, as
# UI Automation does for one), each press of "Банкер", by mouse, Space or
# Enter, raises one UI Automation notification with the round's result and
# both totals. The notifications are read where Windows' UI Automation core
# receives them: the spy, a uiautomationcore.dll beside the game, writes
# each one down and hands every other call on to Wine's own.
#   announcements.sh PREFIX PROGRAM UIA_CLIENT UIA_SPY
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
prefix="$1" program="$2" client="$3" spy="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/wine-prefix.sh"
source "$here/game_window.sh"
work="$(mktemp -d)"
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cp "$program" "$work/dilemata.exe"
cp "$spy" "$work/uiautomationcore.dll"
export WINEDLLOVERRIDES="uiautomationcore=n,b"
WINDOWS_UIA_SPY_LOG="$(windows_path "$work/heard.txt")" \
  "$here/wine_run.sh" "$prefix" "$work/dilemata.exe" &
game=$!
window="$(game_window)" || fail "the game showed no window"
"$here/wine_run.sh" "$prefix" "$client" || fail "the game did not answer UI Automation"

click_banker "$window"
keys "$window" space
keys "$window" Return
sleep 1
heard="$(cat "$work/heard.txt" 2>/dev/null || true)"
keys "$window" alt+F4
wait "$game" || fail "the game ended with status $?"

# Kind 4 is "other", processing 2 "all": each notification is spoken.
expected="4 2 Компютърът отказва, играчът отказва.\\nКомпютър: 990, играч: 990\\n
4 2 Компютърът отказва, играчът отказва.\\nКомпютър: 980, играч: 980\\n
4 2 Компютърът отказва, играчът отказва.\\nКомпютър: 970, играч: 970\\n"
printf 'UI Automation notifications after a click, Space and Enter:\n%s\n' "$heard"
[ "$heard" = "$expected" ] || fail "expected:"$'\n'"$expected"
echo PASS
