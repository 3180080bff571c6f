#!/usr/bin/env bash
# What a newcomer meets: makes a brand-new minimal Debian root with
# debootstrap, from the Debian mirror this machine's apt sources name,
# clones the committed tree into it and, as an ordinary user there, runs the
# README's commands: first without root or sudo (the dependency step must
# say what to run and stop), then with sudo: the test command, the same
# suite under the sanitizers, and the play command on Xvfb. Prints each
# step's summary and wall time. A developer's tool: it takes minutes, needs
# root and the mirror, and is not part of CI.
#
#   scripts/fresh-check.sh bookworm|trixie
#
# FRESH_CHECK_DIR: where the root is made (default /var/tmp); KEEP_ROOT=1
# keeps it afterwards. Every mount it makes is undone, whatever happens.
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
  echo "$0 makes a root with debootstrap and mounts into it: run it as root" >&2
  exit 1
fi
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
caption="Философия - логика, дилемата"
user=newcomer

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
root="$work/root"
mounts=()

cleanup() {
  local status=$?
  # Anything still running inside the root holds its mounts.
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
      kill -9 "${proc#/proc/}" 2>/dev/null || true
    fi
  done
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
  if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "kept the root: $root"
  elif ! grep -q " $work/" /proc/mounts; then
    rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_in() {  # mount_in TARGET MOUNT-ARGUMENTS...
  local target="$root/$1"
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounts+=("$target")
}

in_root() {  # as root inside the root
  chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb "$@"
}

as_user() {  # as the newcomer, in the clone
  chroot --userspec="$user:$user" "$root" env -i HOME="/home/$user" USER="$user" \
    LOGNAME="$user" PATH=/usr/local/bin:/usr/bin:/bin TERM=dumb \
    bash -c "cd ~/dilemata && $1"
}

step() {  # step TITLE COMMAND: runs a newcomer's command, prints its end and time
  local title="$1" command="$2" start status
  echo "== $title: $command"
  start=$(date +%s)
  as_user "$command" >"$work/$title.log" 2>&1 && status=0 || status=$?
  grep -E 'tests passed|tests failed|The following tests FAILED|^[[:space:]]+[0-9]+ - ' \
    "$work/$title.log" || tail -n 5 "$work/$title.log"
  echo "   exit status $status, wall time $(($(date +%s) - start)) s"
  return "$status"
}

echo "== debootstrap --variant=minbase $release from $mirror"
start=$(date +%s)
debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log"; exit 1; }
{
  echo "deb $mirror $release main"
  echo "deb $mirror $release-updates main"
  [ -z "$security" ] || echo "deb $security $release-security main"
} >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount_in proc -t proc proc
mount_in sys -t sysfs sys
mount_in dev --bind /dev
mount_in dev/pts -t devpts devpts
mount_in dev/shm -t tmpfs shm
echo "   $(($(date +%s) - start)) s"

# The machine's owner has made an account; sudo comes later.
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq passwd >/dev/null
in_root useradd --create-home --shell /bin/bash "$user"
git clone --quiet --no-hardlinks "$repo" "$root/home/$user/dilemata"
in_root chown -R "$user:$user" "/home/$user/dilemata"
echo "== cloned $(git -C "$repo" rev-parse --short HEAD) into /home/$user/dilemata"

if step without-sudo "./scripts/test.sh"; then
  echo "FAIL: without root or sudo the test command should stop at the dependencies" >&2
  exit 1
fi

in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo >/dev/null
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 440 "$root/etc/sudoers.d/$user"

failed=0
step test "./scripts/test.sh" || failed=1
step sanitize "./scripts/test.sh sanitize" || failed=1
step play "xvfb-run -a -s '-screen 0 800x600x24 -nolisten tcp' bash -c '
    ./scripts/play.sh & pid=\$!
    build/tests/close_window \"$caption\" 461 345 120 && wait \$pid'" || failed=1

echo "== $release: $([ "$failed" = 0 ] && echo PASS || echo FAIL), $(($(date +%s) - start)) s in all"
exit "$failed"
