#!/usr/bin/env bash
# Builds the Debian package as the README says, Debian's own way: in a clean
# copy of the source tree (what a fresh clone holds, with any uncommitted
# edits), dpkg-buildpackage -b -us -uc. The packages land in OUT_DIR.
#   build_package.sh SOURCE_DIR OUT_DIR FOLDER_NAME
set -euo pipefail

source_dir="$1"
out_dir="$2"
copy="$out_dir/$3"

rm -rf "$out_dir"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/source-tree.sh"
copy_source_tree "$source_dir" "$copy"

start=$(date +%s)
(cd "$copy" && dpkg-buildpackage -b -us -uc) >"$out_dir/build.log" 2>&1 ||
  { tail -n 40 "$out_dir/build.log"; exit 1; }
echo "dpkg-buildpackage took $(($(date +%s) - start)) s:"
(cd "$out_dir" && ls -l ./*.deb)
