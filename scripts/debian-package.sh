#!/usr/bin/env bash
# Builds and checks the Debian package for one of Debian's architectures
# natively, in brand-new Debian roots of that architecture and release: for
# Raspberry Pi OS, arm64 (its 64-bit system) and armhf (its 32-bit one), run
# on this machine through qemu-user-static; amd64 runs as it is.
#
# The build root: the source tree as a clone holds it, the package built
# from debian/ with `dpkg-buildpackage -b -us -uc` as an ordinary user, the
# unit tests run by dh_auto_test as part of it; lintian on the package (no
# error, no warning; lintian_clean.sh says what it accepts); and the window
# suite (ctest's label gui, offscreen), built in debhelper's own build folder
# with the package's compiler flags. The player's root: a second brand-new
# root installs the package with apt-get, and the game is checked there as a
# player meets it (scripts/lib/player-root.sh).
#
# The packages go to dist/debian/RELEASE/ of the checkout, the logs to
# dist/debian/logs/ARCH-RELEASE/. Prints each step's wall time. Needs root
# and the Debian mirror; under emulation it takes a long while.
#
#   scripts/debian-package.sh arm64|armhf|amd64 12|13
#
# DEBIAN_PACKAGE_DIR: where the roots are made (default /var/tmp); KEEP_ROOT=1
# keeps them afterwards. Every mount it makes is undone, whatever happens.
set -euo pipefail

usage() {
  echo "usage: $0 arm64|armhf|amd64 12|13" >&2
  exit 2
}

arch="${1:-}"
case "${2:-}" in
  12 | bookworm) release=bookworm ;;
  13 | trixie) release=trixie ;;
  *) usage ;;
esac
case "$arch" in
  arm64 | armhf | amd64) ;;
  *) usage ;;
esac

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dist="$repo/dist/debian/$release"
logs="$repo/dist/debian/logs/$arch-$release"
source "$repo/scripts/lib/debian-root.sh"
source "$repo/scripts/lib/player-root.sh"
source "$repo/scripts/lib/source-tree.sh"
roots_need_root

# What the build root needs besides debian/control's Build-Depends: lintian
# and AppStream for the package's check, and what the window suite needs:
# Xlib's headers (the suite's CMake builds the X11 helper beside it), the
# session bus, the fonts and Qt's Bulgarian texts that the window uses.
build_extras=(build-essential lintian appstream libx11-dev dbus-daemon fonts-liberation2
  qt6-translations-l10n)

begin=$(date +%s)
timings=()
step=""
deb=""

# timed TITLE COMMAND...: runs the command with its output in TITLE's log,
# and prints its wall time. A failing command ends the script (set -e), and
# the script's end then shows that log's last lines.
timed() {
  local title="$1" start
  shift
  echo "== $title"
  start=$(date +%s)
  step="$title"
  "$@" >"$logs/$title.log" 2>&1
  step=""
  timings+=("$(printf '%-20s %5d s' "$title" $(($(date +%s) - start)))")
  echo "   $(($(date +%s) - start)) s"
}

# At the script's end, before the roots go (called by roots_cleanup): the
# logs that the roots' folder holds, and the failed step's log.
roots_on_exit() {
  local status="$1"
  cp "$roots_work"/*.log "$roots_work"/*.xwd "$logs/" 2>/dev/null
  if [ "$status" -ne 0 ] && [ -n "$step" ]; then
    tail -n 40 "$logs/$step.log"
    echo "== Debian $release, $arch: FAIL in $step, exit status $status," \
      "after $(($(date +%s) - begin)) s; logs in $logs"
  fi
}

as_builder() {
  as_user build builder "$1"
}

build_root() {
  make_root build "$release" "$arch"
  add_user build builder
  copy_source_tree "$repo" "$roots_work/build/home/builder/dilemata"
  in_root build chown -R builder:builder /home/builder/dilemata
}

build_dependencies() {
  in_root build sh -c "cd /home/builder/dilemata &&
    apt-get build-dep -y -q --no-install-recommends ./ &&
    apt-get install -y -q --no-install-recommends ${build_extras[*]}"
}

package() {
  as_builder "cd dilemata && dpkg-buildpackage -b -us -uc"
}

lintian_check() {
  as_builder "dilemata/tests/package/lintian_clean.sh ."
}

# The window suite, in the build folder that dh_auto_configure made: its
# objects are the package's, so only the tests themselves are compiled.
window_suite() {
  as_builder "cd dilemata && build=\$(ls -d obj-*) &&
    cmake -S . -B \$build -DDILEMATA_DESKTOP_TESTS=ON >/dev/null &&
    cmake --build \$build -j2 --target ui_tests scaled_window_tests close_window &&
    ctest --test-dir \$build -L gui -j2 --output-on-failure"
}

# The packages, from the build root to dist/.
collect() {
  local home="$roots_work/build/home/builder"
  mkdir -p "$dist"
  cp "$home"/*.deb "$home"/*.buildinfo "$home"/*.changes "$dist/"
  cp "$home"/dilemata/obj-*/tests/close_window "$roots_work/close_window"
  ls -l "$dist"/*_"$arch".deb
}

summary() {
  echo "== Debian $release, $arch: PASS"
  printf '   %s\n' "${timings[@]}"
  printf '   %-20s %5d s\n' "in all" $(($(date +%s) - begin))
  echo "   $(basename "$deb"): $(stat -c %s "$deb") bytes"
  echo "   Architecture: $(dpkg-deb -f "$deb" Architecture)"
  echo "   Depends: $(dpkg-deb -f "$deb" Depends)"
}

main() {
  rm -rf "$logs"
  mkdir -p "$logs"
  roots_start "$(mktemp -d "${DEBIAN_PACKAGE_DIR:-/var/tmp}/debian-package-$arch-$release.XXXXXX")"
  [ "$arch" != armhf ] || roots_in_memory 12G
  echo "== Debian $release for $arch, in $roots_work; logs in $logs"
  timed build-root build_root
  timed build-dependencies build_dependencies
  timed dpkg-buildpackage package
  grep -E 'tests passed|tests failed' "$logs/dpkg-buildpackage.log" | sed 's/^/   dh_auto_test: /' ||
    true
  timed lintian lintian_check
  grep -E '^(PASS|FAIL|[EWIPX]: )' "$logs/lintian.log" | sed 's/^/   /' || true
  timed window-suite window_suite
  grep -E 'tests passed|tests failed' "$logs/window-suite.log" | sed 's/^/   /' || true
  timed collect collect
  deb="$dist/$(basename "$(ls "$roots_work"/build/home/builder/dilemata_*_"$arch".deb)")"
  timed player-root player_root "$release" "$arch" "$deb" "$roots_work/close_window"
  grep -E '^(   |CHECK|FAIL)' "$logs/player-root.log" | grep -v '^CHECK installed' || true
  summary
}

main
