# The player's root: a brand-new Debian root into which a built package is
# installed with apt-get, as a player installs it, and checked there as the
# player by tests/package/play_installed.sh: the files, the menu entry, the
# icons, and the game on an X server, a round played from the keyboard, and
# its close. Sourced after debian-root.sh by the checks that end with a
# player.
#
#   player_root RELEASE ARCH PACKAGE CLOSE_WINDOW_HELPER
#
# PACKAGE is the dilemata_*.deb, CLOSE_WINDOW_HELPER tests/x11/close_window
# built for ARCH. Prints what it checks; its logs stay in the roots' work
# folder: player-install.log, player.log and the window after the round,
# round.xwd.

player_tools=(desktop-file-utils xvfb xauth xdotool x11-apps)

player_root() {
  local release="$1" arch="$2" deb="$3" closer="$4" here start status=0
  here="$(dirname "${BASH_SOURCE[0]}")"
  make_root player "$release" "$arch"
  add_user player player
  cp "$deb" "$roots_work/player/tmp/"
  echo "== the player installs it: apt-get install ./$(basename "$deb")"
  start=$(date +%s)
  in_root player sh -c "cd /tmp && apt-get install -y -qq ./$(basename "$deb")" \
    >"$roots_work/player-install.log" 2>&1 || { tail -n 20 "$roots_work/player-install.log"; return 1; }
  echo "   $(grep -c '^Setting up' "$roots_work/player-install.log") packages set up," \
    "$(($(date +%s) - start)) s"
  installed_program "$arch"
  # The checking tools come after the package, so that they bring it nothing.
  in_root player apt-get install -y -qq --no-install-recommends "${player_tools[@]}" \
    >>"$roots_work/player-install.log" 2>&1 || { tail -n 20 "$roots_work/player-install.log"; return 1; }
  cp "$closer" "$roots_work/player/usr/local/bin/close_window"
  cp "$here/../../tests/package/play_installed.sh" "$roots_work/player/usr/local/bin/"
  echo "== the player's check: play_installed.sh"
  start=$(date +%s)
  as_user player player "play_installed.sh /usr/local/bin/close_window ~/round.xwd" \
    >"$roots_work/player.log" 2>&1 || status=$?
  grep -E '^(CHECK|FAIL)' "$roots_work/player.log" || tail -n 20 "$roots_work/player.log"
  cp "$roots_work/player/home/player/round.xwd" "$roots_work/" 2>/dev/null || true
  echo "   exit status $status, wall time $(($(date +%s) - start)) s"
  return "$status"
}

# installed_program ARCH: what the installed program is built for, and the Qt
# runtime that apt brought for it, which must both be ARCH's.
installed_program() {
  local arch="$1" runtime described machine
  install_missing file
  described="$(file -b "$roots_work/player/usr/games/dilemata")"
  echo "   file /usr/games/dilemata: $described"
  case "$arch" in
    amd64) machine='ELF 64-bit LSB .*x86-64' ;;
    arm64) machine='ELF 64-bit LSB .*ARM aarch64' ;;
    armhf) machine='ELF 32-bit LSB .*ARM, EABI5' ;;
  esac
  if ! grep -q -E "^$machine" <<<"$described"; then
    echo "FAIL: the installed program is not built for $arch" >&2
    return 1
  fi
  runtime="$(in_root player dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' \
    'libqt6core6*' 'libqt6gui6*' 'libqt6widgets6*' 2>/dev/null | grep -v ' $' || true)"
  sed 's/^/   Qt runtime: /' <<<"$runtime"
  if grep -q -v ":$arch " <<<"$runtime" || [ "$(wc -l <<<"$runtime")" -lt 3 ]; then
    echo "FAIL: the Qt runtime installed is not $arch's" >&2
    return 1
  fi
}
