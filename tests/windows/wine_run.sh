#!/usr/bin/env bash
# Runs a Windows program under Wine as a real Windows runs it: the Linux
# session's variables (DISPLAY, WAYLAND_DISPLAY, XDG_*, LANG and the rest),
# which Wine would hand on, do not reach the program; a variable given as
# WINDOWS_NAME=value reaches it as NAME=value. It runs in the Wine prefix
# PREFIX, made when missing, and on an Xvfb of its own where no X server is
# named for Wine to show windows on. The build runs the programs it makes
# this way (as CMake's emulator), and CTest runs the Windows suites.
#   wine_run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# PROGRAM is a Linux path, or a Windows one such as C:\Program Files\....
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$repo/scripts/lib/wine-prefix.sh"
prefix="$1"
shift

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$prefix" "$@"
fi
wine_environment
wine_prefix "$prefix"
export WINEPREFIX="$prefix"

# The program is started by a batch file that first clears every variable
# the Linux environment lent the Windows one.
batch="$(mktemp --suffix=.bat)"
trap 'rm -f "$batch"' EXIT
{
  echo "@echo off"
  for name in $(compgen -e); do
    case "$name" in
      PATH | TEMP | TMP | WINE*) ;;  # Windows' own, or Wine's
      WINDOWS_*) echo "set $name=" && echo "set ${name#WINDOWS_}=${!name}" ;;
      *) if [[ "$name" =~ ^[A-Za-z_][A-Za-z0-9_]*$ ]]; then echo "set $name="; fi ;;
    esac
  done
  echo "cd /d \"$(windows_path "$PWD")\""
  program="$1"
  [[ "$program" =~ ^[A-Za-z]:\\ ]] || program="$(windows_path "$program")"
  printf '"%s"' "$program"
  shift
  for argument in "$@"; do
    printf ' "%s"' "$argument"
  done
  echo
  echo 'exit /b %ERRORLEVEL%'
} >"$batch"
wine cmd /c "$(windows_path "$batch")"
