#!/usr/bin/env bash
# Builds dilemata.exe a second time, from a copy of the source in another
# folder, made later, and requires it byte for byte the same as the first
# build's; and requires that neither names a folder of the machine that
# built it (the source's, the build's, or that of Qt and its sources), so
# that the program tells nothing of who built it, or where.
#   reproducible_exe.sh SOURCE_DIR FIRST_EXE WORK_DIR QT_PREFIX CMAKE_ARGUMENTS...
set -euo pipefail

source_dir="$1"
first="$2"
work="$3"
qt_folder="$(dirname "$(realpath "$4")")"
shift 4
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/source-tree.sh"

rm -rf "$work"
copy_source_tree "$source_dir" "$work/another-copy-of-the-game"
start=$(date +%s)
cmake -S "$work/another-copy-of-the-game" -B "$work/build" -DBUILD_TESTING=OFF "$@" >"$work/log" 2>&1 &&
  cmake --build "$work/build" --target dilemata -j2 >>"$work/log" 2>&1 ||
  { tail -n 30 "$work/log"; exit 1; }
second="$(find "$work/build" -name dilemata.exe -not -path "*/packaging/*" | head -n 1)"
echo "the second build took $(($(date +%s) - start)) s"
for folder in "$source_dir" "$(dirname "$first")" "$qt_folder"; do
  if grep -qaF "$folder" "$first" "$second"; then
    echo "FAIL: dilemata.exe names the builder's folder $folder"
    exit 1
  fi
done
echo "names none of the builder's folders: the source's, the build's, Qt's ($qt_folder)"
if cmp "$first" "$second"; then
  echo "identical: dilemata.exe ($(stat -c %s "$first") bytes, sha256 $(sha256sum <"$first" | cut -c1-16))"
else
  echo "FAIL: dilemata.exe differs between the two builds"
  exit 1
fi
