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
mkdir -p "$copy"
# The files a clone would hold: git's list where there is one, else the tree
# without its build folders.
files() {
  if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' file; do
        if [ -e "$source_dir/$file" ]; then printf '%s\0' "$file"; fi
      done
  else
    (cd "$source_dir" && find . \( -path './build*' -o -path ./.git \) -prune -o -type f -print0)
  fi
}
files | tar -C "$source_dir" --null -T - -cf - | tar -C "$copy" -xf -

start=$(date +%s)
(cd "$copy" && dpkg-buildpackage -b -us -uc) >"$out_dir/build.log" 2>&1 ||
  { tail -n 40 "$out_dir/build.log"; exit 1; }
echo "dpkg-buildpackage took $(($(date +%s) - start)) s:"
(cd "$out_dir" && ls -l ./*.deb)
