#!/usr/bin/env bash
# Installs the Debian packages that building, playing, testing and packaging
# need, on Debian 12 or 13, from a bare minimal install up. Does nothing when
# every one of them is already there; otherwise installs the missing ones as
# root, or through sudo, and says what to run when it can do neither.
#   scripts/deps.sh [MORE-PACKAGES...]   the packages a developer's tool needs besides
set -euo pipefail

packages=(
  # building
  cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev
  # what the game loads at run time: the font, and Qt's own texts in Bulgarian
  fonts-liberation2 qt6-translations-l10n
  # the tests' desktop: an X server, a session bus, Xlib for the window helper,
  # and the accessibility bus with a client that listens as a screen reader does
  xvfb xauth libx11-dev dbus-daemon at-spi2-core python3-pyatspi xdotool
  # checking the desktop files, and building the Debian package from a clean
  # clone and checking it
  desktop-file-utils appstream build-essential debhelper dpkg-dev file git lintian
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing Debian packages; as root, run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
