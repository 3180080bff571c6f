# Brand-new minimal Debian roots, where the checks see what a newcomer or a
# player sees. debootstrap --variant=minbase runs once per release and
# architecture on this machine, into a tarball in the cache that stays
# untouched; every root is unpacked afresh from it. A root of another
# architecture (arm64, armhf) runs its programs through qemu-user-static and
# the kernel's binfmt_misc. Sourced by the checks that use such roots, which
# run as root.
#
#   roots_need_root            ends the script unless it runs as root
#   roots_start WORK           roots are made in WORK; from then on the
#                              script's end, however it comes, kills what
#                              still runs in them, undoes every mount and
#                              removes WORK (KEEP_ROOT=1 keeps it)
#   roots_in_memory SIZE       right after roots_start: WORK becomes a tmpfs
#                              of SIZE (as mount's size=), undone at the end
#   roots_on_exit STATUS       when the script defines it, called at its end
#                              with its exit status, before the roots go
#   make_root NAME RELEASE [ARCH]
#   in_root NAME COMMAND...    as root inside the root
#   as_user NAME USER COMMAND  a login shell of the user, in the home folder
#   add_user NAME USER

source "$(dirname "${BASH_SOURCE[0]}")/cache.sh"
source "$(dirname "${BASH_SOURCE[0]}")/apt.sh"

roots_work=""
roots=()
mounts=()

roots_need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$0 makes roots with debootstrap and mounts into them: run it as root" >&2
    exit 1
  fi
}

roots_start() {
  roots_work="$1"
  mkdir -p "$roots_work"
  trap roots_cleanup EXIT
  trap 'exit 130' INT TERM
}

roots_cleanup() {
  local status=$? root proc i
  # Whatever fails from here on, every mount is still undone.
  set +e
  if declare -F roots_on_exit >/dev/null; then roots_on_exit "$status"; fi
  # Anything still running inside a root holds its mounts.
  for root in "${roots[@]}"; do
    for proc in /proc/[0-9]*; do
      if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
        kill -9 "${proc#/proc/}" 2>/dev/null || true
      fi
    done
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    if [ "${mounts[i]}" = "$roots_work" ] && [ "${KEEP_ROOT:-0}" = 1 ]; then
      continue  # kept roots in memory stay mounted: umount WORK frees them
    fi
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
  if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "kept the roots in $roots_work"
  elif ! grep -q " $roots_work/" /proc/mounts; then
    rm -rf "$roots_work"
  fi
  exit "$status"
}

# qemu-user hands a 32-bit program the host's 64-bit directory offsets, and
# on ext4 these are hashes that do not fit in 32 bits: readdir() then fails
# with EOVERFLOW in every 32-bit program built without large-file support.
# Roots of armhf therefore live in memory, where tmpfs numbers a directory's
# entries from 0.
roots_in_memory() {
  mount -t tmpfs -o "size=$1,mode=755" tmpfs "$roots_work"
  mounts+=("$roots_work")
}

# install_missing PACKAGE...: this machine's packages the roots need.
install_missing() {
  local package missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null 2>&1 ||
    { echo "could not install ${missing[*]}" >&2; return 1; }
}

# Lets this machine run the programs of a Debian architecture.
enable_architecture() {
  local arch="$1" emulator
  [ "$arch" != "$(dpkg --print-architecture)" ] || return 0
  case "$arch" in
    arm64) emulator=qemu-aarch64 ;;
    armhf) emulator=qemu-arm ;;
    *)
      echo "no emulator for $arch" >&2
      return 1
      ;;
  esac
  install_missing qemu-user-static binfmt-support
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ -e "/proc/sys/fs/binfmt_misc/$emulator" ] || update-binfmts --enable "$emulator"
}

# bootstrap RELEASE ARCH ENTRY: debootstrap's output, as a tarball.
bootstrap() {
  local release="$1" arch="$2" entry="$3" mirror
  mirror="$(debian_mirror)"
  echo "   debootstrap --variant=minbase --arch=$arch $release from $mirror, once for this machine"
  debootstrap --variant=minbase --arch="$arch" "$release" "$entry/root" "$mirror" \
    >"$entry/debootstrap.log" 2>&1 || { tail -n 20 "$entry/debootstrap.log"; return 1; }
  tar -C "$entry/root" --numeric-owner -cf "$entry/root.tar" .
  rm -rf "$entry/root"
}

# make_root NAME RELEASE [ARCH]: a brand-new root in WORK/NAME, with the
# release's archives as its apt sources and its package lists fetched.
make_root() {
  local name="$1" release="$2" arch="${3:-$(dpkg --print-architecture)}"
  local root="$roots_work/$1" target start entry
  start=$(date +%s)
  echo "== a brand-new Debian $release $arch root: the $name's"
  install_missing debootstrap
  enable_architecture "$arch"
  entry="$(cached "debian-$release-$arch-minbase" bootstrap "$release" "$arch")"
  mkdir -p "$root"
  tar -C "$root" --numeric-owner -xf "$entry/root.tar"
  roots+=("$root")
  release_sources deb "$release" >"$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # The root is thrown away at the end: dpkg need not sync every file it
  # unpacks, and man-db need not index every manual page installed, both
  # slow, the more so under emulation.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/throwaway-root"
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
  echo "man-db man-db/auto-update boolean false" | in_root "$name" debconf-set-selections
  in_root "$name" apt-get update -qq
  echo "   $(($(date +%s) - start)) s"
}

in_root() {
  local root="$roots_work/$1"
  shift
  chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
    DEBIAN_FRONTEND=noninteractive "$@"
}

as_user() {
  chroot "$roots_work/$1" env -i TERM=dumb su - "$2" -c "$3"
}

add_user() {
  in_root "$1" apt-get install -y -qq passwd login >/dev/null 2>&1
  in_root "$1" useradd --create-home --shell /bin/bash "$2"
}
