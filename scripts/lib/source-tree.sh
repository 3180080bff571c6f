# The project's files as a fresh clone holds them. Sourced by the checks that
# build from a copy of the tree.

# copy_source_tree SOURCE_DIR DEST_DIR: copies the files a clone would hold,
# with any uncommitted edits: git's list where there is one, else the tree
# without its build folders.
copy_source_tree() {
  local source_dir="$1" dest="$2"
  mkdir -p "$dest"
  if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' file; do
        if [ -e "$source_dir/$file" ]; then printf '%s\0' "$file"; fi
      done
  else
    (cd "$source_dir" && find . \( -path './build*' -o -path ./.git -o -path ./dist \) -prune -o \
      -type f -print0)
  fi | tar -C "$source_dir" --null -T - -cf - | tar -C "$dest" -xf -
}
