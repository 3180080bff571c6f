#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks it: its
# files are what the install puts in place, its dependencies name the Qt
# runtime and the fonts, its desktop entry validates, and the
# program unpacked from it starts on an X server and closes cleanly.
#   package_test.sh BUILD_DIR START_AND_CLOSE CLOSE_WINDOW_HELPER
set -euo pipefail

build_dir="$1"
start_and_close="$2"
closer="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$work/installed" cmake --install "$build_dir" --prefix /usr >/dev/null
(cd "$work/installed" && find . ! -type d | sort) >"$work/installed.list"

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null
deb="$(find "$work/package" -maxdepth 1 -name '*.deb' | head -n 1)"
[ -n "$deb" ] || fail "cpack made no .deb"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/package.list"
diff -u "$work/installed.list" "$work/package.list" || fail "the package holds other files than the install"
echo "package files:"
sed 's/^/  /' "$work/package.list"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins fonts-liberation2; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"

desktop="$work/installed/usr/share/applications/bg.dilemata.Dilemata.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "the entry is not a logic game"
grep -qx 'Name=Дилемата на затворника' "$desktop" || fail "the entry has another name"
[ -s "$work/installed/usr/share/icons/hicolor/32x32/apps/bg.dilemata.Dilemata.png" ] || fail "no icon"

dpkg-deb -x "$deb" "$work/unpacked"
"$start_and_close" "$work/unpacked/usr/bin/dilemata" "$closer" || fail "the unpacked program did not run"
echo "PASS"
