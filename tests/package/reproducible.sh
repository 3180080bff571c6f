#!/usr/bin/env bash
# Builds the Debian package a second time, from a copy in another folder
# under another name and at a later time, and requires the packages to be
# byte for byte the ones the first build made.
#   reproducible.sh SOURCE_DIR FIRST_PACKAGE_DIR SECOND_PACKAGE_DIR
set -euo pipefail

source_dir="$1"
first="$2"
second="$3"
here="$(dirname "${BASH_SOURCE[0]}")"

"$here/build_package.sh" "$source_dir" "$second" "another-copy-of-the-game"
status=0
for package in "$first"/*.deb; do
  name="$(basename "$package")"
  if cmp "$package" "$second/$name"; then
    echo "identical: $name ($(sha256sum <"$package" | cut -c1-16))"
  else
    echo "FAIL: $name differs between the two builds"
    status=1
  fi
done
exit "$status"
