#!/usr/bin/env bash
# Checks the Debian package against the project's own install: it holds what
# `cmake --install` puts in place, with the program in /usr/games and
# Debian's own additions (the copyright file, the compressed changelog and
# manual pages); it depends on the Qt runtime, its platform plugins, the
# fonts and Qt's translations; its menu entry validates and its icons are in
# place; the debug symbols are in a package of their own; and the program
# unpacked from it starts on an X server and closes cleanly.
#   package_test.sh BUILD_DIR PACKAGE_DIR START_AND_CLOSE CLOSE_WINDOW_HELPER
set -euo pipefail

build_dir="$1"
package_dir="$2"
start_and_close="$3"
closer="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

deb="$(find "$package_dir" -maxdepth 1 -name 'dilemata_*.deb' | head -n 1)"
[ -n "$deb" ] || fail "no package in $package_dir"

# The install, laid out as Debian lays out a game, against the package.
DESTDIR="$work/installed" cmake --install "$build_dir" --prefix /usr >/dev/null
(cd "$work/installed" && find . ! -type d | sed 's|^\./usr/bin/|./usr/games/|' | sort) \
  >"$work/installed.list"
files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }')"
grep -v -E '^\./usr/share/doc/dilemata/(copyright|changelog\.gz)$' <<<"$files" |
  sed -E 's|^(\./usr/share/man/.*)\.gz$|\1|' | sort >"$work/package.list"
diff -u "$work/installed.list" "$work/package.list" || fail "the package holds other files than the install"
grep -q -x '\./usr/share/doc/dilemata/copyright' <<<"$files" || fail "no copyright file"
echo "package files:"
sed 's/^/  /' <<<"$files"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
  'fonts-liberation (>= 1:2) | fonts-liberation2'; do
  grep -q -F "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
find "$package_dir" -maxdepth 1 -name 'dilemata-dbgsym_*.deb' | grep -q . ||
  fail "no package of debug symbols"

dpkg-deb -x "$deb" "$work/unpacked"
share="$work/unpacked/usr/share"
desktop-file-validate "$share/applications/bg.dilemata.Dilemata.desktop" ||
  fail "the menu entry does not validate"
for size in 32 64 128 256; do
  [ -s "$share/icons/hicolor/${size}x${size}/apps/bg.dilemata.Dilemata.png" ] ||
    fail "no ${size}x${size} icon"
done
"$start_and_close" "$work/unpacked/usr/games/dilemata" "$closer" ||
  fail "the unpacked program did not run"
echo "PASS"
