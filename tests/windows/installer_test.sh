#!/usr/bin/env bash
# The installer as a school's administrator and a player meet it, in a
# brand-new Wine prefix on an X server of its own:
#  - msiexec /i /qn installs the game for every user: the program and its
#    texts in Program Files, the Start-menu shortcut, the entry in Apps &
#    features with its Bulgarian name, publisher, version and icon. (Wine
#    puts the Start menu of a machine-wide install in the user's profile;
#    Windows puts it in all users'. The package asks for the machine.)
#  - the installed game, started as Windows starts it (none of the Linux
#    session's variables), shows its window and plays rounds by mouse and
#    by keyboard, and ends with status 0 when Alt+F4 closes it;
#  - version 1.0.1 installed over it leaves one entry, of 1.0.1;
#  - msiexec /x /qn takes everything away: no file and no registry key is
#    left that was not there before the install.
#   installer_test.sh MSI RELEASE_FOLDER
# RELEASE_FOLDER holds what the installer was built from; version 1.0.1 is
# built from it too.
set -euo pipefail

if [ "${1:-}" != --on-x ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" --on-x "$@"
fi
shift
msi="$1" release="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/wine-prefix.sh"
source "$here/game_window.sh"
work="$(mktemp -d)"
prefix="$work/prefix"
trap 'WINEPREFIX="$prefix" wineserver --kill 2>/dev/null || true; rm -rf "$work"' EXIT
wine_environment
export WINEPREFIX="$prefix"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
registry() {
  wineserver --wait
  "$here/wine_registry.py" "$prefix" "$@"
}
# What the prefix holds: its files and its registry keys.
snapshot() {
  wineserver --wait
  (cd "$prefix/drive_c" && find . | LC_ALL=C sort) >"$1"
  registry keys >>"$1"
}
uninstall_entries() {
  registry values 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
    grep -F '|DisplayName=Дилемата на затворника' | cut -d'|' -f1 || true
}
installer_products() {
  registry values 'HKLM\Software\Classes\Installer\Products' |
    grep -F '|ProductName=Дилемата на затворника' | cut -d'|' -f1 || true
}
entry_value() {  # entry_value KEY NAME
  registry values "$1" | grep -F "$1|$2=" | head -n 1 | cut -d= -f2-
}

start=$(date +%s)
wine_prefix "$prefix"
echo "a brand-new prefix, $(wine --version), in $(($(date +%s) - start)) s"
snapshot "$work/before"

properties="$(msiinfo export "$msi" Property)"
grep -q -P '^ALLUSERS\t1\r?$' <<<"$properties" || fail "the package is not per machine"
wine msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i ended with status $?"
folder="$prefix/drive_c/Program Files/Dilemata"
for file in dilemata.exe LICENSE.txt THIRD-PARTY-NOTICES.txt; do
  cmp "$release/$file" "$folder/$file" || fail "the install has not the $file built"
done
shortcut="$(find "$prefix/drive_c" -name 'Дилемата на затворника.lnk')"
[ "$(wc -l <<<"$shortcut")" -eq 1 ] && [ -n "$shortcut" ] ||
  fail "no one Start-menu shortcut named Дилемата на затворника: '$shortcut'"
tr -d '\000' <"$shortcut" | grep -a -q 'Dilemata\\dilemata.exe' ||
  fail "the shortcut does not start the installed dilemata.exe"
echo "installed: $(cd "$folder" && ls | tr '\n' ' ')and the shortcut ${shortcut#"$prefix/"}"

entries="$(uninstall_entries)"
[ "$(wc -l <<<"$entries")" -eq 1 ] && [ -n "$entries" ] || fail "Apps & features: '$entries'"
[ "$(entry_value "$entries" Publisher)" = "The Dilemata developers" ] || fail "no publisher"
[ "$(entry_value "$entries" DisplayVersion)" = 1.0.0 ] || fail "not version 1.0.0"
icon="$(entry_value "$(installer_products)" ProductIcon)"
[[ "$icon" == 'C:\windows\Installer\'*'\dilemata.ico' ]] || fail "no icon for Apps & features: '$icon'"
icon="$prefix/drive_c/${icon#C:\\}"
cmp "$release/dilemata.ico" "${icon//\\//}" || fail "the icon kept for Apps & features is not the game's"
echo "Apps & features: Дилемата на затворника, The Dilemata developers, 1.0.0, with its icon"

# The player: the installed game, two rounds in which both defect (one by
# mouse, one by Space), then the computer set to cooperate from the
# keyboard and a round by Enter.
(cd "$work" && "$here/wine_run.sh" "$prefix" 'C:\Program Files\Dilemata\dilemata.exe') &
game=$!
window="$(game_window)" || fail "the installed game showed no window"
echo "the game's window: $(xdotool getwindowgeometry "$window" | grep Geometry | tr -d ' ')"
click_banker "$window"
keys "$window" space
expect_report "$window" $'Компютърът отказва, играчът отказва.\nКомпютър: 980, играч: 980'
keys "$window" Tab Tab Down shift+Tab Return
expect_report "$window" $'Компютърът се кооперира, играчът отказва.\nКомпютър: 880, играч: 1480'
keys "$window" alt+F4
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status after Alt+F4"
echo "Alt+F4 closed the game; it ended with status 0"

# The next version over this one: a major upgrade.
"$here/../../packaging/windows/build_msi.sh" "$release" 1.0.1 "$work/dilemata-1.0.1-x64.msi"
wine msiexec /i "$(windows_path "$work/dilemata-1.0.1-x64.msi")" /qn ||
  fail "msiexec /i of 1.0.1 ended with status $?"
entries="$(uninstall_entries)"
[ "$(wc -l <<<"$entries")" -eq 1 ] || fail "after the upgrade, Apps & features has: $entries"
[ "$(wc -l <<<"$(installer_products)")" -eq 1 ] || fail "after the upgrade, two products"
[ "$(entry_value "$entries" DisplayVersion)" = 1.0.1 ] || fail "the one entry is not of 1.0.1"
echo "1.0.1 over 1.0.0: one entry in Apps & features, of version 1.0.1"

wine msiexec /x "$(windows_path "$work/dilemata-1.0.1-x64.msi")" /qn ||
  fail "msiexec /x ended with status $?"
snapshot "$work/after"
# Windows Installer's own folders and keys, which every Windows has once it
# has installed anything, and Wine's note of the menu entries it would make,
# may stay; nothing beneath them may.
left="$(comm -13 "$work/before" "$work/after" | grep -v -x -F \
  -e './windows/Installer' \
  -e 'HKCU\Software\Wine\FileOpenAssociations' -e 'HKCU\Software\Wine\MenuFiles' \
  -e 'HKLM\Software\Classes\Installer\Features' \
  -e 'HKLM\Software\Classes\Installer\Products' \
  -e 'HKLM\Software\Classes\Installer\UpgradeCodes' \
  -e 'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UpgradeCodes' \
  -e 'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData\S-1-5-18\Components' \
  -e 'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData\S-1-5-18\Products' ||
  true)"
[ -z "$left" ] || fail "uninstalling left behind:"$'\n'"$left"
echo "uninstalled: nothing is left that the install put in place"
echo "PASS in $(($(date +%s) - start)) s"
