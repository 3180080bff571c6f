#!/usr/bin/env bash
# What a newcomer and a player meet, on brand-new minimal Debian roots made
# with debootstrap from the Debian mirror this machine's apt sources name.
#
# The newcomer's root: the committed tree is cloned in, and an ordinary user
# runs the README's commands: first without root or sudo (the dependency
# step must say what to run and stop), then with sudo: the test command, the
# same suite under the sanitizers, the play command on Xvfb, and the Debian
# package's commands. The player's root: a second brand-new root installs
# that package with apt-get, and the files, the menu entry, the icons and the
# program itself are checked there as a player meets them: a round played
# from the keyboard, and the window closed (scripts/lib/player-root.sh).
#
# With "windows", the newcomer instead runs the README's Windows command
# twice, with sudo: the first build, Qt for Windows included, and a rebuild.
#
# Prints each step's summary and wall time. A developer's tool: it takes
# minutes (the first Windows build about an hour), needs root and the
# mirror, and is not part of CI.
#
#   scripts/fresh-check.sh bookworm|trixie [windows]
#
# FRESH_CHECK_DIR: where the roots are made (default /var/tmp); KEEP_ROOT=1
# keeps them afterwards. Every mount it makes is undone, whatever happens.
set -euo pipefail

release="${1:-}"
checks="${2:-linux}"
case "$release $checks" in
  "bookworm linux" | "trixie linux" | "bookworm windows" | "trixie windows") ;;
  *)
    echo "usage: $0 bookworm|trixie [windows]" >&2
    exit 2
    ;;
esac
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
caption="Философия - логика, дилемата"
source "$repo/scripts/lib/debian-root.sh"
source "$repo/scripts/lib/player-root.sh"
roots_need_root
roots_start "$(mktemp -d "${FRESH_CHECK_DIR:-/var/tmp}/fresh-check-$release.XXXXXX")"
work="$roots_work"
begin=$(date +%s)

step() {  # step TITLE ROOT USER COMMAND: prints the command's end and its time
  local title="$1" start status
  echo "== $title: $4"
  start=$(date +%s)
  as_user "$2" "$3" "$4" >"$work/$title.log" 2>&1 && status=0 || status=$?
  grep -E 'tests passed|tests failed|The following tests FAILED|^[[:space:]]+[0-9]+ - |^CHECK|^== (in|time)|bytes$' \
    "$work/$title.log" || tail -n 5 "$work/$title.log"
  echo "   exit status $status, wall time $(($(date +%s) - start)) s"
  return "$status"
}

# The newcomer: an account, the committed tree, and no sudo at first.
make_root newcomer "$release"
add_user newcomer newcomer
git clone --quiet --no-hardlinks "$repo" "$work/newcomer/home/newcomer/dilemata"
in_root newcomer chown -R newcomer:newcomer /home/newcomer/dilemata
echo "== cloned $(git -C "$repo" rev-parse --short HEAD) into /home/newcomer/dilemata"

if step without-sudo newcomer newcomer "cd dilemata && ./scripts/test.sh"; then
  echo "FAIL: without root or sudo the test command should stop at the dependencies" >&2
  exit 1
fi
in_root newcomer apt-get install -y -qq sudo >/dev/null 2>&1
echo "newcomer ALL=(ALL) NOPASSWD: ALL" >"$work/newcomer/etc/sudoers.d/newcomer"
chmod 440 "$work/newcomer/etc/sudoers.d/newcomer"

if [ "$checks" = windows ]; then
  failed=0
  step windows-first newcomer newcomer "cd dilemata && ./scripts/windows.sh" || failed=1
  step windows-rebuild newcomer newcomer "cd dilemata && ./scripts/windows.sh" || failed=1
  echo "== $release, Windows: $([ "$failed" = 0 ] && echo PASS || echo FAIL)," \
    "$(($(date +%s) - begin)) s in all"
  exit "$failed"
fi

failed=0
step test newcomer newcomer "cd dilemata && ./scripts/test.sh" || failed=1
step sanitize newcomer newcomer "cd dilemata && ./scripts/test.sh sanitize" || failed=1
step play newcomer newcomer "cd dilemata && xvfb-run -a -s '-screen 0 800x600x24 -nolisten tcp' \
  bash -c './scripts/play.sh & pid=\$!; build/tests/close_window \"$caption\" 461 345 120 && wait \$pid'" ||
  failed=1
step package newcomer newcomer "cd dilemata && git clone -q . ../dilemata-package && \
  cd ../dilemata-package && dpkg-buildpackage -b -us -uc >../package.log 2>&1; status=\$?; \
  ls -l ../*.deb; exit \$status" || failed=1

# The player: a second brand-new root, the package and what apt brings.
deb="$(find "$work/newcomer/home/newcomer" -maxdepth 1 -name 'dilemata_*.deb' | head -n 1)"
if [ -z "$deb" ]; then
  echo "== $release: FAIL, no package was built"
  exit 1
fi
echo "== $release: the newcomer's steps $([ "$failed" = 0 ] && echo PASS || echo FAIL)"
player_root "$release" "$(dpkg --print-architecture)" "$deb" \
  "$work/newcomer/home/newcomer/dilemata/build/tests/close_window"

echo "== $release: $([ "$failed" = 0 ] && echo PASS || echo FAIL), $(($(date +%s) - begin)) s in all"
exit "$failed"
