#!/usr/bin/env bash
# Qt for Windows, built once per machine into the cache, from Debian's own
# qt6-base source package of Debian 13: a static Qt (Core, Gui, Widgets,
# Test) for 64-bit Windows, made with Debian's MinGW-w64 compilers, beside
# the host tools (moc, rcc, uic) built from the same source, which the cross
# build needs in its own version. Also keeps Qt's Bulgarian catalogue of the
# same Debian release, and the licence texts and notices of the source.
# Prints the cache entry's folder; later runs print it at once.
#
#   scripts/qt-for-windows.sh
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/lib/cache.sh"
source "$repo/scripts/lib/apt.sh"
release=trixie

# ninja's steps, as a line at every fifth percent with the minutes so far; and
# any error in full.
progress() {
  local title="$1" start line step total percent shown=-1
  start=$(date +%s)
  while IFS= read -r line; do
    if [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
      step="${BASH_REMATCH[1]}" total="${BASH_REMATCH[2]}"
      percent=$((100 * step / total))
      if [ $((percent / 5)) -ne "$shown" ]; then
        shown=$((percent / 5))
        printf '   %s: %3d%% (%d of %d steps), %d min\n' "$title" "$percent" "$step" "$total" \
          $((($(date +%s) - start) / 60))
      fi
    elif [[ "$line" =~ error|Error|FAILED ]]; then
      echo "$line"
    fi
  done
}

# build TITLE BUILD-DIR: ninja, with the progress shown and the log kept.
build() {
  local log="$2/build.log"
  if ! ninja -C "$2" -j2 2>&1 | tee "$log" | progress "$1"; then
    tail -n 30 "$log"
    return 1
  fi
  ninja -C "$2" install >"$2/install.log" 2>&1 || { tail -n 30 "$2/install.log"; return 1; }
}

# The source package, unpacked with Debian's patches applied, once.
fetch_source() {
  local apt="$1/apt" version
  if [ ! -d "$1/source" ]; then
    mkdir -p "$apt"
    release_sources deb-src "$release" >"$apt/sources.list"
    release_sources deb "$release" >>"$apt/sources.list"
    private_apt "$apt" update -qq
    (cd "$1" && private_apt "$apt" source --download-only qt6-base >/dev/null)
    # apt has checked the files against the archive's signed index.
    dpkg-source --no-check -x "$1"/qt6-base_*.dsc "$1/source" >/dev/null 2>&1
  fi
  version="$(basename "$1"/qt6-base_*.dsc .dsc)"
  echo "${version#qt6-base_}"
}

# Qt's Bulgarian catalogue of the same release, from Debian's package of Qt's
# translations, where Qt looks for its catalogues.
fetch_catalogue() {
  (cd "$1" && private_apt "$1/apt" download qt6-translations-l10n >/dev/null)
  dpkg-deb -x "$1"/qt6-translations-l10n_*.deb "$1/translations"
  mkdir -p "$2/windows/translations"
  cp "$1/translations/usr/share/qt6/translations/qtbase_bg.qm" "$2/windows/translations/"
  basename "$1"/qt6-translations-l10n_*.deb .deb | sed 's/_all$//; s/_/ /' \
    >"$2/notices/translations-version"
}

# UI Automation's headers for Qt's Windows platform, as compiler flags.
# Debian 12's MinGW-w64 (version 10) lacks most of the provider interfaces
# through which Qt 6.8 serves screen readers, and declares a parameter named
# `new`, which C++ refuses. There, the headers of UI Automation come from
# Debian 13's MinGW-w64 (version 12), ahead of the rest; elsewhere the
# system's serve.
uia_header_flags() {
  local work="$1"
  if grep -q ISelectionProvider /usr/share/mingw-w64/include/uiautomationcore.h; then
    return 0
  fi
  if [ ! -d "$work/uiautomation" ]; then
    (cd "$work" && private_apt "$work/apt" download mingw-w64-common >/dev/null)
    dpkg-deb -x "$work"/mingw-w64-common_*_all.deb "$work/mingw-w64-common"
    mkdir -p "$work/uiautomation"
    cp "$work"/mingw-w64-common/usr/share/mingw-w64/include/uiautomation*.h "$work/uiautomation/"
  fi
  echo "-isystem $work/uiautomation"
}

# configure TITLE BUILD-DIR CMAKE-ARGUMENTS...: once; a build that was cut
# short goes on where it stopped.
configure() {
  local title="$1" build="$2"
  shift 2
  echo "== $title"
  if [ ! -e "$build/build.ninja" ]; then
    cmake -G Ninja -B "$build" "$@" >"$build.configure.log" 2>&1 ||
      { tail -n 40 "$build.configure.log"; rm -rf "$build"; return 1; }
  fi
}

# moc, rcc, uic and the rest for this machine, with QtCore alone beneath
# them. No zstd: rcc then writes resources that a Qt without it can read.
build_host_tools() {
  local build="$1/host-build"
  configure "Qt's host tools, from the same source" "$build" -S "$1/source" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$2/host" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_gui=OFF -DFEATURE_widgets=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_openssl=OFF -DFEATURE_libudev=OFF -DFEATURE_journald=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_doubleconversion=OFF
  build "host tools" "$build"
}

# The static Qt for Windows. Windows has none of the libraries Debian would
# otherwise lend Qt, so Qt's bundled copies are built in; what Debian's
# repack of the source leaves out (wintab, iaccessible2, sqlite) is off.
# Stack clash protection is off too: with it MinGW-w64's GCC 12 (Debian 12)
# fails on Windows' unwinding tables, and Windows probes its stack itself.
# Optimized for size: the installer stays under 10 MB, and the game asks
# for no speed that size would cost.
# Nothing of the machine that builds it goes into Qt: its sources' paths in
# its messages start at the source package's top, and its prefix is the
# fixed /windows (beneath the cache entry through DESTDIR), which on Windows
# names the system's own folder, where only administrators write. So a
# program linked with it names no account or folder of its builder.
build_for_windows() {
  local build="$1/windows-build" entry="$2" flags
  flags="-ffile-prefix-map=$1/= $(uia_header_flags "$1")"
  cp "$repo/cmake/mingw-w64-x86_64.cmake" "$entry/"
  configure "Qt for Windows, static" "$build" -S "$1/source" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_TOOLCHAIN_FILE="$entry/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX=/windows \
    -DQT_HOST_PATH="$entry/host" -DQT_HOST_PATH_CMAKE_DIR="$entry/host/lib/cmake" \
    -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_system_textmarkdownreader=OFF -DFEATURE_stack_clash_protection=OFF \
    -DFEATURE_optimize_size=ON
  DESTDIR="$entry" build "Qt for Windows" "$build"
}

# The licence texts and third-party notices that travel with the program,
# and which of them each of Qt's object files carries, so that a program's
# notices name what it links and nothing else. Beside them, the Debian
# versions of the sources.
keep_notices() {
  echo "== the notices of Qt's third-party parts"
  "$repo/packaging/windows/notices.py" index --source "$1/source" \
    --build "$1/windows-build" --output "$2/notices"
}

make_qt() {
  local entry="$1" work="$1.work" start version old
  start=$(date +%s)
  mkdir -p "$work"
  echo "== Qt for Windows is built once on this machine, into $(cache_root); about 45 minutes on two idle cores, up to two hours on busy ones"
  version="$(fetch_source "$work")"
  mkdir -p "$entry/notices"
  echo "$version" >"$entry/notices/debian-version"
  echo "   Debian's qt6-base $version, from $release"
  fetch_catalogue "$work" "$entry"
  build_host_tools "$work" "$entry"
  build_for_windows "$work" "$entry"
  keep_notices "$work" "$entry"
  rm -rf "$work"
  # Qt built another way before is of no more use.
  for old in "$(cache_root)"/qt-*-windows-x64*; do
    case "$old" in
      "$entry" | "$entry".* | *.lock) ;;
      *) rm -rf "$old" ;;
    esac
  done
  echo "   Qt for Windows built in $((($(date +%s) - start) / 60)) min; $(du -sh "$entry" | cut -f1) kept"
}

# The cache entry is named after how Qt is built, so that a change to it
# builds Qt anew.
recipe="$(declare -f fetch_source fetch_catalogue uia_header_flags build_host_tools \
  build_for_windows keep_notices; cat "$repo/cmake/mingw-w64-x86_64.cmake")"
cached "qt-6.8-windows-x64-$(sha256sum <<<"$recipe" | cut -c1-12)" make_qt
