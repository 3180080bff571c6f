#!/usr/bin/env bash
# What a newcomer and a player meet, on brand-new minimal Debian roots made
# with debootstrap from the Debian mirror this machine's apt sources name.
#
# The newcomer's root: the committed tree is cloned in, and an ordinary user
# runs the README's commands: first without root or sudo (the dependency
# step must say what to run and stop), then with sudo: the test command, the
# same suite under the sanitizers, the play command on Xvfb, and the Debian
# package's commands. The player's root: a second brand-new root installs
# that package with apt-get, and the menu entry, the icons, the manual pages
# and the program itself are checked there, as a player starts it.
#
# Prints each step's summary and wall time. A developer's tool: it takes
# minutes, needs root and the mirror, and is not part of CI.
#
#   scripts/fresh-check.sh bookworm|trixie
#
# FRESH_CHECK_DIR: where the roots are made (default /var/tmp); KEEP_ROOT=1
# keeps them afterwards. Every mount it makes is undone, whatever happens.
set -euo pipefail

release="${1:-}"
case "$release" in
  bookworm | trixie) ;;
  *)
    echo "usage: $0 bookworm|trixie" >&2
    exit 2
    ;;
esac
if [ "$(id -u)" -ne 0 ]; then
  echo "$0 makes roots with debootstrap and mounts into them: run it as root" >&2
  exit 1
fi
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
caption="Философия - логика, дилемата"

# The first archive and the first security archive that the apt sources
# name, in either format.
apt_uris() {
  {
    grep -h -E '^[[:space:]]*URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null |
      sed -E 's/^[[:space:]]*URIs:[[:space:]]*//' | tr ' ' '\n'
    grep -h -E '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
      2>/dev/null | sed -E 's/\[[^]]*\]//' | awk '{ print $2 }'
  } | grep -E '^https?://' || true
}
mirror="$(apt_uris | grep -v -- '-security' | grep -E '/debian/?$' | head -n 1)"
security="$(apt_uris | grep -E '/debian-security/?$' | head -n 1)"
if [ -z "$mirror" ]; then
  echo "no Debian mirror found in this machine's apt sources" >&2
  exit 1
fi
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null

work="$(mktemp -d "${FRESH_CHECK_DIR:-/var/tmp}/fresh-check-$release.XXXXXX")"
roots=()
mounts=()
begin=$(date +%s)

cleanup() {
  local status=$? root proc i
  # Anything still running inside a root holds its mounts.
  for root in "${roots[@]}"; do
    for proc in /proc/[0-9]*; do
      if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
        kill -9 "${proc#/proc/}" 2>/dev/null || true
      fi
    done
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
  if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "kept the roots in $work"
  elif ! grep -q " $work/" /proc/mounts; then
    rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# make_root NAME: a brand-new minimal root of the release, mounted for use.
make_root() {
  local root="$work/$1" target start
  start=$(date +%s)
  echo "== debootstrap --variant=minbase $release from $mirror: the $1's root"
  debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap-$1.log" 2>&1 ||
    { tail -n 20 "$work/debootstrap-$1.log"; exit 1; }
  roots+=("$root")
  {
    echo "deb $mirror $release main"
    echo "deb $mirror $release-updates main"
    [ -z "$security" ] || echo "deb $security $release-security main"
  } >"$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  for target in proc sys dev dev/pts dev/shm; do
    mkdir -p "$root/$target"
    case "$target" in
      proc) mount -t proc proc "$root/proc" ;;
      sys) mount -t sysfs sys "$root/sys" ;;
      dev) mount --bind /dev "$root/dev" ;;
      dev/pts) mount -t devpts devpts "$root/dev/pts" ;;
      dev/shm) mount -t tmpfs shm "$root/dev/shm" ;;
    esac
    mounts+=("$root/$target")
  done
  in_root "$1" apt-get update -qq
  echo "   $(($(date +%s) - start)) s"
}

in_root() {  # in_root NAME COMMAND...: as root inside the named root
  local root="$work/$1"
  shift
  chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
    DEBIAN_FRONTEND=noninteractive "$@"
}

as_user() {  # as_user NAME USER COMMAND: a login shell of the user, in the home folder
  chroot "$work/$1" env -i TERM=dumb su - "$2" -c "$3"
}

add_user() {  # add_user NAME USER
  in_root "$1" apt-get install -y -qq passwd login >/dev/null 2>&1
  in_root "$1" useradd --create-home --shell /bin/bash "$2"
}

step() {  # step TITLE ROOT USER COMMAND: prints the command's end and its time
  local title="$1" start status
  echo "== $title: $4"
  start=$(date +%s)
  as_user "$2" "$3" "$4" >"$work/$title.log" 2>&1 && status=0 || status=$?
  grep -E 'tests passed|tests failed|The following tests FAILED|^[[:space:]]+[0-9]+ - |^CHECK' \
    "$work/$title.log" || tail -n 5 "$work/$title.log"
  echo "   exit status $status, wall time $(($(date +%s) - start)) s"
  return "$status"
}

# The newcomer: an account, the committed tree, and no sudo at first.
make_root newcomer
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
make_root player
add_user player player
cp "$deb" "$work/player/tmp/"
echo "== the player installs it: apt-get install ./$(basename "$deb")"
start=$(date +%s)
in_root player apt-get install -y -qq "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 ||
  { tail -n 20 "$work/install.log"; exit 1; }
echo "   $(grep -c '^Setting up' "$work/install.log") packages set up, $(($(date +%s) - start)) s"
# The checking tools come after the package, so that they bring it nothing.
in_root player apt-get install -y -qq desktop-file-utils xvfb xauth >/dev/null 2>&1
cp "$work/newcomer/home/newcomer/dilemata/build/tests/close_window" "$work/player/usr/local/bin/"
cat >"$work/player/usr/local/bin/check-installed" <<CHECK
#!/bin/bash
# What the player has after the install, and the game started as the menu starts it.
set -e
for file in \$(dpkg -L dilemata); do
  if [ -f "\$file" ]; then echo "CHECK installed \$file"; fi
done
entry=/usr/share/applications/bg.dilemata.Dilemata.desktop
desktop-file-validate "\$entry"
echo "CHECK menu entry valid:" \$(grep -E '^(Name|Exec|Categories)=' "\$entry")
for size in 32 64 128 256; do
  test -s /usr/share/icons/hicolor/\${size}x\${size}/apps/bg.dilemata.Dilemata.png
done
echo "CHECK icons in place: 32, 64, 128 and 256 pixels"
echo "CHECK the menu's command: \$(command -v \$(sed -n 's/^Exec=//p' "\$entry"))"
xvfb-run -a -s '-screen 0 800x600x24 -nolisten tcp' bash -c '
  dilemata & pid=\$!
  close_window "$caption" 461 345 120 || exit 1
  status=0; wait \$pid || status=\$?
  echo "CHECK the program ended with status \$status"
  exit \$status'
CHECK
chmod +x "$work/player/usr/local/bin/check-installed"
step installed player player check-installed || failed=1

echo "== $release: $([ "$failed" = 0 ] && echo PASS || echo FAIL), $(($(date +%s) - begin)) s in all"
exit "$failed"
