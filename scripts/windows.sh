#!/usr/bin/env bash
# The game for Windows 10 and 11, built and tested on Debian 12 or 13: installs
# what is missing, builds Qt for Windows once per machine (about half an
# hour the first time; later runs reuse it), cross-builds the game and its
# Windows tests, runs the tests under Wine on a virtual X server, and puts
# the installer and the portable zip into dist/windows/. Prints the time and
# the sizes at the end.
#   scripts/windows.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
start=$(date +%s)
"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 msitools wixl \
  ninja-build xz-utils xclip python3-pefile fonts-wine

qt="$("$root/scripts/qt-for-windows.sh" | tail -n 1)"
built_qt=$(date +%s)

build_dir="$root/build-windows"
toolchain="$qt/windows/lib/cmake/Qt6/qt.toolchain.cmake"
# CMake keeps the toolchain of a build's first configuration: a build made
# with Qt for Windows built another way starts afresh.
if ! grep -q -x "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$build_dir/CMakeCache.txt" 2>/dev/null; then
  rm -rf "$build_dir"
fi
echo "== the game for Windows, with Qt $(cat "$qt/notices/debian-version")"
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DDILEMATA_WERROR=ON -DDILEMATA_BENCHMARKS=OFF \
  -DDILEMATA_QT_NOTICES="$qt/notices" >/dev/null
cmake --build "$build_dir" -j2
built=$(date +%s)

echo "== the Windows tests, under Wine on a virtual X server"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  ctest --test-dir "$build_dir" --output-on-failure -j2
tested=$(date +%s)

dist="$root/dist/windows"
mkdir -p "$dist"
cp "$build_dir"/packaging/windows/dilemata-*-x64.msi "$build_dir"/packaging/windows/dilemata-*-x64.zip \
  "$dist/"
echo "== in dist/windows:"
(cd "$dist" && ls -l --time-style=+ ./*.msi ./*.zip | awk '{ printf "   %-28s %10d bytes\n", $6, $5 }')
echo "   with dilemata.exe of $(stat -c %s "$build_dir"/packaging/windows/dilemata-*-x64/dilemata.exe) bytes"
echo "== time: Qt $((built_qt - start)) s (with the dependencies), build $((built - built_qt)) s," \
  "tests $((tested - built)) s; $((tested - start)) s in all"
