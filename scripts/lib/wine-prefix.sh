# Wine prefixes, the Windows that the project's Windows checks run in: the
# build's and the suite's own, and the brand-new ones that the installer is
# tried in. Sourced by the scripts that run Windows programs.

# What every Wine run of the project shares: quiet; no menu entries or file
# types that Wine's menu builder would write into the Linux desktop of the
# user who runs the checks; no offer to install Mono or Gecko; and a UTF-8
# locale whatever the caller's, since Wine names Linux files in the locale's
# encoding, and in a bare login's POSIX locale it cannot create the
# Cyrillic-named Start-menu shortcut at all.
wine_environment() {
  export LC_ALL=C.UTF-8
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d;mscoree=d;mshtml=d"
}

# wine_prefix DIR: a Wine prefix in DIR, made when missing: 64-bit Windows,
# where Times New Roman is Liberation Serif, its metric twin, since a real
# Windows has Times New Roman. Runs at the same time wait for each other.
wine_prefix() {
  local prefix="$1"
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -e "$prefix/.made" ]; then
      rm -rf "$prefix"
      WINEPREFIX="$prefix" WINEARCH=win64 wineboot --init >/dev/null 2>&1
      WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
      WINEPREFIX="$prefix" wineserver --wait
      touch "$prefix/.made"
    fi
  ) 9>"$prefix.lock"
}

# windows_path PATH: a Linux path as Windows programs under Wine see it.
windows_path() {
  local path
  path="$(realpath -m "$1")"
  echo "Z:${path//\//\\}"
}
